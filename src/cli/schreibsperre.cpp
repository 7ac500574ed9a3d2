#include "cli/schreibsperre.h"

#include "cli/befehle.h"
#include "workspace/wiederherstellung.h"

namespace brelvanostik::cli {

std::optional<Verzeichnissperre> sperreNehmen(const std::string& verzeichnis,
                                              std::string_view befehl, std::ostream& fehler) {
    Sperrproblem problem;
    auto sperre = Verzeichnissperre::nehmen(verzeichnis, problem);
    if (sperre) {
        // Saving now would leave the window's recovered edits behind the tool's.
        if (wiederherstellungAusstehend(verzeichnis)) {
            fehler << "brelvanostik-cli " << befehl << ": the data files in '"
                   << zeigbar(verzeichnis) << "' wait for a crash recovery ("
                   << kWiederherstellungName
                   << "); start the window there to restore or discard it; nothing was "
                      "changed\n";
            return std::nullopt;
        }
        // One left by a window that died right after saving holds what the files hold;
        // after this command's save it would look like unsaved work.
        wiederherstellungEntfernen(*sperre);
        return sperre;
    }
    fehler << "brelvanostik-cli " << befehl << ": ";
    if (problem.belegt) {
        fehler << "the data files in '" << zeigbar(verzeichnis)
               << "' are in use by another Brelvanostik";
        if (problem.halter) fehler << " (process " << *problem.halter << ")";
    } else {
        fehler << "cannot lock the data files in '" << zeigbar(verzeichnis) << "': "
               << zeigbar(problem.grund.ends_with('.')
                              ? std::string_view(problem.grund).substr(0, problem.grund.size() - 1)
                              : std::string_view(problem.grund));
    }
    fehler << "; nothing was changed\n";
    return std::nullopt;
}

void wiederherstellungshinweis(const std::string& verzeichnis, std::vector<std::string>& hinweise) {
    if (!wiederherstellungAusstehend(verzeichnis)) return;
    hinweise.push_back("a crash recovery is pending (" + std::string(kWiederherstellungName) +
                       "); these are the data files without the edits it holds; start the "
                       "window in '" +
                       verzeichnis + "' to restore or discard them");
}

}  // namespace brelvanostik::cli
