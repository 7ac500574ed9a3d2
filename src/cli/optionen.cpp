#include "cli/optionen.h"

#include <algorithm>

#include "cli/befehle.h"
#include "cli/zahlen.h"

namespace brelvanostik::cli {

std::optional<Optionen> optionenLesen(const std::vector<std::string>& argumente,
                                      const Optionsliste& erlaubt, int hoechsterFall,
                                      std::string& fehler) {
    Optionen o;
    auto enthaelt = [](const std::vector<std::string>& liste, const std::string& name) {
        return std::find(liste.begin(), liste.end(), name) != liste.end();
    };
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            o.rest.push_back(a);
            continue;
        }
        if (enthaelt(erlaubt.schalter, a)) {
            if (a == "--json") o.json = true;
            if (a == "--blau") o.blau = true;
            o.gesetzt.insert(a);
            continue;
        }
        if (!enthaelt(erlaubt.mitWert, a)) {
            fehler = "unknown option '" + a + "'";
            return std::nullopt;
        }
        if (i + 1 >= argumente.size()) {
            fehler = "option " + a + " needs a value";
            return std::nullopt;
        }
        const std::string& wert = argumente[++i];
        if (a == "--dir") {
            if (wert.empty()) {
                fehler = "--dir needs a directory";
                return std::nullopt;
            }
            o.verzeichnis = wert;
            continue;
        }
        struct Bereich {
            const char* name;
            int min, max;
            std::optional<int>* ziel;
        };
        const Bereich bereiche[] = {{"--jahr", 2004, 2007, &o.jahr},
                                    {"--fall", 1, hoechsterFall, &o.fall},
                                    {"--monat", 1, 12, &o.monat},
                                    {"--ab", 1, 12, &o.ab}};
        if (std::none_of(std::begin(bereiche), std::end(bereiche),
                         [&](const Bereich& b) { return a == b.name; })) {
            o.werte[a] = wert;
            continue;
        }
        for (const Bereich& b : bereiche) {
            if (a != b.name) continue;
            const auto zahl = leseGanzzahl(wert);
            if (!zahl || *zahl < b.min || *zahl > b.max) {
                fehler = a + " takes a whole number from " + std::to_string(b.min) + " to " +
                         std::to_string(b.max) + ", not '" + wert + "'";
                return std::nullopt;
            }
            *b.ziel = static_cast<int>(*zahl);
        }
    }
    return o;
}

std::optional<Optionen> optionenOhneRest(const std::vector<std::string>& argumente,
                                         const Optionsliste& erlaubt, int hoechsterFall,
                                         const char* name, std::ostream& fehler) {
    std::string problem;
    auto optionen = optionenLesen(argumente, erlaubt, hoechsterFall, problem);
    if (optionen && optionen->rest.empty()) return optionen;
    fehler << name
           << zeigbar(optionen ? "unexpected argument '" + optionen->rest.front() + "'" : problem)
           << "\n";
    return std::nullopt;
}

}  // namespace brelvanostik::cli
