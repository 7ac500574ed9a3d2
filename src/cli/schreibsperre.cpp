#include "cli/schreibsperre.h"

#include "workspace/wiederherstellung.h"

namespace brelvanostik::cli {

std::unique_ptr<Verzeichnissperre> sperreNehmen(const std::string& verzeichnis,
                                                std::string_view befehl, std::ostream& fehler) {
    auto sperre = std::make_unique<Verzeichnissperre>(verzeichnis);
    switch (sperre->zustand()) {
        case Verzeichnissperre::Zustand::Gehalten:
            // Saving now would leave the window's recovered edits behind the tool's.
            if (wiederherstellungAusstehend(verzeichnis)) {
                fehler << "brelvanostik-cli " << befehl << ": the data files in '" << verzeichnis
                       << "' wait for a crash recovery (" << kWiederherstellungName
                       << "); start the window there to restore or discard it; nothing was "
                          "changed\n";
                return nullptr;
            }
            // One left by a window that died right after saving holds what the files hold;
            // after this command's save it would look like unsaved work.
            wiederherstellungEntfernen(*sperre, verzeichnis);
            return sperre;
        case Verzeichnissperre::Zustand::Belegt:
            fehler << "brelvanostik-cli " << befehl << ": the data files in '" << verzeichnis
                   << "' are in use by another Brelvanostik";
            if (sperre->halter()) fehler << " (process " << *sperre->halter() << ")";
            fehler << "; nothing was changed\n";
            return nullptr;
        case Verzeichnissperre::Zustand::Fehler:
            break;
    }
    fehler << "brelvanostik-cli " << befehl << ": cannot lock the data files in '" << verzeichnis
           << "': " << sperre->fehler() << "\n";
    return nullptr;
}

std::string lesefehlerText(const std::string& verzeichnis) {
    return "the data files in '" + verzeichnis + "' cannot be read; nothing was changed";
}

void wiederherstellungshinweis(const std::string& verzeichnis, std::vector<std::string>& hinweise) {
    if (!wiederherstellungAusstehend(verzeichnis)) return;
    hinweise.push_back("a crash recovery is pending (" + std::string(kWiederherstellungName) +
                       "); these are the data files without the edits it holds; start the "
                       "window in '" +
                       verzeichnis + "' to restore or discard them");
}

std::string speicherfehlerText(const std::string& verzeichnis) {
    return "the data files in '" + verzeichnis +
           "' cannot be written (write-protected, not a plain file, or the disk is full); the "
           "previous files are "
           "unchanged";
}

}  // namespace brelvanostik::cli
