// The steps of the wage tax run one by one: the tariff, the class V/VI rule, the solidarity
// surcharge with its transition zone and the provision allowance (the percentage rule and, from
// 2005, the comparison with the share of pension contributions). The ministry's cases hold the
// splitting of class III.
#include <gtest/gtest.h>

#include "engine/lohnsteuer.h"

namespace brelvanostik {
namespace {

Money euro(std::int64_t n) {
    return Money::whole(n);
}
Money hundertstel(std::int64_t n) {
    return Money::raw(n * 100);
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

TEST(Solidaritaetszuschlag, FreigrenzeUndUebergangszone) {
    struct Fall {
        int split, lzz;
        std::int64_t jbmg;
        Money solzj, solzlzz;
    };
    const Fall faelle[] = {
        {1, 2, 972, Money(), Money()},
        {1, 2, 973, Money::raw(2000), Money::whole(1)},  // 0.20 a year: 1 cent a month
        {2, 2, 1944, Money(), Money()},
        {1, 2, 1340, Money::raw(736000), Money::whole(613)},   // the cap 73.60 < 73.70
        {1, 2, 1341, Money::raw(737500), Money::whole(614)},   // 73.755 cut to 73.75 < 73.80
        {1, 1, 1341, Money::raw(737500), Money::whole(7375)},  // a year: whole cents as well
        {1, 2, 12000, euro(660), Money::whole(5500)},
        {2, 2, 2000, Money::raw(112000), Money::whole(93)},  // 20 % of 56 = 11.20
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.LZZ = f.lzz;
        e.SPLITFAKTOR = euro(f.split);
        e.JBMG = euro(f.jbmg);
        e.solz();
        EXPECT_EQ(e.SOLZJ, f.solzj) << f.jbmg;
        EXPECT_EQ(e.SOLZLZZ, f.solzlzz) << f.jbmg << " LZZ " << f.lzz;
    }
}

struct Fall {
    int jahr, krv, split;
    std::int64_t zre4vp;
    Money vsp1, vsp2, vsbn, vsp, zre4vpDanach;
};

TEST(Vorsorgepauschale, JahrKlasseUndRentenversicherung) {
    const Fall faelle[] = {
        {2005, 0, 1, 30000, euro(585), euro(1500), euro(2085), euro(2085), euro(30000)},
        // Class III doubles every maximum amount: MVSP gives 1336 + 2668 + 998 = 5002.
        {2005, 0, 2, 30000, euro(585), euro(3000), euro(3585), euro(5002), euro(30000)},
        {2007, 0, 1, 70000, hundertstel(175518), euro(1500), euro(3256), euro(3256), euro(63000)},
        {2005, 0, 1, 70000, hundertstel(121680), euro(1500), euro(2717), euro(2717), euro(62400)},
        {2006, 0, 1, 70000, hundertstel(147420), euro(1500), euro(2975), euro(2975), euro(63000)},
        // Exempt from pension insurance: the short maximum, rounded up in 2005 and 2006.
        {2004, 1, 2, 10000, Money(), Money(), Money(), euro(2000), euro(10000)},
        {2004, 1, 1, 10000, Money(), Money(), Money(), euro(1134), euro(10000)},  // 20 %, capped
        {2006, 1, 1, 5001, Money(), hundertstel(55011), euro(551), euro(1001), euro(5001)},
        {2007, 1, 1, 5001, Money(), hundertstel(55011), euro(551), euro(1000), euro(5001)},
        {2005, 1, 1, 70000, Money(), euro(1500), euro(1500), euro(1500),
         euro(70000)},                                                           // not capped
        {2004, 0, 1, 10000, Money(), Money(), Money(), euro(2000), euro(10000)}  // 1468 + 532,
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.KRV = f.krv;
        e.SPLITFAKTOR = euro(f.split);
        e.ZRE4VP = euro(f.zre4vp);
        e.vorsorge();
        const std::string was = std::to_string(f.jahr) + " KRV " + std::to_string(f.krv) + " x" +
                                std::to_string(f.split) + " " + std::to_string(f.zre4vp);
        EXPECT_EQ(e.VSP1, f.vsp1) << was;
        EXPECT_EQ(e.VSP2, f.vsp2) << was;
        EXPECT_EQ(e.VSBN, f.vsbn) << was;
        EXPECT_EQ(e.VSP, f.vsp) << was;
        EXPECT_EQ(e.ZRE4VP, f.zre4vpDanach) << was;
    }
}

TEST(Vorsorgepauschale, HalbierterRestbetragMitCentregel) {
    // 2004, ZRE4VP 20000.25: VSPO 4000.05, VSPVOR 3068 - 3200.04 -> 0, remainder above 1334
    // halved: 1333.025 -> 1333.03 (cent rule), below 667? no: capped at 667.
    Lohnsteuerrechner e;
    e.JAHR = 2004;
    e.SPLITFAKTOR = euro(1);
    e.ZRE4VP = Money::raw(200002500);
    e.vorsorge();
    EXPECT_EQ(e.RESTBETRAG, Money::raw(13330300));
    EXPECT_EQ(e.VSP, euro(2001));
}

}  // namespace
}  // namespace brelvanostik
