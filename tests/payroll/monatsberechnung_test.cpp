#include <gtest/gtest.h>

#include <limits>

#include "testfall.h"

namespace brelvanostik {
namespace {

using testfall::cents;
using testfall::Fall;
using testfall::steuern;
using testfall::Testfall;

constexpr int NRW = 9, BERLIN = 2, BRANDENBURG = 3;

// clang-format off
TEST(PayrollQuoten, StundenUndTageJeKennzeichen) {
    const Fall faelle[] = {
        {"20 of 40 hours", 2004, NRW, 300000, {{'B', 1, 2000}},
         {{'S', 3, 5, 150000}, {'T', 3, 5, 150000}, {'B', 3, 10, 300000}, {'B', 3, 11, 150000},
          {'B', 3, 12, 150000}, {'K', 3, 29, 150000}}},
        {"hours, row 5 left out", 2004, NRW, 300000, {{'B', 1, 2000}, {'H', 5, 0}},
         {{'S', 3, 5, 300000}, {'T', 3, 5, 300000}, {'B', 3, 11, 300000}}},
        {"15 of 30 days", 2004, NRW, 300000, {{'B', 3, 1500}},
         {{'S', 3, 5, 300000}, {'T', 3, 5, 150000}, {'B', 3, 11, 300000}, {'B', 3, 12, 150000}}},
        {"days, row 5 left out", 2004, NRW, 300000, {{'B', 3, 1500}, {'D', 5, 0}},
         {{'T', 3, 5, 300000}, {'B', 3, 12, 300000}}},
        {"no hours: both ratios 0", 2004, NRW, 300000, {{'B', 1, 0}},
         {{'S', 3, 5, 0}, {'T', 3, 5, 0}, {'B', 3, 17, 0}}},
        {"no normal days", 2004, NRW, 300000, {{'B', 2, 0}}, {{'S', 3, 5, 300000}, {'T', 3, 5, 0}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollEntgelt, SteuerUndSvPflichtigesEntgelt) {
    // March of 3,000.00 a month; rows 29 taxable, 27 liable to health, 1 the annual wage.
    const Fall faelle[] = {
        {"conversion free of tax and SV", 2004, NRW, 300000, {{'A', 25, 0}, {'B', 25, -10000}},
         {{'K', 2, 29, 290000}, {'K', 2, 27, 290000}, {'K', 2, 1, 3480000}, {'B', 2, 20, -20590}}},
        {"conversion free of tax", 2004, NRW, 300000, {{'A', 25, 1}, {'B', 25, -10000}},
         {{'K', 2, 29, 290000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3480000}, {'B', 2, 20, -21300}}},
        {"conversion free of SV", 2004, NRW, 300000, {{'A', 25, 2}, {'B', 25, -10000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 290000}, {'K', 2, 1, 3600000}, {'B', 2, 20, -20590}}},
        {"Riester", 2004, NRW, 300000, {{'A', 25, 3}, {'B', 25, -10000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3600000}, {'B', 2, 20, -21300}}},
        {"retention", 2004, NRW, 300000, {{'A', 25, 7}, {'B', 25, -10000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3600000}}},
        {"pension: tax, no contributions", 2004, NRW, 300000, {{'B', 6, 50000}},
         {{'K', 2, 29, 350000}, {'K', 2, 27, 300000}, {'K', 2, 1, 4200000}}},
        {"row 15: annual wages only", 2004, NRW, 300000, {{'B', 15, 20000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3840000}}},
        {"row 16: contributions only", 2004, NRW, 300000, {{'B', 16, 20000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 320000}, {'K', 2, 1, 3600000}, {'B', 2, 20, -22720}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);

    // A Riester contribution comes out of the payout and nothing else.
    Testfall ohne(2004, NRW, 300000), riester(2004, NRW, 300000);
    riester.auswahl(25, 3);
    riester.betrag(25, -5000);
    ohne.rechne();
    riester.rechne();
    EXPECT_EQ(riester.monat(6).Betrag[26], ohne.monat(6).Betrag[26] - 5000);
}

TEST(PayrollBeitraege, ZweigeUndCodes) {
    // 2,500.00 in 2004, west, health rate 14.90 %: {row, code, contribution}.
    const std::int32_t faelle[][3] = {
        {20, 0, -18625}, {20, 1, 18625}, {20, 3, 0}, {21, 0, -2125}, {21, 1, 2125}, {21, 3, 0},
        {21, 4, -3375}, {21, 5, 875}, {22, 0, -24375}, {22, 1, 24375}, {22, 3, 0}, {23, 0, -8125},
        {23, 2, 0}, {24, 1, -2250}, {24, 2, -625}, {24, 3, -2875},
    };
    for (const auto& f : faelle) {
        testfall::pruefe({"branch", 2004, NRW, 250000, {{'B', 4, 1490}, {'A', f[0], f[1]}},
                          {{'B', 0, f[0], f[2]}}});
    }
}

TEST(PayrollBeitraege, GleitzoneInAllenZweigen) {
    // 600.00 in 2005, every branch in the sliding zone, dental surcharge 0.9 %.
    const std::vector<testfall::Eingabe> zone = {
        {'A', 3, 3}, {'A', 20, 2}, {'A', 21, 2}, {'A', 22, 2}, {'A', 23, 1}, {'A', 24, 1}};
    const auto mit = [&](std::vector<testfall::Eingabe> mehr) {
        mehr.insert(mehr.begin(), zone.begin(), zone.end());
        return mehr;
    };
    const Fall faelle[] = {
        {"reduced pay 519.04", 2005, NRW, 60000, zone,
         {{'B', 7, 20, -3110}, {'B', 7, 21, -372}, {'B', 7, 22, -4272}, {'B', 7, 23, -1424},
          {'B', 7, 24, -467}}},
        {"a retention leaves the zone pay", 2005, NRW, 60000, mit({{'A', 25, 7}, {'B', 25, -10000}}),
         {{'B', 7, 20, -3110}, {'B', 7, 24, -467}}},
        {"other savings lower it: 378.56", 2005, NRW, 60000, mit({{'B', 25, -10000}}),
         {{'B', 7, 20, -1826}, {'B', 7, 21, -219}, {'B', 7, 22, -2507}, {'B', 7, 23, -835},
          {'B', 7, 24, -341}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollBeitraege, BemessungsgrenzenJeGebiet) {
    // 6,000.00 a month: rows 27/28 the pay within the ceilings, 22/23 pension, unemployment.
    const Fall faelle[] = {
        {"Berlin is west", 2004, BERLIN, 600000, {},
         {{'K', 0, 27, 348750}, {'K', 0, 28, 515000}, {'B', 0, 22, -50212}, {'B', 0, 23, -16738},
          {'k', 0, 0, 0}, {'r', 0, 0, 0}}},
        {"Brandenburg 2007", 2007, BRANDENBURG, 600000, {},
         {{'K', 0, 28, 445000}, {'B', 0, 22, -44278}, {'B', 0, 23, -9345}}},
        {"east from July", 2004, BERLIN, 600000, {{'A', 2, BRANDENBURG, 6}},
         {{'K', 5, 28, 515000}, {'K', 6, 28, 435000}, {'B', 6, 22, -42412}}},
        {"half month, half ceilings", 2004, BERLIN, 600000, {{'B', 3, 1500}},
         {{'K', 0, 27, 174375}, {'K', 0, 28, 257500}, {'B', 0, 22, -25106}, {'k', 0, 0, 0}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}
// clang-format on

TEST(PayrollQuoten, TeilmonatVersteuertDasVollmonatsaequivalent) {
    // 15 of 30 days of 3,000.00 bear half the tax on 3,000.00, not half the tax on 1,500.00.
    // More days than normal are no part month: the month's (raised) pay is taxed as it is.
    for (const std::int32_t tage : {1500, 2900, 3100, 0}) {
        const testfall::Steuern voll = steuern(2006, 2, cents(tage > 3000 ? 310000 : 300000));
        Testfall t(2006, NRW, 300000);
        t.auswahl(19, 2);
        t.betrag(3, tage, 4, 4);
        t.rechne();
        const double quote = static_cast<float>(tage / 3000.0);
        const Monatssatz& mai = t.monat(4);
        EXPECT_EQ(mai.Betrag[17], -voll.lst.mal(quote).toInt32()) << tage;
        EXPECT_EQ(mai.Betrag[18], -voll.soli.mal(quote).toInt32()) << tage;
        EXPECT_EQ(mai.Betrag[19],
                  -(voll.bk * Money::raw(900)).mal(quote).abgeschnitten().toInt32());
        EXPECT_EQ(mai.Kennwert[29], mai.Betrag[12]);
    }
}

TEST(PayrollLohnsteuerEingaben, MonatslaufBekommtDieEingabenDesMonats) {
    // 2006, 3,000.00; each case varies one input: {class, status, allowance, add, pension, start}.
    const int faelle[][6] = {
        {2, 0, 0, 0, 0, 0},     {4, 0, 0, 0, 0, 0}, {0, 0, 50000, 0, 0, 0},
        {0, 0, 0, 30000, 0, 0}, {0, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 120000, 1},
    };
    for (const auto& f : faelle) {
        Testfall t(2006, NRW, 300000);
        t.auswahl(17, f[0]);
        t.auswahl(3, f[1]);
        t.betrag(13, f[2]);
        t.betrag(14, f[3]);
        t.betrag(6, f[4]);
        t.kopf().Versorgungsbeginn = static_cast<std::int16_t>(f[5]);
        t.kopf().ErsterVollerMonatsbezug = cents(f[4]);
        t.rechne();
        testfall::Eingaben ein{f[0] + 1,    f[1],        2005 + f[5], cents(f[2]),
                               cents(f[3]), cents(f[4]), cents(f[4])};
        const Money lst = steuern(2006, 2, cents(300000 + f[4]), ein).lst;
        EXPECT_EQ(t.monat(8).Betrag[17], -lst.toInt32()) << f[0] << " " << f[1];
    }
    // Child allowances count halves; the age relief needs the 64th birthday before the year.
    const int alter[][6] = {{2004, 4, 3, 15000, 0, 2004}, {2004, 0, 0, 0, 1, 2004},
                            {2004, 1, 1, 5000, 0, 2004},  {2005, 1, 12, 60000, 1, 2005},
                            {2007, 3, 0, 0, 1, 2007},     {2005, 2, 0, 0, 0, 2004}};
    for (const auto& f : alter) {
        Testfall t(f[0], NRW, 300000);
        t.auswahl(1, f[1]);
        t.auswahl(28, f[2]);
        t.rechne();
        EXPECT_EQ(t.engine.ZKF, Money::raw(f[3])) << f[0] << " " << f[1];
        EXPECT_EQ(t.engine.Alter1, f[4]) << f[0] << " " << f[1];
        EXPECT_EQ(t.engine.AJAHR, f[5]) << f[0] << " " << f[1];
        EXPECT_EQ(t.engine.R, 1);
    }
}

TEST(PayrollNeuberechnung, ZweiterLaufAendertNichts) {
    Testfall t(2005, NRW, 300000);
    t.betrag(7, 500000, 4, 4);  // one-time payment in May
    t.auswahl(4, 1);
    t.rechne();
    const Arbeitsbereich nachErstemLauf = *t.bereich;
    t.rechne();
    EXPECT_TRUE(*t.bereich == nachErstemLauf);

    // A raise entered in August reaches May's annual wage in the first run already.
    t.betrag(5, 450000, 7);
    t.rechne();
    const Arbeitsbereich nachAenderung = *t.bereich;
    t.rechne();
    EXPECT_TRUE(*t.bereich == nachAenderung);
    EXPECT_EQ(t.monat(4).Kennwert[1], 7 * 300000 + 5 * 450000);

    // Recomputing from a later month leaves the earlier months alone; bad arguments do nothing.
    t.monat(1).Betrag[5] = 1;
    t.rechne(2);
    t.rechner.berechne(*t.bereich, 2008, 0, 0);
    t.rechner.berechne(*t.bereich, 2005, 10, 0);
    t.rechner.berechne(*t.bereich, 2005, 0, 12);
    EXPECT_EQ(t.monat(1).Betrag[12], nachAenderung.monat(1, 0, 1).Betrag[12]);
}

TEST(PayrollNeuberechnung, ExtremeEingabenBleibenDefiniert) {
    // Whatever a damaged data file holds, the calculation saturates instead of overflowing
    // (the sanitizer build turns any overflow here into a failure) and stays repeatable.
    constexpr std::int32_t hoch = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t tief = std::numeric_limits<std::int32_t>::min();
    // {amount, normal hours and days, hours and days worked, choice code}
    const std::int32_t faelle[][4] = {
        {hoch, 1, hoch, 2}, {tief, 1, hoch, 1}, {hoch, -1, 5, -1}, {tief, hoch, tief, 99}};
    for (int jahr = 2004; jahr <= 2007; ++jahr) {
        for (const auto& f : faelle) {
            Testfall t(jahr, NRW, f[0]);
            for (int z : {4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 25}) t.betrag(z, f[0]);
            for (int z : {0, 2}) t.betrag(z, f[1]);
            for (int z : {1, 3}) t.betrag(z, f[2]);
            for (int z : {1, 2, 3, 4, 17, 19, 20, 21, 22, 23, 24, 25, 28}) t.auswahl(z, f[3]);
            t.kopf().KvBbgRest.fill(f[0]);
            t.kopf().RvBbgRest.fill(f[0]);
            t.rechne();
            const Arbeitsbereich nachErstemLauf = *t.bereich;
            t.rechne();
            EXPECT_TRUE(*t.bereich == nachErstemLauf) << f[0] << " " << jahr;
        }
    }
}

}  // namespace
}  // namespace brelvanostik
