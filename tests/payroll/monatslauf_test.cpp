// The engine prepared as for a month's own wage tax run of a stored year: run, it gives the
// month's stored wage tax and surcharge, for every month and kind of input.
#include <gtest/gtest.h>

#include "payroll/monatslauf.h"
#include "testfall.h"

namespace brelvanostik::testfall {
namespace {

TEST(PayrollMonatslauf, EingabenWiederholenDenGespeichertenLauf) {
    const Fall faelle[] = {
        {"class III with children and church",
         {{'A', 17, 2}, {'A', 28, 3}, {'A', 19, 1}},
         {},
         2007},
        {"tax-card amounts and class IV from July",
         {{'B', 13, 20000}, {'B', 14, 5000}, {'A', 17, 3, 6}},
         {},
         2006},
        {"pension since 2006, born 1940, exempt",
         {{'B', 6, 90000}, {'V', 1, 900}, {'A', 1, 1}, {'A', 3, 1}},
         {},
         2007,
         12},
        {"half of May's days, salary conversion",
         {{'B', 3, 1500, 4, 4}, {'A', 25, 0}, {'B', 25, -10000}},
         {},
         2005},
        {"one-time payment and December adjustment",
         {{'B', 7, 250000, 5, 5}, {'A', 4, 1}},
         {},
         2004},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Testfall t(f.jahr, f.land, f.gehalt);
        for (const Eingabe& e : f.eingaben) t.aendere(e);
        t.rechne();
        const auto vorher = std::make_unique<Arbeitsbereich>(*t.bereich);
        for (int m = 0; m < kMonate; ++m) {
            Lohnsteuerrechner frisch = monatslaufVorbereiten(*t.bereich, f.jahr, 0, m);
            frisch.lohnsteuer();
            const Monatssatz& s = t.monat(m);
            const float tage = static_cast<float>(static_cast<double>(s.Betrag[3]) / s.Betrag[2]);
            EXPECT_EQ(-frisch.LSTPERIODE.mal(tage).toInt64(), s.Kennwert[3]) << "month " << m;
            EXPECT_EQ(-frisch.SOLZLZZ.mal(tage).toInt64(), s.Kennwert[4]) << "month " << m;
            EXPECT_EQ(frisch.LZZ, 2);
        }
        EXPECT_TRUE(*t.bereich == *vorher);  // read on a copy
    }
    EXPECT_EQ(monatslaufVorbereiten(*std::make_unique<Arbeitsbereich>(), 2008, 0, 0).RE4, Money());
}

}  // namespace
}  // namespace brelvanostik::testfall
