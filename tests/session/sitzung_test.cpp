// The session: the dependent choices, the corrections and refusals, the yellow column and
// navigation without recalculation. Which months and calculations an edit reaches is the
// row rules' test.
#include <gtest/gtest.h>

#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

constexpr int kMaerz = 2, kApril = 3, kMai = 4, kJuni = 5;
constexpr int kGruen = 0, kBlau = 5;

Einstellungen einstellungen(int jahr, int fall, int monat) {
    Einstellungen e;
    e.Jahr = jahr;
    e.Fall = fall;
    e.Monat = monat;
    return e;
}

class SitzungTest : public ::testing::Test {
  protected:
    const Monatssatz& satz(int berechnung, int monat) const {
        return sitzung.arbeitsbereich().monat(sitzung.jahr() - kErstesJahr, berechnung, monat);
    }
    /// The amounts of a row in the twelve months of a calculation.
    std::vector<std::int32_t> betraege(int berechnung, int zeile) const {
        std::vector<std::int32_t> v;
        for (int m = 0; m < kMonate; ++m) v.push_back(satz(berechnung, m).Betrag[zeile]);
        return v;
    }
    /// The choice codes of a row, or of `anzahl` rows from it, in one month.
    std::vector<std::int16_t> codes(int berechnung, int monat, int zeile, int anzahl = 1) const {
        const auto& a = satz(berechnung, monat).Auswahl;
        return std::vector<std::int16_t>(a.begin() + zeile, a.begin() + zeile + anzahl);
    }
    /// The codes of a row in the twelve months of a calculation.
    std::vector<std::int16_t> jahrescodes(int berechnung, int zeile) const {
        std::vector<std::int16_t> v;
        for (int m = 0; m < kMonate; ++m) v.push_back(satz(berechnung, m).Auswahl[zeile]);
        return v;
    }
    /// `vorher` in the months before `monat`, `danach` from it on.
    static std::vector<std::int32_t> ab(int monat, std::int32_t vorher, std::int32_t danach) {
        std::vector<std::int32_t> v(kMonate, vorher);
        for (int m = monat; m < kMonate; ++m) v[m] = danach;
        return v;
    }
    Sitzung sitzung{neuerArbeitsbereich(), einstellungen(2007, 1, 1)};
};

TEST_F(SitzungTest, BlaueAbweichungWirdHellgelbMarkiertUndBleibtBlau) {
    sitzung.monatWaehlen(kMaerz);
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
    EXPECT_EQ(sitzung.anzeige(Seite::Blau).zeilen[zeile::Gehalt].feldHintergrund, Farbe::Weiss);
    sitzung.betragEingeben(Seite::Blau, zeile::Gehalt, "3100");
    EXPECT_EQ(sitzung.anzeige(Seite::Blau).zeilen[zeile::Gehalt].feldHintergrund, Farbe::Hellgelb);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Gehalt].feldHintergrund, Farbe::Weiss);
    // A blue tax class other than green's marks the blue label and leaves blue's insurance.
    sitzung.auswahlTreffen(Seite::Blau, zeile::Krankenversicherung, wahl::vers::Zuschuss);
    const auto blauePflege = jahrescodes(kBlau, zeile::Pflegeversicherung);
    sitzung.auswahlTreffen(Seite::Blau, zeile::Steuerklasse, wahl::klasse::III);
    EXPECT_EQ(jahrescodes(kBlau, zeile::Pflegeversicherung), blauePflege);
    const Seitenanzeige blau = sitzung.anzeige(Seite::Blau);
    EXPECT_EQ(blau.zeilen[zeile::Steuerklasse].beschriftungHintergrund, Farbe::Hellgelb);
    EXPECT_EQ(blau.zeilen[zeile::Steuerklasse].beschriftung, "Steuerklasse DREI");
    EXPECT_EQ(blau.zeilen[zeile::Kirchensteuer].beschriftungHintergrund, Farbe::Weiss);
}

TEST_F(SitzungTest, UnzulaessigeEingabenWerdenAbgelehnt) {
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "1000");
    const Arbeitsbereich vorher = sitzung.arbeitsbereich();
    for (const char* text : {"1,2,3", "12a", "-5", "1.5", "12345678901", "2900000"}) {
        const Rueckmeldung r = sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, text);
        EXPECT_FALSE(r.angenommen) << text;
        EXPECT_EQ(r.meldungen.size(), 1u) << text;
    }
    EXPECT_NE(sitzung.betragEingeben(Seite::Gruen, zeile::EinmaligerBezug, "290000,01")
                  .meldungen.at(0)
                  .text.find("290.000,00"),
              std::string::npos);
    EXPECT_TRUE(sitzung.arbeitsbereich() == vorher);
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "290000");
    // One euro beyond the limit.
    EXPECT_FALSE(sitzung.pfeilAuf(Seite::Gruen, zeile::Gehalt).angenommen);
}

// The largest amount in every amount row of every month keeps every stored sum within
// 32 bits (the sanitizer build turns an overflow into a failure).
TEST_F(SitzungTest, HoechstbetraegeUeberallRechnenOhneUeberlauf) {
    for (const int zeile :
         {zeile::Gehalt, zeile::Versorgungsbezug, zeile::EinmaligerBezug,
          zeile::EinmaligerVersorgungsbezug, zeile::MehrjahresVerguetung, zeile::Freibetrag,
          zeile::Hinzurechnung, zeile::ZusaetzlichSteuerpflichtig, zeile::ZusaetzlichSvPflichtig,
          zeile::Abzug}) {
        for (int m = 0; m < kMonate; ++m) {
            sitzung.monatWaehlen(m);
            ASSERT_TRUE(sitzung.betragEingeben(Seite::Gruen, zeile, "290000").angenommen) << zeile;
        }
    }
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Einbehalt);
    sitzung.betragEingeben(Seite::Gruen, Versorgungsfeld::ErsterMonatsbezug, "290000");
    sitzung.betragEingeben(Seite::Gruen, Versorgungsfeld::Sonderzahlung, "290000");
    sitzung.jahresgehaltZeigen();
    const Seitenanzeige a = sitzung.anzeige(Seite::Gruen);
    EXPECT_EQ(a.zeilen[zeile::Gehalt].betrag, 12 * 29'000'000LL);
    EXPECT_GT(a.zeilen[zeile::Auszahlung].betrag, 0);
    EXPECT_LE(satz(kGruen, 11).Kennwert[kennwert::JahreslohnMitEinmal],
              std::numeric_limits<std::int32_t>::max());
}

TEST_F(SitzungTest, SparrateFolgtDemVorzeichen) {
    sitzung.monatWaehlen(kMaerz);
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Bausparrate);
    sitzung.betragEingeben(Seite::Gruen, zeile::Abzug, "40");
    EXPECT_EQ(betraege(kGruen, zeile::Abzug), ab(kMaerz, 0, -4000));
    // The retention is paid out: the choice turns the stored sign.
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Einbehalt);
    EXPECT_EQ(betraege(kBlau, zeile::Abzug), ab(kMaerz, 0, 4000));
    sitzung.betragEingeben(Seite::Gruen, zeile::Abzug, "10");
    EXPECT_EQ(betraege(kGruen, zeile::Abzug), ab(kMaerz, 0, 1000));
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Riesterrente);
    EXPECT_EQ(betraege(kGruen, zeile::Abzug), ab(kMaerz, 0, -1000));
    // The arrows: up makes the deduction larger, down smaller but never a payment; they are
    // neither mirrored nor carried forward.
    sitzung.pfeilAuf(Seite::Gruen, zeile::Abzug);
    EXPECT_EQ(satz(kGruen, kMaerz).Betrag[zeile::Abzug], -1100);
    EXPECT_EQ(satz(kBlau, kMaerz).Betrag[zeile::Abzug], -1000);
    EXPECT_EQ(satz(kGruen, kApril).Betrag[zeile::Abzug], -1000);
    sitzung.betragEingeben(Seite::Gruen, zeile::Abzug, "0,5");
    sitzung.pfeilAb(Seite::Gruen, zeile::Abzug);
    EXPECT_EQ(satz(kGruen, kMaerz).Betrag[zeile::Abzug], 0);
    EXPECT_FALSE(sitzung.pfeilAb(Seite::Gruen, zeile::Abzug).angenommen);
}

TEST_F(SitzungTest, AbhaengigeAuswahlen) {
    using namespace wahl;
    sitzung.monatWaehlen(kMai);
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Bundesland, land::Bayern);
    EXPECT_EQ(jahrescodes(kGruen, zeile::Kirchensteuer),
              std::vector<std::int16_t>({0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(jahrescodes(kBlau, zeile::Kirchensteuer), jahrescodes(kGruen, zeile::Kirchensteuer));
    EXPECT_EQ(satz(kGruen, kMai).Betrag[zeile::KvSatz], 1450);  // Bayern 2007: 14.50 %
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Bundesland, land::Sachsen);
    EXPECT_EQ(codes(kGruen, kJuni, zeile::Pflegeversicherung)[0], vers::SachsenBeitrag);
    EXPECT_EQ(codes(kBlau, kJuni, zeile::Kirchensteuer)[0], kirche::Neun);
    EXPECT_EQ(satz(kGruen, kJuni).Betrag[zeile::KvSatz], 1290);
    // Health insurance with employer subsidy in Saxony takes the Saxon care subsidy along.
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Krankenversicherung, vers::Zuschuss);
    EXPECT_EQ(codes(kGruen, kJuni, zeile::Pflegeversicherung)[0], vers::SachsenZuschuss);
    // A sliding-zone entry in any insurance moves all four into the zone; the "Keine" entry
    // of unemployment insurance does not.
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Arbeitslosenversicherung, alv::Keine);
    EXPECT_EQ(codes(kGruen, kJuni, zeile::Krankenversicherung)[0], vers::Zuschuss);
    EXPECT_EQ(codes(kGruen, kJuni, zeile::Arbeitslosenversicherung)[0], alv::Keine);
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Arbeitslosenversicherung, alv::Gleitzone);
    EXPECT_EQ(codes(kGruen, kJuni, zeile::Krankenversicherung, 4),
              std::vector<std::int16_t>(
                  {vers::Gleitzone, vers::Gleitzone, vers::Gleitzone, alv::Gleitzone}));
}

TEST_F(SitzungTest, StatusSchaltetVersicherungenUm) {
    using namespace wahl;
    struct Fall {
        int status;
        std::vector<std::int16_t> versicherung;  // health to the additional contribution
        bool waehlbar;
    };
    const Fall faelle[] = {
        {sv::MiniJob, {vers::Keine, vers::Keine, vers::Keine, alv::Keine, 0}, false},
        {sv::NichtPflichtig, {vers::Keine, vers::Keine, vers::Keine, alv::Keine, 0}, false},
        // The additional contribution keeps its code in the sliding zone.
        {sv::Gleitzone,
         {vers::Gleitzone, vers::Gleitzone, vers::Gleitzone, alv::Gleitzone, 0},
         true},
        {sv::Pflichtig, {0, 0, 0, 0, zusatz::Kinderlose}, true},
    };
    for (const Fall& f : faelle) {
        sitzung.monatWaehlen(kApril);
        sitzung.auswahlTreffen(Seite::Gruen, zeile::SvStatus, f.status);
        for (const int c : {kGruen, kBlau}) {
            for (int m = kApril; m < kMonate; ++m) {
                EXPECT_EQ(codes(c, m, zeile::Krankenversicherung, 5), f.versicherung)
                    << "status " << f.status << " calc " << c << " month " << m;
            }
        }
        EXPECT_EQ(codes(kGruen, kMaerz, zeile::Krankenversicherung)[0], 0);
        EXPECT_EQ(sitzung.auswahlMoeglich(Seite::Gruen, zeile::Krankenversicherung), f.waehlbar);
        EXPECT_EQ(sitzung.auswahlTreffen(Seite::Gruen, zeile::Rentenversicherung, 0).angenommen,
                  f.waehlbar);
        EXPECT_TRUE(sitzung.auswahlMoeglich(Seite::Gruen, zeile::Steuerklasse));
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
            EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, kGruen).Fallname, f.text);
        } else {
            EXPECT_EQ(name.meldungen.size(), 1u);
            EXPECT_TRUE(sitzung.arbeitsbereich() == vorher) << f.text;
        }
    }
    // A name is trimmed and cut to the field; blue's own name leaves green's.
    sitzung.umbenennen(Seite::Blau, "  Zweitjob mit einem sehr langen Namen, der nicht passt  ");
    EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, kBlau).Fallname,
              "Zweitjob mit einem sehr langen Name");
    EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, kGruen).Fallname, "Müller – 5 € „Zulage“");
}

TEST_F(SitzungTest, GelbeSpalteUndModus) {
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
    sitzung.auswahlTreffen(Seite::Blau, zeile::Steuerklasse, wahl::klasse::III);
    GelbeSpalte g = sitzung.gelbeSpalte();
    EXPECT_TRUE(g.gemeinsam);
    EXPECT_EQ(g.modusText, "gemeinsam");
    EXPECT_EQ(g.werte[zeile::Gehalt], 600000);
    sitzung.monatWaehlen(kJuni);
    sitzung.modusUmschalten();
    g = sitzung.gelbeSpalte();
    EXPECT_EQ(g.modusText, "Unterschied");
    EXPECT_EQ(g.modusFarbe, Farbe::Hellrot);
    EXPECT_EQ(g.werte[zeile::Gehalt], 0);
    // Both recalculated: blue (class III) withholds less, so blue minus green of the wage
    // tax, a deduction, is positive.
    EXPECT_LT(satz(kGruen, kJuni).Betrag[zeile::Lohnsteuer], 0);
    EXPECT_GT(g.werte[zeile::Lohnsteuer], 0);
    EXPECT_EQ(g.farben[zeile::Lohnsteuer], Farbe::Schwarz);
    EXPECT_LT(g.werte[zeile::Krankenversicherung], 1);
    for (int m = 0; m < kMonate; ++m) EXPECT_EQ(satz(kGruen, m).Gemeinsam, m < kJuni) << m;
    sitzung.jahresgehaltZeigen();
    EXPECT_EQ(sitzung.gelbeSpalte().werte[zeile::Gehalt], 0);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Gehalt].betrag, 12 * 300000);
}

TEST_F(SitzungTest, NavigationZeigtGespeicherteWerteOhneNeuberechnung) {
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
    // A stored result that a recalculation would overwrite stays as it is on navigation.
    sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[zeile::Lohnsteuer] = -12345;
    sitzung.arbeitsbereich().monat(1, 0, kJuni).Betrag[zeile::Lohnsteuer] = -777;
    sitzung.monatWaehlen(kJuni);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Lohnsteuer].betrag, -12345);
    EXPECT_EQ(sitzung.periodentext(), "Monatsgehalt JUNI 2007");
    sitzung.jahresknopfKlicken(1);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Lohnsteuer].betrag, -777);
    EXPECT_EQ(sitzung.monat(), kJuni);
    EXPECT_EQ(sitzung.fallIndex(), 0);
    EXPECT_EQ(sitzung.periodentext(), "Monatsgehalt JUNI 2005");
    sitzung.jahresknopfKlicken(3);
    sitzung.jahresgehaltZeigen();
    EXPECT_EQ(sitzung.periodentext(), "Jahresgehalt 2007");
    EXPECT_TRUE(sitzung.jahresmodus());
    // In the annual view nothing can be changed.
    for (const Rueckmeldung& r :
         {sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "1"),
          sitzung.auswahlTreffen(Seite::Gruen, zeile::Steuerklasse, wahl::klasse::II),
          sitzung.pfeilAuf(Seite::Blau, zeile::Gehalt),
          sitzung.tagesquoteUmschalten(Seite::Gruen, zeile::Gehalt), sitzung.fallWaehlen(2)}) {
        EXPECT_FALSE(r.angenommen);
        ASSERT_EQ(r.meldungen.size(), 1u);
        EXPECT_EQ(r.meldungen[0].titel, "Jahresgehalt ändern");
    }
    EXPECT_EQ(sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[zeile::Lohnsteuer], -12345);
    // The case choice recalculates.
    sitzung.monatWaehlen(kJuni);
    sitzung.fallWaehlen(0);
    EXPECT_NE(sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[zeile::Lohnsteuer], -12345);
}

TEST_F(SitzungTest, EinstellungenBeimBeenden) {
    EXPECT_EQ(sitzung.einstellungen().Monat, 1);  // no month button clicked
    sitzung.monatWaehlen(11);
    sitzung.jahresgehaltZeigen();
    sitzung.fallWaehlen(3);
    Einstellungen e = sitzung.einstellungen();
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
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Jahresausgleich, wahl::ausgleich::Mit);
    sitzung.monatWaehlen(kMaerz);
    const Rueckmeldung r = sitzung.betragEingeben(Seite::Gruen, zeile::Tage, "15");
    ASSERT_EQ(r.meldungen.size(), 2u);  // green and blue
    EXPECT_EQ(r.meldungen[0].titel, "Kein LStAusgleich des AG zulässig");
    EXPECT_EQ(jahrescodes(kGruen, zeile::Jahresausgleich), std::vector<std::int16_t>(kMonate, 0));
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Jahresausgleich].beschriftung,
              "Im Dez. ohne LSt-Jahresausgl.d. AG");
}

}  // namespace
}  // namespace brelvanostik
