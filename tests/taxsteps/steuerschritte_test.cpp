// The tax steps window's state: presets, the field limits, the months message, the outline,
// and that the payroll never sees any of it. The mapping to the engine inputs is checked by
// the tool's random comparison.
#include <gtest/gtest.h>

#include "taxsteps/steuerschritte.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

using Liste = Steuerschritte::Liste;
using Feld = Steuerschritte::Feld;

// The limits of the gross by period; the pensions follow the gross down.
TEST(Steuerschritte, FelderJeZeitraum) {
    Steuerschritte s;  // month mode
    EXPECT_FALSE(s.feldAendern(Feld::Brutto, 200000));
    s.feldAendern(Feld::Versorgungsbezug, 150000);
    s.feldAendern(Feld::Brutto, 100000);
    EXPECT_EQ(s.feld(Feld::Versorgungsbezug), 100000);
    s.waehlen(Liste::Zeitraum, 0);
    EXPECT_TRUE(s.feldAendern(Feld::Brutto, 40000000));
    EXPECT_EQ(s.feld(Feld::Brutto), 30000000);
    // Back to months: the yearly amount is cut to the monthly limit.
    s.waehlen(Liste::Zeitraum, 1);
    EXPECT_EQ(s.feld(Feld::Brutto), 2500000);
}

// The annual mode takes any number of months; the tool's random comparison covers that.
TEST(Steuerschritte, ZwoelfMonateImMonatsmodus) {
    Steuerschritte s;
    const auto meldung = s.waehlen(Liste::Bezugsmonate, 5);
    ASSERT_TRUE(meldung);
    EXPECT_EQ(meldung->titel, "12 Monate");
    EXPECT_EQ(s.index(Liste::Bezugsmonate), 11);
    EXPECT_EQ(s.eingaben().ZMVB, Money::whole(12));
}

TEST(Steuerschritte, VorbelegungAusFallUndMonat) {
    Sitzung sitzung(neuerArbeitsbereich(), Einstellungen{.Jahr = 2006, .Fall = 2, .Monat = 3});
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "2500");
    sitzung.betragEingeben(Seite::Gruen, zeile::Freibetrag, "100");
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Steuerklasse, 4);  // class V shows "I"
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Kirchensteuer, wahl::kirche::Mindest015);  // "0 %"
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Kinderfreibetraege, 3);

    Steuerschritte s;
    s.vorbelegen(sitzung);
    EXPECT_TRUE(s.bereit());
    EXPECT_EQ(s.index(Liste::Jahr), 1);
    EXPECT_EQ(s.index(Liste::Klasse), 0);
    EXPECT_EQ(s.index(Liste::Kisatz), 0);
    EXPECT_EQ(s.index(Liste::Kinder), 3);
    EXPECT_EQ(s.index(Liste::Bezugsmonate), 11);
    // The allowance is a negative entry: it becomes WFundF, not an amount to add.
    EXPECT_EQ(s.feld(Feld::Steuerkarte), -10000);
    EXPECT_EQ(s.eingaben().WFundF, Money::whole(120000));
    EXPECT_EQ(s.eingaben().HINZUR, Money());

    // A fresh window is the one opened on a new workspace's first case in January 2007.
    Steuerschritte neu;
    neu.vorbelegen(Sitzung(neuerArbeitsbereich(), Einstellungen{}));
    EXPECT_EQ(neu.eingaben(), Steuerschritte().eingaben());

    Sitzung alt(neuerArbeitsbereich(), Einstellungen{.Jahr = 2004});
    s.vorbelegen(alt);
    EXPECT_EQ(s.index(Liste::Jahr), -1);
    EXPECT_EQ(s.steuerjahr(), 2004);
}

TEST(Steuerschritte, GliederungOeffnetUndSchliesst) {
    Steuerschritte s;
    const auto sichtbar = [&](int z) { return s.gliederung().sichtbar(z, s.liste()); };
    for (int k : kKopfzeilen) EXPECT_EQ(s.gliederung().markierung(k), "+");
    EXPECT_FALSE(sichtbar(7));
    EXPECT_TRUE(sichtbar(18));

    EXPECT_TRUE(s.gliederung().klicken(0));
    EXPECT_EQ(s.gliederung().markierung(0), "-");
    EXPECT_TRUE(sichtbar(7));
    EXPECT_FALSE(sichtbar(19));
    // Another heading opens its section and closes the first.
    s.gliederung().klicken(38);
    EXPECT_FALSE(sichtbar(7));
    EXPECT_TRUE(sichtbar(41));
    EXPECT_EQ(s.gliederung().markierung(0), "+");
    EXPECT_FALSE(s.gliederung().klicken(41));
    s.gliederung().klicken(38);
    EXPECT_FALSE(sichtbar(41));
    EXPECT_EQ(s.gliederung().markierung(38), "+");

    // The check box opens the provision allowance section with the block that applies.
    s.rvPflichtSetzen(false);
    EXPECT_EQ(s.gliederung().offen(), 58);
    EXPECT_TRUE(sichtbar(60));
    EXPECT_FALSE(sichtbar(79));
    s.rvPflichtSetzen(true);
    EXPECT_EQ(s.gliederung().offen(), 58);
    EXPECT_FALSE(sichtbar(60));
    EXPECT_TRUE(sichtbar(79));
    EXPECT_FALSE(sichtbar(70));  // the empty lines between the blocks
    EXPECT_FALSE(sichtbar(112));
}

TEST(Steuerschritte, LohnabrechnungBleibtUnberuehrt) {
    // Two identical sessions; in one the tax steps window is used with inputs the payroll
    // also knows (year, months with pensions, church, class).
    const auto einrichten = [](Sitzung& s) {
        s.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
        s.betragEingeben(Seite::Gruen, zeile::Versorgungsbezug, "800");
        s.auswahlTreffen(Seite::Gruen, zeile::Geburtsjahrgang, 0);
    };
    Sitzung ohne(neuerArbeitsbereich(), Einstellungen{});
    Sitzung mit(neuerArbeitsbereich(), Einstellungen{});
    einrichten(ohne);
    einrichten(mit);

    Steuerschritte s;
    s.vorbelegen(mit);
    s.waehlen(Liste::Zeitraum, 0);
    s.waehlen(Liste::Bezugsmonate, 2);
    s.waehlen(Liste::Jahr, 0);
    s.waehlen(Liste::Kisatz, 2);
    s.waehlen(Liste::Klasse, 2);
    s.waehlen(Liste::Erstbezugsjahr, 3);
    s.rvPflichtSetzen(false);
    s.feldAendern(Feld::ErsterMonatsbezug, 99999);

    ohne.berechnungAusloesen();
    mit.berechnungAusloesen();
    EXPECT_TRUE(ohne.arbeitsbereich() == mit.arbeitsbereich());
}

}  // namespace
}  // namespace brelvanostik
