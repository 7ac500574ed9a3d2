// Pensions in the annual runs (one-time payments, December adjustment): the pension allowance
// of a year counts the months in which pensions are paid. Checked against a computation of
// its own over random workspaces, and against the contributions of the current pay.
#include <gtest/gtest.h>

#include <algorithm>

#include <random>

#include "testfall.h"

namespace brelvanostik {
namespace {

using testfall::Eingabe;
using testfall::Fall;
using testfall::Testfall;

constexpr int APRIL = 3, DEZEMBER = 11;

// clang-format off
TEST(PayrollVersorgung, JahreslaeufeZaehlenDieMonateMitVersorgungsbezuegen) {
    // 2007, no salary, a pension of 1,500.00 a month; the December adjustment on. Month by
    // month the tax is 58.00; the year's tax on the same pensions is twelve times that.
    const std::vector<Eingabe> rente = {{'B', 5, 0}, {'B', 6, 150000}, {'V', 0, 150000}, {'A', 4, 1}};
    auto mit = [&](std::vector<Eingabe> mehr) {
        mehr.insert(mehr.begin(), rente.begin(), rente.end());
        return mehr;
    };
    const Fall faelle[] = {
        {"since 2005, December adjustment", rente,
         {{'B', 0, 17, -5800}, {'B', DEZEMBER, 17, -5800}, {'B', DEZEMBER, 18, 0},
          {'J', 0, 17, -12 * 5800}}, 2007, 9, 0},
        // Nine months of a pension that started in 2007: the allowance and its supplement of
        // nine months on nine months' pensions; December pays back what the monthly tax took
        // on a full year's projection.
        {"starting in April 2007", mit({{'B', 6, 0, 0, 2}, {'V', 2, 150000}}),
         {{'B', 0, 17, 0}, {'B', APRIL, 17, -6366}, {'B', DEZEMBER, 17, 39728},
          {'J', 0, 17, -11200}}, 2007, 9, 0},
        // A one-time pension of 3,000.00 in May: taxed as the difference of two annual runs
        // that both know twelve months of pension.
        {"a one-time pension in May", mit({{'A', 4, 0}, {'B', 8, 300000, 4, 4}}),
         {{'K', 4, 1, 1800000}, {'K', 4, 2, 2100000}, {'K', 4, 6, -79000},
          {'B', 4, 17, -5800 - 79000}}, 2007, 9, 0},
        // A one-time payment to a pensioner (row 7, not a pension) in May.
        {"a one-time payment to a pensioner", mit({{'A', 4, 0}, {'B', 7, 300000, 4, 4}}),
         {{'K', 4, 6, -56200}, {'B', 4, 17, -5800 - 56200}}, 2007, 9, 0},
    };
    for (const Fall& f : faelle) testfall::pruefe(f);
}
// clang-format on

/// Wage tax of a year as the annual runs must compute it, from a fresh engine of its own.
std::int64_t jahreslohnsteuer(int jahr, int klasse, const Fallkopf& kopf, std::int64_t lohn,
                              std::int64_t versorgung, int versorgungsmonate) {
    Lohnsteuerrechner e;
    e.JAHR = jahr;
    e.LZZ = 1;
    e.R = 1;
    e.STKL = klasse;
    e.AJAHR = 2004;
    e.VJAHR = kopf.Versorgungsbeginn + 2005;
    e.VBEZM = kopf.ErsterVollerMonatsbezug;
    e.VBEZS = kopf.VersorgungsSonderzahlung;
    e.ZMVB = Money::whole(versorgungsmonate);
    e.RE4 = Money::whole(lohn);
    e.VBEZ = Money::whole(versorgung);
    e.lohnsteuer();
    return e.LSTPERIODE.toInt64();
}

/// A random workspace: salary, pensions with gaps, one-time payments and one-time pensions,
/// some months with no hours worked (the hours ratio then takes the flagged rows to 0; a
/// pension row taken out of the ratio keeps its amount), pension start and amounts.
Testfall zufallsfall(unsigned saat, bool ausgleich) {
    std::mt19937 zufall(saat);
    auto wuerfel = [&](int bis) {
        return static_cast<int>(zufall() % static_cast<unsigned>(bis + 1));
    };
    const int jahr = 2005 + wuerfel(2);
    Testfall t(jahr, wuerfel(15), 50000 * wuerfel(8));
    const int rente = 20000 * wuerfel(10);
    const int erster = 6 * wuerfel(1);
    for (int m = 0; m < kMonate; ++m) {
        Monatssatz& s = t.monat(m);
        s.Auswahl[4] = ausgleich ? 1 : 0;
        s.Auswahl[17] = static_cast<std::int16_t>(wuerfel(5));
        s.Betrag[6] = m >= erster && wuerfel(5) > 0 ? rente : 0;
        if (wuerfel(5) == 0) s.Betrag[7] = 10000 * wuerfel(300);
        if (wuerfel(5) == 0) s.Betrag[8] = 10000 * wuerfel(300);
        if (wuerfel(7) == 0) {
            s.Betrag[1] = 0;  // no hours: flagged rows become 0
            if (wuerfel(1) == 0) t.aendere({'H', 6, 0, m, m}), t.aendere({'D', 6, 0, m, m});
        }
    }
    t.kopf().Versorgungsbeginn = static_cast<std::int16_t>(wuerfel(2));
    t.kopf().ErsterVollerMonatsbezug = Money::whole(rente);
    t.kopf().VersorgungsSonderzahlung = Money::whole(10000 * wuerfel(20));
    return t;
}

TEST(PayrollVersorgung, ZufallsfaelleStimmenMitEigenerRechnungUeberein) {
    for (unsigned saat = 1; saat <= 60; ++saat) {
        const bool ausgleich = saat % 2 == 0;
        SCOPED_TRACE("seed " + std::to_string(saat));
        Testfall t = zufallsfall(saat, ausgleich);
        t.rechne();

        // The months with a pension after the ratios, counted from the amounts as typed.
        int monate = 0;
        for (int m = 0; m < kMonate; ++m) {
            const Monatssatz& s = t.monat(m);
            const bool stunden = s.Betrag[1] != 0 || !t.kopf().InStundenquote[1][m];
            if ((stunden && s.Betrag[6] != 0) || (s.Betrag[1] != 0 && s.Betrag[8] != 0)) ++monate;
        }
        const auto reduziert = [&](int m, int zeile) -> std::int64_t {
            const Monatssatz& s = t.monat(m);
            const bool ohneStunden = s.Betrag[1] == 0 && (t.kopf().InStundenquote[zeile - 5][m] ||
                                                          t.kopf().InTagesquote[zeile - 5][m]);
            return ohneStunden ? 0 : s.Betrag[zeile];
        };
        const int klasse = t.monat(DEZEMBER).Auswahl[17] + 1;

        for (int m = 0; m < kMonate; ++m) {
            const Monatssatz& s = t.monat(m);
            SCOPED_TRACE("month " + std::to_string(m));
            // The contributions of the current pay and of the one-time payment add up.
            for (int z = 0; z < 5; ++z) {
                EXPECT_EQ(s.Kennwert[9 + z] + s.Kennwert[14 + z], s.Betrag[20 + z]) << 20 + z;
            }
            if (ausgleich && m == DEZEMBER) continue;
            // The one-time payments of the month: tax with them minus tax without them.
            std::int64_t lohn = 0, versorgung = 0;
            for (int k = 0; k < kMonate; ++k) {
                lohn += reduziert(k, 5) + reduziert(k, 6);
                versorgung += reduziert(k, 6);
                if (k < m) {
                    lohn += reduziert(k, 7) + reduziert(k, 8) + reduziert(k, 9);
                    versorgung += reduziert(k, 8);
                }
            }
            const std::int64_t ohne =
                jahreslohnsteuer(t.jahr, s.Auswahl[17] + 1, t.kopf(), lohn, versorgung, monate);
            const std::int64_t mit = jahreslohnsteuer(t.jahr, s.Auswahl[17] + 1, t.kopf(),
                                                      lohn + reduziert(m, 7) + reduziert(m, 8),
                                                      versorgung + reduziert(m, 8), monate);
            // The payment's wage tax is never a refund.
            EXPECT_EQ(s.Kennwert[6], std::min<std::int64_t>(ohne - mit, 0));
        }
        if (ausgleich) {
            std::int64_t lohn = 0, versorgung = 0, einbehalten = 0;
            for (int k = 0; k < kMonate; ++k) {
                for (int z = 5; z <= 9; ++z) lohn += reduziert(k, z);
                versorgung += reduziert(k, 6) + reduziert(k, 8);
                if (k < DEZEMBER) einbehalten += t.monat(k).Betrag[17];
            }
            const std::int64_t jahressteuer =
                jahreslohnsteuer(t.jahr, klasse, t.kopf(), lohn, versorgung, monate);
            // Refused (class V or VI, a class change, tax-card amounts): December's ordinary
            // tax. Settled: only a refund, never more than December's ordinary deduction.
            const Monatssatz& d = t.monat(DEZEMBER);
            const std::int64_t ordentlich = d.Kennwert[3] + d.Kennwert[6];
            EXPECT_EQ(d.Betrag[17], d.Auswahl[4] == 0
                                        ? ordentlich
                                        : std::max(-jahressteuer - einbehalten, ordentlich));
        }
    }
}

TEST(PayrollVersorgung, ErgebnisHaengtNichtVonFrueherenLaeufenAb) {
    // The same case computed by a fresh calculation and by one that computed other cases
    // before, while an engine elsewhere ran with no church and seven pension months.
    Testfall frisch = zufallsfall(7, true);
    frisch.aendere({'A', 19, 2});
    frisch.rechne();

    Testfall benutzt = zufallsfall(7, true);
    benutzt.aendere({'A', 19, 2});
    Testfall anderer = zufallsfall(8, false);
    anderer.aendere({'A', 19, 0});
    Lohnsteuerrechner anderswo;
    anderswo.R = 0;
    anderswo.ZMVB = Money::whole(7);
    anderswo.LZZ = 1;
    anderswo.RE4 = Money::whole(5000000);
    anderswo.lohnsteuer();
    benutzt.monatsberechnung.berechne(*anderer.bereich, anderer.jahr, 0, 0);
    benutzt.rechne();
    EXPECT_TRUE(*benutzt.bereich == *frisch.bereich);
    EXPECT_LT(frisch.monat(0).Betrag[19] + frisch.monat(5).Betrag[19], 0);  // church tax due
}

}  // namespace
}  // namespace brelvanostik
