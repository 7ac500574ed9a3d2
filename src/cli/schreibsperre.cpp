#include "cli/schreibsperre.h"

namespace brelvanostik::cli {

std::unique_ptr<Verzeichnissperre> sperreNehmen(const std::string& verzeichnis,
                                                std::string_view befehl, std::ostream& fehler) {
    auto sperre = std::make_unique<Verzeichnissperre>(verzeichnis);
    switch (sperre->zustand()) {
        case Verzeichnissperre::Zustand::Gehalten:
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

std::string speicherfehlerText(const std::string& verzeichnis) {
    return "the data files in '" + verzeichnis +
           "' cannot be written (write-protected, not a plain file, or the disk is full); the "
           "previous files are "
           "unchanged";
}

}  // namespace brelvanostik::cli
