// The session: which months and calculations an edit reaches, the dependent choices, the
// corrections and refusals, the yellow column and navigation without recalculation.
#include <gtest/gtest.h>

#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

constexpr int kMaerz = 2, kApril = 3, kMai = 4, kJuni = 5;

class SitzungTest : public ::testing::Test {
  protected:
    SitzungTest() : sitzung(neuerArbeitsbereich(), einstellungen(2007, 1, 1)) {}

    static Einstellungen einstellungen(int jahr, int fall, int monat) {
        Einstellungen e;
        e.Jahr = jahr;
        e.Fall = fall;
        e.Monat = monat;
        return e;
    }
    const Monatssatz& satz(int berechnung, int monat) const {
        return sitzung.arbeitsbereich().monat(sitzung.jahr() - 2004, berechnung, monat);
    }
    // Betrag of a row in the twelve months of a calculation.
    static std::vector<std::int32_t> betraege(const Sitzung& s, int berechnung, int zeile) {
        std::vector<std::int32_t> v;
        for (int m = 0; m < 12; ++m)
            v.push_back(s.arbeitsbereich().monat(s.jahr() - 2004, berechnung, m).Betrag[zeile]);
        return v;
    }
    std::vector<std::int32_t> betraege(int berechnung, int zeile) const {
        return betraege(sitzung, berechnung, zeile);
    }
    std::vector<std::int16_t> codes(int berechnung, int zeile) const {
        std::vector<std::int16_t> v;
        for (int m = 0; m < 12; ++m) v.push_back(satz(berechnung, m).Auswahl[zeile]);
        return v;
    }
    static std::vector<std::int32_t> ab(int monat, std::int32_t vorher, std::int32_t danach) {
        std::vector<std::int32_t> v(12, vorher);
        for (int m = monat; m < 12; ++m) v[m] = danach;
        return v;
    }
    Sitzung sitzung;
};

TEST_F(SitzungTest, BlaueAbweichungWirdHellgelbMarkiert) {
    sitzung.monatWaehlen(kMaerz);
    sitzung.betragEingeben(Seite::Gruen, 5, "3000");
    EXPECT_EQ(sitzung.anzeige(Seite::Blau).zeilen[5].feldHintergrund, Farbe::Weiss);
    sitzung.betragEingeben(Seite::Blau, 5, "3100");
    EXPECT_EQ(betraege(0, 5), ab(kMaerz, 0, 300000));
    EXPECT_EQ(sitzung.anzeige(Seite::Blau).zeilen[5].feldHintergrund, Farbe::Hellgelb);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[5].feldHintergrund, Farbe::Weiss);
    // A blue tax class other than green's marks the blue label.
    sitzung.auswahlTreffen(Seite::Blau, 17, 2);
    EXPECT_EQ(sitzung.anzeige(Seite::Blau).zeilen[17].beschriftungHintergrund, Farbe::Hellgelb);
    EXPECT_EQ(sitzung.anzeige(Seite::Blau).zeilen[17].beschriftung, "Steuerklasse DREI");
    EXPECT_EQ(sitzung.anzeige(Seite::Blau).zeilen[19].beschriftungHintergrund, Farbe::Weiss);
    // Results are recomputed: class III pays less wage tax than class I on more salary.
    EXPECT_GT(satz(5, kMaerz).Betrag[17], satz(0, kMaerz).Betrag[17]);
    EXPECT_LT(satz(0, kMaerz).Betrag[17], 0);
}

TEST_F(SitzungTest, UnzulaessigeEingabenWerdenAbgelehnt) {
    sitzung.betragEingeben(Seite::Gruen, 5, "1000");
    const Arbeitsbereich vorher = sitzung.arbeitsbereich();
    for (const char* text : {"1,2,3", "12a", "-5", "1.5", "12345678901", "290000,01", "2900000"}) {
        const Rueckmeldung r = sitzung.betragEingeben(Seite::Gruen, 5, text);
        EXPECT_FALSE(r.angenommen) << text;
        EXPECT_EQ(r.meldungen.size(), 1u) << text;
    }
    EXPECT_NE(sitzung.betragEingeben(Seite::Gruen, 7, "290000,01")
                  .meldungen.at(0)
                  .text.find("290.000,00"),
              std::string::npos);
    EXPECT_TRUE(sitzung.arbeitsbereich() == vorher);
    EXPECT_TRUE(sitzung.betragEingeben(Seite::Gruen, 5, "290000").angenommen);
    EXPECT_FALSE(sitzung.pfeilAuf(Seite::Gruen, 5).angenommen);  // one euro beyond the limit
}

// The largest amount in every amount row of every month keeps every stored sum within
// 32 bits (the sanitizer build turns an overflow into a failure).
TEST_F(SitzungTest, HoechstbetraegeUeberallRechnenOhneUeberlauf) {
    for (const int zeile : {5, 6, 7, 8, 9, 13, 14, 15, 16, 25}) {
        for (int m = 0; m < 12; ++m) {
            sitzung.monatWaehlen(m);
            ASSERT_TRUE(sitzung.betragEingeben(Seite::Gruen, zeile, "290000").angenommen) << zeile;
        }
    }
    sitzung.auswahlTreffen(Seite::Gruen, 25, 7);  // paid out instead of deducted
    sitzung.betragEingeben(Seite::Gruen, Versorgungsfeld::ErsterMonatsbezug, "290000");
    sitzung.betragEingeben(Seite::Gruen, Versorgungsfeld::Sonderzahlung, "290000");
    sitzung.jahresgehaltZeigen();
    const Seitenanzeige a = sitzung.anzeige(Seite::Gruen);
    EXPECT_EQ(a.zeilen[5].betrag, 12 * 29'000'000LL);
    EXPECT_GT(a.zeilen[26].betrag, 0);
    EXPECT_LE(satz(0, 11).Kennwert[2], std::numeric_limits<std::int32_t>::max());
}

TEST_F(SitzungTest, SparrateFolgtDemVorzeichen) {
    sitzung.monatWaehlen(kMaerz);
    sitzung.auswahlTreffen(Seite::Gruen, 25, 4);  // "Bausparrate"
    sitzung.betragEingeben(Seite::Gruen, 25, "40");
    EXPECT_EQ(betraege(0, 25), ab(kMaerz, 0, -4000));
    sitzung.auswahlTreffen(Seite::Gruen, 25, 7);  // "Einbehalt vom Brelvanostik" is paid out
    EXPECT_EQ(betraege(5, 25), ab(kMaerz, 0, 4000));
    sitzung.betragEingeben(Seite::Gruen, 25, "10");
    EXPECT_EQ(betraege(0, 25), ab(kMaerz, 0, 1000));
    sitzung.auswahlTreffen(Seite::Gruen, 25, 3);
    EXPECT_EQ(betraege(0, 25), ab(kMaerz, 0, -1000));
    // The arrows: up makes the deduction larger, down smaller but never a payment.
    sitzung.pfeilAuf(Seite::Gruen, 25);
    EXPECT_EQ(satz(0, kMaerz).Betrag[25], -1100);
    EXPECT_EQ(satz(5, kMaerz).Betrag[25], -1000);  // arrows are not mirrored
    EXPECT_EQ(satz(0, kApril).Betrag[25], -1000);  // nor carried forward
    sitzung.betragEingeben(Seite::Gruen, 25, "0,5");
    sitzung.pfeilAb(Seite::Gruen, 25);
    EXPECT_EQ(satz(0, kMaerz).Betrag[25], 0);
    EXPECT_FALSE(sitzung.pfeilAb(Seite::Gruen, 25).angenommen);
}

TEST_F(SitzungTest, AbhaengigeAuswahlen) {
    sitzung.monatWaehlen(kMai);
    sitzung.auswahlTreffen(Seite::Gruen, 2, 1);  // Bayern
    EXPECT_EQ(codes(0, 19), std::vector<std::int16_t>({0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(codes(5, 19), codes(0, 19));
    EXPECT_EQ(satz(0, kMai).Betrag[4], 1450);     // Bayern 2007: 14.50 %
    sitzung.auswahlTreffen(Seite::Gruen, 2, 12);  // Sachsen
    EXPECT_EQ(satz(0, kJuni).Auswahl[21], 4);
    EXPECT_EQ(satz(5, kJuni).Auswahl[19], 2);
    EXPECT_EQ(satz(0, kJuni).Betrag[4], 1290);
    // Health insurance with employer subsidy in Saxony takes the Saxon care subsidy along.
    sitzung.auswahlTreffen(Seite::Gruen, 20, 1);
    EXPECT_EQ(satz(0, kJuni).Auswahl[21], 5);
    // A sliding-zone entry in any insurance moves all four into the zone; the "Keine" entry
    // of unemployment insurance (code 2) does not.
    sitzung.auswahlTreffen(Seite::Gruen, 23, 2);
    EXPECT_EQ(satz(0, kJuni).Auswahl[20], 1);
    EXPECT_EQ(satz(0, kJuni).Auswahl[23], 2);
    sitzung.auswahlTreffen(Seite::Gruen, 23, 1);
    EXPECT_EQ(std::vector<std::int16_t>(satz(0, kJuni).Auswahl.begin() + 20,
                                        satz(0, kJuni).Auswahl.begin() + 24),
              std::vector<std::int16_t>({2, 2, 2, 1}));
}

TEST_F(SitzungTest, StatusSchaltetVersicherungenUm) {
    struct Fall {
        int status;
        std::vector<std::int16_t> versicherung;
        bool waehlbar;
    };
    const Fall faelle[] = {
        {2, {3, 3, 3, 2, 0}, false},  // Mini-Job: the "Keine" entries
        {1, {3, 3, 3, 2, 0}, false},
        {3, {2, 2, 2, 1, 0}, true},  // sliding zone (the surcharge keeps its code)
        {0, {0, 0, 0, 0, 2}, true},
    };
    for (const Fall& f : faelle) {
        sitzung.monatWaehlen(kApril);
        sitzung.auswahlTreffen(Seite::Gruen, 3, f.status);
        for (const int c : {0, 5}) {
            for (int m = kApril; m < 12; ++m) {
                const auto& a = satz(c, m).Auswahl;
                EXPECT_EQ(std::vector<std::int16_t>(a.begin() + 20, a.begin() + 25), f.versicherung)
                    << "status " << f.status << " calc " << c << " month " << m;
            }
        }
        EXPECT_EQ(satz(0, kMaerz).Auswahl[20], 0);
        EXPECT_EQ(sitzung.auswahlMoeglich(Seite::Gruen, 20), f.waehlbar);
        EXPECT_EQ(sitzung.auswahlTreffen(Seite::Gruen, 22, 0).angenommen, f.waehlbar);
        EXPECT_TRUE(sitzung.auswahlMoeglich(Seite::Gruen, 17));
    }
}

TEST_F(SitzungTest, NamenUndKommentareNurMitZeichenDerDatendateien) {
    // What a Windows-1252 field cannot hold is refused with a message, not stored as "?".
    const struct {
        const char* text;
        bool angenommen;
    } faelle[] = {{"Müller – 5 € „Zulage“", true}, {"Tab\there", false},
                  {"zwei\nZeilen", false},         {"Ωmega", false},
                  {"kaputt \xC3", false},          {"\xF0\x9F\x98\x80", false}};
    for (const auto& f : faelle) {
        const Arbeitsbereich vorher = sitzung.arbeitsbereich();
        const Rueckmeldung name = sitzung.umbenennen(Seite::Gruen, f.text);
        const Rueckmeldung kommentar = sitzung.kommentarSetzen(Seite::Blau, f.text);
        EXPECT_EQ(name.angenommen, f.angenommen) << f.text;
        EXPECT_EQ(kommentar.angenommen, f.angenommen) << f.text;
        if (f.angenommen) {
            EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, 0).Fallname, f.text);
        } else {
            EXPECT_EQ(name.meldungen.size(), 1u);
            EXPECT_TRUE(sitzung.arbeitsbereich() == vorher) << f.text;
        }
    }
}

TEST_F(SitzungTest, BlaueAenderungenBleibenBlau) {
    sitzung.monatWaehlen(kMaerz);
    sitzung.auswahlTreffen(Seite::Blau, 20, 1);
    const auto blauVersicherung = codes(5, 21);
    sitzung.auswahlTreffen(Seite::Blau, 17, 4);
    EXPECT_EQ(codes(5, 21), blauVersicherung);
    EXPECT_EQ(codes(0, 17), std::vector<std::int16_t>(12, 0));
    sitzung.umbenennen(Seite::Blau, "  Zweitjob mit einem sehr langen Namen, der nicht passt  ");
    EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, 5).Fallname, "Zweitjob mit einem sehr langen Name");
    EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, 0).Fallname, "O R I G I N A L   1");
}

TEST_F(SitzungTest, GelbeSpalteUndModus) {
    sitzung.betragEingeben(Seite::Gruen, 5, "3000");
    sitzung.auswahlTreffen(Seite::Blau, 17, 2);
    GelbeSpalte g = sitzung.gelbeSpalte();
    EXPECT_TRUE(g.gemeinsam);
    EXPECT_EQ(g.modusText, "gemeinsam");
    EXPECT_EQ(g.werte[5], 600000);
    sitzung.monatWaehlen(kJuni);
    sitzung.modusUmschalten();
    g = sitzung.gelbeSpalte();
    EXPECT_EQ(g.modusText, "Unterschied");
    EXPECT_EQ(g.modusFarbe, Farbe::Hellrot);
    EXPECT_EQ(g.werte[5], 0);
    // Blue (class III) withholds less: blue minus green of a deduction is positive.
    EXPECT_GT(g.werte[17], 0);
    EXPECT_EQ(g.farben[17], Farbe::Schwarz);
    EXPECT_LT(g.werte[20], 1);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(satz(0, m).Gemeinsam, m < kJuni) << m;
    sitzung.jahresgehaltZeigen();
    EXPECT_EQ(sitzung.gelbeSpalte().werte[5], 0);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[5].betrag, 12 * 300000);
}

TEST_F(SitzungTest, NavigationZeigtGespeicherteWerteOhneNeuberechnung) {
    sitzung.betragEingeben(Seite::Gruen, 5, "3000");
    // A stored result that a recalculation would overwrite stays as it is on navigation.
    sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[17] = -12345;
    sitzung.arbeitsbereich().monat(1, 0, kJuni).Betrag[17] = -777;
    sitzung.monatWaehlen(kJuni);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[17].betrag, -12345);
    EXPECT_EQ(sitzung.periodentext(), "Monatsgehalt JUNI 2007");
    sitzung.jahresknopfKlicken(1);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[17].betrag, -777);
    EXPECT_EQ(sitzung.monat(), kJuni);
    EXPECT_EQ(sitzung.fallIndex(), 0);
    EXPECT_EQ(sitzung.periodentext(), "Monatsgehalt JUNI 2005");
    sitzung.jahresknopfKlicken(3);
    sitzung.jahresgehaltZeigen();
    EXPECT_EQ(sitzung.periodentext(), "Jahresgehalt 2007");
    EXPECT_TRUE(sitzung.jahresmodus());
    // In the annual view nothing can be changed.
    for (const Rueckmeldung& r :
         {sitzung.betragEingeben(Seite::Gruen, 5, "1"), sitzung.auswahlTreffen(Seite::Gruen, 17, 1),
          sitzung.pfeilAuf(Seite::Blau, 5), sitzung.tagesquoteUmschalten(Seite::Gruen, 5),
          sitzung.fallWaehlen(2)}) {
        EXPECT_FALSE(r.angenommen);
        ASSERT_EQ(r.meldungen.size(), 1u);
        EXPECT_EQ(r.meldungen[0].titel, "Jahresgehalt ändern");
    }
    EXPECT_EQ(sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[17], -12345);
    // The case choice recalculates.
    sitzung.monatWaehlen(kJuni);
    sitzung.fallWaehlen(0);
    EXPECT_NE(sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[17], -12345);
}

TEST_F(SitzungTest, EinstellungenBeimBeenden) {
    Einstellungen e = sitzung.einstellungen();
    EXPECT_EQ(e.Monat, 1);  // no month button clicked
    sitzung.monatWaehlen(11);
    sitzung.jahresgehaltZeigen();
    sitzung.fallWaehlen(3);
    e = sitzung.einstellungen();
    EXPECT_EQ(e.Monat, 12);
    EXPECT_EQ(e.Jahr, 2007);
    EXPECT_EQ(e.Fall, 1);  // the annual view refused the case choice
    sitzung.monatWaehlen(11);
    sitzung.fallWaehlen(3);
    EXPECT_EQ(sitzung.einstellungen().Fall, 4);
    // A stored blue case number restores its green case, a month beyond 12 January.
    Sitzung s(neuerArbeitsbereich(), einstellungen(2005, 8, 13));
    EXPECT_EQ(s.fallIndex(), 2);
    EXPECT_EQ(s.monat(), 0);
    EXPECT_EQ(s.jahr(), 2005);
}

TEST_F(SitzungTest, AbgelehnterJahresausgleichMeldetSichJeBerechnung) {
    sitzung.betragEingeben(Seite::Gruen, 5, "3000");
    sitzung.auswahlTreffen(Seite::Gruen, 4, 1);
    sitzung.monatWaehlen(kMaerz);
    const Rueckmeldung r = sitzung.betragEingeben(Seite::Gruen, 3, "15");
    ASSERT_EQ(r.meldungen.size(), 2u);  // green and blue
    EXPECT_EQ(r.meldungen[0].titel, "Kein LStAusgleich des AG zulässig");
    EXPECT_EQ(codes(0, 4), std::vector<std::int16_t>(12, 0));
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[4].beschriftung,
              "Im Dez. ohne LSt-Jahresausgl.d. AG");
}

}  // namespace
}  // namespace brelvanostik
