// Income tax tariff and the class V/VI rule; the ministry's cases hold the splitting of class III.
#include <gtest/gtest.h>

#include "engine/lohnsteuer.h"

namespace brelvanostik {
namespace {

Money euro(std::int64_t n) {
    return Money::whole(n);
}

Money tarifVon(int jahr, Money x, int splitfaktor = 1) {
    Lohnsteuerrechner e;
    e.JAHR = jahr;
    e.X = x;
    e.SPLITFAKTOR = euro(splitfaktor);
    e.tarif();
    return e.ST;
}

TEST(Tarif, Zonengrenzen) {
    struct Fall {
        int jahr;
        std::int64_t x;
        std::int64_t st;
    };
    const Fall faelle[] = {
        {2004, 7664, 0},
        {2004, 7665, 0},
        {2004, 52152, 14623},  // 52152 x 0.45 - 8845
        {2005, 7664, 0},
        {2005, 7665, 0},
        {2005, 12740, 989},
        {2005, 52152, 13989},
        {2006, 12740, 989},
        {2006, 52152, 13989},
        {2006, 250001, 97086},  // no top zone before
                                // 2007
        {2007, 12740, 989},
        {2007, 52152, 13989},
        {2007, 250000, 97086},
        {2007, 250001, 97086},
        {2007, 300000, 119586},  // top zone: 300000 x 0.45 - 15414
        {2008, 300000, 119586},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(tarifVon(f.jahr, euro(f.x)), euro(f.st)) << f.jahr << " X=" << f.x;
    }
}

TEST(Tarif, ZwischenwerteDerProgressionszone) {
    Lohnsteuerrechner e;
    e.JAHR = 2005;
    e.SPLITFAKTOR = euro(1);
    e.X = euro(7665);
    e.tarif();
    EXPECT_FLOAT_EQ(e.Y, 0.0001f);
    EXPECT_EQ(e.RW, Money::raw(15000884));  // 1500.0884
    // Zone 2 and zone 3 join without a jump at 12739/12740.
    const Money unten = tarifVon(2005, euro(12739));
    EXPECT_LE(unten, euro(989));
    EXPECT_GE(unten, euro(988));
    EXPECT_GE(tarifVon(2005, euro(52151)), euro(13988));
    EXPECT_LE(tarifVon(2005, euro(52151)), euro(13989));
}

// Catches transposed or mistyped constants: the annual tax never falls as income grows.
TEST(Tarif, SteuerSteigtMonotonMitDemEinkommen) {
    for (int jahr : {2004, 2005, 2006, 2007}) {
        for (int klasse : {1, 2, 3, 4}) {
            const int split = klasse == 3 ? 2 : 1;
            Money vorher;
            for (std::int64_t x = 0; x <= 300000; ++x) {
                const Money st = tarifVon(jahr, euro(x / split), split);
                ASSERT_GE(st, vorher) << jahr << " class " << klasse << " X=" << x;
                vorher = st;
            }
        }
    }
}

Money klasse56(int jahr, Money a) {
    Lohnsteuerrechner e;
    e.JAHR = jahr;
    e.STKL = 5;
    e.SPLITFAKTOR = euro(1);
    e.X = a;
    e.klasse56();
    return e.ST;
}

TEST(KlasseFuenfSechs, EineAuswertungsstelleMitMindeststeuer) {
    // 2005, A = 9000: below the lower bound; 2 x (T(11250) - T(6750)) = 1302 < 9000 x 0.15.
    EXPECT_EQ(klasse56(2005, euro(9000)), euro(1350));
    EXPECT_EQ(klasse56(2004, euro(9000)), euro(1440));  // 9000 x 0.16
    EXPECT_EQ(klasse56(2005, euro(0)), euro(0));
}

TEST(KlasseFuenfSechs, ZweiAuswertungsstellenNehmenDenKleinerenWert) {
    for (int jahr : {2004, 2005, 2007}) {
        const std::int64_t untere = jahr == 2004 ? 9228 : 9144;
        const double satz = jahr == 2004 ? 0.45 : 0.42;
        const Money a = euro(20000);
        const Money kappung = klasse56(jahr, euro(untere));  // one point, below or at the bound
        const Money vergleich =
            (kappung + Money::fromDouble((20000 - untere) * satz)).abgeschnitten();
        EXPECT_LE(klasse56(jahr, a), vergleich) << jahr;
        EXPECT_GT(klasse56(jahr, a), kappung) << jahr;
    }
}

TEST(KlasseFuenfSechs, ObereZonen) {
    const Money grenze2005 = klasse56(2005, euro(25812));
    // Above the upper bound each euro costs 42 % (2004: 45 %).
    EXPECT_EQ(klasse56(2005, euro(35812)), grenze2005 + euro(4200));
    EXPECT_EQ(klasse56(2004, euro(36072)), klasse56(2004, euro(26072)) + euro(4500));
    // 2007 above 200,000: 45 % beyond, the 42 % zone up to 200,000 counted as 73158.96 and
    // every step cut to whole euros, so one euro more of income adds no euro of tax here.
    const Money bei200000 = klasse56(2007, euro(200000));
    EXPECT_EQ(bei200000, klasse56(2007, euro(25812)) + euro(73158));
    EXPECT_EQ(klasse56(2007, euro(200001)), bei200000);
    EXPECT_EQ(klasse56(2007, euro(200100)), bei200000 + euro(45));
    // Before 2007 the 42 % zone has no end.
    EXPECT_EQ(klasse56(2006, euro(200100)), klasse56(2006, euro(200000)) + euro(42));
}

}  // namespace
}  // namespace brelvanostik
