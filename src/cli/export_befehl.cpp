#include <filesystem>
#include <span>
#include <string>
#include <system_error>

#include "basis/sicheres_schreiben.h"
#include "cli/befehle.h"
#include "cli/optionen.h"
#include "cli/schreibsperre.h"
#include "tables/alle_monate_csv.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

namespace {

constexpr const char* kName = "brelvanostik-cli export: ";

// The CSV must not take the place of a data file.
bool istDatendatei(const std::filesystem::path& csv, const std::filesystem::path& verzeichnis) {
    for (const char* name : {kMonatsdateiName, kKopfdateiName}) {
        std::error_code ec;
        if (std::filesystem::equivalent(csv, verzeichnis / name, ec)) return true;
        const std::filesystem::path a = std::filesystem::weakly_canonical(csv, ec);
        const std::filesystem::path b = std::filesystem::weakly_canonical(verzeichnis / name, ec);
        if (!ec && a == b) return true;
    }
    return false;
}

}  // namespace

int exportBefehl(const std::vector<std::string>& argumente, std::ostream&, std::ostream& fehler) {
    std::string problem;
    const auto optionen =
        optionenLesen(argumente, {{"--dir", "--jahr", "--fall", "--csv"}, {"--blau", "--beide"}},
                      kFaelle, problem);
    if (!optionen || !optionen->rest.empty()) {
        fehler << kName
               << (optionen ? "unexpected argument '" + optionen->rest.front() + "'" : problem)
               << "\n";
        return kFalscherAufruf;
    }
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
    if (csv->second.empty() || istDatendatei(ziel, optionen->verzeichnis)) {
        fehler << kName << "--csv needs a file name other than the data files', not '"
               << csv->second << "'\n";
        return kFalscherAufruf;
    }

    const Ladeergebnis geladen = laden(optionen->verzeichnis);
    if (geladen.lesefehler) {
        fehler << kName << *geladen.lesefehler << "\n";
        return kFalscherAufruf;
    }
    std::vector<std::string> hinweise = geladen.hinweise;
    wiederherstellungshinweis(optionen->verzeichnis, hinweise);
    hinweiseMelden(hinweise, fehler);

    const std::string text =
        alleMonateCsv(geladen.arbeitsbereich, *optionen->jahr, *optionen->fall - 1,
                      beide || !optionen->blau, beide || optionen->blau);
    const auto* anfang = reinterpret_cast<const std::uint8_t*>(text.data());
    if (const auto fehlertext = sicheresSchreiben(ziel, std::span(anfang, text.size()))) {
        fehler << kName << *fehlertext << "\n";
        return kFehler;
    }
    return kErfolg;
}

}  // namespace brelvanostik::cli
