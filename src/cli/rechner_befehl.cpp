#include <string>
#include <vector>

#include "calculator/taschenrechner.h"
#include "cli/befehle.h"
#include "cli/json.h"

namespace brelvanostik::cli {

int rechnerBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                  std::ostream& fehler) {
    // Every key is checked before the first is pressed: a call with an unknown key does nothing.
    std::vector<Taste> tasten;
    for (const std::string& name : argumente) {
        const auto taste = tasteLesen(name);
        if (!taste) {
            fehler << "brelvanostik-cli rechner: unknown key '" << zeigbar(name)
                   << "' (keys: 0-9 , + - X / = +/- % C ende)\n";
            return kFalscherAufruf;
        }
        tasten.push_back(*taste);
    }
    Taschenrechner taschenrechner;
    std::vector<std::string> meldungen;
    for (const Taste taste : tasten) {
        if (auto meldung = taschenrechner.druecken(taste)) meldungen.push_back(meldung->text);
    }
    JsonSchreiber json;
    json.objektAnfang();
    json.feld("anzeige", std::string_view(taschenrechner.anzeige()));
    json.feld("verlauf", std::string_view(taschenrechner.verlauf()));
    json.feldAnfang("meldungen");
    json.arrayAnfang();
    for (const std::string& text : meldungen) json.wert(std::string_view(text));
    json.arrayEnde();
    json.objektEnde();
    aus << json.text() << "\n";
    return kErfolg;
}

}  // namespace brelvanostik::cli
