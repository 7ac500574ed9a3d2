#include <gtest/gtest.h>

#include <cstdint>

#include "payroll/monatslauf.h"
#include "testfall.h"

namespace brelvanostik {
namespace {

using namespace testfall;
using namespace zeile;
using namespace kennwert;
using namespace wahl::land;
using testfall::Fall;

// clang-format off
TEST(PayrollQuoten, StundenUndTageJeKennzeichen) {
    // April of 3,000.00 a month: 'S'/'T' the salary's hours and days share.
    pruefe({
        {"20 of 40 hours", {{'B', Wochenstunden, 2000}},
         {{'S', Apr, Gehalt, 150000}, {'T', Apr, Gehalt, 150000}, {Apr, Monatsgehalt, 300000},
          {Apr, NachWochenstunden, 150000}, {Apr, Brutto, 150000},
          {Apr, SteuerpflichtigesEntgelt, 150000}}},
        {"hours, salary left out", {{'B', Wochenstunden, 2000}, {'H', Gehalt, 0}},
         {{'S', Apr, Gehalt, 300000}, {'T', Apr, Gehalt, 300000},
          {Apr, NachWochenstunden, 300000}}},
        {"15 of 30 days", {{'B', Tage, 1500}},
         {{'S', Apr, Gehalt, 300000}, {'T', Apr, Gehalt, 150000}, {Apr, NachWochenstunden, 300000},
          {Apr, Brutto, 150000}}},
        {"days, salary left out", {{'B', Tage, 1500}, {'D', Gehalt, 0}},
         {{'T', Apr, Gehalt, 300000}, {Apr, Brutto, 300000}}},
        {"no normal days", {{'B', NormalTage, 0}},
         {{'S', Apr, Gehalt, 300000}, {'T', Apr, Gehalt, 0}}},
    });
}

TEST(PayrollEntgelt, SparartenUndSonderzeilen) {
    // March of 3,000.00, 100.00 saved: the taxable pay, the pay liable to health, the annual wage.
    using namespace wahl::abzug;
    const auto spar = [](int art) {
        return std::vector<Eingabe>{{'A', Abzug, art}, {'B', Abzug, -10000}};
    };
    pruefe({
        {"conversion free of tax and SV", spar(UmwandlungSteuerUndSvFrei),
         {{Mar, SteuerpflichtigesEntgelt, 290000}, {Mar, KvEntgelt, 290000},
          {Mar, JahreslohnOhneEinmal, 3480000}, {Mar, Krankenversicherung, -20590}}},
        {"conversion free of tax", spar(UmwandlungSteuerfrei),
         {{Mar, SteuerpflichtigesEntgelt, 290000}, {Mar, KvEntgelt, 300000},
          {Mar, JahreslohnOhneEinmal, 3480000}, {Mar, Krankenversicherung, -21300}}},
        {"conversion free of SV", spar(UmwandlungSvFrei),
         {{Mar, SteuerpflichtigesEntgelt, 300000}, {Mar, KvEntgelt, 290000},
          {Mar, JahreslohnOhneEinmal, 3600000}, {Mar, Krankenversicherung, -20590}}},
        {"Riester: out of the payout only", spar(Riesterrente),
         {{Mar, SteuerpflichtigesEntgelt, 300000}, {Mar, KvEntgelt, 300000},
          {Mar, JahreslohnOhneEinmal, 3600000}, {Mar, Auszahlung, 165662}}},
        {"pension: tax, no contributions", {{'B', Versorgungsbezug, 50000}},
         {{Mar, SteuerpflichtigesEntgelt, 350000}, {Mar, KvEntgelt, 300000},
          {Mar, JahreslohnOhneEinmal, 4200000}}},
        {"annual wages only", {{'B', ZusaetzlichSteuerpflichtig, 20000}},
         {{Mar, SteuerpflichtigesEntgelt, 300000}, {Mar, KvEntgelt, 300000},
          {Mar, JahreslohnOhneEinmal, 3840000}}},
        {"contributions only", {{'B', ZusaetzlichSvPflichtig, 20000}},
         {{Mar, SteuerpflichtigesEntgelt, 300000}, {Mar, KvEntgelt, 320000},
          {Mar, JahreslohnOhneEinmal, 3600000}, {Mar, Krankenversicherung, -22720}}},
    });
}

TEST(PayrollBeitraege, GleitzoneUndBemessungsgrenzen) {
    // 600.00 in August 2005, every branch in the sliding zone, dental surcharge 0.9 %.
    const auto zone = [](std::vector<Eingabe> mehr) {
        using namespace wahl;
        mehr.insert(mehr.end(), {{'A', SvStatus, sv::Gleitzone},
                                 {'A', Krankenversicherung, vers::Gleitzone},
                                 {'A', Pflegeversicherung, vers::Gleitzone},
                                 {'A', Rentenversicherung, vers::Gleitzone},
                                 {'A', Arbeitslosenversicherung, alv::Gleitzone},
                                 {'A', Zusatzbeitrag, zusatz::Zahnersatz}});
        return mehr;
    };
    pruefe({
        // The zone pay of 600.00 is 519.04, the health share on it 31.10.
        {"a retention leaves the zone pay",
         zone({{'A', Abzug, wahl::abzug::Einbehalt}, {'B', Abzug, -10000}}),
         {{Aug, Krankenversicherung, -3110}, {Aug, Zusatzbeitrag, -467}},
         2005, NordrheinWestfalen, 60000},
        {"other savings lower it: 378.56", zone({{'B', Abzug, -10000}}),
         {{Aug, Krankenversicherung, -1826}, {Aug, Pflegeversicherung, -219},
          {Aug, Rentenversicherung, -2507}, {Aug, Arbeitslosenversicherung, -835},
          {Aug, Zusatzbeitrag, -341}}, 2005, NordrheinWestfalen, 60000},
        // 6,000.00 in Berlin, 2004: the random comparison holds the ceilings of every year and
        // state, not a state changed in the year or a part month.
        {"east from July", {{'A', Bundesland, Brandenburg, Jul}},
         {{Jun, RvEntgelt, 515000}, {Jul, RvEntgelt, 435000}, {'r', Jun, 0, 0},
          {Jul, Rentenversicherung, -42413}}, 2004, Berlin, 600000},
        {"half month, half ceilings", {{'B', Tage, 1500}},
         {{Jan, KvEntgelt, 174375}, {Jan, RvEntgelt, 257500}, {Jan, Rentenversicherung, -25106},
          {'k', Jan, 0, 0}}, 2004, Berlin, 600000},
    });
}

TEST(PayrollLohnsteuer, TeilmonatUndEingabenDesMonats) {
    // 3,000.00 in 2006, 9 % church tax: May's wage tax, surcharge, church tax. 15 of 30 days
    // bear half the tax on 3,000.00 (557.08), not the tax on 1,500.00; more days than normal
    // are no part month: 3,100.00 is taxed as it is.
    const auto tage = [](std::int32_t t) {
        return std::vector<Eingabe>{{'A', Kirchensteuer, wahl::kirche::Neun},
                                    {'B', Tage, t, Mai, Mai}};
    };
    pruefe({
        {"15 of 30 days", tage(1500),
         {{Mai, Lohnsteuer, -27854}, {Mai, Soli, -1532}, {Mai, Kirchensteuer, -2506},
          {Mai, SteuerpflichtigesEntgelt, 150000}}, 2006},
        {"31 of 30 days", tage(3100),
         {{Mai, Lohnsteuer, -60932}, {Mai, Soli, -3351}, {Mai, Kirchensteuer, -5483},
          {Mai, SteuerpflichtigesEntgelt, 310000}}, 2006},
        {"no days", tage(0),
         {{Mai, Lohnsteuer, 0}, {Mai, Soli, 0}, {Mai, Kirchensteuer, 0}}, 2006},
        // Each further case one input of the month's run; September's wage tax. The age relief
        // needs the 64th birthday before the year, and its cap falls with the year after it.
        {"no pension insurance", {{'A', SvStatus, wahl::sv::NichtPflichtig}},
         {{Sep, Lohnsteuer, -58050}}, 2006},
        {"born before 1940", {{'A', Geburtsjahrgang, wahl::jahrgang::Vor1940}},
         {{Sep, Lohnsteuer, -52825}}},
        {"born 1940: not in 2004", {{'A', Geburtsjahrgang, wahl::jahrgang::Im1940}},
         {{Sep, Lohnsteuer, -58283}}},
        {"born 1940: in 2005", {{'A', Geburtsjahrgang, wahl::jahrgang::Im1940}},
         {{Sep, Lohnsteuer, -51016}}, 2005},
        {"born 1941: not in 2005", {{'A', Geburtsjahrgang, wahl::jahrgang::Im1941}},
         {{Sep, Lohnsteuer, -56100}}, 2005},
        {"born 1942: in 2007", {{'A', Geburtsjahrgang, wahl::jahrgang::Im1942}},
         {{Sep, Lohnsteuer, -50641}}, 2007},
    });
}
// clang-format on

TEST(PayrollNeuberechnung, SpaeterBeginnenUndBeschaedigteDaten) {
    // The random comparison runs every case twice. Recomputing from a later month leaves the
    // earlier months alone; bad arguments do nothing.
    Testfall t(2005, NordrheinWestfalen, 300000);
    t.rechne();
    const std::int32_t februar = t.monat(Feb).Betrag[Brutto];
    t.monat(Feb).Betrag[Gehalt] = 1;
    t.rechne(Mar);
    t.monatsberechnung.berechne(*t.bereich, 2008, 0, Jan);
    t.monatsberechnung.berechne(*t.bereich, 2005, kBerechnungen, Jan);
    t.monatsberechnung.berechne(*t.bereich, 2005, 0, kMonate);
    EXPECT_EQ(t.monat(Feb).Betrag[Brutto], februar);
    EXPECT_EQ(monatslaufVorbereiten(*t.bereich, 2008, 0, Jan).RE4, Money());

    // Whatever a damaged data file holds, the calculation saturates instead of overflowing
    // (the sanitizer build turns any overflow into a failure) and stays repeatable.
    // {amount, normal hours and days, hours and days worked, choice code}
    const std::int32_t extrem[][4] = {{INT32_MAX, 1, INT32_MAX, 2},
                                      {INT32_MIN, 1, INT32_MAX, 1},
                                      {INT32_MAX, -1, 5, -1},
                                      {INT32_MIN, INT32_MAX, INT32_MIN, 99}};
    for (int jahr = 2004; jahr <= 2007; ++jahr) {
        for (const auto& f : extrem) {
            Testfall x(jahr, NordrheinWestfalen, f[0]);
            for (int z = KvSatz; z < kZeilen; ++z) {
                if (hatBetragsfeld(z)) x.aendere({'B', z, f[0]});
            }
            for (int z : {NormalWochenstunden, Wochenstunden, NormalTage, Tage})
                x.aendere({'B', z, f[1 + z % 2]});
            for (int z = Geburtsjahrgang; z < kZeilen; ++z) {
                if (istAuswahlzeile(z)) x.aendere({'A', z, f[3]});
            }
            x.kopf().KvBbgRest.fill(f[0]);
            x.kopf().RvBbgRest.fill(f[0]);
            x.rechne();
            const Arbeitsbereich nachErstemLauf = *x.bereich;
            x.rechne();
            EXPECT_TRUE(*x.bereich == nachErstemLauf) << f[0] << " " << jahr;
        }
    }
}

}  // namespace
}  // namespace brelvanostik
