#include <sstream>
#include <string>

#include "cli/befehle.h"
#include "cli/berechnung_json.h"
#include "cli/optionen.h"
#include "cli/schreibsperre.h"
#include "payroll/monatsberechnung.h"
#include "session/sitzung.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

std::string einzeilig(const Meldung& m) {
    std::string text = m.titel + ": " + m.text;
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return zeigbar(text);
}

bool speicherungMelden(const Speicherergebnis& ergebnis, std::string_view befehl,
                       std::ostream& fehler) {
    if (!ergebnis.fehler) return true;
    fehler << "brelvanostik-cli " << befehl << ": " << zeigbar(*ergebnis.fehler) << "\n";
    return ergebnis.wirksam;
}

void hinweiseMelden(const std::vector<std::string>& hinweise, std::ostream& fehler) {
    for (const std::string& h : hinweise) {
        fehler << "brelvanostik-cli: " << zeigbar(h) << "\n";
    }
}

int berechnenBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                    std::ostream& fehler) {
    const auto optionen =
        optionenOhneRest(argumente, {{"--dir", "--jahr", "--fall", "--ab"}, {"--json"}},
                         kBerechnungen, "brelvanostik-cli berechnen: ", fehler);
    if (!optionen) return kFalscherAufruf;
    const auto sperre = sperreNehmen(optionen->verzeichnis, "berechnen", fehler);
    if (!sperre) return kFalscherAufruf;
    Ladeergebnis geladen = laden(optionen->verzeichnis);
    if (geladen.lesefehler) {
        fehler << "brelvanostik-cli berechnen: " << zeigbar(*geladen.lesefehler)
               << "; nothing was changed\n";
        return kFalscherAufruf;
    }
    // Messages of a call that succeeds; a refused call says only why it was refused.
    std::ostringstream meldungen;
    hinweiseMelden(geladen.hinweise, meldungen);

    Monatsberechnung monatsberechnung;
    const int ab = optionen->ab.value_or(1) - 1;
    std::vector<std::pair<int, int>> berechnet;
    for (int jahr = kErstesJahr; jahr < kErstesJahr + kJahre; ++jahr) {
        if (optionen->jahr && *optionen->jahr != jahr) continue;
        std::vector<int> berechnungen;
        if (optionen->fall) {
            berechnungen.push_back(*optionen->fall - 1);
        } else {
            for (int g = 0; g < kFaelle; ++g) {
                berechnungen.push_back(g);
                berechnungen.push_back(zwilling(g));
            }
        }
        for (const int b : berechnungen) {
            for (const Meldung& m :
                 neuBerechnen(monatsberechnung, geladen.arbeitsbereich, jahr, b, ab).meldungen)
                meldungen << "brelvanostik-cli: " << jahr << ", Fall " << (b + 1) << ": "
                          << einzeilig(m) << "\n";
            berechnet.emplace_back(jahr, b);
        }
    }

    const Speicherergebnis gespeichert = speichern(
        *sperre, geladen.arbeitsbereich, geladen.einstellungen, std::move(geladen.erstsicherung));
    if (!speicherungMelden(gespeichert, "berechnen", fehler)) return kFalscherAufruf;
    hinweiseMelden(gespeichert.hinweise, meldungen);
    fehler << meldungen.str();
    if (optionen->json) {
        JsonSchreiber json;
        json.objektAnfang();
        json.feldAnfang("berechnungen");
        json.arrayAnfang();
        for (const auto& [jahr, b] : berechnet)
            berechnungSchreiben(json, geladen.arbeitsbereich, jahr, b);
        json.arrayEnde();
        json.objektEnde();
        aus << json.text() << "\n";
    }
    return kErfolg;
}

}  // namespace brelvanostik::cli
