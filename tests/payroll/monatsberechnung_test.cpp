#include <gtest/gtest.h>

#include <cstdint>

#include "testfall.h"

namespace brelvanostik {
namespace {

using testfall::Fall;
using testfall::Testfall;

enum {
    BW = 0,
    BY = 1,
    BERLIN = 2,
    BRANDENBURG = 3,
    HE = 6,
    MV = 7,
    NRW = 9,
    SN = 12,
    ST = 13,
    TH = 15
};

// clang-format off
TEST(PayrollQuoten, StundenUndTageJeKennzeichen) {
    // April of 3,000.00 a month: 'S'/'T' the salary's hours and days share, rows 11/12 their sums.
    const Fall faelle[] = {
        {"20 of 40 hours", {{'B', 1, 2000}},
         {{'S', 3, 5, 150000}, {'T', 3, 5, 150000}, {'B', 3, 10, 300000}, {'B', 3, 11, 150000},
          {'B', 3, 12, 150000}, {'K', 3, 29, 150000}}},
        {"hours, row 5 left out", {{'B', 1, 2000}, {'H', 5, 0}},
         {{'S', 3, 5, 300000}, {'T', 3, 5, 300000}, {'B', 3, 11, 300000}}},
        {"15 of 30 days", {{'B', 3, 1500}},
         {{'S', 3, 5, 300000}, {'T', 3, 5, 150000}, {'B', 3, 11, 300000}, {'B', 3, 12, 150000}}},
        {"days, row 5 left out", {{'B', 3, 1500}, {'D', 5, 0}},
         {{'T', 3, 5, 300000}, {'B', 3, 12, 300000}}},
        {"no hours: both ratios 0", {{'B', 1, 0}}, {{'S', 3, 5, 0}, {'T', 3, 5, 0}, {'B', 3, 17, 0}}},
        {"no normal days", {{'B', 2, 0}}, {{'S', 3, 5, 300000}, {'T', 3, 5, 0}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollEntgelt, SparartenUndSonderzeilen) {
    // March of 3,000.00, 100.00 saved: Kennwert 29 taxable, 27 liable to health, 1 the annual
    // wage; row 20 the health contribution, 26 the payout.
    const Fall faelle[] = {
        {"conversion free of tax and SV", {{'A', 25, 0}, {'B', 25, -10000}},
         {{'K', 2, 29, 290000}, {'K', 2, 27, 290000}, {'K', 2, 1, 3480000}, {'B', 2, 20, -20590}}},
        {"conversion free of tax", {{'A', 25, 1}, {'B', 25, -10000}},
         {{'K', 2, 29, 290000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3480000}, {'B', 2, 20, -21300}}},
        {"conversion free of SV", {{'A', 25, 2}, {'B', 25, -10000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 290000}, {'K', 2, 1, 3600000}, {'B', 2, 20, -20590}}},
        {"Riester: out of the payout only", {{'A', 25, 3}, {'B', 25, -10000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3600000}, {'B', 2, 26, 165662}}},
        {"retention", {{'A', 25, 7}, {'B', 25, -10000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3600000}}},
        {"pension: tax, no contributions", {{'B', 6, 50000}},
         {{'K', 2, 29, 350000}, {'K', 2, 27, 300000}, {'K', 2, 1, 4200000}}},
        {"row 15: annual wages only", {{'B', 15, 20000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 300000}, {'K', 2, 1, 3840000}}},
        {"row 16: contributions only", {{'B', 16, 20000}},
         {{'K', 2, 29, 300000}, {'K', 2, 27, 320000}, {'K', 2, 1, 3600000}, {'B', 2, 20, -22720}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollBeitraege, ZweigeUndCodes) {
    // 2,500.00 in 2004, health rate 14.90 %: {row, code, contribution}.
    const std::int32_t faelle[][3] = {
        {20, 0, -18625}, {20, 1, 18625}, {20, 3, 0}, {21, 0, -2125}, {21, 1, 2125}, {21, 3, 0},
        {21, 4, -3375}, {21, 5, 875}, {22, 0, -24375}, {22, 1, 24375}, {22, 3, 0}, {23, 0, -8125},
        {23, 2, 0}, {24, 1, -2250}, {24, 2, -625}, {24, 3, -2875},
    };
    for (const auto& f : faelle) {
        testfall::pruefe({"branch", {{'B', 4, 1490}, {'A', f[0], f[1]}}, {{'B', 0, f[0], f[2]}},
                          2004, NRW, 250000});
    }
}

TEST(PayrollBeitraege, GleitzoneInAllenZweigen) {
    // 600.00 in 2005 (August), every branch in the sliding zone, dental surcharge 0.9 %.
    const auto zone = [](std::vector<testfall::Eingabe> mehr) {
        mehr.insert(mehr.end(), {{'A', 3, 3}, {'A', 20, 2}, {'A', 21, 2}, {'A', 22, 2},
                                 {'A', 23, 1}, {'A', 24, 1}});
        return mehr;
    };
    const Fall faelle[] = {
        {"reduced pay 519.04", zone({}),
         {{'B', 7, 20, -3110}, {'B', 7, 21, -372}, {'B', 7, 22, -4272}, {'B', 7, 23, -1424},
          {'B', 7, 24, -467}}, 2005, NRW, 60000},
        {"a retention leaves the zone pay", zone({{'A', 25, 7}, {'B', 25, -10000}}),
         {{'B', 7, 20, -3110}, {'B', 7, 24, -467}}, 2005, NRW, 60000},
        {"other savings lower it: 378.56", zone({{'B', 25, -10000}}),
         {{'B', 7, 20, -1826}, {'B', 7, 21, -219}, {'B', 7, 22, -2507}, {'B', 7, 23, -835},
          {'B', 7, 24, -341}}, 2005, NRW, 60000},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollBeitraege, BemessungsgrenzenJeGebiet) {
    // 6,000.00 a month: Kennwert 27/28 the pay within the health and the pension ceiling, rows
    // 21..23 care, pension, unemployment. Every year in both areas, every eastern state once.
    const Fall faelle[] = {
        {"Saxony 2004", {}, {{'K', 0, 27, 348750}, {'K', 0, 28, 435000}}, 2004, SN, 600000},
        {"Hesse 2005", {}, {{'K', 0, 27, 352500}, {'K', 0, 28, 520000}}, 2005, HE, 600000},
        {"Mecklenburg 2005", {}, {{'K', 0, 27, 352500}, {'K', 0, 28, 440000}}, 2005, MV, 600000},
        {"Bavaria 2006", {},
         {{'K', 0, 27, 356250}, {'K', 0, 28, 525000}, {'B', 0, 21, -3028}, {'B', 0, 22, -51188},
          {'B', 0, 23, -17063}}, 2006, BY, 600000},
        {"Saxony-Anhalt 2006", {}, {{'K', 0, 27, 356250}, {'K', 0, 28, 440000}}, 2006, ST, 600000},
        {"Thuringia 2007", {}, {{'K', 0, 27, 356250}, {'K', 0, 28, 455000}}, 2007, TH, 600000},
        {"Baden-Wuerttemberg 2007", {}, {{'K', 0, 28, 525000}}, 2007, BW, 600000},
        {"Berlin is west", {},
         {{'K', 0, 27, 348750}, {'K', 0, 28, 515000}, {'B', 0, 22, -50213}, {'B', 0, 23, -16738},
          {'k', 0, 0, 0}, {'r', 0, 0, 0}}, 2004, BERLIN, 600000},
        // The eastern ceiling of 2007 is 4,550.00; 452.725 rounds up.
        {"Brandenburg 2007", {}, {{'K', 0, 28, 455000}, {'B', 0, 22, -45273}, {'B', 0, 23, -9555}},
         2007, BRANDENBURG, 500000},
        {"east from July", {{'A', 2, BRANDENBURG, 6}},
         {{'K', 5, 28, 515000}, {'K', 6, 28, 435000}, {'B', 6, 22, -42413}}, 2004, BERLIN, 600000},
        {"half month, half ceilings", {{'B', 3, 1500}},
         {{'K', 0, 27, 174375}, {'K', 0, 28, 257500}, {'B', 0, 22, -25106}, {'k', 0, 0, 0}},
         2004, BERLIN, 600000},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollLohnsteuer, TeilmonatUndEingabenDesMonats) {
    // 3,000.00 in 2006, 9 % church tax: May's wage tax, surcharge, church tax. 15 of 30 days
    // bear half the tax on 3,000.00, not the tax on 1,500.00; more days than normal are no
    // part month: 3,100.00 is taxed as it is.
    const auto tage = [](std::int32_t t) {
        return std::vector<testfall::Eingabe>{{'A', 19, 2}, {'B', 3, t, 4, 4}};
    };
    const Fall faelle[] = {
        {"full month", tage(3000), {{'B', 4, 17, -55708}, {'B', 4, 18, -3063}, {'B', 4, 19, -5013}},
         2006},
        {"15 of 30 days", tage(1500),
         {{'B', 4, 17, -27854}, {'B', 4, 18, -1532}, {'B', 4, 19, -2506}, {'K', 4, 29, 150000}},
         2006},
        {"31 of 30 days", tage(3100),
         {{'B', 4, 17, -60932}, {'B', 4, 18, -3351}, {'B', 4, 19, -5483}, {'K', 4, 29, 310000}},
         2006},
        {"no days", tage(0), {{'B', 4, 17, 0}, {'B', 4, 18, 0}, {'B', 4, 19, 0}}, 2006},
        // Each further case one input of the month's run; September's wage tax.
        {"class III", {{'A', 17, 2}}, {{'B', 8, 17, -27016}}, 2006},
        {"class V", {{'A', 17, 4}}, {{'B', 8, 17, -96850}}, 2006},
        {"tax-card allowance", {{'B', 13, 50000}}, {{'B', 8, 17, -39841}}, 2006},
        {"amount to add", {{'B', 14, 30000}}, {{'B', 8, 17, -65883}}, 2006},
        {"no pension insurance", {{'A', 3, 1}}, {{'B', 8, 17, -58050}}, 2006},
        {"pension from 2006", {{'B', 6, 120000}, {'V', 1, 120000}}, {{'B', 8, 17, -86091}}, 2006},
        // Child allowances count halves (9 % church tax); the age relief needs the 64th
        // birthday before the year, and its cap falls with the year after it.
        {"1.5 child allowances", {{'A', 28, 3}, {'A', 19, 2}},
         {{'B', 8, 18, -1907}, {'B', 8, 19, -3120}}},
        {"born before 1940", {{'A', 1, 0}}, {{'B', 8, 17, -52825}}},
        {"born 1940: not in 2004", {{'A', 1, 1}}, {{'B', 8, 17, -58283}}},
        {"born 1940: in 2005", {{'A', 1, 1}}, {{'B', 8, 17, -51016}}, 2005},
        {"born 1941: not in 2005", {{'A', 1, 2}}, {{'B', 8, 17, -56100}}, 2005},
        {"born 1942: in 2007", {{'A', 1, 3}}, {{'B', 8, 17, -50641}}, 2007},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}
// clang-format on

TEST(PayrollNeuberechnung, ZweiterLaufAendertNichts) {
    const auto zweimal = [](Testfall& t) {
        t.rechne();
        const Arbeitsbereich nachErstemLauf = *t.bereich;
        t.rechne();
        return *t.bereich == nachErstemLauf;
    };
    Testfall t(2005, NRW, 300000);
    t.aendere({'B', 7, 500000, 4, 4});  // one-time payment in May
    t.aendere({'A', 4, 1});
    EXPECT_TRUE(zweimal(t));
    // A raise entered in August reaches May's annual wage in the first run already.
    t.aendere({'B', 5, 450000, 7});
    EXPECT_TRUE(zweimal(t));
    EXPECT_EQ(t.monat(4).Kennwert[1], 7 * 300000 + 5 * 450000);

    // Recomputing from a later month leaves the earlier months alone; bad arguments do nothing.
    const std::int32_t februar = t.monat(1).Betrag[12];
    t.monat(1).Betrag[5] = 1;
    t.rechne(2);
    t.monatsberechnung.berechne(*t.bereich, 2008, 0, 0);
    t.monatsberechnung.berechne(*t.bereich, 2005, 10, 0);
    t.monatsberechnung.berechne(*t.bereich, 2005, 0, 12);
    EXPECT_EQ(t.monat(1).Betrag[12], februar);

    // Whatever a damaged data file holds, the calculation saturates instead of overflowing
    // (the sanitizer build turns any overflow into a failure) and stays repeatable.
    // {amount, normal hours and days, hours and days worked, choice code}
    const std::int32_t extrem[][4] = {{INT32_MAX, 1, INT32_MAX, 2},
                                      {INT32_MIN, 1, INT32_MAX, 1},
                                      {INT32_MAX, -1, 5, -1},
                                      {INT32_MIN, INT32_MAX, INT32_MIN, 99}};
    for (int jahr = 2004; jahr <= 2007; ++jahr) {
        for (const auto& f : extrem) {
            Testfall x(jahr, NRW, f[0]);
            for (int z : {4, 5, 6, 7, 8, 9, 13, 14, 15, 16, 25}) x.aendere({'B', z, f[0]});
            for (int z : {0, 1, 2, 3}) x.aendere({'B', z, f[1 + z % 2]});
            for (int z : {1, 2, 3, 4, 17, 19, 20, 21, 22, 23, 24, 25, 28})
                x.aendere({'A', z, f[3]});
            x.kopf().KvBbgRest.fill(f[0]);
            x.kopf().RvBbgRest.fill(f[0]);
            EXPECT_TRUE(zweimal(x)) << f[0] << " " << jahr;
        }
    }
}

}  // namespace
}  // namespace brelvanostik
