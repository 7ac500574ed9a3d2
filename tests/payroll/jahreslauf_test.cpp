// One-time payments against the ceilings the year has left, pensions in the annual runs, and
// the December adjustment's refusals; the random comparison holds the taxes of these.
#include <gtest/gtest.h>

#include "testfall.h"

namespace brelvanostik {
namespace {

using namespace testfall;
using namespace zeile;
using namespace kennwert;
using testfall::Fall;

/// A one-time payment, or a one-time pension, in one month.
Eingabe einmal(std::int32_t betrag, int monat = Mai, int zeile = EinmaligerBezug) {
    return {'B', zeile, betrag, monat, monat};
}

// clang-format off
TEST(PayrollJahreslauf, EinmalzahlungenBisZurGrenzeUndVersorgung) {
    // 3,000.00 a month in 2004, west: each month leaves 487.50 under the health ceiling and
    // 2,150.00 under the pension ceiling.
    pruefe({
        {"5,000.00 in May, 1,000.00 in June", {einmal(500000), einmal(100000, Jun)},
         {{Mai, SteuerpflichtigBisher, 1200000}, {Jun, SteuerpflichtigBisher, 2000000},
          {Mai, KvBbgOffen, 243750}, {Mai, KvBbgGenutzt, 243750},
          {Mai, KvBbgUebrig, 0}, {'k', Mai, 0, 0},  // raised from -1,950.00
          {Jun, KvBbgOffen, 243750},  // June sees January to April again
          {Mai, RvBbgOffen, 1075000}, {Mai, RvBbgGenutzt, 500000}, {Mai, RvBbgUebrig, 575000},
          {'r', Mai, 0, -285000}, {Jun, RvBbgOffen, 790000}, {Mai, KvEinmal, -17306},
          {Mai, PvEinmal, -2072}, {Mai, RvEinmal, -48750}, {Mai, AvEinmal, -16250},
          {Mai, SvEntgelt, 800000}, {Mai, KvEntgelt, 300000 + 243750}, {Mai, RvEntgelt, 800000}}},
        {"1,000.00 in May", {einmal(100000)},
         {{Mai, KvBbgOffen, 243750}, {Mai, KvBbgGenutzt, 100000}, {Mai, KvBbgUebrig, 143750},
          {'k', Mai, 0, -51250}, {Jun, KvBbgOffen, 192500}, {Mai, RvBbgGenutzt, 100000},
          {Mai, RvBbgUebrig, 975000}, {'r', Mai, 0, 115000}}},
        {"surcharges on it", {einmal(100000), {'A', Zusatzbeitrag, wahl::zusatz::KvUndPv}},
         {{Mai, ZusatzEinmal, -1150}}},
        {"none in the sliding zone status",
         {einmal(100000), {'A', Zusatzbeitrag, wahl::zusatz::Zahnersatz},
          {'A', SvStatus, wahl::sv::Gleitzone}},
         {{Mai, ZusatzEinmal, 0}}},
        {"a one-time pension: no contributions",
         {{'B', Versorgungsbezug, 10000}, einmal(300000, Mai, EinmaligerVersorgungsbezug)},
         {{Mai, KvBbgGenutzt, 0}, {Mai, RvBbgGenutzt, 0}, {Mai, KvEinmal, 0}}},
        // A pension of 1,500.00 a month from April 2007, no salary, the December adjustment on:
        // the allowance and its supplement of nine months on nine months' pensions; December
        // pays back what the monthly tax took on a full year's projection.
        {"a pension starting in April 2007",
         {{'B', Versorgungsbezug, 150000, Apr}, {'V', wahl::beginn::Im2007, 150000},
          {'A', Jahresausgleich, wahl::ausgleich::Mit}},
         {{Jan, Lohnsteuer, 0}, {Apr, Lohnsteuer, -6366}, {Nov, Lohnsteuer, -6366},
          {Dez, Lohnsteuer, 39728}}, 2007, wahl::land::NordrheinWestfalen, 0},
    });
}

TEST(PayrollEinmalzahlung, VeroeffentlichteBeispiele) {
    const int nrw = wahl::land::NordrheinWestfalen;
    pruefe({
        // Surcharge and church tax are 5.5 % and 9 % of the payment's wage tax, cut to cents.
        {"2007 NRW, class III, 2 children, 9 %: 5,000.00 in November",
         {{'A', Steuerklasse, wahl::klasse::III}, {'A', Kinderfreibetraege, 4},
          {'A', Kirchensteuer, wahl::kirche::Neun}, einmal(500000, Nov)},
         {{Nov, LohnsteuerEinmal, -134800}, {Nov, SoliEinmal, -7414},
          {Nov, KirchensteuerEinmal, -12132}}, 2007, nrw, 300000},
        // The annual runs take the year's allowance, twelve times 300.00.
        {"2007, 300.00 allowance a month, 10,000.00 in June",
         {{'B', Freibetrag, 30000}, einmal(1000000, Jun)},
         {{Jun, LohnsteuerEinmal, -326600}}, 2007, nrw, 300000},
        // Contributions round a half cent up.
        {"2005, 0.9 % on 3,525.00", {{'A', Zusatzbeitrag, wahl::zusatz::Zahnersatz}},
         {{Jan, Zusatzbeitrag, -3173}}, 2005, nrw, 352500},
        {"2007, 2.1 % on 3,525.00", {}, {{Jan, Arbeitslosenversicherung, -7403}},
         2007, nrw, 352500},
        {"2007 sliding zone, Bayern, 450.00",
         {{'A', SvStatus, wahl::sv::Gleitzone}, {'B', KvSatz, 1450},
          {'A', Krankenversicherung, wahl::vers::Gleitzone},
          {'A', Pflegeversicherung, wahl::vers::Gleitzone},
          {'A', Rentenversicherung, wahl::vers::Gleitzone},
          {'A', Arbeitslosenversicherung, wahl::alv::Gleitzone}},
         {{Jan, Krankenversicherung, -2081}, {Jan, Rentenversicherung, -2856},
          {Jan, Auszahlung, 39217}}, 2007, wahl::land::Bayern, 45000},
    });
}
// clang-format on

// A part month anywhere in the year refuses the adjustment, December's own included.
TEST(PayrollJahresausgleich, AbgelehntMitGrund) {
    using H = Ausgleichshindernis;
    using namespace wahl::klasse;
    const struct {
        const char* was;
        std::vector<Eingabe> eingaben;
        Ausgleichshindernis grund;
    } faelle[] = {
        {"29 of 30 days in June", {{'B', Tage, 2900, Jun, Jun}}, H::Teilmonat},
        {"December a part month", {{'B', Tage, 1500, Dez, Dez}}, H::Teilmonat},
        {"class V", {{'A', Steuerklasse, V}}, H::KlasseVoderVI},
        {"class VI in March", {{'A', Steuerklasse, VI, Mar, Mar}}, H::KlasseVoderVI},
        {"class III from July", {{'A', Steuerklasse, III, Jul}}, H::Klassenwechsel},
        {"an allowance in April", {{'B', Freibetrag, 10000, Apr, Apr}}, H::Steuerkarte},
        {"an amount to add", {{'B', Hinzurechnung, 10000}}, H::Steuerkarte},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        Testfall t(2004, wahl::land::NordrheinWestfalen, 300000);
        t.aendere({'A', Jahresausgleich, wahl::ausgleich::Mit});
        for (const Eingabe& e : f.eingaben) t.aendere(e);
        EXPECT_EQ(t.rechne(), f.grund);
        for (int m = Jan; m <= Dez; ++m) EXPECT_EQ(t.monat(m).Auswahl[Jahresausgleich], 0);
        const Monatssatz& d = t.monat(Dez);
        EXPECT_EQ(d.Betrag[Lohnsteuer],
                  d.Kennwert[LohnsteuerLaufend] + d.Kennwert[LohnsteuerEinmal]);

        // The choice is off now: the next run computes without it and reports nothing.
        const Arbeitsbereich vorher = *t.bereich;
        EXPECT_EQ(t.rechne(), H::Keines);
        EXPECT_TRUE(*t.bereich == vorher);
    }
}

}  // namespace
}  // namespace brelvanostik
