#include <gtest/gtest.h>

#include "testfall.h"

namespace brelvanostik {
namespace {

using testfall::cents;
using testfall::Testfall;

constexpr int NRW = 9, DEZEMBER = 11;

// Sum of a result row over January to November.
std::int64_t bisNovember(Testfall& t, int zeile) {
    std::int64_t summe = 0;
    for (int m = 0; m < DEZEMBER; ++m) summe += t.monat(m).Betrag[zeile];
    return summe;
}

TEST(PayrollJahresausgleich, DezemberTraegtDieJahressteuerAbzueglichDesEinbehaltenen) {
    // 2,000.00 a month, 9 % church tax: {salary from July, one-time payment in December,
    // monthly pension, one-time pension in March}.
    const std::int32_t faelle[][4] = {
        {400000, 0, 0, 0}, {200000, 500000, 0, 0}, {200000, 0, 10000, 300000}};
    for (const auto& f : faelle) {
        Testfall t(2004, NRW, 200000);
        t.betrag(5, f[0], 6);
        t.betrag(7, f[1], DEZEMBER, DEZEMBER);
        t.betrag(6, f[2]);
        t.betrag(8, f[3], 2, 2);
        t.auswahl(19, 2);
        t.auswahl(4, 1);
        EXPECT_FALSE(t.rechne().lstAusgleichAbgelehnt);
        testfall::Eingaben ein;
        ein.vbez = cents(12 * f[2] + f[3]);
        const std::int64_t lohn = 6 * 200000 + 6 * f[0] + f[1] + 12 * f[2] + f[3];
        const testfall::Steuern jahr = testfall::steuern(2004, 1, cents(lohn), ein);
        const Monatssatz& dez = t.monat(DEZEMBER);
        EXPECT_EQ(dez.Betrag[17], -jahr.lst.toInt64() - bisNovember(t, 17)) << lohn;
        EXPECT_EQ(dez.Betrag[18], -jahr.soli.toInt64() - bisNovember(t, 18)) << lohn;
        EXPECT_EQ(dez.Betrag[19],
                  -(jahr.bk * Money::raw(900)).abgeschnitten().toInt64() - bisNovember(t, 19));
        if (f[0] != 200000) {
            EXPECT_NE(dez.Betrag[17], dez.Kennwert[3]) << "a raise needs a correction";
        }
        EXPECT_EQ(dez.Auswahl[4], 1);
    }
}

TEST(PayrollJahresausgleich, AbgelehntWennNichtAlleTageBezahlt) {
    for (const std::int32_t tage : {2900, 1500}) {
        Testfall t(2004, NRW, 300000);
        t.auswahl(4, 1);
        t.betrag(3, tage, 5, 5);
        EXPECT_TRUE(t.rechne().lstAusgleichAbgelehnt) << tage;
        for (int m = 0; m < 12; ++m) EXPECT_EQ(t.monat(m).Auswahl[4], 0) << m;
        EXPECT_EQ(t.monat(DEZEMBER).Betrag[17], t.monat(DEZEMBER).Kennwert[3]);  // ordinary tax

        // The choice is off now: the next run computes without it and reports nothing.
        const Arbeitsbereich vorher = *t.bereich;
        EXPECT_FALSE(t.rechne().lstAusgleichAbgelehnt);
        EXPECT_TRUE(*t.bereich == vorher);
    }
    EXPECT_EQ(kAusgleichAbgelehntTitel, "Kein LStAusgleich des AG zulässig");
    EXPECT_EQ(kAusgleichAbgelehntZeilen[1], "ist nicht zulässig, weil nicht alle Tage des Jahres");
}

TEST(PayrollJahresausgleich, MindestkirchensteuerWirdNichtErstattet) {
    for (const int code : {3, 4}) {
        Testfall t(2004, NRW, 200000);
        t.betrag(5, 400000, 6);
        t.auswahl(19, code);
        t.auswahl(4, 1);
        EXPECT_FALSE(t.rechne().lstAusgleichAbgelehnt);
        const std::int32_t minimum = code == 3 ? -15 : -30;
        EXPECT_EQ(t.monat(DEZEMBER).Betrag[19], minimum) << code;
        EXPECT_EQ(bisNovember(t, 19), 11 * minimum) << code;
    }
}

}  // namespace
}  // namespace brelvanostik
