#include <filesystem>
#include <span>
#include <string>
#include <system_error>

#include "basis/sicheres_schreiben.h"
#include "cli/befehle.h"
#include "cli/optionen.h"
#include "cli/schreibsperre.h"
#include "cli/sitzung_lesen.h"
#include "tables/alle_monate_csv.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

namespace {

constexpr const char* kName = "brelvanostik-cli export: ";

}  // namespace

int exportBefehl(const std::vector<std::string>& argumente, std::ostream&, std::ostream& fehler) {
    const auto optionen =
        optionenOhneRest(argumente, {{"--dir", "--jahr", "--fall", "--csv"}, {"--blau", "--beide"}},
                         kFaelle, kName, fehler);
    if (!optionen) return kFalscherAufruf;
    const auto csv = optionen->werte.find("--csv");
    if (!optionen->jahr || !optionen->fall || csv == optionen->werte.end()) {
        fehler << kName << "--jahr, --fall and --csv are required\n";
        return kFalscherAufruf;
    }
    const bool beide = optionen->gesetzt.count("--beide") > 0;
    if (beide && optionen->blau) {
        fehler << kName << "--blau and --beide exclude each other\n";
        return kFalscherAufruf;
    }
    const std::filesystem::path ziel(csv->second);
    if (csv->second.empty()) {
        fehler << kName << "--csv needs a file name\n";
        return kFalscherAufruf;
    }
    if (const auto verweigert = ausgabeVerweigert(ziel, optionen->verzeichnis)) {
        fehler << kName << zeigbar(*verweigert) << "\n";
        return kFalscherAufruf;
    }

    Ladeergebnis geladen = laden(optionen->verzeichnis);
    if (geladen.lesefehler) {
        fehler << kName << zeigbar(*geladen.lesefehler) << "\n";
        return kFalscherAufruf;
    }
    if (geladen.neuAngelegt) geladen.hinweise.push_back(ohneDatendateien(optionen->verzeichnis));
    wiederherstellungshinweis(optionen->verzeichnis, geladen.hinweise);

    const std::string text =
        alleMonateCsv(geladen.arbeitsbereich, *optionen->jahr, *optionen->fall - 1,
                      beide || !optionen->blau, beide || optionen->blau);
    const auto* anfang = reinterpret_cast<const std::uint8_t*>(text.data());
    if (const auto fehlertext = sicheresSchreiben(ziel, std::span(anfang, text.size()))) {
        fehler << kName << zeigbar(*fehlertext) << "\n";
        return kFehler;
    }
    hinweiseMelden(geladen.hinweise, fehler);
    return kErfolg;
}

}  // namespace brelvanostik::cli
