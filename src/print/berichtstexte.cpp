#include "print/berichtstexte.h"

#include <algorithm>
#include <cmath>

#include "basis/zahltext.h"
#include "payroll/parameter.h"
#include "workspace/zeilen.h"

namespace brelvanostik::druck {

namespace {

std::string ohneGruppierung(std::int64_t hundertstel) {
    return zahltext::zahl(Money::raw(hundertstel * 100), 2, false);
}

int zeichen(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::string beschriftung(const Zeilenanzeige& zeile) {
    std::string text =
        zeile.beschriftungSatz ? ohneGruppierung(*zeile.beschriftungSatz) : std::string();
    return text + zeile.beschriftung;
}

std::string feldtext(const Zeilenanzeige& anzeige, int nummer, bool jahresmodus) {
    return zahltext::betrag(anzeige.betrag) + (jahresmodus && nummer >= zeile::Gehalt ? " " : "");
}

std::string ergebnistext(const Zeilenanzeige& zeile) {
    return zahltext::betrag(zeile.betrag) + " ";
}

std::string gelbtext(const GelbeSpalte& gelb, int zeile, bool jahresmodus) {
    return zahltext::betrag(gelb.werte.at(static_cast<std::size_t>(zeile))) +
           (jahresmodus ? " " : "   ");
}

std::string satztext(const Seitenanzeige& seite, int nummer, bool jahresmodus) {
    if (nummer == zeile::Krankenversicherung)
        return feldtext(seite.zeilen[zeile::KvSatz], zeile::KvSatz, jahresmodus);
    // The rate labels stand beside the rows after the health insurance.
    const auto& satz =
        seite.saetze.at(static_cast<std::size_t>(nummer - zeile::Pflegeversicherung));
    if (satz) return ohneGruppierung(*satz);
    return nummer == zeile::Zusatzbeitrag ? "-,00" : "";
}

std::string versicherungstext(const Seitenanzeige& seite, int nummer, bool jahresmodus) {
    const Zeilenanzeige& zeile = seite.zeilen.at(static_cast<std::size_t>(nummer));
    // A label that begins with its rate already shows it.
    if (zeile.beschriftungSatz) return beschriftung(zeile);
    return satztext(seite, nummer, jahresmodus) + " " + beschriftung(zeile);
}

std::string periodenzeile(const Sitzung& sitzung, const Seitenanzeige& seite) {
    const std::string monat(kMonatskuerzel.at(static_cast<std::size_t>(sitzung.monat())));
    return "im " + monat + " " + std::to_string(sitzung.jahr()) + " (" +
           feldtext(seite.zeilen[zeile::Tage], zeile::Tage, false) + " Tage von normal " +
           feldtext(seite.zeilen[zeile::NormalTage], zeile::NormalTage, false) + " Tagen)";
}

std::string betragsfeld(std::int64_t hundertstel, int breite) {
    std::string text = zahltext::betrag(hundertstel);
    if (zeichen(text) > breite) std::erase(text, '.');
    return zahltext::rechtsbuendig(text, std::max(breite, zeichen(text)));
}

std::string textfeld(std::string text, int breite) {
    while (zeichen(text) > breite && !text.empty() && text.back() == ' ') text.pop_back();
    if (zeichen(text) > breite) std::erase(text, '.');
    return zahltext::rechtsbuendig(text, std::max(breite, zeichen(text)));
}

int ueberstand(const std::string& text, int breite) {
    return std::max(0, zeichen(text) - breite);
}

Obergrenzen obergrenzen(int jahr, int landcode) {
    const Parameter& p = parameter();
    const auto index = static_cast<std::size_t>(Parameter::tabellenindex(jahr, landcode));
    return {std::llround(static_cast<double>(p.kvbbg.at(index))),
            std::llround(static_cast<double>(p.rvbbg.at(index)))};
}

const Monatssatz& monatssatz(const Sitzung& sitzung, Seite seite) {
    return sitzung.arbeitsbereich().monat(sitzung.jahr() - kErstesJahr, sitzung.berechnung(seite),
                                          sitzung.monat());
}

}  // namespace brelvanostik::druck
