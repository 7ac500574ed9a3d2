#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "ui/meldungen.h"

namespace brelvanostik {

/// Answers in place of the user: records every message and gives prepared answers, so
/// that no test waits for a modal dialog.
class Testmeldungen final : public Meldungsanzeige {
  public:
    void zeigen(const Meldung& meldung) override { gezeigt.push_back(meldung); }
    Entscheidung speicherproblem(const QString& text, bool wiederholbar) override {
        probleme.push_back(text);
        wiederholbarGefragt.push_back(wiederholbar);
        if (entscheidungen.empty()) return Entscheidung::Zurueck;
        const Entscheidung e = entscheidungen.front();
        entscheidungen.erase(entscheidungen.begin());
        return e;
    }
    std::optional<std::filesystem::path> verzeichnisWaehlen() override {
        return anderesVerzeichnis;
    }
    bool bestaetigen(const QString& titel, const QString& text) override {
        fragen.push_back(titel + QStringLiteral(": ") + text);
        return antwortJa;
    }
    bool wiederherstellen(const QString& text) override {
        wiederherstellungsfragen.push_back(text);
        return antwortWiederherstellen;
    }
    std::optional<std::filesystem::path> pdfDateiWaehlen(const QString& vorschlag) override {
        pdfVorschlaege.push_back(vorschlag);
        return pdfDatei;
    }

    std::optional<std::filesystem::path> csvDateiWaehlen(const QString& vorschlag) override {
        csvVorschlaege.push_back(vorschlag);
        return csvDatei;
    }

    bool hatTitel(const std::string& titel) const {
        for (const Meldung& m : gezeigt) {
            if (m.titel == titel) return true;
        }
        return false;
    }

    std::vector<Meldung> gezeigt;
    std::vector<QString> probleme;
    std::vector<bool> wiederholbarGefragt;
    std::vector<Entscheidung> entscheidungen;
    std::optional<std::filesystem::path> anderesVerzeichnis;
    std::vector<QString> fragen;
    bool antwortJa = true;
    std::vector<QString> wiederherstellungsfragen;
    bool antwortWiederherstellen = true;
    std::vector<QString> pdfVorschlaege;
    std::optional<std::filesystem::path> pdfDatei;
    std::vector<QString> csvVorschlaege;
    std::optional<std::filesystem::path> csvDatei;
};

}  // namespace brelvanostik
