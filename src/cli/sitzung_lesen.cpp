#include "cli/sitzung_lesen.h"

#include "cli/schreibsperre.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

std::unique_ptr<Sitzung> sitzungLesen(const std::string& verzeichnis, int jahr, int fall, int monat,
                                      std::vector<std::string>& hinweise, std::string& fehler) {
    Ladeergebnis geladen = laden(verzeichnis);
    if (geladen.lesefehler) {
        fehler = *geladen.lesefehler;
        return nullptr;
    }
    hinweise = std::move(geladen.hinweise);
    wiederherstellungshinweis(verzeichnis, hinweise);
    Einstellungen auswahl = geladen.einstellungen;
    auswahl.Jahr = jahr;
    auswahl.Fall = fall;
    auswahl.Monat = monat;
    return std::make_unique<Sitzung>(std::move(geladen.arbeitsbereich), auswahl);
}

}  // namespace brelvanostik::cli
