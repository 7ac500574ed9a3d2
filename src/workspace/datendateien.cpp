#include "workspace/datendateien.h"

#include <algorithm>
#include <ctime>
#include <fstream>

#include "basis/sicheres_schreiben.h"
#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

namespace fs = std::filesystem;

/// A data file as found on disk.
struct Dateiinhalt {
    std::vector<std::uint8_t> bytes;
    std::optional<std::string> fehler;
};

Dateiinhalt dateiLesen(const fs::path& pfad) {
    Dateiinhalt inhalt;
    std::error_code ec;
    const fs::file_status status = fs::status(pfad, ec);
    if (!fs::exists(status)) return inhalt;
    const std::string fehler = "Die Datei „" + pfad.string() + "“ konnte nicht gelesen werden.";
    if (!fs::is_regular_file(status)) {
        inhalt.fehler = "„" + pfad.string() + "“ ist keine gewöhnliche Datei.";
        return inhalt;
    }
    const std::uintmax_t groesse = fs::file_size(pfad, ec);
    std::ifstream datei(pfad, std::ios::binary);
    if (ec || !datei) {
        inhalt.fehler = fehler;
        return inhalt;
    }
    inhalt.bytes.resize(static_cast<std::size_t>(groesse));
    datei.read(reinterpret_cast<char*>(inhalt.bytes.data()),
               static_cast<std::streamsize>(inhalt.bytes.size()));
    // A file that shrank meanwhile is taken as far as it goes.
    inhalt.bytes.resize(static_cast<std::size_t>(datei.gcount()));
    if (datei.bad()) {
        inhalt.fehler = fehler;
        inhalt.bytes.clear();
    }
    return inhalt;
}

std::string zeitstempel() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    char text[32] = "00000000-000000";
    if (::localtime_r(&jetzt, &ortszeit) != nullptr) {
        std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &ortszeit);
    }
    return text;
}

/// Keeps the damaged file's bytes beside it under a name not yet taken.
std::optional<std::string> sicherungAnlegen(const fs::path& pfad,
                                            std::span<const std::uint8_t> bytes, fs::path& kopie) {
    const std::string stamm = pfad.string() + ".beschaedigt-" + zeitstempel();
    for (int versuch = 1; versuch <= 100; ++versuch) {
        kopie = versuch == 1 ? stamm : stamm + "-" + std::to_string(versuch);
        std::error_code ec;
        if (fs::exists(kopie, ec) || ec) continue;
        return sicheresSchreiben(kopie, bytes, /*nurNeu=*/true);
    }
    return "Für die Sicherungskopie von „" + pfad.string() + "“ war kein freier Name zu finden.";
}

const char* dateiname(Datendatei datei) {
    return datei == Datendatei::Monatsdatei ? kMonatsdateiName : kKopfdateiName;
}

const char* beschreibung(Schadensart art) {
    switch (art) {
        case Schadensart::Laenge:
            return "";
        case Schadensart::Auswahlcode:
            return "Auswahlcodes außerhalb ihrer Liste wurden auf den Anfangswert gesetzt";
        case Schadensart::Betrag:
            return "Beträge über 290.000,00 Euro wurden auf diese Grenze gekürzt";
        case Schadensart::Ergebnis:
            return "Gespeicherte Ergebnisse außerhalb des möglichen Bereichs wurden auf 0 "
                   "gesetzt (die nächste Berechnung ermittelt sie neu)";
        case Schadensart::Wochenstunden:
            return "Wochenstunden über 100 oder unter 0 wurden auf 40 gesetzt";
        case Schadensart::Tage:
            return "Tage über 31 oder unter 0 wurden auf die Kalendertage des Monats gesetzt";
        case Schadensart::KvSatz:
            return "Krankenversicherungssätze über 16 % wurden auf 16 % gesetzt, negative auf "
                   "den Anfangssatz";
        case Schadensart::Text:
            return "Ungültige Zeichen in Texten wurden durch Leerzeichen oder „?“ ersetzt";
        case Schadensart::Versorgungsbeginn:
            return "Ungültige Angaben zum Versorgungsbeginn wurden auf „2005 oder vorher“ gesetzt";
        case Schadensart::Einstellung:
            return "Ungültige Werte des Einstellungssatzes (Jahr, Fall, Monat) wurden auf die "
                   "Anfangswerte gesetzt";
    }
    return "";
}

/// The hints of one file: its length first, then one line per kind of damage with the
/// number of places and the first of them.
void dateiHinweise(std::span<const Befund> befunde, Datendatei datei,
                   std::vector<std::string>& texte) {
    struct Gruppe {
        Schadensart art;
        std::size_t anzahl;
        const std::string* erster;
    };
    std::vector<Gruppe> gruppen;
    for (const Befund& befund : befunde) {
        if (befund.datei != datei) continue;
        if (befund.art == Schadensart::Laenge) {
            texte.push_back(std::string(dateiname(datei)) + ": " + befund.ort);
            continue;
        }
        const auto gruppe = std::find_if(gruppen.begin(), gruppen.end(),
                                         [&](const Gruppe& g) { return g.art == befund.art; });
        if (gruppe != gruppen.end()) {
            ++gruppe->anzahl;
        } else {
            gruppen.push_back({befund.art, 1, &befund.ort});
        }
    }
    for (const Gruppe& g : gruppen) {
        std::string text = std::string(dateiname(datei)) + ": " + beschreibung(g.art) + " (";
        text += g.anzahl == 1 ? "1 Stelle: " : std::to_string(g.anzahl) + " Stellen, zuerst ";
        texte.push_back(text + *g.erster + ").");
    }
}

bool dateiBeschaedigt(std::span<const Befund> befunde, Datendatei datei) {
    for (const Befund& befund : befunde) {
        if (befund.datei == datei) return true;
    }
    return false;
}

/// Writes the new workspace of a load, keeping an old header file first.
void neuAnlegen(const fs::path& verzeichnis, const std::vector<std::uint8_t>& alteKopfdatei,
                Ladeergebnis& ergebnis) {
    const fs::path kopfpfad = verzeichnis / kKopfdateiName;
    // Case names and settings without their months are of no use, but they are the
    // user's: keep them before the new files replace them.
    if (!alteKopfdatei.empty()) {
        fs::path kopie;
        if (auto fehler = sicherungAnlegen(kopfpfad, alteKopfdatei, kopie)) {
            ergebnis.lesefehler = std::string(kKopfdateiName) +
                                  ": Die Datei konnte nicht gesichert werden und bleibt "
                                  "unverändert; es wird nichts neu angelegt. " +
                                  *fehler;
            ergebnis.hinweise.push_back(*ergebnis.lesefehler);
            return;
        }
        ergebnis.sicherungskopien.push_back(kopie);
        ergebnis.hinweise.push_back(std::string(kMonatsdateiName) +
                                    " fehlte oder war leer; es wurde ein neuer "
                                    "Arbeitsbereich angelegt. Die bisherige " +
                                    kKopfdateiName + " wurde unverändert aufbewahrt als „" +
                                    kopie.string() + "“.");
    }
    // A new file holds 0 in every choice code but the birth year; in memory, as after every
    // load, row 10 holds the month index.
    Arbeitsbereich neu = ergebnis.arbeitsbereich;
    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            for (int m = 0; m < kMonate; ++m) neu.monat(j, b, m).Auswahl[zeile::Monatsgehalt] = 0;
        }
    }
    if (auto fehler = speichern(verzeichnis, neu, ergebnis.einstellungen)) {
        ergebnis.hinweise.push_back("Die neuen Datendateien konnten nicht angelegt werden. " +
                                    *fehler);
    }
}

Ladeergebnis ladenOhneAusnahmen(const fs::path& verzeichnis) {
    Ladeergebnis ergebnis;
    const fs::path monatspfad = verzeichnis / kMonatsdateiName;
    const fs::path kopfpfad = verzeichnis / kKopfdateiName;
    // A save stopped between the two files is read as completed.
    const fs::path ziele[] = {monatspfad, kopfpfad};
    const std::vector<fs::path> quellen = abschlussLesen(ziele, verzeichnis / kAbschlussName);
    const Dateiinhalt monatsdatei = dateiLesen(quellen[0]);
    const Dateiinhalt kopfdatei = dateiLesen(quellen[1]);

    if (monatsdatei.fehler || (kopfdatei.fehler && monatsdatei.bytes.empty())) {
        ergebnis.arbeitsbereich = neuerArbeitsbereich();
        ergebnis.einstellungen = neueEinstellungen(ergebnis.arbeitsbereich);
        ergebnis.lesefehler = monatsdatei.fehler ? *monatsdatei.fehler : *kopfdatei.fehler;
        ergebnis.hinweise.push_back(*ergebnis.lesefehler +
                                    " Es wird mit einem neuen Arbeitsbereich gearbeitet, der "
                                    "nicht gespeichert werden sollte.");
        return ergebnis;
    }
    if (monatsdatei.bytes.empty()) {
        ergebnis.neuAngelegt = true;
        ergebnis.arbeitsbereich = neuerArbeitsbereich();
        ergebnis.einstellungen = neueEinstellungen(ergebnis.arbeitsbereich);
        ergebnis.ausstehend.neueDateien = true;
        ergebnis.ausstehend.alteKopfdatei = kopfdatei.bytes;
        return ergebnis;
    }
    if (kopfdatei.fehler) {
        ergebnis.lesefehler = *kopfdatei.fehler;
        ergebnis.hinweise.push_back(*kopfdatei.fehler +
                                    " Fallnamen und Einstellungen haben die Anfangswerte; "
                                    "beim Speichern würde die Datei ersetzt.");
    }

    Speicherinhalt inhalt = speicherFuellen(monatsdatei.bytes, kopfdatei.bytes);
    ergebnis.arbeitsbereich = std::move(inhalt.arbeitsbereich);
    ergebnis.einstellungen = inhalt.einstellungen;

    const struct {
        Datendatei datei;
        const fs::path& pfad;
        const Dateiinhalt& inhalt;
    } dateien[] = {{Datendatei::Monatsdatei, monatspfad, monatsdatei},
                   {Datendatei::Kopfdatei, kopfpfad, kopfdatei}};
    for (const auto& d : dateien) {
        dateiHinweise(inhalt.befunde, d.datei, ergebnis.hinweise);
        if (d.inhalt.bytes.empty() || !dateiBeschaedigt(inhalt.befunde, d.datei)) continue;
        ergebnis.ausstehend.sicherungen.push_back(
            {d.datei, d.pfad, d.inhalt.bytes, ergebnis.hinweise.size()});
    }
    return ergebnis;
}

}  // namespace

Ladeergebnis laden(const fs::path& verzeichnis) {
    try {
        return ladenOhneAusnahmen(verzeichnis);
    } catch (const std::exception& e) {
        Ladeergebnis ergebnis;
        ergebnis.arbeitsbereich = neuerArbeitsbereich();
        ergebnis.einstellungen = neueEinstellungen(ergebnis.arbeitsbereich);
        ergebnis.lesefehler =
            std::string("Die Datendateien konnten nicht gelesen werden: ") + e.what();
        ergebnis.hinweise.push_back(*ergebnis.lesefehler);
        return ergebnis;
    }
}

void sichernUndAnlegen(const fs::path& verzeichnis, Ladeergebnis& ergebnis) {
    Ladeergebnis::Ausstehend ausstehend = std::move(ergebnis.ausstehend);
    ergebnis.ausstehend = {};
    try {
        // Each file's hint about its copy follows the hints of what was mended in it.
        std::size_t eingefuegt = 0;
        for (const auto& s : ausstehend.sicherungen) {
            fs::path kopie;
            std::string hinweis;
            if (auto fehler = sicherungAnlegen(s.pfad, s.bytes, kopie)) {
                hinweis = std::string(dateiname(s.datei)) +
                          ": Die ursprüngliche Datei konnte nicht gesichert werden. " + *fehler +
                          " Beim Speichern wird sie durch die reparierte Fassung ersetzt.";
            } else {
                ergebnis.sicherungskopien.push_back(kopie);
                hinweis = std::string(dateiname(s.datei)) +
                          ": Die ursprüngliche Datei wurde unverändert aufbewahrt als „" +
                          kopie.string() + "“.";
            }
            const auto stelle = std::min(s.hinweisStelle + eingefuegt, ergebnis.hinweise.size());
            ergebnis.hinweise.insert(ergebnis.hinweise.begin() + static_cast<long>(stelle),
                                     std::move(hinweis));
            ++eingefuegt;
        }
        if (ausstehend.neueDateien) neuAnlegen(verzeichnis, ausstehend.alteKopfdatei, ergebnis);
    } catch (const std::exception& e) {
        ergebnis.hinweise.push_back(
            std::string("Die Datendateien konnten nicht gesichert werden: ") + e.what());
    }
}

std::optional<std::string> speichern(const fs::path& verzeichnis,
                                     const Arbeitsbereich& arbeitsbereich,
                                     const Einstellungen& einstellungen) {
    try {
        const std::vector<std::uint8_t> monate = monatsdateiBytes(arbeitsbereich);
        const std::vector<std::uint8_t> koepfe = kopfdateiBytes(arbeitsbereich, einstellungen);
        const Schreibauftrag auftraege[] = {{verzeichnis / kMonatsdateiName, monate},
                                            {verzeichnis / kKopfdateiName, koepfe}};
        return gemeinsamSchreiben(auftraege, verzeichnis / kAbschlussName);
    } catch (const std::exception& e) {
        return std::string("Die Datendateien konnten nicht gespeichert werden: ") + e.what();
    }
}

}  // namespace brelvanostik
