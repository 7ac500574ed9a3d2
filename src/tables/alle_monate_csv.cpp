#include "tables/alle_monate_csv.h"

#include <vector>

namespace brelvanostik {

Betragstabelle betragstabelle(const AlleMonate& tabelle) {
    Betragstabelle t;
    for (int spalte = 0; spalte < AlleMonate::kSpalten; ++spalte) {
        t.spaltenkoepfe.emplace_back(AlleMonate::spaltenkopf(spalte));
    }
    for (int zeile = 1; zeile <= AlleMonate::kZeilen; ++zeile) {
        Betragstabelle::Zeile z{std::string(AlleMonate::beschriftung(zeile)), {}};
        for (int spalte = 0; spalte < AlleMonate::kSpalten; ++spalte)
            z.hundertstel.push_back(tabelle.wert(zeile, spalte));
        t.zeilen.push_back(std::move(z));
    }
    return t;
}

std::string alleMonateCsv(const Arbeitsbereich& bereich, int jahr, int fallIndex, bool gruen,
                          bool blau) {
    std::vector<Betragstabelle> tabellen;
    const int jahrIndex = jahr - kErstesJahr;
    if (gruen) tabellen.push_back(betragstabelle(alleMonate(bereich, jahrIndex, fallIndex)));
    if (blau)
        tabellen.push_back(betragstabelle(alleMonate(bereich, jahrIndex, zwilling(fallIndex))));
    return csvText(tabellen);
}

}  // namespace brelvanostik
