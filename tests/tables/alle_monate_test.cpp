// The all-months table: which stored value lands in which row, the derived rows, the sums.
#include <gtest/gtest.h>

#include "../session/getippt.h"
#include "tables/alle_monate.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

constexpr int kJahr = 3;  // 2007

TEST(AlleMonate, ZeilenLesenIhreGespeichertenWerte) {
    using namespace zeile;
    Arbeitsbereich b = neuerArbeitsbereich();
    for (int m = 0; m < kMonate; ++m) {
        Monatssatz& s = b.monat(kJahr, 6, m);
        for (int z = Gehalt; z <= MehrjahresVerguetung; ++z) s.tagesanteil(z) = 100 * z + m;
        for (int z = Brutto; z <= Auszahlung; ++z)
            s.Betrag[z] = z <= Hinzurechnung || z >= Abzug ? 1000 * z + m : -(1000 * z + m);
        for (int k = kennwert::SvEntgelt; k <= kennwert::SteuerpflichtigesEntgelt; ++k)
            s.Kennwert[k] = 100 * k + m;
    }
    const AlleMonate t = alleMonate(b, kJahr, 6);
    using A = AlleMonate;
    // {table row, its value in March}
    // clang-format off
    const std::pair<int, std::int64_t> faelle[] = {
        {A::LaufendesGehalt, 502}, {A::Versorgungsbezug, 602}, {A::EinmaligerBezug, 702},
        {A::EinmaligerVersorgungsbezug, 802}, {A::MehrjahresVerguetung, 902}, {A::Brutto, 12002},
        {A::Lohnsteuer, -17002}, {A::Soli, -18002}, {A::Zusatzbeitrag, -24002},
        {A::Sparleistung, 25002}, {A::Auszahlung, 26002}, {A::Steuerpflichtig, 2902},
        {A::Steuerkarte, 14002 - 13002}, {A::SvPflichtig, 2602}, {A::KvVerbeitragt, 2702},
        {A::RvVerbeitragt, 2802},
    };
    // clang-format on
    for (const auto& [zeile, maerz] : faelle) EXPECT_EQ(t.wert(zeile, 2), maerz) << zeile;

    // The deductions together, and the gross pay less them.
    std::int64_t abzuege = 0;
    for (int z = Lohnsteuer; z <= Zusatzbeitrag; ++z) abzuege -= 1000 * z + 2;
    EXPECT_EQ(t.wert(A::SummeAbzuege, 2), abzuege);
    EXPECT_EQ(t.wert(A::Netto, 2), 12002 + abzuege);
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
    const auto s = getippt::sitzung({2007, 1, {}, {{zeile::Gehalt, "3000"}}});
    ASSERT_TRUE(s->betragEingeben(Seite::Blau, zeile::Gehalt, "4200").angenommen);
    EXPECT_EQ(alleMonate(*s, Seite::Gruen).wert(AlleMonate::LaufendesGehalt, 0), 300000);
    EXPECT_EQ(alleMonate(*s, Seite::Blau).wert(AlleMonate::LaufendesGehalt, 11), 420000);
}

}  // namespace
}  // namespace brelvanostik
