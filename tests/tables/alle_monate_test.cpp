// The all-months table: which stored value lands in which row, the derived rows, the sums.
#include <gtest/gtest.h>

#include "session/sitzung.h"
#include "tables/alle_monate.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

constexpr int kJahr = 3;  // 2007

TEST(AlleMonate, ZeilenLesenIhreGespeichertenWerte) {
    Arbeitsbereich b = neuerArbeitsbereich();
    for (int m = 0; m < kMonate; ++m) {
        Monatssatz& s = b.monat(kJahr, 6, m);
        for (int z = 5; z <= 9; ++z) s.tagesanteil(z) = 100 * z + m;
        for (int z = 12; z <= 26; ++z)
            s.Betrag[z] = z <= 14 || z >= 25 ? 1000 * z + m : -(1000 * z + m);
        s.Kennwert[26] = 2600 + m;
        s.Kennwert[27] = 2700 + m;
        s.Kennwert[28] = 2800 + m;
        s.Kennwert[29] = 2900 + m;
    }
    const AlleMonate t = alleMonate(b, kJahr, 6);
    struct Fall {
        int zeile;
        std::int64_t maerz;
    };
    const Fall faelle[] = {
        {1, 502},
        {2, 602},
        {3, 702},
        {4, 802},
        {5, 902},
        {6, 12002},
        {7, -17002},
        {8, -18002},
        {14, -24002},
        {17, 25002},
        {18, 26002},
        {19, 2902},
        {20, 14002 - 13002},
        {21, 2602},
        {22, 2702},
        {23, 2802},
    };
    for (const Fall& f : faelle) EXPECT_EQ(t.wert(f.zeile, 2), f.maerz) << "Zeile " << f.zeile;

    // The deductions together, and the gross pay less them.
    std::int64_t abzuege = 0;
    for (int z = 17; z <= 24; ++z) abzuege -= 1000 * z + 2;
    EXPECT_EQ(t.wert(15, 2), abzuege);
    EXPECT_EQ(t.wert(16, 2), 12002 + abzuege);
    // Year sums over all twelve months, derived rows included.
    for (int z = 1; z <= AlleMonate::kZeilen; ++z) {
        std::int64_t summe = 0;
        for (int m = 0; m < kMonate; ++m) summe += t.wert(z, m);
        EXPECT_EQ(t.wert(z, AlleMonate::kSumme), summe) << "Zeile " << z;
    }
}

// Each side reads its own calculation; how the rows add up is checked on the printed table
// for random cases (print/spalten_test).
TEST(AlleMonate, JedeSeiteLiestIhreBerechnung) {
    Einstellungen e;
    e.Jahr = 2007;
    e.Fall = 1;
    e.Monat = 1;
    Sitzung s(neuerArbeitsbereich(), e);
    ASSERT_TRUE(s.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000").angenommen);
    ASSERT_TRUE(s.betragEingeben(Seite::Blau, zeile::Gehalt, "4200").angenommen);
    EXPECT_EQ(alleMonate(s, Seite::Gruen).wert(AlleMonate::LaufendesGehalt, 0), 300000);
    EXPECT_EQ(alleMonate(s, Seite::Blau).wert(AlleMonate::LaufendesGehalt, 11), 420000);
}

}  // namespace
}  // namespace brelvanostik
