// The wage tax run: its steps one by one (the tariff, the class V/VI rule, the solidarity
// surcharge with its transition zone, the provision allowance with the percentage rule and, from
// 2005, the comparison with the share of pension contributions), then whole runs for the annual
// amounts from period amounts and the allowances computed on them (pension allowance, age relief,
// table values), the period share helper and the reset of intermediate values. The ministry's
// cases hold the splitting of class III.
#include <gtest/gtest.h>

#include <array>

#include "engine/lohnsteuer.h"

namespace brelvanostik {
namespace {

Money cent(std::int64_t n) {
    return Money::whole(n);
}
Money euro(std::int64_t n) {
    return Money::whole(n);
}
Money euroCent(std::int64_t hundertstel) {
    return Money::raw(hundertstel * 100);
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

TEST(KlasseFuenfSechs, MindeststeuerUndObereZonen) {
    // 2005, A = 9000: below the lower bound; 2 x (T(11250) - T(6750)) = 1302 < 9000 x 0.15.
    EXPECT_EQ(klasse56(2005, euro(9000)), euro(1350));
    EXPECT_EQ(klasse56(2004, euro(9000)), euro(1440));  // 9000 x 0.16
    EXPECT_EQ(klasse56(2005, euro(0)), euro(0));
    // Above the upper bound each euro costs 42 % (2004: 45 %).
    EXPECT_EQ(klasse56(2005, euro(35812)), klasse56(2005, euro(25812)) + euro(4200));
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
        {2007, 0, 1, 70000, euroCent(175518), euro(1500), euro(3256), euro(3256), euro(63000)},
        {2005, 0, 1, 70000, euroCent(121680), euro(1500), euro(2717), euro(2717), euro(62400)},
        {2006, 0, 1, 70000, euroCent(147420), euro(1500), euro(2975), euro(2975), euro(63000)},
        // Exempt from pension insurance: the short maximum, rounded up in 2005 and 2006.
        {2004, 1, 2, 10000, Money(), Money(), Money(), euro(2000), euro(10000)},
        {2004, 1, 1, 10000, Money(), Money(), Money(), euro(1134), euro(10000)},  // 20 %, capped
        {2006, 1, 1, 5001, Money(), euroCent(55011), euro(551), euro(1001), euro(5001)},
        {2007, 1, 1, 5001, Money(), euroCent(55011), euro(551), euro(1000), euro(5001)},
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

// Pension allowance and age relief of a month in 2004 and 2005, worked by hand. Both round
// up to whole cents; the allowance is capped at the month's share rounded up of the annual
// maximum, where for a month only the first decimal of the twelfth decides.
TEST(VersorgungsfreibetragUndAltersentlastung, VonHandGerechnet2004Und2005) {
    struct Fall {
        int jahr;
        std::int64_t re4, vbez, vbezs;
        std::int64_t fvb, alte, re4lzz, zuschlag;
    };
    const Fall faelle[] = {
        // 2004: FVB = 0.4 x 500.01 = 200.004 -> 200.01 (cap 3072 / 12 = 256.00);
        // ALTE = 0.4 x (800.00 - 500.01) = 119.996 -> 120.00 (cap 1908 / 12 = 159.00);
        // RE4LZZ = 800.00 - 200.01 - 120.00 = 479.99.
        {2004, 80000, 50001, 0, 20001, 12000, 47999, 0},
        // 2004 at both caps: 0.4 x 900.00 = 360.00 -> 256.00; 0.4 x 6100.00 = 2440.00 -> 159.00;
        // RE4LZZ = 7000.00 - 256.00 - 159.00 = 6585.00.
        {2004, 700000, 90000, 0, 25600, 15900, 658500, 0},
        // 2005: VBEZB = 12 x 500.00 + 0.02 = 6000.02; 0.4 x that = 2400.008 -> 2400.01 (below
        // 3000); its twelfth 200.000833 has a first decimal 0 and stays 200.00.
        // ALTE = 0.4 x (800.01 - 500.00) = 120.004 -> 120.01 (cap 1900 / 12 = 158.333 -> 158.34);
        // RE4LZZ = 800.01 - 200.00 - 120.01 = 480.00; supplement 900 euros a year.
        {2005, 80001, 50000, 2, 20000, 12001, 48000, 900},
        // 2005 at both caps: 0.4 x 24000.00 = 9600.00 -> 3000.00, a twelfth 250.00;
        // 0.4 x 5000.00 = 2000.00 -> 158.34; RE4LZZ = 7000.00 - 250.00 - 158.34 = 6591.66.
        {2005, 700000, 200000, 0, 25000, 15834, 659166, 900},
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.LZZ = 2;
        e.STKL = 1;
        e.Alter1 = 1;
        e.RE4 = cent(f.re4);
        e.VBEZ = e.VBEZM = cent(f.vbez);
        e.VBEZS = cent(f.vbezs);
        e.lohnsteuer();
        EXPECT_EQ((std::array{e.FVB, e.ALTE, e.RE4LZZ, e.ZUSCHLAGVFB}),
                  (std::array{cent(f.fvb), cent(f.alte), cent(f.re4lzz), euro(f.zuschlag)}))
            << f.jahr << "/" << f.re4;
    }
}

// ZVBEZ, the pension beyond its allowances, counts only from 2006: a month's VBEZ 500 - FVB 200
// = 300 euros -> (30000 + 0.67) x 0.12 = 3600.08.
TEST(Versorgungsfreibetrag, JeJahr) {
    struct Fall {
        int jahr, lzz, vjahr;
        std::int64_t vbez, vbezm, zmvb;
        std::int64_t vbezb, hfvb, fvb, zuschlag, zvbez;
    };
    const Fall faelle[] = {
        // 2005, annual run over six months of pension: 40 %, supplement 75 euros a month.
        {2005, 1, 0, 600000, 100000, 6, 600000, 0, 240000, 450, 0},
        {2004, 2, 2005, 50000, 50000, 0, 0, 0, 20000, 0, 0},  // 40 % without the table of years
        // 2006: pension started 2006: 38.4 %, at most 2,880 euros, supplement 864.
        {2006, 2, 2006, 100000, 100000, 0, 1200000, 288000, 24000, 864, 912008},
        // Before 2005 counts as 2005; the last line of the table: 0.8 %, at most 60, supplement 18.
        {2006, 2, 2003, 50000, 50000, 0, 600000, 300000, 20000, 900, 360008},
        {2007, 2, 2007, 100000, 100000, 0, 1200000, 276000, 23000, 828, 924008},
        {2007, 2, 2030, 50000, 50000, 0, 600000, 60000, 4000, 180, 552008},  // 8 %, below the 600
        {2007, 2, 2039, 100000, 100000, 0, 1200000, 6000, 500, 18, 1194008},
        // A pension far below the allowance leaves ZVBEZ at 0, which caps the supplement from 2007.
        {2006, 2, 2006, 100, 100000, 0, 1200000, 288000, 24000, 864, 0},
        {2007, 2, 2006, 100, 100000, 0, 1200000, 288000, 24000, 0, 0},
        // Annual run without months of pension: nothing is free.
        {2007, 1, 2007, 1200000, 100000, 0, 0, 0, 0, 0, 1200000},
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.LZZ = f.lzz;
        e.VJAHR = f.vjahr;
        e.RE4 = e.VBEZ = cent(f.vbez);
        e.VBEZM = cent(f.vbezm);
        e.ZMVB = Money::whole(f.zmvb);
        e.STKL = 1;
        e.lohnsteuer();
        EXPECT_EQ((std::array{e.VBEZB, e.HFVB, e.FVB, e.ZUSCHLAGVFB, e.ZVBEZ}),
                  (std::array{cent(f.vbezb), cent(f.hfvb), cent(f.fvb), euro(f.zuschlag),
                              euroCent(f.zvbez)}))
            << f.jahr << "/" << f.vjahr << "/" << f.vbez;
    }
}

TEST(Altersentlastungsbetrag, JeJahr) {
    struct Fall {
        int jahr;
        int ajahr;
        std::int64_t re4, vbez, bmg, alte;
    };
    const Fall faelle[] = {
        {2006, 2006, 30000, 0, 30000, 11520},    // 38.4 %
        {2006, 2006, 500000, 0, 500000, 15200},  // 1,824 euros / 12
        {2007, 2004, 30000, 0, 30000, 12000},    // AJAHR before 2006 counts as 2005
        {2007, 2030, 30000, 0, 30000, 2400},     // 8 %
        {2007, 2030, 500000, 0, 500000, 3167},   // 380 euros / 12, rounded up
        {2007, 2041, 30000, 0, 30000, 0},
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.LZZ = 2;
        e.Alter1 = 1;
        e.AJAHR = f.ajahr;
        e.RE4 = cent(f.re4);
        e.VBEZ = cent(f.vbez);
        e.VBEZM = cent(f.vbez);
        e.lohnsteuer();
        EXPECT_EQ(e.BMG, cent(f.bmg)) << f.jahr << "/" << f.re4;
        EXPECT_EQ(e.ALTE, cent(f.alte)) << f.jahr << "/" << f.re4;
    }
}

TEST(Tabellenfreibetraege, NachKlasseUndJahr) {
    struct Fall {
        int jahr, stkl;
        double zkf;
        std::int64_t anp, efa, sap, kfb, split;
        std::int64_t vbez = 0;
    };
    const Fall faelle[] = {
        {2004, 1, 1, 920, 0, 36, 5808, 1},
        {2004, 6, 1, 0, 0, 0, 0, 1},
        {2005, 2, 2, 920, 1308, 36, 11616, 1},
        {2005, 6, 0, 0, 0, 0, 0, 1},
        {2005, 1, 0, 1022, 0, 36, 0, 1, 50000},  // 102 for a pension, 920 for active pay
        // Whole euros: 2006's conversion margin of 0.08 must not make the lump sum 920.08.
        {2006, 3, 0.5, 920, 0, 72, 2904, 2},
        {2006, 6, 1, 0, 0, 0, 0, 1},
        {2007, 4, 1.5, 920, 0, 36, 4356, 1},
        {2007, 5, 1, 920, 0, 0, 0, 1},
        {2007, 6, 1, 0, 0, 0, 0, 1},
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.STKL = f.stkl;
        e.ZKF = Money::fromDouble(f.zkf);
        e.RE4 = cent(250000);
        e.VBEZ = e.VBEZM = cent(f.vbez);
        e.lohnsteuer();
        EXPECT_EQ((std::array{e.ANP, e.EFA, e.SAP, e.KFB, e.SPLITFAKTOR}),
                  (std::array{euro(f.anp), euro(f.efa), euro(f.sap), euro(f.kfb), euro(f.split)}))
            << f.jahr << " class " << f.stkl;
    }
}

TEST(Jahreswerte, UmrechnungKappungUndNegativeFaelle) {
    struct Fall {
        int jahr, lzz;
        std::int64_t re4, wfundf;
        std::int64_t zre4, zre4vp;  // hundredths of a euro
    };
    const Fall faelle[] = {
        {2004, 2, 0, 0, 0, 0},
        {2005, 2, 0, 0, 0, 0},
        {2006, 2, 0, 0, 8, 8},  // 0.67 x 0.12 = 0.0804
        {2007, 2, 0, 0, 8, 8},
        {2005, 2, 250000, 0, 3000000, 3000000},
        {2006, 2, 250000, 0, 3000008, 3000008},
        // Annual period: 2004 keeps the cents, 2005 cuts to euros, from 2006 whole cents.
        {2004, 1, 3000055, 0, 3000055, 3000055},
        {2005, 1, 3000055, 0, 3000000, 3000000},
        {2006, 1, 3000055, 0, 3000055, 3000055},
        {2007, 1, 3000055, 0, 3000055, 3000055},
        {2007, 3, 70000, 0, 3600045, 3600045},  // (70000 + 0.89) x 3.6 / 7 = 36000.4577
        {2007, 4, 10000, 0, 3600201, 3600201},  // (10000 + 0.56) x 3.6 = 36002.016
        {2005, 2, 100000, 200000, 0, 1200000},  // ZRE4 negative -> 0, ZRE4VP kept
        {2006, 2, 100000, 200000, 0, 1200008},
        {2007, 2, 100000, 200000, 0, 1200008},  // RE4LZZ < 0 -> ZRE4 = 0
        {2007, 2, -100000, 0, 0, 0},            // RE4LZZV < 0 -> ZRE4VP = 0 as well
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.LZZ = f.lzz;
        e.RE4 = cent(f.re4);
        e.WFundF = cent(f.wfundf);
        e.lohnsteuer();
        const std::string was = std::to_string(f.jahr) + " LZZ " + std::to_string(f.lzz) + " RE4 " +
                                std::to_string(f.re4);
        EXPECT_EQ(e.ZRE4, euroCent(f.zre4)) << was;
        EXPECT_EQ(e.ZRE4VP, euroCent(f.zre4vp)) << was;
        if (f.zre4 == 0) {
            EXPECT_EQ(e.LSTPERIODE, Money()) << was;
        }
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
