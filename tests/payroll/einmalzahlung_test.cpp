#include <gtest/gtest.h>

#include <algorithm>

#include "testfall.h"

namespace brelvanostik {
namespace {

using testfall::cents;
using testfall::Fall;
using testfall::Testfall;

constexpr int NRW = 9;
constexpr int MAI = 4, JUNI = 5;

// clang-format off
TEST(PayrollEinmalzahlung, VerbrauchtDieBisherNichtVerbeitragteGrenze) {
    // 3,000.00 a month in 2004, west: each month leaves 487.50 under the health ceiling and
    // 2,150.00 under the pension ceiling. Kennwert 19..21 health so far / used / left,
    // 22..24 the same for pension, 14..17 the contributions on the payment.
    const Fall faelle[] = {
        {"5,000.00 in May", 2004, NRW, 300000, {{'B', 7, 500000, MAI, MAI}},
         {{'K', MAI, 19, 243750}, {'K', MAI, 20, 243750}, {'K', MAI, 21, 0},
          {'k', MAI, 0, 0},  // raised from -1,950.00
          {'K', JUNI, 19, 243750},  // June sees January to April again
          {'K', MAI, 22, 1075000}, {'K', MAI, 23, 500000}, {'K', MAI, 24, 575000},
          {'r', MAI, 0, -285000}, {'K', JUNI, 22, 790000},
          {'K', MAI, 14, -17306}, {'K', MAI, 15, -2072}, {'K', MAI, 16, -48750},
          {'K', MAI, 17, -16250}, {'K', MAI, 18, 0}, {'B', MAI, 20, -21300 - 17306},
          {'K', MAI, 26, 800000}, {'K', MAI, 27, 300000 + 243750}, {'K', MAI, 28, 800000}}},
        {"1,000.00 in May", 2004, NRW, 300000, {{'B', 7, 100000, MAI, MAI}},
         {{'K', MAI, 19, 243750}, {'K', MAI, 20, 100000}, {'K', MAI, 21, 143750},
          {'k', MAI, 0, -51250}, {'K', JUNI, 19, 192500},
          {'K', MAI, 23, 100000}, {'K', MAI, 24, 975000}, {'r', MAI, 0, 115000},
          {'K', MAI, 14, -7100}, {'K', MAI, 15, -850}, {'K', MAI, 16, -9750}, {'K', MAI, 17, -3250}}},
        {"surcharges on it", 2004, NRW, 300000, {{'B', 7, 100000, MAI, MAI}, {'A', 24, 3}},
         {{'K', MAI, 18, -1150}}},
        {"no surcharge on it in the sliding zone status", 2004, NRW, 300000,
         {{'B', 7, 100000, MAI, MAI}, {'A', 24, 1}, {'A', 3, 3}}, {{'K', MAI, 18, 0}}},
        {"a one-time pension bears no contributions", 2004, NRW, 300000,
         {{'B', 8, 100000, MAI, MAI}}, {{'K', MAI, 20, 0}, {'K', MAI, 23, 0}, {'K', MAI, 14, 0}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollKirchensteuer, MindestkirchensteuerNurBeiLohnsteuerDesLaufendenLohns) {
    const Fall faelle[] = {
        {"code 3", 2004, NRW, 300000, {{'A', 19, 3}}, {{'B', MAI, 19, -15}, {'K', MAI, 8, -15}}},
        {"code 4", 2004, NRW, 300000, {{'A', 19, 4}}, {{'B', MAI, 19, -30}, {'K', MAI, 8, -30}}},
        {"not on top of a payment's tax", 2004, NRW, 300000,
         {{'A', 19, 4}, {'B', 7, 500000, MAI, MAI}}, {{'B', MAI, 19, -30}}},
        {"no wage tax on 800.00", 2004, NRW, 80000, {{'A', 19, 4}}, {{'B', MAI, 19, 0}}},
        {"a payment's tax does not count", 2004, NRW, 80000,
         {{'A', 19, 4}, {'B', 7, 500000, MAI, MAI}}, {{'B', MAI, 19, 0}, {'K', MAI, 8, 0}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}
// clang-format on

TEST(PayrollEinmalzahlung, SteuerAusZweiJahreslaeufen) {
    // Small pensions keep the pension allowance below its cap, so every euro of the annual
    // pension sum counts. {monthly pension, one-time payment, one-time pension} in May, and
    // 1,000.00 once more in June.
    const std::int32_t faelle[][3] = {{0, 500000, 0}, {10000, 0, 300000}, {10000, 200000, 300000}};
    const auto jahressteuer = [](std::int64_t lohn, std::int64_t versorgung) {
        testfall::Eingaben ein;
        ein.vbez = cents(versorgung);
        return testfall::steuern(2004, 1, cents(lohn), ein).lst;
    };
    for (const auto& f : faelle) {
        Testfall t(2004, NRW, 300000);
        t.betrag(6, f[0]);
        t.betrag(7, f[1], MAI, MAI);
        t.betrag(8, f[2], MAI, MAI);
        t.betrag(7, 100000, JUNI, JUNI);
        t.rechne();
        const std::int64_t monat = 300000 + f[0], einmal = f[1] + f[2];
        const Monatssatz& mai = t.monat(MAI);
        EXPECT_EQ(mai.Kennwert[0], 4 * monat);
        EXPECT_EQ(mai.Kennwert[1], 12 * monat);
        EXPECT_EQ(mai.Kennwert[2], 12 * monat + einmal);
        const Money differenz = jahressteuer(12 * monat + einmal, 12 * f[0] + f[2]) -
                                jahressteuer(12 * monat, 12 * f[0]);
        EXPECT_GT(differenz, Money());
        EXPECT_EQ(mai.Kennwert[6], -differenz.toInt32());
        EXPECT_EQ(mai.Betrag[17], mai.Kennwert[3] + mai.Kennwert[6]);

        // From June on May's payment is part of the pay so far and of both annual wages.
        const Monatssatz& juni = t.monat(JUNI);
        const std::int64_t jahr = 12 * monat + einmal, versorgung = 12 * f[0] + f[2];
        EXPECT_EQ(juni.Kennwert[0], 5 * monat + einmal);
        EXPECT_EQ(juni.Kennwert[1], jahr);
        EXPECT_EQ(
            juni.Kennwert[6],
            -(jahressteuer(jahr + 100000, versorgung) - jahressteuer(jahr, versorgung)).toInt32());

        // A month without a payment: both annual wages alike, nothing taxed or levied on it.
        const Monatssatz& april = t.monat(3);
        EXPECT_EQ(april.Kennwert[1], april.Kennwert[2]);
        for (int z : {6, 7, 8, 14, 15, 16, 17, 18, 20, 23}) EXPECT_EQ(april.Kennwert[z], 0) << z;
    }
}

}  // namespace
}  // namespace brelvanostik
