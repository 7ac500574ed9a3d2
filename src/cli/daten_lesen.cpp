#include "cli/daten_lesen.h"

#include <system_error>

#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik::cli {

Ladeergebnis lesenOhneAnlegen(const std::filesystem::path& verzeichnis) {
    std::error_code ec;
    const std::filesystem::path monatsdatei = verzeichnis / kMonatsdateiName;
    const bool fehlt = !std::filesystem::exists(monatsdatei, ec) && !ec;
    const bool leer = !fehlt && std::filesystem::is_regular_file(monatsdatei, ec) &&
                      std::filesystem::file_size(monatsdatei, ec) == 0 && !ec;
    if (!fehlt && !leer) return laden(verzeichnis);
    Ladeergebnis neu;
    neu.arbeitsbereich = neuerArbeitsbereich();
    neu.einstellungen = neueEinstellungen(neu.arbeitsbereich);
    neu.neuAngelegt = true;
    return neu;
}

}  // namespace brelvanostik::cli
