#include "workspace/datendateien.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fstream>
#include <iterator>

#include "basis/ausgabeziel.h"
#include "basis/sicheres_schreiben.h"
#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

namespace fs = std::filesystem;

/// Keeps a file unchanged beside itself under a name not yet taken: as a second name of the
/// same contents, which the save that follows leaves alone (it puts a new file in place of the
/// old name), or, where the file system has no second names, as a copy.
std::optional<std::string> sicherungAnlegen(const fs::path& pfad, fs::path& kopie) {
    const std::string stamm = pfad.string() + ".beschaedigt-" + zeitstempel();
    for (int versuch = 1; versuch <= 100; ++versuch) {
        kopie = versuch == 1 ? stamm : stamm + "-" + std::to_string(versuch);
        if (::link(pfad.c_str(), kopie.c_str()) == 0) return std::nullopt;
        if (errno == EEXIST) continue;
        std::ifstream datei(pfad, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(datei), {}};
        if (!datei.eof() && !datei) {
            return "Die Datei „" + pfad.string() + "“ kann nicht gelesen werden.";
        }
        auto fehler = sicheresSchreiben(kopie, bytes, /*nurNeu=*/true);
        if (!fehler || fehler->find("bereits vorhanden") == std::string::npos) return fehler;
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

Ladeergebnis neuerStand(std::string lesefehler) {
    Ladeergebnis ergebnis;
    ergebnis.arbeitsbereich = neuerArbeitsbereich();
    ergebnis.einstellungen = neueEinstellungen(ergebnis.arbeitsbereich);
    ergebnis.lesefehler = std::move(lesefehler);
    ergebnis.hinweise.push_back(*ergebnis.lesefehler +
                                " Es wird mit einem neuen Arbeitsbereich gearbeitet, der "
                                "nicht gespeichert werden sollte.");
    return ergebnis;
}

Ladeergebnis ladenOhneAusnahmen(const fs::path& verzeichnis) {
    std::error_code ec;
    if (!fs::is_directory(verzeichnis, ec)) {
        return neuerStand("Das Datenverzeichnis „" + verzeichnis.string() + "“ gibt es nicht.");
    }
    const std::string namen[] = {kMonatsdateiName, kKopfdateiName};
    Satzlesung lesung = gemeinsamLesen(verzeichnis, namen, kAbschlussName);
    if (lesung.fehler) return neuerStand(*lesung.fehler);
    const Gelesen& monatsdatei = lesung.dateien[0];
    const Gelesen& kopfdatei = lesung.dateien[1];

    if (monatsdatei.fehler || (kopfdatei.fehler && monatsdatei.bytes.empty())) {
        Ladeergebnis ergebnis =
            neuerStand(monatsdatei.fehler ? *monatsdatei.fehler : *kopfdatei.fehler);
        ergebnis.hinweise.insert(ergebnis.hinweise.begin(), lesung.hinweise.begin(),
                                 lesung.hinweise.end());
        return ergebnis;
    }
    Ladeergebnis ergebnis;
    ergebnis.hinweise = std::move(lesung.hinweise);
    if (monatsdatei.bytes.empty()) {
        ergebnis.neuAngelegt = true;
        ergebnis.arbeitsbereich = neuerArbeitsbereich();
        ergebnis.einstellungen = neueEinstellungen(ergebnis.arbeitsbereich);
        ergebnis.erstsicherung.neueDateien = true;
        // Case names and settings without their months are of no use, but they are the
        // user's: the first save keeps them before the new files replace them.
        if (!kopfdatei.bytes.empty()) {
            ergebnis.erstsicherung.kopien.push_back({Datendatei::Kopfdatei, true});
        }
        return ergebnis;
    }
    if (kopfdatei.fehler) {
        ergebnis.lesefehler = *kopfdatei.fehler;
        ergebnis.hinweise.push_back(*kopfdatei.fehler +
                                    " Fallnamen und Einstellungen haben die Anfangswerte; "
                                    "beim Speichern würde die Datei ersetzt.");
    }

    // Bytes beyond the format are not read: a file that long is damaged either way.
    const auto bis = [](const Gelesen& g, std::size_t laenge) {
        return std::span<const std::uint8_t>(g.bytes).first(std::min(g.bytes.size(), laenge + 1));
    };
    Speicherinhalt inhalt =
        speicherFuellen(bis(monatsdatei, kMonatsdateiLaenge), bis(kopfdatei, kKopfdateiLaenge));
    ergebnis.arbeitsbereich = std::move(inhalt.arbeitsbereich);
    ergebnis.einstellungen = inhalt.einstellungen;

    for (const auto& [datei, gelesen] : {std::pair{Datendatei::Monatsdatei, &monatsdatei},
                                         std::pair{Datendatei::Kopfdatei, &kopfdatei}}) {
        dateiHinweise(inhalt.befunde, datei, ergebnis.hinweise);
        if (gelesen->bytes.empty() || !dateiBeschaedigt(inhalt.befunde, datei)) continue;
        ergebnis.erstsicherung.kopien.push_back({datei, false});
    }
    return ergebnis;
}

/// The copies the first save makes before anything is replaced. False when one cannot be
/// made: then nothing may be replaced.
bool kopienAnlegen(const fs::path& verzeichnis, const Erstsicherung& erst,
                   Speicherergebnis& ergebnis) {
    for (const Erstsicherung::Kopie& k : erst.kopien) {
        fs::path kopie;
        const fs::path pfad = verzeichnis / dateiname(k.datei);
        if (auto fehler = sicherungAnlegen(pfad, kopie)) {
            ergebnis.fehler = std::string(dateiname(k.datei)) +
                              ": Die Datei konnte nicht unverändert aufbewahrt werden und bleibt, "
                              "wie sie ist; es wurde nichts gespeichert. " +
                              *fehler;
            return false;
        }
        ergebnis.sicherungskopien.push_back(kopie);
        ergebnis.hinweise.push_back(
            k.vorNeuemArbeitsbereich
                ? std::string(kMonatsdateiName) +
                      " fehlte oder war leer; es wurde ein neuer Arbeitsbereich angelegt. Die "
                      "bisherige " +
                      kKopfdateiName + " wurde unverändert aufbewahrt als „" + kopie.string() + "“."
                : std::string(dateiname(k.datei)) +
                      ": Die ursprüngliche Datei wurde unverändert aufbewahrt als „" +
                      kopie.string() + "“.");
    }
    return true;
}

}  // namespace

std::optional<std::string> ausgabeVerweigert(const fs::path& ausgabe,
                                             const fs::path& datenverzeichnis) {
    return ausgabezielPruefen(ausgabe, datenverzeichnis, kGeschuetzteNamen);
}

Ladeergebnis laden(const fs::path& verzeichnis) {
    try {
        return ladenOhneAusnahmen(verzeichnis);
    } catch (const std::exception& e) {
        return neuerStand(std::string("Die Datendateien konnten nicht gelesen werden: ") +
                          e.what());
    }
}

Speicherergebnis speichern(const Verzeichnissperre& sperre, const Arbeitsbereich& arbeitsbereich,
                           const Einstellungen& einstellungen, Erstsicherung erst) {
    Speicherergebnis ergebnis;
    try {
        const fs::path& verzeichnis = sperre.verzeichnis();
        if (!kopienAnlegen(verzeichnis, erst, ergebnis)) return ergebnis;
        Arbeitsbereich neu;
        const Arbeitsbereich* zuSchreiben = &arbeitsbereich;
        if (erst.neueDateien && arbeitsbereich == neuerArbeitsbereich()) {
            // A new file holds 0 in every choice code but the birth year; in memory, as
            // after every load, row 10 holds the month index. Work done on it before its
            // first save is saved as every later save writes it.
            neu = arbeitsbereich;
            for (int j = 0; j < kJahre; ++j) {
                for (int b = 0; b < kBerechnungen; ++b) {
                    for (int m = 0; m < kMonate; ++m)
                        neu.monat(j, b, m).Auswahl[zeile::Monatsgehalt] = 0;
                }
            }
            zuSchreiben = &neu;
        }
        const std::vector<std::uint8_t> monate = monatsdateiBytes(*zuSchreiben);
        const std::vector<std::uint8_t> koepfe = kopfdateiBytes(*zuSchreiben, einstellungen);
        const Satzdatei dateien[] = {{kMonatsdateiName, monate}, {kKopfdateiName, koepfe}};
        const Ersetzung ersetzung = gemeinsamSchreiben(sperre, dateien, kAbschlussName);
        ergebnis.fehler = ersetzung.fehler;
        ergebnis.wirksam = ersetzung.wirksam;
    } catch (const std::exception& e) {
        ergebnis.fehler =
            std::string("Die Datendateien konnten nicht gespeichert werden: ") + e.what();
    }
    return ergebnis;
}

}  // namespace brelvanostik
