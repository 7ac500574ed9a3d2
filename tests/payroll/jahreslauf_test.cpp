// What the month calculation takes from annual runs of the wage tax: the tax on one-time
// payments, and December's adjustment of the whole year.
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
TEST(PayrollEinmalzahlung, SteuerAusZweiJahreslaeufenBeitraegeBisZurNichtVerbrauchtenGrenze) {
    // 3,000.00 a month in 2004, west. Each month leaves 487.50 under the health ceiling and
    // 2,150.00 under the pension ceiling.
    pruefe({
        {"5,000.00 in May, 1,000.00 in June", {einmal(500000), einmal(100000, Jun)},
         {{Mai, SteuerpflichtigBisher, 1200000}, {Mai, JahreslohnOhneEinmal, 3600000},
          {Mai, JahreslohnMitEinmal, 4100000}, {Mai, LohnsteuerEinmal, -180900},
          {Mai, Lohnsteuer, -58283 - 180900}, {Jun, SteuerpflichtigBisher, 2000000},
          {Jun, JahreslohnOhneEinmal, 4100000}, {Jun, JahreslohnMitEinmal, 4200000},
          {Jun, LohnsteuerEinmal, -37800}, {Mai, KvBbgOffen, 243750}, {Mai, KvBbgGenutzt, 243750},
          {Mai, KvBbgUebrig, 0}, {'k', Mai, 0, 0},  // raised from -1,950.00
          {Jun, KvBbgOffen, 243750},  // June sees January to April again
          {Mai, RvBbgOffen, 1075000}, {Mai, RvBbgGenutzt, 500000}, {Mai, RvBbgUebrig, 575000},
          {'r', Mai, 0, -285000}, {Jun, RvBbgOffen, 790000}, {Mai, KvEinmal, -17306},
          {Mai, PvEinmal, -2072}, {Mai, RvEinmal, -48750}, {Mai, AvEinmal, -16250},
          {Mai, ZusatzEinmal, 0}, {Mai, Krankenversicherung, -21300 - 17306},
          {Mai, SvEntgelt, 800000}, {Mai, KvEntgelt, 300000 + 243750}, {Mai, RvEntgelt, 800000},
          // April, without a payment: both annual wages alike, nothing taxed or levied on it.
          {Apr, JahreslohnMitEinmal, 3600000}, {Apr, LohnsteuerEinmal, 0}, {Apr, KvEinmal, 0},
          {Apr, RvEinmal, 0}}},
        {"1,000.00 in May", {einmal(100000)},
         {{Mai, KvBbgOffen, 243750}, {Mai, KvBbgGenutzt, 100000}, {Mai, KvBbgUebrig, 143750},
          {'k', Mai, 0, -51250}, {Jun, KvBbgOffen, 192500}, {Mai, RvBbgGenutzt, 100000},
          {Mai, RvBbgUebrig, 975000}, {'r', Mai, 0, 115000}, {Mai, KvEinmal, -7100},
          {Mai, PvEinmal, -850}, {Mai, RvEinmal, -9750}, {Mai, AvEinmal, -3250}}},
        {"surcharges on it", {einmal(100000), {'A', Zusatzbeitrag, wahl::zusatz::KvUndPv}},
         {{Mai, ZusatzEinmal, -1150}}},
        {"none in the sliding zone status",
         {einmal(100000), {'A', Zusatzbeitrag, wahl::zusatz::Zahnersatz},
          {'A', SvStatus, wahl::sv::Gleitzone}},
         {{Mai, ZusatzEinmal, 0}}},
        // Small pensions keep the pension allowance below its cap: every euro of them counts.
        {"a one-time pension: taxed, no contributions",
         {{'B', Versorgungsbezug, 10000}, einmal(300000, Mai, EinmaligerVersorgungsbezug)},
         {{Mai, JahreslohnMitEinmal, 4020000}, {Mai, LohnsteuerEinmal, -64200},
          {Mai, KvBbgGenutzt, 0}, {Mai, RvBbgGenutzt, 0}, {Mai, KvEinmal, 0}}},
    });
}

TEST(PayrollJahresausgleich, DezemberTraegtDieJahressteuerAbzueglichDesEinbehaltenen) {
    // 2,000.00 a month in 2004 with the December adjustment and 9 % church tax: the year's
    // withholding ('J') adds up to the tax on the annual wage.
    const auto mit = [](std::vector<Eingabe> mehr) {
        mehr.insert(mehr.begin(), {{'B', Gehalt, 200000},
                                   {'A', Jahresausgleich, wahl::ausgleich::Mit},
                                   {'A', Kirchensteuer, wahl::kirche::Neun}});
        return mehr;
    };
    pruefe({
        {"a raise", mit({{'B', Gehalt, 400000, Jul}}),
         {{'J', Jan, Lohnsteuer, -699400}, {'J', Jan, Soli, -38467},
          {'J', Jan, Kirchensteuer, -62946}, {'A', Dez, Jahresausgleich, wahl::ausgleich::Mit}}},
        // The year's tax is 4 cents more than was withheld: no refund, December keeps its own.
        {"a payment in December", mit({einmal(500000, Dez)}),
         {{'J', Jan, Lohnsteuer, -468596}, {'J', Jan, Soli, -25763},
          {'J', Jan, Kirchensteuer, -42162}}},
        {"pensions",
         mit({{'B', Versorgungsbezug, 10000}, einmal(300000, Mar, EinmaligerVersorgungsbezug)}),
         {{'J', Jan, Lohnsteuer, -393000}, {'J', Jan, Soli, -21612},
          {'J', Jan, Kirchensteuer, -35364}}},
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
TEST(PayrollVersorgung, JahreslaeufeZaehlenDieMonateMitVersorgungsbezuegen) {
    // 2007, no salary, a pension of 1,500.00 a month; the December adjustment on. Month by
    // month the tax is 58.00; the year's tax on the same pensions is twelve times that.
    const std::vector<Eingabe> rente = {{'B', Versorgungsbezug, 150000},
                                        {'V', wahl::beginn::Bis2005, 150000},
                                        {'A', Jahresausgleich, wahl::ausgleich::Mit}};
    auto mit = [&](std::vector<Eingabe> mehr) {
        mehr.insert(mehr.begin(), rente.begin(), rente.end());
        return mehr;
    };
    const Eingabe ohneAusgleich = {'A', Jahresausgleich, wahl::ausgleich::Ohne};
    const int nrw = wahl::land::NordrheinWestfalen;
    pruefe({
        {"since 2005, December adjustment", rente,
         {{Jan, Lohnsteuer, -5800}, {Dez, Lohnsteuer, -5800}, {Dez, Soli, 0},
          {'J', Jan, Lohnsteuer, -12 * 5800}}, 2007, nrw, 0},
        // Nine months of a pension that started in 2007: the allowance and its supplement of
        // nine months on nine months' pensions; December pays back what the monthly tax took
        // on a full year's projection.
        {"starting in April 2007",
         mit({{'B', Versorgungsbezug, 0, Jan, Mar}, {'V', wahl::beginn::Im2007, 150000}}),
         {{Jan, Lohnsteuer, 0}, {Apr, Lohnsteuer, -6366}, {Dez, Lohnsteuer, 39728},
          {'J', Jan, Lohnsteuer, -11200}}, 2007, nrw, 0},
        // A one-time pension of 3,000.00 in May: taxed as the difference of two annual runs
        // that both know twelve months of pension.
        {"a one-time pension in May",
         mit({ohneAusgleich, einmal(300000, Mai, EinmaligerVersorgungsbezug)}),
         {{Mai, JahreslohnOhneEinmal, 1800000}, {Mai, JahreslohnMitEinmal, 2100000},
          {Mai, LohnsteuerEinmal, -79000}, {Mai, Lohnsteuer, -5800 - 79000}},
         2007, nrw, 0},
        {"a one-time payment to a pensioner", mit({ohneAusgleich, einmal(300000)}),
         {{Mai, LohnsteuerEinmal, -56200}, {Mai, Lohnsteuer, -5800 - 56200}},
         2007, nrw, 0},
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
