// The engine prepared as for a month's own wage tax run of a stored year: run, it gives the
// month's stored wage tax and surcharge, for every month and kind of input.
#include <gtest/gtest.h>

#include "payroll/monatslauf.h"
#include "testfall.h"

namespace brelvanostik::testfall {
namespace {

using namespace zeile;

TEST(PayrollMonatslauf, EingabenWiederholenDenGespeichertenLauf) {
    // clang-format off
    const Fall faelle[] = {
        {"class III with children and church, class IV from July, tax-card amounts",
         {{'A', Steuerklasse, wahl::klasse::III}, {'A', Kinderfreibetraege, 3},
          {'A', Kirchensteuer, wahl::kirche::Acht}, {'A', Steuerklasse, wahl::klasse::IV, Jul},
          {'B', Freibetrag, 20000}, {'B', Hinzurechnung, 5000}}, {}, 2006},
        {"pension since 2006, born 1940, exempt",
         {{'B', Versorgungsbezug, 90000}, {'V', wahl::beginn::Im2006, 900},
          {'A', Geburtsjahrgang, wahl::jahrgang::Im1940},
          {'A', SvStatus, wahl::sv::NichtPflichtig}},
         {}, 2007, wahl::land::Sachsen},
        {"half of May's days, salary conversion, one-time payment and December adjustment",
         {{'B', Tage, 1500, Mai, Mai}, {'A', Abzug, wahl::abzug::UmwandlungSteuerUndSvFrei},
          {'B', Abzug, -10000}, {'B', EinmaligerBezug, 250000, Jun, Jun},
          {'A', Jahresausgleich, wahl::ausgleich::Mit}}, {}, 2005},
    };
    // clang-format on
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Testfall t(f.jahr, f.land, f.gehalt);
        for (const Eingabe& e : f.eingaben) t.aendere(e);
        t.rechne();
        const auto vorher = std::make_unique<Arbeitsbereich>(*t.bereich);
        for (int m = Jan; m <= Dez; ++m) {
            Lohnsteuerrechner frisch = monatslaufVorbereiten(*t.bereich, f.jahr, 0, m);
            frisch.lohnsteuer();
            const Monatssatz& s = t.monat(m);
            const float tage =
                static_cast<float>(static_cast<double>(s.Betrag[Tage]) / s.Betrag[NormalTage]);
            EXPECT_EQ(-frisch.LSTPERIODE.mal(tage).toInt64(),
                      s.Kennwert[kennwert::LohnsteuerLaufend])
                << m;
            EXPECT_EQ(-frisch.SOLZLZZ.mal(tage).toInt64(), s.Kennwert[kennwert::SoliLaufend]) << m;
            EXPECT_EQ(frisch.LZZ, 2);
        }
        EXPECT_TRUE(*t.bereich == *vorher);  // read on a copy
    }
    EXPECT_EQ(monatslaufVorbereiten(*std::make_unique<Arbeitsbereich>(), 2008, 0, Jan).RE4,
              Money());
}

}  // namespace
}  // namespace brelvanostik::testfall
