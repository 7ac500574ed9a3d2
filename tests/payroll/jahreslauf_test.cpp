// What the month calculation takes from annual runs of the wage tax: the tax on one-time
// payments, and December's adjustment of the whole year.
#include <gtest/gtest.h>

#include "testfall.h"

namespace brelvanostik {
namespace {

using testfall::Eingabe;
using testfall::Fall;
using testfall::Testfall;

constexpr int MAI = 4, JUNI = 5, DEZEMBER = 11;

/// A one-time payment (row 7) or one-time pension (row 8) in one month.
Eingabe einmal(std::int32_t betrag, int monat = MAI, int zeile = 7) {
    return {'B', zeile, betrag, monat, monat};
}

// clang-format off
TEST(PayrollEinmalzahlung, SteuerAusZweiJahreslaeufenBeitraegeBisZurNichtVerbrauchtenGrenze) {
    // 3,000.00 a month in 2004, west. Kennwert 0 the pay so far, 1 and 2 the annual wage
    // expected without and with the month's payments, 6 the wage tax on them. Each month
    // leaves 487.50 under the health ceiling and 2,150.00 under the pension ceiling; Kennwert
    // 19..21 health so far / used / left, 22..24 the same for pension, 14..18 the
    // contributions on the payment.
    const Fall faelle[] = {
        {"5,000.00 in May, 1,000.00 in June", {einmal(500000), einmal(100000, JUNI)},
         {{'K', MAI, 0, 1200000}, {'K', MAI, 1, 3600000}, {'K', MAI, 2, 4100000},
          {'K', MAI, 6, -180900}, {'B', MAI, 17, -58283 - 180900}, {'K', JUNI, 0, 2000000},
          {'K', JUNI, 1, 4100000}, {'K', JUNI, 2, 4200000}, {'K', JUNI, 6, -37800},
          {'K', MAI, 19, 243750}, {'K', MAI, 20, 243750}, {'K', MAI, 21, 0},
          {'k', MAI, 0, 0},  // raised from -1,950.00
          {'K', JUNI, 19, 243750},  // June sees January to April again
          {'K', MAI, 22, 1075000}, {'K', MAI, 23, 500000}, {'K', MAI, 24, 575000},
          {'r', MAI, 0, -285000}, {'K', JUNI, 22, 790000},
          {'K', MAI, 14, -17306}, {'K', MAI, 15, -2072}, {'K', MAI, 16, -48750},
          {'K', MAI, 17, -16250}, {'K', MAI, 18, 0}, {'B', MAI, 20, -21300 - 17306},
          {'K', MAI, 26, 800000}, {'K', MAI, 27, 300000 + 243750}, {'K', MAI, 28, 800000},
          // April, without a payment: both annual wages alike, nothing taxed or levied on it.
          {'K', 3, 2, 3600000}, {'K', 3, 6, 0}, {'K', 3, 14, 0}, {'K', 3, 16, 0}}},
        {"1,000.00 in May", {einmal(100000)},
         {{'K', MAI, 19, 243750}, {'K', MAI, 20, 100000}, {'K', MAI, 21, 143750},
          {'k', MAI, 0, -51250}, {'K', JUNI, 19, 192500},
          {'K', MAI, 23, 100000}, {'K', MAI, 24, 975000}, {'r', MAI, 0, 115000},
          {'K', MAI, 14, -7100}, {'K', MAI, 15, -850}, {'K', MAI, 16, -9750}, {'K', MAI, 17, -3250}}},
        {"surcharges on it", {einmal(100000), {'A', 24, 3}}, {{'K', MAI, 18, -1150}}},
        {"none in the sliding zone status", {einmal(100000), {'A', 24, 1}, {'A', 3, 3}},
         {{'K', MAI, 18, 0}}},
        // Small pensions keep the pension allowance below its cap: every euro of them counts.
        {"a one-time pension: taxed, no contributions", {{'B', 6, 10000}, einmal(300000, MAI, 8)},
         {{'K', MAI, 2, 4020000}, {'K', MAI, 6, -64200}, {'K', MAI, 20, 0}, {'K', MAI, 23, 0},
          {'K', MAI, 14, 0}}},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollKirchensteuer, MindestkirchensteuerNurBeiLohnsteuerDesLaufendenLohns) {
    const Fall faelle[] = {
        {"code 3", {{'A', 19, 3}}, {{'B', MAI, 19, -15}, {'K', MAI, 8, -15}}},
        {"code 4", {{'A', 19, 4}}, {{'B', MAI, 19, -30}, {'K', MAI, 8, -30}}},
        {"not on top of a payment's tax", {{'A', 19, 4}, einmal(500000)}, {{'B', MAI, 19, -30}}},
        {"no wage tax on 800.00", {{'A', 19, 4}}, {{'B', MAI, 19, 0}}, 2004, 9, 80000},
        {"a payment's tax does not count", {{'A', 19, 4}, einmal(500000)},
         {{'B', MAI, 19, 0}, {'K', MAI, 8, 0}}, 2004, 9, 80000},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollJahresausgleich, DezemberTraegtDieJahressteuerAbzueglichDesEinbehaltenen) {
    // 2,000.00 a month in 2004 with the December adjustment: the year's withholding ('J') adds
    // up to the tax on the annual wage. The minimum church tax is monthly: nothing of it is
    // refunded in December.
    const auto mit = [](int kirche, std::vector<Eingabe> mehr) {
        mehr.insert(mehr.end(), {{'A', 4, 1}, {'A', 19, kirche}});
        return mehr;
    };
    const Eingabe erhoehung = {'B', 5, 400000, 6};  // from July
    const Fall faelle[] = {
        {"a raise", mit(2, {erhoehung}),
         {{'J', 0, 17, -699400}, {'J', 0, 18, -38467}, {'J', 0, 19, -62946}, {'A', DEZEMBER, 4, 1}},
         2004, 9, 200000},
        {"a payment in December", mit(2, {einmal(500000, DEZEMBER)}),
         // The year's tax is 4 cents more than was withheld: no refund, December keeps its own.
         {{'J', 0, 17, -468596}, {'J', 0, 18, -25763}, {'J', 0, 19, -42162}}, 2004, 9, 200000},
        {"pensions", mit(2, {{'B', 6, 10000}, einmal(300000, 2, 8)}),
         {{'J', 0, 17, -393000}, {'J', 0, 18, -21612}, {'J', 0, 19, -35364}}, 2004, 9, 200000},
        {"minimum church tax 0.15", mit(3, {erhoehung}),
         {{'B', DEZEMBER, 19, -15}, {'J', 0, 19, -12 * 15}}, 2004, 9, 200000},
        {"minimum church tax 0.30", mit(4, {erhoehung}),
         {{'B', DEZEMBER, 19, -30}, {'J', 0, 19, -12 * 30}}, 2004, 9, 200000},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}
// clang-format on

// A part month anywhere in the year refuses the adjustment, December's own included.
TEST(PayrollEinmalzahlung, VeroeffentlichteBeispiele) {
    using namespace kennwert;
    constexpr int NOVEMBER = 10;
    // clang-format off
    const Fall faelle[] = {
        // Surcharge and church tax are 5.5 % and 9 % of the payment's wage tax, cut to cents.
        {"2007 NRW, class III, 2 children, 9 %: 5,000.00 in November",
         {{'A', zeile::Steuerklasse, wahl::klasse::III}, {'A', zeile::Kinderfreibetraege, 4},
          {'A', zeile::Kirchensteuer, wahl::kirche::Neun}, einmal(500000, NOVEMBER)},
         {{'K', NOVEMBER, LohnsteuerEinmal, -134800}, {'K', NOVEMBER, SoliEinmal, -7414},
          {'K', NOVEMBER, KirchensteuerEinmal, -12132}}, 2007, 9, 300000},
        // The annual runs take the year's allowance, twelve times 300.00.
        {"2007, 300.00 allowance a month, 10,000.00 in June",
         {{'B', zeile::Freibetrag, 30000}, einmal(1000000, JUNI)},
         {{'K', JUNI, LohnsteuerEinmal, -326600}}, 2007, 9, 300000},
        // Contributions round a half cent up.
        {"2005, 0.9 % on 3,525.00", {{'A', zeile::Zusatzbeitrag, wahl::zusatz::Zahnersatz}},
         {{'B', 0, zeile::Zusatzbeitrag, -3173}}, 2005, 9, 352500},
        {"2007, 2.1 % on 3,525.00", {}, {{'B', 0, zeile::Arbeitslosenversicherung, -7403}},
         2007, 9, 352500},
        {"2007 sliding zone, Bayern, 450.00",
         {{'A', zeile::SvStatus, wahl::sv::Gleitzone}, {'B', zeile::KvSatz, 1450},
          {'A', zeile::Krankenversicherung, wahl::vers::Gleitzone},
          {'A', zeile::Pflegeversicherung, wahl::vers::Gleitzone},
          {'A', zeile::Rentenversicherung, wahl::vers::Gleitzone},
          {'A', zeile::Arbeitslosenversicherung, wahl::alv::Gleitzone}},
         {{'B', 0, zeile::Krankenversicherung, -2081}, {'B', 0, zeile::Rentenversicherung, -2856},
          {'B', 0, zeile::Auszahlung, 39217}}, 2007, 1, 45000},
    };
    // clang-format on
    for (const Fall& f : faelle) testfall::pruefe(f);
}

TEST(PayrollJahresausgleich, AbgelehntMitGrund) {
    using H = Ausgleichshindernis;
    const struct {
        const char* was;
        std::vector<Eingabe> eingaben;
        Ausgleichshindernis grund;
    } faelle[] = {
        {"29 of 30 days in June", {{'B', zeile::Tage, 2900, JUNI, JUNI}}, H::Teilmonat},
        {"December a part month", {{'B', zeile::Tage, 1500, DEZEMBER, DEZEMBER}}, H::Teilmonat},
        {"class V", {{'A', zeile::Steuerklasse, wahl::klasse::V}}, H::KlasseVoderVI},
        {"class VI in March",
         {{'A', zeile::Steuerklasse, wahl::klasse::VI, 2, 2}},
         H::KlasseVoderVI},
        {"class III from July",
         {{'A', zeile::Steuerklasse, wahl::klasse::III, 6}},
         H::Klassenwechsel},
        {"an allowance in April", {{'B', zeile::Freibetrag, 10000, 3, 3}}, H::Steuerkarte},
        {"an amount to add", {{'B', zeile::Hinzurechnung, 10000}}, H::Steuerkarte},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        Testfall t(2004, 9, 300000);
        t.aendere({'A', zeile::Jahresausgleich, wahl::ausgleich::Mit});
        for (const Eingabe& e : f.eingaben) t.aendere(e);
        EXPECT_EQ(t.rechne(), f.grund);
        for (int m = 0; m < kMonate; ++m) EXPECT_EQ(t.monat(m).Auswahl[zeile::Jahresausgleich], 0);
        const Monatssatz& d = t.monat(DEZEMBER);
        EXPECT_EQ(d.Betrag[zeile::Lohnsteuer],
                  d.Kennwert[kennwert::LohnsteuerLaufend] + d.Kennwert[kennwert::LohnsteuerEinmal]);

        // The choice is off now: the next run computes without it and reports nothing.
        const Arbeitsbereich vorher = *t.bereich;
        EXPECT_EQ(t.rechne(), H::Keines);
        EXPECT_TRUE(*t.bereich == vorher);
    }
}

}  // namespace
}  // namespace brelvanostik
