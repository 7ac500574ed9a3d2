// Green against blue, step by step: a blue twin that changes only the tax class marks
// exactly the lines that depend on the class, opens their sections and starts at the class.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>

#include "payroll/monatsberechnung.h"
#include "taxsteps/schrittvergleich.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

// Rows from ranges of rows: {{13, 13}, {49, 50}} is 13, 49 and 50.
std::set<int> zeilen(std::initializer_list<std::array<int, 2>> bereiche) {
    std::set<int> alle;
    for (const auto& [von, bis] : bereiche) {
        for (int z = von; z <= bis; ++z) alle.insert(z);
    }
    return alle;
}

TEST(Schrittvergleich, NurDieSteuerklasseDesBlauenZwillings) {
    // Rows (0-based) whose values follow the class: STKL, then the tax and surcharge lines;
    // class II adds the single parent's relief, class III the doubled lump sum and provision
    // allowance caps and the splitting.
    const std::set<int> tarif = zeilen({{89, 91}, {93, 99}, {101, 106}, {109, 110}});
    const struct {
        int klassencode;
        std::set<int> markiert;  // without the tax lines
        std::vector<int> offen;
    } faelle[] = {
        {0, {}, {}},
        {1, zeilen({{13, 13}, {49, 50}}), {0, 49, 89, 90, 101, 108}},
        {2,
         zeilen({{13, 13}, {52, 53}, {58, 58}, {79, 80}, {84, 88}}),
         {0, 52, 58, 89, 90, 101, 108}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.klassencode);
        auto arbeitsbereich = std::make_unique<Arbeitsbereich>(neuerArbeitsbereich());
        for (int b : {0, zwilling(0)}) {
            for (int m = 0; m < kMonate; ++m) {
                Monatssatz& s = arbeitsbereich->monat(3, b, m);
                s.Betrag[zeile::Gehalt] = 300000;
                if (b != 0)
                    s.Auswahl[zeile::Steuerklasse] = static_cast<std::int16_t>(f.klassencode);
            }
        }
        const Schrittvergleich v = monatslaeufeVergleichen(*arbeitsbereich, 2007, 0, 2);
        std::set<int> markiert, erwartet = f.markiert;
        for (int r = 0; r < kSchrittzeilen; ++r) {
            if (v.zeilen[static_cast<std::size_t>(r)].abweichend) markiert.insert(r);
        }
        if (f.klassencode != 0) erwartet.insert(tarif.begin(), tarif.end());
        EXPECT_EQ(markiert, erwartet);
        EXPECT_EQ(v.abweichendeKoepfe, f.offen);
        EXPECT_EQ(v.ersteAbweichung, f.markiert.empty() ? std::nullopt : std::optional<int>(13));
        EXPECT_EQ(v.gruen.eingaben.LZZ, 2);

        // The outline opens exactly the sections with a difference; a click closes one.
        Vergleichsgliederung gliederung(v);
        for (int k : kKopfzeilen) {
            const bool offen = std::find(f.offen.begin(), f.offen.end(), k) != f.offen.end();
            EXPECT_EQ(gliederung.markierung(k), offen ? "-" : "+") << k;
            EXPECT_TRUE(gliederung.sichtbar(k));
        }
        EXPECT_EQ(gliederung.sichtbar(13), !f.markiert.empty());
        EXPECT_FALSE(gliederung.sichtbar(19));
        EXPECT_FALSE(
            gliederung.sichtbar(60));  // the block without pension insurance carries no values
        EXPECT_TRUE(gliederung.klicken(18));
        EXPECT_TRUE(gliederung.sichtbar(19));
        EXPECT_FALSE(gliederung.klicken(19));
    }
}

TEST(Schrittvergleich, Differenzen) {
    const struct {
        const char *gruen, *blau, *differenz;
    } faelle[] = {
        {"6.632,00", "3.242,00", "-3.390,00"},
        {"0,00", "1.308,00", "+1.308,00"},
        {"1,9802", "0,2576", "-1,7226"},
        {"452,951", "58,9234", "-394,0276"},
        {"0,384", "0,400", "+0,016"},
        {"5,00", "5,00", "0,00"},
        {"-1,50", "1,50", "+3,00"},
        {"1 ", "3 ", ""},
        {"", "5,00", ""},
        {"5,00", "x", ""},
        {"1,23456", "1,0", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(wertdifferenz(f.gruen, f.blau), f.differenz) << f.gruen << " " << f.blau;
}

}  // namespace
}  // namespace brelvanostik
