#include "cli/schreibsperre.h"

#include "cli/befehle.h"

namespace brelvanostik::cli {

std::optional<Verzeichnissperre> sperreNehmen(const std::string& verzeichnis,
                                              std::string_view befehl, std::ostream& fehler) {
    Sperrproblem problem;
    auto sperre = Verzeichnissperre::nehmen(verzeichnis, problem);
    if (sperre) return sperre;
    fehler << "brelvanostik-cli " << befehl << ": ";
    if (problem.belegt) {
        fehler << "the data files in '" << zeigbar(verzeichnis)
               << "' are in use by another Brelvanostik";
        if (problem.halter) fehler << " (process " << *problem.halter << ")";
    } else {
        fehler << "cannot lock the data files in '" << zeigbar(verzeichnis)
               << "': " << zeigbar(problem.grund);
    }
    fehler << "; nothing was changed\n";
    return std::nullopt;
}

}  // namespace brelvanostik::cli
