#include "print/dokument.h"

namespace brelvanostik::druck {

Seitenaufbau& Seitenaufbau::bei(int twips, std::string text) {
    zeile_.stuecke.push_back({Textstueck::Lage::Twips, twips, std::move(text), schrift_});
    return *this;
}

Seitenaufbau& Seitenaufbau::beiSpalte(int spalte, std::string text) {
    zeile_.stuecke.push_back({Textstueck::Lage::Spalte, spalte, std::move(text), schrift_});
    return *this;
}

Seitenaufbau& Seitenaufbau::text(std::string text) {
    zeile_.stuecke.push_back({Textstueck::Lage::Anschliessend, 0, std::move(text), schrift_});
    return *this;
}

Seitenaufbau& Seitenaufbau::zeilenende() {
    zeile_.schrift = schrift_;
    dokument_.zeilen.push_back(std::move(zeile_));
    zeile_ = {};
    return *this;
}

Seitenaufbau& Seitenaufbau::leerzeilen(int anzahl) {
    if (!zeile_.stuecke.empty()) zeilenende();
    for (int i = 0; i < anzahl; ++i) zeilenende();
    return *this;
}

Seitenaufbau& Seitenaufbau::zeichnung(Zeichnung zeichnung) {
    if (!zeile_.stuecke.empty()) zeilenende();
    zeile_.zeichnung = std::move(zeichnung);
    return zeilenende();
}

Dokument Seitenaufbau::fertig() {
    if (!zeile_.stuecke.empty()) zeilenende();
    return std::move(dokument_);
}

std::vector<std::string> zeilentexte(const Dokument& dokument) {
    std::vector<std::string> texte;
    texte.reserve(dokument.zeilen.size());
    for (const Druckzeile& zeile : dokument.zeilen) {
        std::string text;
        for (const Textstueck& stueck : zeile.stuecke) {
            if (!text.empty()) text += ' ';
            text += stueck.text;
        }
        for (const Beschriftung& b : zeile.zeichnung.texte) {
            if (!text.empty()) text += ' ';
            text += b.text;
        }
        texte.push_back(std::move(text));
    }
    return texte;
}

}  // namespace brelvanostik::druck
