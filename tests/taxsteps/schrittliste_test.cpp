// The 113 lines of the tax steps listing: texts by case, and values from the right run.
#include <gtest/gtest.h>

#include "basis/zahltext.h"
#include "taxsteps/schrittliste.h"

namespace brelvanostik {
namespace {

Steuereingaben jahreslohn(int jahr, std::int64_t euro) {
    Steuereingaben e;
    e.JAHR = jahr;
    e.LZZ = 1;
    e.RE4 = Money::whole(euro * 100);
    e.STKL = 1;
    e.AJAHR = 2008;
    e.VJAHR = 2005;
    e.ZMVB = Money::whole(12);
    return e;
}

const Schrittzeile& zeile(const Schrittliste& l, int z) {
    return l.zeilen[static_cast<std::size_t>(z)];
}
std::string euro(Money m) {
    return zahltext::zahl(m, 2);
}

Lohnsteuerrechner lauf(Steuereingaben e) {
    Lohnsteuerrechner r;
    e.setzen(r);
    r.lohnsteuer();
    return r;
}

TEST(Schrittliste, KlasseDreiMitKinderfreibetrag) {
    Steuereingaben e = jahreslohn(2007, 36000);
    e.STKL = 3;
    e.ZKF = Money::whole(1);
    e.R = 1;
    const Schrittliste l = schrittlisteBerechnen(e, {true, 9});

    EXPECT_EQ(zeile(l, 56).text,
              "1 * 5808 = 5.808,00 Euro; wirkt nur auf Soli-Zuschlag und Kirchensteuer");
    EXPECT_NE(zeile(l, 79).text.find(" 3.000 Euro"), std::string::npos);
    EXPECT_EQ(zeile(l, 84).text,
              "Grundbetrag = 6136 Euro abzügl. 16 % des Arbeitslohns (ZRE4VP) =");
    EXPECT_EQ(zeile(l, 85).text, "Aufschlag1 = VSPO - Grundbetrag, maximal 2668 Euro");
    EXPECT_EQ(zeile(l, 86).text,
              "Aufschlag2 = Hälfte von VSPO - Grundbetrag - Aufschlag1, maximal 1334 Euro");
    EXPECT_EQ(zeile(l, 103).text,
              "wenn JBMG > 1944 Euro, dann SOLZJ = 5,5 % von JBMG, sonst SOLZJ = Null");
    EXPECT_EQ(zeile(l, 98).text, "Doppelter Jahresbetrag zum Ausgleich der Halbierung in Zeile 92");
    EXPECT_EQ(zeile(l, 91).text,
              "Zu versteuerndes Jahreseinkommen im Jahr 2007 in STKL III gesplittet ");
    EXPECT_EQ(zeile(l, 2).text,
              "Lohnzahlungszeitraum = Monat; berechnungsintern wird mit Jahresbeträgen gerechnet");

    // The wage tax without the child allowances; the surcharge base with them.
    Steuereingaben ohneKinder = e;
    ohneKinder.ZKF = Money();
    const Lohnsteuerrechner ohne = lauf(ohneKinder);
    const Lohnsteuerrechner mit = lauf(e);
    EXPECT_EQ(zeile(l, 90).ergebnis, euro(ohne.ST));
    EXPECT_EQ(zeile(l, 89).ergebnis, euro(ohne.X));
    EXPECT_EQ(zeile(l, 102).wert, euro(mit.JBMG));
    EXPECT_NE(mit.JBMG, ohne.ST);
    EXPECT_EQ(zeile(l, 102).text,
              "Jahreslohnsteuer unter Berücksichtigung der Kinderfreibeträge von 5.808,00 Euro");
    EXPECT_EQ(zeile(l, 111).text, "Monats- bzw. Jahresbetrag * 9 % =");
    EXPECT_EQ(zeile(l, 111).ergebnis, euro((mit.JBMG * 9).geteilt(100).abgeschnittenHundertstel()));
}

TEST(Schrittliste, VersorgungsempfaengerMitAltersentlastung) {
    Steuereingaben e = jahreslohn(2007, 30000);
    e.VBEZ = Money::whole(1800000);
    e.VJAHR = 2006;
    e.VBEZM = Money::whole(150000);
    e.VBEZS = Money::whole(50000);
    e.AJAHR = 2006;
    e.Alter1 = 1;
    const Schrittliste l = schrittlisteBerechnen(e, {});
    const Lohnsteuerrechner r = lauf(e);

    EXPECT_EQ(zeile(l, 18).ergebnis, euro(r.FVB.geteilt(100)));
    EXPECT_EQ(zeile(l, 20).wert, "0,384");
    EXPECT_EQ(zeile(l, 23).text,
              "Maßgebliche Versorgungsbezüge im Erstbezugsjahr= VBEZM * 12 + VBEZS");
    EXPECT_EQ(zeile(l, 23).wert, "18.500,00");
    EXPECT_EQ(zeile(l, 24).text,
              "Höchstbetrag des Versorgungsfreibetrags = 7500 * 0,384 / 12 * Bezugsmonate");
    EXPECT_EQ(zeile(l, 24).wert, euro(r.HFVB.geteilt(100)));
    EXPECT_EQ(zeile(l, 25).text, "18.500,00 * 0,384, maximal HFVB");
    EXPECT_EQ(zeile(l, 25).wert, euro(r.FVB.geteilt(100)));
    EXPECT_EQ(zeile(l, 27).text, "");
    EXPECT_EQ(zeile(l, 34).wert, "12.000,00");
    EXPECT_EQ(zeile(l, 35).text, "Höchstbetrag = 4750,00 Euro * 0,384");
    EXPECT_EQ(zeile(l, 35).wert, "1.824,00");
    EXPECT_EQ(zeile(l, 36).wert, euro(r.ALTE.geteilt(100)));
    EXPECT_EQ(zeile(l, 37).text, "");
    EXPECT_EQ(zeile(l, 43).wert, euro(r.ZVBEZ));
    EXPECT_EQ(zeile(l, 45).ergebnis, euro(r.ANP));
    EXPECT_EQ(zeile(l, 46).wert, "102,00");
}

TEST(Schrittliste, Versorgung2004NachDenRegelnVon2004) {
    Steuereingaben e = jahreslohn(2004, 30000);
    e.VBEZ = Money::whole(1200000);
    e.Alter1 = 1;
    const Schrittliste l = schrittlisteBerechnen(e, {});
    EXPECT_EQ(zeile(l, 25).wert, "3.072,00");  // 40 % of 12,000 euros, at most 3,072
    EXPECT_EQ(zeile(l, 35).wert, "1.908,00");
    EXPECT_EQ(zeile(l, 28).ergebnis, zeile(l, 36).wert);
    EXPECT_EQ(zeile(l, 19), Schrittzeile{});
}

TEST(Schrittliste, OhneVersorgungUndOhneAltersentlastung) {
    const Schrittliste l = schrittlisteBerechnen(jahreslohn(2007, 30000), {});
    for (int z = 19; z <= 25; ++z) EXPECT_EQ(zeile(l, z), Schrittzeile{}) << z;
    for (int z = 29; z <= 36; ++z) EXPECT_EQ(zeile(l, z), Schrittzeile{}) << z;
    EXPECT_EQ(zeile(l, 27).text, "kein Freibetrag, weil keine Versorgungsbezüge im lfd. Jahr");
    EXPECT_EQ(zeile(l, 37).text,
              "Kein Freibetrag, weil das 64. Lebensjahr im Vorjahr noch nicht vollendet");
    EXPECT_EQ(zeile(l, 18).ergebnis, "0,00");

    Steuereingaben ohneErstbezug = jahreslohn(2007, 30000);
    ohneErstbezug.VBEZ = Money::whole(100000);
    EXPECT_EQ(zeile(schrittlisteBerechnen(ohneErstbezug, {}), 27).text,
              "kein Freibetrag, weil keine Versorgungsbezüge im Erstbezugsjahr");
}

TEST(Schrittliste, TarifzeilenNachZone) {
    struct Fall {
        int jahr;
        std::int64_t lohn;
        int zeile;
        const char* text;
    };
    const Fall faelle[] = {
        {2007, 8000, 92, "Grundfreibetrag = 7664 Euro, daher keine Steuer"},
        {2007, 12000, 94, "Y = (X - 7664) / 10000 ="},
        {2007, 12000, 97, "St = RW * Y, abgerundet auf volle Euro"},
        {2007, 30000, 93, "Y = (X - 12739) / 10000"},
        {2007, 30000, 97, "ST = RW + 989, abgerundet auf volle Euro"},
        {2007, 80000, 97, "ST = X * 0,42 - 7914, abgerundet auf volle Euro"},
        {2007, 300000, 97, "ST = X * 0,45 - 15414, abgerundet auf volle Euro (sog. Reichensteuer)"},
        {2006, 300000, 97, "ST = X * 0,42 - 7914, abgerundet auf volle Euro"},
    };
    for (const Fall& f : faelle) {
        const Schrittliste l = schrittlisteBerechnen(jahreslohn(f.jahr, f.lohn), {});
        EXPECT_EQ(zeile(l, f.zeile).text, f.text) << f.jahr << " " << f.lohn;
        const Lohnsteuerrechner r = lauf(jahreslohn(f.jahr, f.lohn));
        EXPECT_EQ(zeile(l, 90).ergebnis, euro(r.ST));
        if (f.lohn == 8000) {
            EXPECT_EQ(zeile(l, 92).wert, "0,00");
            for (int z = 93; z <= 100; ++z) EXPECT_EQ(zeile(l, z), Schrittzeile{}) << z;
        } else {
            EXPECT_EQ(zeile(l, 98).text, "Jahresbetrag der Lohnsteuer");
            EXPECT_EQ(zeile(l, 99).wert, euro(r.ST.geteilt(12).abgeschnittenHundertstel()));
        }
    }
    // The 2007 top rate begins at 250,001 euros of income.
    EXPECT_EQ(lauf(jahreslohn(2007, 254213)).X, Money::whole(250001));
    EXPECT_NE(zeile(schrittlisteBerechnen(jahreslohn(2007, 254213), {}), 97).text.find("0,45"),
              std::string::npos);
    EXPECT_NE(zeile(schrittlisteBerechnen(jahreslohn(2007, 254212), {}), 97).text.find("0,42"),
              std::string::npos);
}

TEST(Schrittliste, ZweiBloeckeDerVorsorgepauschale) {
    Steuereingaben e = jahreslohn(2007, 40000);
    const Schrittliste pflicht = schrittlisteBerechnen(e, {});
    e.KRV = 1;
    const Schrittliste frei = schrittlisteBerechnen(e, {});
    const Lohnsteuerrechner r = lauf(e);

    EXPECT_EQ(zeile(pflicht, 58).text, "Vorsorgepauschale bei RV-Versicherungspflicht");
    EXPECT_EQ(zeile(frei, 58).text, "Vorsorgepauschale bei RV-Versicherungsfreiheit");
    // Both blocks carry their texts; only the one that applies carries values.
    EXPECT_EQ(zeile(frei, 59).wert, "0,00");
    EXPECT_EQ(zeile(frei, 60).wert, euro(r.VSP2));
    EXPECT_EQ(zeile(frei, 67).wert, euro(r.VSP));
    EXPECT_EQ(zeile(frei, 67).text, "Der maßgebliche Betrag für die VSP ergibt sich aus Zeile 62");
    EXPECT_EQ(zeile(frei, 78).wert, "");
    EXPECT_NE(zeile(frei, 78).text, "");
    EXPECT_EQ(zeile(pflicht, 59).wert, "");
    EXPECT_EQ(zeile(pflicht, 78).text,
              "VSP für SV-Beiträge = Jahreslohn ZRE4VP in Zeile 43 * 0,0995 * 0,28");
    EXPECT_EQ(zeile(pflicht, 88).wert, zeile(pflicht, 58).ergebnis);
    EXPECT_EQ(
        zeile(pflicht, 88).text,
        "Der maßgebliche Betrag für die VSP ergibt sich aus Zeile 81, auf ganze Euro abgerundet");
    EXPECT_TRUE(frei.fremderBlock(80));
    EXPECT_FALSE(frei.fremderBlock(60));
    EXPECT_TRUE(pflicht.fremderBlock(60));
}

TEST(Schrittliste, KopfzeilenUndLeereZeilen) {
    const Schrittliste l = schrittlisteBerechnen(jahreslohn(2005, 20000), {});
    for (int z = 0; z < kSchrittzeilen; ++z) EXPECT_EQ(zeile(l, z).kopf, istKopfzeile(z)) << z;
    for (int z : {17, 44, 48, 51, 54, 62, 66, 68, 77, 81, 107})
        EXPECT_EQ(zeile(l, z), Schrittzeile{}) << z;
    EXPECT_EQ(zeile(l, 0).name, "LST2005");
    EXPECT_EQ(zeile(l, 0).ergebnis, "20.000,00");
    EXPECT_EQ(zeile(l, 90).name, "UPTAB05");
    EXPECT_EQ(zeile(l, 1).wert, "2005 ");
    EXPECT_EQ(zeile(l, 78).text,
              "VSP für SV-Beiträge = Jahreslohn ZRE4VP in Zeile 43 * 0,0975 * 0,2");
}

}  // namespace
}  // namespace brelvanostik
