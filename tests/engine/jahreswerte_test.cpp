// Annual amounts from period amounts, their negative cases, and the period share helper.
#include <gtest/gtest.h>

#include "engine/lohnsteuer.h"

namespace brelvanostik {
namespace {

Money cent(std::int64_t n) {
    return Money::whole(n);
}
Money euroCent(std::int64_t hundertstel) {
    return Money::raw(hundertstel * 100);
}

TEST(Jahreswerte, UmrechnungUndKappungJeJahrUndZeitraum) {
    struct Fall {
        int jahr, lzz;
        std::int64_t re4;
        std::int64_t zre4Hundertstel;
    };
    const Fall faelle[] = {
        {2004, 2, 0, 0},
        {2005, 2, 0, 0},
        {2006, 2, 0, 8},  // 0.67 x 0.12 = 0.0804
        {2007, 2, 0, 8},
        {2005, 2, 250000, 3000000},
        {2006, 2, 250000, 3000008},
        // Annual period: 2004 keeps the cents, 2005 cuts to euros, from 2006 whole cents.
        {2004, 1, 3000055, 3000055},
        {2005, 1, 3000055, 3000000},
        {2006, 1, 3000055, 3000055},
        {2007, 1, 3000055, 3000055},
        {2007, 3, 70000, 3600045},  // (70000 + 0.89) x 3.6 / 7 = 36000.4577
        {2007, 4, 10000, 3600201},  // (10000 + 0.56) x 3.6 = 36002.016
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.LZZ = f.lzz;
        e.RE4 = cent(f.re4);
        e.lohnsteuer();
        EXPECT_EQ(e.ZRE4, euroCent(f.zre4Hundertstel))
            << f.jahr << " LZZ " << f.lzz << " RE4 " << f.re4;
        EXPECT_EQ(e.ZRE4VP, euroCent(f.zre4Hundertstel)) << f.jahr << " LZZ " << f.lzz;
    }
}

TEST(Jahreswerte, NegativeFaelle) {
    struct Fall {
        int jahr;
        std::int64_t re4, wfundf;
        std::int64_t zre4, zre4vp;
    };
    const Fall faelle[] = {
        {2005, 100000, 200000, 0, 1200000},  // ZRE4 negative -> 0, ZRE4VP kept
        {2006, 100000, 200000, 0, 1200008},
        {2007, 100000, 200000, 0, 1200008},  // RE4LZZ < 0 -> ZRE4 = 0
        {2007, -100000, 0, 0, 0},            // RE4LZZV < 0 -> ZRE4VP = 0 as well
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.RE4 = cent(f.re4);
        e.WFundF = cent(f.wfundf);
        e.lohnsteuer();
        EXPECT_EQ(e.ZRE4, euroCent(f.zre4)) << f.jahr;
        EXPECT_EQ(e.ZRE4VP, euroCent(f.zre4vp)) << f.jahr;
        EXPECT_EQ(e.LSTPERIODE, Money()) << f.jahr;
    }
}

TEST(Jahreswerte, ZvbezNurAb2006) {
    struct Fall {
        int jahr;
        std::int64_t zvbez;
    };
    for (const Fall& f : {Fall{2004, 0}, Fall{2005, 0}, Fall{2006, 360008}, Fall{2007, 360008}}) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.RE4 = e.VBEZ = cent(50000);
        e.VBEZM = cent(50000);
        e.VJAHR = 2005;
        e.lohnsteuer();
        // 2006 on: VBEZ 500 - FVB 200 = 300 euros a month -> (30000 + 0.67) x 0.12 = 3600.08
        EXPECT_EQ(e.ZVBEZ, euroCent(f.zvbez)) << f.jahr;
    }
}

TEST(Jahreswerte, VersorgungsbezugWirdAufGanzeCentGerundet) {
    Lohnsteuerrechner e;
    e.JAHR = 2004;
    e.VBEZ = Money::raw(1234565000);  // 123456.5 cents: halves to even
    e.lohnsteuer();
    EXPECT_EQ(e.VBEZ, cent(123456));
}

TEST(Periodenanteil, AbUndAufJeZeitraum) {
    struct Fall {
        int lzz;
        Money jahreswert;
        Money ab, auf;
    };
    const Fall faelle[] = {
        {2, cent(123400), cent(10283), cent(10284)},
        {2, cent(12 * 500 + 1), cent(500), cent(500)},  // 500.0833: first decimal 0
        {2, cent(12 * 500 + 2), cent(500), cent(501)},  // 500.1666
        {2, cent(12 * 500), cent(500), cent(500)},
        {1, Money::raw(73755000), Money::raw(73755000), Money::raw(73755000)},  // kept as it is
        {3, cent(36000), cent(700), cent(700)},
        {3, cent(36001), cent(700), cent(701)},  // 700.0194: the first two decimals decide
        {4, cent(36001), cent(100), cent(100)},  // 100.0027: .00 -> not rounded up
        {4, cent(36004), cent(100), cent(101)},  // 100.0111
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.LZZ = f.lzz;
        const Periodenanteil p = e.periodenanteil(f.jahreswert);
        EXPECT_EQ(p.ANTEILAB, f.ab) << f.lzz << " " << f.jahreswert.text();
        EXPECT_EQ(p.ANTEILAUF, f.auf) << f.lzz << " " << f.jahreswert.text();
    }
}

TEST(Lohnsteuerlauf, ZwischenwerteWerdenJedesMalZurueckgesetzt) {
    Lohnsteuerrechner e;
    e.JAHR = 2005;
    e.STKL = 1;
    e.ZKF = Money::whole(1);
    e.RE4 = cent(500000);
    e.lohnsteuer();
    EXPECT_GT(e.KFB, Money());
    EXPECT_LT(e.JBMG, e.JAHRESLST);  // child allowances lower only the surcharge base
    const Money lst = e.LSTPERIODE;
    e.ZKF = Money();
    e.lohnsteuer();
    EXPECT_EQ(e.KFB, Money());
    EXPECT_EQ(e.JBMG, e.JAHRESLST);
    EXPECT_EQ(e.LSTPERIODE, lst);
    EXPECT_EQ(e.RE4, cent(500000));  // inputs stay as the caller set them
}

}  // namespace
}  // namespace brelvanostik
