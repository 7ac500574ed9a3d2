// The 113 lines of the tax steps listing: texts by case with the statutory figures of the
// year, and the values the tool's random comparison with the engine does not reach.
#include <gtest/gtest.h>

#include "taxsteps/schrittliste.h"

namespace brelvanostik {
namespace {

// Euros as the engine's cents.
constexpr Money euro(std::int64_t betrag) {
    return Money::whole(betrag * 100);
}
// Annual pay periods (the inputs' default), class I unless said otherwise.
const Steuereingaben kKlasse3{.RE4 = euro(36000), .STKL = 3, .ZKF = Money::whole(1), .R = 1};
const Steuereingaben kVersorgung{.RE4 = euro(30000),
                                 .VBEZ = euro(18000),
                                 .AJAHR = 2006,
                                 .Alter1 = 1,
                                 .VJAHR = 2006,
                                 .VBEZM = euro(1500),
                                 .VBEZS = euro(500),
                                 .ZMVB = Money::whole(12)};
const Steuereingaben kVersorgung2004{
    .JAHR = 2004, .RE4 = euro(30000), .VBEZ = euro(12000), .Alter1 = 1};
const Steuereingaben kOhne{.RE4 = euro(30000)};
const Steuereingaben kRvPflicht{.RE4 = euro(40000)};
const Steuereingaben kRvFrei{.RE4 = euro(40000), .KRV = 1};
const Steuereingaben kJahr2005{.JAHR = 2005, .RE4 = euro(20000)};

Schrittliste liste(const Steuereingaben& e) {
    return schrittlisteBerechnen(e, {e.R == 1, e.R == 1 ? 9 : 0});
}
constexpr auto Name = &Schrittzeile::name, Text = &Schrittzeile::text, Wert = &Schrittzeile::wert,
               Ergebnis = &Schrittzeile::ergebnis;
using Spalte = std::string Schrittzeile::*;
std::string zelle(const Schrittliste& l, int zeile, Spalte spalte) {
    return l.zeilen[static_cast<std::size_t>(zeile)].*spalte;
}

// Each text holds the figure or the branch it is checked for (the rest is fixed wording);
// values are whole cells, hand-checked.
TEST(Schrittliste, TexteUndWerteMitDenGesetzlichenZahlenDesJahres) {
    const struct {
        Steuereingaben fall;
        int zeile;
        Spalte spalte;
        const char* erwartet;
    } faelle[] = {
        {kKlasse3, 56, Text, "1 * 5808 = 5.808,00 Euro; wirkt nur"},
        {kKlasse3, 79, Text, "= 11 % des Jahreslohns ZRE4VP, höchstens 3.000 Euro"},
        {kKlasse3, 84, Text, "Grundbetrag = 6136 Euro abzügl. 16 % des"},
        {kKlasse3, 85, Text, "Aufschlag1 = VSPO - Grundbetrag, maximal 2668 Euro"},
        {kKlasse3, 86, Text, "Aufschlag1, maximal 1334 Euro"},
        {kKlasse3, 103, Text, "wenn JBMG > 1944 Euro, dann SOLZJ = 5,5 % von JBMG"},
        {kKlasse3, 91, Text, "im Jahr 2007 in STKL III gesplittet "},
        {kKlasse3, 102, Text, "Kinderfreibeträge von 5.808,00 Euro"},
        {kKlasse3, 111, Ergebnis, "163,98"},
        {kVersorgung, 20, Wert, "0,384"},
        {kVersorgung, 33, Wert, "0,336"},
        {kVersorgung, 23, Text, "Erstbezugsjahr= VBEZM * 12 + VBEZS"},
        {kVersorgung, 24, Text, "Versorgungsfreibetrags = 7500 * 0,384 / 12 * Bezugsmonate"},
        {kVersorgung, 25, Text, "18.500,00 * 0,384, maximal HFVB"},
        {kVersorgung, 34, Wert, "12.000,00"},
        {kVersorgung, 35, Text, "Höchstbetrag = 4750,00 Euro * 0,384"},
        {kVersorgung, 35, Wert, "1.824,00"},
        {kVersorgung, 24, Wert, "2.880,00"},
        {kVersorgung, 25, Wert, "2.880,00"},
        {kVersorgung, 36, Wert, "1.824,00"},
        {kVersorgung, 46, Wert, "102,00"},
        {kVersorgung2004, 24, Text, "Versorgungsfreibetrags = 3072 Euro"},
        {kVersorgung2004, 25, Wert, "3.072,00"},  // 40 % of 12,000 euros, at most 3,072
        {kVersorgung2004, 35, Text, "Höchstbetrag = 1908,00 Euro"},
        {kVersorgung2004, 35, Wert, "1.908,00"},
        {kVersorgung2004, 28, Ergebnis, "1.908,00"},
        {kOhne, 27, Text, "kein Freibetrag, weil keine Versorgungsbezüge im lfd. Jahr"},
        {kOhne, 37, Text, "Kein Freibetrag, weil das 64. Lebensjahr im Vorjahr"},
        {{.RE4 = euro(30000), .VBEZ = euro(1000)},
         27,
         Text,
         "keine Versorgungsbezüge im Erstbezugsjahr"},
        {kRvPflicht, 46, Text, "Versorgungsbezüge = 0,00, maximal 102 Euro"},
        {kRvPflicht, 47, Text, "Arbeitslohn = 40.000,00, maximal 920 Euro"},
        {kRvPflicht, 53, Text, "Fester Jahresbetrag = 36 Euro, in Steuerklasse III = 72 Euro"},
        {kRvPflicht, 78, Text, "ZRE4VP in Zeile 43 * 0,0995 * 0,28"},
        {kRvPflicht, 84, Text, "Grundbetrag = 3068 Euro abzügl. 16 % des"},
        {kRvPflicht, 85, Text, "Grundbetrag, maximal 1334 Euro"},
        {kRvPflicht, 86, Text, "Aufschlag1, maximal 667 Euro"},
        {kRvPflicht, 88, Text, "VSP ergibt sich aus Zeile 81, auf ganze Euro abgerundet"},
        {kRvPflicht, 88, Wert, "2.615,00"},
        {kRvFrei, 60, Wert, "1.500,00"},
        {kRvFrei, 67, Wert, "1.500,00"},
        {kRvFrei, 58, Text, "Vorsorgepauschale bei RV-Versicherungsfreiheit"},
        {kRvFrei, 59, Wert, "0,00"},
        {kRvFrei, 67, Text, "VSP ergibt sich aus Zeile 62"},
        {kJahr2005, 0, Ergebnis, "20.000,00"},
        {kJahr2005, 78, Text, "ZRE4VP in Zeile 43 * 0,0975 * 0,2"},
        {kJahr2005, 90, Name, "UPTAB05"},
        // The tariff by zone and year.
        {{.RE4 = euro(8000)}, 92, Text, "Grundfreibetrag = 7664 Euro, daher keine Steuer"},
        {{.RE4 = euro(12000)}, 94, Text, "Y = (X - 7664) / 10000 ="},
        {{.JAHR = 2004, .RE4 = euro(12000)}, 96, Text, "RW = RW + 1600"},
        {{.RE4 = euro(30000)}, 93, Text, "Y = (X - 12739) / 10000"},
        {{.RE4 = euro(12000)}, 99, Wert, "12,91"},
        {{.RE4 = euro(30000)}, 97, Text, "ST = RW + 989, abgerundet"},
        {{.JAHR = 2004, .RE4 = euro(80000)}, 97, Text, "ST = X * 0,45 - 8845, abgerundet"},
        {{.RE4 = euro(80000)}, 97, Text, "ST = X * 0,42 - 7914, abgerundet"},
        {{.RE4 = euro(80000)}, 99, Wert, "1.993,00"},
        {{.JAHR = 2006, .RE4 = euro(300000)}, 97, Text, "ST = X * 0,42 - 7914, abgerundet"},
        // The 2007 top rate begins at 250,001 euros of income, X of this wage.
        {{.RE4 = euro(254213)},
         97,
         Text,
         "ST = X * 0,45 - 15414, abgerundet auf volle Euro (sog. Reichensteuer)"},
        {{.RE4 = euro(254212)}, 97, Text, "ST = X * 0,42 - 7914, abgerundet"},
        {{.RE4 = euro(254213)}, 89, Ergebnis, "250.001,00"},
    };
    for (const auto& f : faelle) {
        const std::string text = zelle(liste(f.fall), f.zeile, f.spalte);
        if (f.spalte == Text) {
            EXPECT_NE(text.find(f.erwartet), std::string::npos) << f.zeile << ": " << text;
        } else {
            EXPECT_EQ(text, f.erwartet) << f.zeile;
        }
    }
}

TEST(Schrittliste, LeereZeilenUndBloecke) {
    const auto leer = [](const Steuereingaben& f, std::initializer_list<int> zeilen) {
        const Schrittliste l = liste(f);
        for (int z : zeilen) EXPECT_EQ(l.zeilen[static_cast<std::size_t>(z)], Schrittzeile{}) << z;
    };
    leer(kOhne, {17, 19, 25, 29, 36, 44, 48, 51, 54, 62, 66, 68, 77, 81, 92, 100, 107});
    leer(kVersorgung, {27, 37});
    leer(kVersorgung2004, {19, 29});
    leer({.RE4 = euro(8000)}, {93, 97, 98, 99});
    // Both blocks of the provision allowance carry their texts, only the one that applies values.
    const Schrittliste frei = liste(kRvFrei), pflicht = liste(kRvPflicht);
    EXPECT_EQ(zelle(pflicht, 59, Wert), "");
    EXPECT_EQ(zelle(frei, 78, Wert), "");
    EXPECT_NE(zelle(frei, 78, Text), "");
    EXPECT_TRUE(frei.fremderBlock(80));
    EXPECT_FALSE(frei.fremderBlock(60));
    EXPECT_TRUE(pflicht.fremderBlock(60));
}

}  // namespace
}  // namespace brelvanostik
