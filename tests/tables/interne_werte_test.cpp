// The internal values of a month: the intermediate values and the split of the deductions
// into those on the current pay and those on one-time payments.
#include <gtest/gtest.h>

#include "tables/interne_werte.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

TEST(InterneWerte, WerteUndSummenDesMonatssatzes) {
    Monatssatz s;
    for (int k = 0; k < kZeilen; ++k) s.Kennwert[k] = -(k + 1) * 100;
    s.tagesanteil(zeile::Gehalt) = 300000;
    s.tagesanteil(zeile::EinmaligerBezug) = 50000;
    s.tagesanteil(zeile::EinmaligerVersorgungsbezug) = 7000;
    s.Betrag[zeile::Brutto] = 357000;
    s.Betrag[zeile::Freibetrag] = 10000;
    s.Betrag[zeile::Hinzurechnung] = 2500;
    const InterneWerte w = interneWerte(s);
    EXPECT_EQ(w.monatsbetraege[0], 300000);
    EXPECT_EQ(w.monatsbetraege[2], 50000);
    EXPECT_EQ(w.monatsbetraege[5], 357000);
    EXPECT_FALSE(w.monatsbetraege[6].has_value());
    const std::array<std::int64_t, 12> zwischen = {-100,  -3000, -200,  -300,  (2500 - 10000) * 12,
                                                   -2700, -2000, -2100, -2200, -2300,
                                                   -2400, -2500};
    EXPECT_EQ(w.zwischenwerte, zwischen);
    EXPECT_EQ(w.summeLaufend, -7500);
    EXPECT_EQ(w.summeEinmalig, -10900);
    EXPECT_EQ(w.nettoLaufend, 300000 - 7500);
    EXPECT_EQ(w.nettoEinmalig, 57000 - 10900);
}

// December's adjustment rewrites the stored taxes; the parts stay. Its column appears in
// December with the choice on, or wherever a deduction differs from its parts, and then
// every line's parts add up to the stored deduction.
TEST(InterneWerte, JahresausgleichAlsEigeneSpalte) {
    Monatssatz s;
    s.Kennwert[kennwert::SoliLaufend] = -1943;
    s.Betrag[zeile::Soli] = -1943;
    EXPECT_EQ(interneWerte(s, true).spalten().size(), 2u);
    s.Auswahl[zeile::Jahresausgleich] = wahl::ausgleich::Mit;
    EXPECT_EQ(interneWerte(s, false).spalten().size(), 2u);
    EXPECT_EQ(interneWerte(s, true).spalten().size(), 4u);
    s.Betrag[zeile::Soli] = -1947;
    const InterneWerte w = interneWerte(s, false);
    ASSERT_EQ(w.spalten().size(), 4u);
    EXPECT_EQ(w.spalten()[2].kopf, "Jahresausgleich");
    EXPECT_EQ(w.ausgleich[1], -4);
    EXPECT_EQ(w.summeAusgleich, -4);
    EXPECT_EQ(w.summeGesamt, -1947);
    EXPECT_EQ(w.nettoGesamt, w.nettoLaufend + w.nettoEinmalig - 4);
}

}  // namespace
}  // namespace brelvanostik
