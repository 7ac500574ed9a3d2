// Income tax tariff and the class V/VI rule; the ministry's cases hold the splitting of class III.
#include <gtest/gtest.h>

#include "engine/lohnsteuer.h"

namespace brelvanostik {
namespace {

Money euro(std::int64_t n) {
    return Money::whole(n);
}

Money tarifVon(int jahr, Money x) {
    Lohnsteuerrechner e;
    e.JAHR = jahr;
    e.X = x;
    e.SPLITFAKTOR = euro(1);
    e.tarif();
    return e.ST;
}

TEST(Tarif, Zonengrenzen) {
    struct Fall {
        int jahr;
        std::int64_t x;
        std::int64_t st;
    };
    // Zones 2 and 3 join at 12739/12740 without a jump. The top rate: 2004 52152 x 0.45 - 8845;
    // no top zone before 2007, then 300000 x 0.45 - 15414.
    const Fall faelle[] = {
        {2004, 7664, 0},        {2004, 7665, 0},       {2004, 12739, 1016},
        {2004, 12740, 1016},    {2004, 52151, 14622},  {2004, 52152, 14623},
        {2005, 7664, 0},        {2005, 7665, 0},       {2005, 12739, 988},
        {2005, 12740, 989},     {2005, 52151, 13989},  {2005, 52152, 13989},
        {2006, 250001, 97086},  {2007, 12740, 989},    {2007, 52152, 13989},
        {2007, 250000, 97086},  {2007, 250001, 97086}, {2007, 300000, 119586},
        {2008, 300000, 119586},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(tarifVon(f.jahr, euro(f.x)), euro(f.st)) << f.jahr << " X=" << f.x;
    }
}

TEST(Tarif, ZwischenwerteDerProgressionszone) {
    for (const auto& [jahr, rw] : {std::pair{2004, 20024982}, {2005, 19484980}}) {
        Lohnsteuerrechner e;
        e.JAHR = jahr;
        e.SPLITFAKTOR = euro(1);
        e.X = euro(12739);
        e.tarif();
        EXPECT_FLOAT_EQ(e.Y, 0.5075f);
        EXPECT_EQ(e.RW, Money::raw(rw)) << jahr;  // 2002.4982, 1948.4980
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
