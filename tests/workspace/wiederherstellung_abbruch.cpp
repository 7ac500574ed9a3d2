// A recovery writer for the kill test: writes a recovery file whose weekly hours are the
// argument, arming the preloaded kill only for the write itself.
#include <cstdlib>

#include "basis/verzeichnissperre.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/wiederherstellung.h"
#include "workspace/zeilen.h"

int main(int argc, char* argv[]) {
    using namespace brelvanostik;
    if (argc != 3) return 2;
    const std::filesystem::path verzeichnis = argv[1];
    Arbeitsbereich bereich = neuerArbeitsbereich();
    bereich.monat(3, 0, 0).Betrag[zeile::Wochenstunden] = std::atoi(argv[2]);
    const auto bytes = wiederherstellungBytes(bereich, neueEinstellungen(bereich), Datenstand{}, 1);
    Sperrproblem problem;
    const auto sperre = Verzeichnissperre::nehmen(verzeichnis, problem);
    if (!sperre) return 3;
    ::setenv("BRELVANOSTIK_ABBRUCH_SCHARF", "1", 1);
    return wiederherstellungSchreiben(*sperre, bytes) ? 1 : 0;
}
