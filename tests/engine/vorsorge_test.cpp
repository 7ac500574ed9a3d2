// Provision allowance: the percentage rule and, from 2005, the comparison with the share of
// pension contributions and other provisions.
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
