// Pension allowance, age relief, table values and table allowances.
#include <gtest/gtest.h>

#include "engine/lohnsteuer.h"

namespace brelvanostik {
namespace {

Money cent(std::int64_t n) {
    return Money::whole(n);
}
Money euro(std::int64_t n) {
    return Money::whole(n);
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
        EXPECT_EQ(e.FVB, cent(f.fvb)) << f.jahr << "/" << f.re4;
        EXPECT_EQ(e.ALTE, cent(f.alte)) << f.jahr << "/" << f.re4;
        EXPECT_EQ(e.RE4LZZ, cent(f.re4lzz)) << f.jahr << "/" << f.re4;
        EXPECT_EQ(e.ZUSCHLAGVFB, euro(f.zuschlag)) << f.jahr << "/" << f.re4;
    }
}

TEST(Versorgungsfreibetrag, JeJahr) {
    struct Fall {
        int jahr, lzz, vjahr;
        std::int64_t vbez, vbezm, zmvb;
        std::int64_t vbezb, hfvb, fvb, zuschlag;
    };
    const Fall faelle[] = {
        // 2005, annual run over six months of pension: 40 %, supplement 75 euros a month.
        {2005, 1, 0, 600000, 100000, 6, 600000, 0, 240000, 450},
        // 2006: pension started 2006: 38.4 %, at most 2,880 euros, supplement 864.
        {2006, 2, 2006, 100000, 100000, 0, 1200000, 288000, 24000, 864},
        {2006, 2, 2005, 50000, 50000, 0, 600000, 300000, 20000, 900},
        {2007, 2, 2007, 100000, 100000, 0, 1200000, 276000, 23000, 828},
        // Annual run without months of pension: nothing is free.
        {2007, 1, 2007, 1200000, 100000, 0, 0, 0, 0, 0},
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
        EXPECT_EQ(e.VBEZB, cent(f.vbezb)) << f.jahr << "/" << f.vbez;
        EXPECT_EQ(e.HFVB, cent(f.hfvb)) << f.jahr << "/" << f.vbez;
        EXPECT_EQ(e.FVB, cent(f.fvb)) << f.jahr << "/" << f.vbez;
        EXPECT_EQ(e.ZUSCHLAGVFB, euro(f.zuschlag)) << f.jahr << "/" << f.vbez;
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

TEST(Tabellenwerte, BeginnjahreUndAnhebungAb2006) {
    struct Fall {
        int jahr, vjahr, ajahr, vjahrDanach, ajahrDanach;
        float tab1, tab2, tab3, tab4, tab5;
    };
    const Fall faelle[] = {
        {2006, 2003, 2000, 2005, 2005, 0.4f, 3000, 900, 0.4f, 1900},
        {2006, 2006, 2006, 2006, 2006, 0.384f, 2880, 864, 0.384f, 1824},
        {2007, 2020, 2020, 2020, 2020, 0.16f, 1200, 360, 0.16f, 760},
        {2007, 2039, 2041, 2039, 2041, 0.008f, 60, 18, 0.0f, 0},
        {2005, 2003, 2000, 2003, 2000, 0, 0, 0, 0,
         0},  // before 2006 nothing is looked up or raised
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.VJAHR = f.vjahr;
        e.AJAHR = f.ajahr;
        e.lohnsteuer();
        EXPECT_EQ(e.VJAHR, f.vjahrDanach) << f.jahr;
        EXPECT_EQ(e.AJAHR, f.ajahrDanach) << f.jahr;
        EXPECT_FLOAT_EQ(e.Tab1, f.tab1) << f.jahr << "/" << f.vjahr;
        EXPECT_FLOAT_EQ(e.Tab2, f.tab2);
        EXPECT_FLOAT_EQ(e.Tab3, f.tab3);
        EXPECT_NEAR(e.Tab4, f.tab4, 1e-7);
        EXPECT_FLOAT_EQ(e.Tab5, f.tab5);
    }
}

TEST(Tabellenfreibetraege, NachKlasseUndJahr) {
    struct Fall {
        int jahr, stkl;
        double zkf;
        std::int64_t anp, efa, sap, kfb, split;
    };
    const Fall faelle[] = {
        {2004, 1, 1, 920, 0, 36, 5808, 1},     {2004, 6, 1, 0, 0, 0, 0, 1},
        {2005, 2, 2, 920, 1308, 36, 11616, 1}, {2005, 6, 0, 0, 0, 0, 0, 1},
        {2006, 3, 0.5, 920, 0, 72, 2904, 2},   {2006, 6, 1, 0, 0, 0, 0, 1},
        {2007, 4, 1.5, 920, 0, 36, 4356, 1},   {2007, 5, 1, 920, 0, 0, 0, 1},
        {2007, 6, 1, 0, 0, 0, 0, 1},
    };
    for (const Fall& f : faelle) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.STKL = f.stkl;
        e.ZKF = Money::fromDouble(f.zkf);
        e.RE4 = cent(250000);
        e.lohnsteuer();
        EXPECT_EQ(e.ANP, euro(f.anp)) << f.jahr << " class " << f.stkl;
        EXPECT_EQ(e.EFA, euro(f.efa)) << f.jahr << " class " << f.stkl;
        EXPECT_EQ(e.SAP, euro(f.sap)) << f.jahr << " class " << f.stkl;
        EXPECT_EQ(e.KFB, euro(f.kfb)) << f.jahr << " class " << f.stkl;
        EXPECT_EQ(e.SPLITFAKTOR, euro(f.split)) << f.jahr << " class " << f.stkl;
    }
}

// The lump sum's parts are whole euros: a 2006 month without pension has ZVBEZ = 0.08 from the
// conversion margin, which must not turn the lump sum into 920.08.
TEST(Tabellenfreibetraege, ArbeitnehmerPauschbetragInGanzenEuro) {
    for (int jahr : {2006, 2007}) {
        Lohnsteuerrechner e;
        e.JAHR = jahr;
        e.RE4 = cent(250000);
        e.lohnsteuer();
        EXPECT_EQ(e.ANP, euro(920)) << jahr;
        if (jahr != 2006) continue;
        EXPECT_EQ(e.ZVBEZ, Money::raw(800));  // 0.08 euros
        EXPECT_EQ(e.TABFBSUMME, euro(956));
    }
    // 2005: 102 for a pension plus 920 for active pay.
    Lohnsteuerrechner v;
    v.JAHR = 2005;
    v.RE4 = cent(250000);
    v.VBEZ = v.VBEZM = cent(50000);
    v.lohnsteuer();
    EXPECT_EQ(v.ANP, euro(1022));
}

// The supplement to the pension allowance is capped at ZVBEZ; from 2007 also when ZVBEZ is 0.
TEST(Tabellenfreibetraege, ZuschlagBeiZvbezNull) {
    struct Fall {
        int jahr;
        std::int64_t zuschlag;
    };
    for (const Fall& f : {Fall{2006, 864}, Fall{2007, 0}}) {
        Lohnsteuerrechner e;
        e.JAHR = f.jahr;
        e.VJAHR = 2006;
        e.RE4 = cent(200000);
        e.VBEZ = cent(100);  // far below the monthly allowance: VBEZ - FVB is negative
        e.VBEZM = cent(100000);
        e.lohnsteuer();
        EXPECT_EQ(e.ZVBEZ, Money()) << f.jahr;
        EXPECT_EQ(e.ZUSCHLAGVFB, euro(f.zuschlag)) << f.jahr;
    }
}

}  // namespace
}  // namespace brelvanostik
