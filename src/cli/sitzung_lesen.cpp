#include "cli/sitzung_lesen.h"

#include "cli/befehle.h"
#include "cli/schreibsperre.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

std::string ohneDatendateien(const std::string& verzeichnis) {
    return "there are no data files in '" + verzeichnis + "'; the new workspace is used";
}

std::unique_ptr<Sitzung> sitzungLesen(const std::string& verzeichnis, int jahr, int fall, int monat,
                                      std::vector<std::string>& hinweise, std::string& fehler) {
    Ladeergebnis geladen = laden(verzeichnis);
    if (geladen.lesefehler) {
        fehler = zeigbar(*geladen.lesefehler);
        return nullptr;
    }
    hinweise = std::move(geladen.hinweise);
    if (geladen.neuAngelegt) hinweise.push_back(ohneDatendateien(verzeichnis));
    wiederherstellungshinweis(verzeichnis, hinweise);
    Einstellungen auswahl = geladen.einstellungen;
    auswahl.Jahr = jahr;
    auswahl.Fall = fall;
    auswahl.Monat = monat;
    return std::make_unique<Sitzung>(std::move(geladen.arbeitsbereich), auswahl);
}

}  // namespace brelvanostik::cli
