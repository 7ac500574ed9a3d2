// The reports' texts around the amounts: titles, sides, period, comment, labels and the closing
// lines, for the worked case. The amounts in their lines and columns: spalten_test.
#include <gtest/gtest.h>

#include "berichtfall.h"
#include "print/bericht_beide.h"
#include "print/bericht_einzeln.h"
#include "print/bericht_tabelle.h"
#include "print/berichtstexte.h"

namespace brelvanostik::druck {
namespace {

const std::string kAdresse = "https://www.beispiel.de/";

// The worked case: case 1 in January 2007 (31 of 31 days), 3,000.00 euros salary and 1,000.00
// euros one-time payment on green; the blue twin in tax class III with 3,600.00 euros; a comment
// on green, none on blue; a monthly tax-card allowance.
class Berichte : public ::testing::Test {
  protected:
    Berichte() {
        s.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
        s.betragEingeben(Seite::Gruen, zeile::EinmaligerBezug, "1000");
        s.betragEingeben(Seite::Gruen, zeile::Freibetrag, "100");
        s.auswahlTreffen(Seite::Blau, zeile::Steuerklasse, 2);
        s.betragEingeben(Seite::Blau, zeile::Gehalt, "3600");
        s.kommentarSetzen(Seite::Gruen, "  Probemonat  ");
    }
    Sitzung s{neuerArbeitsbereich(), Einstellungen{}};
};

// The first lines are these; the others are found later in this order.
void beginntUndFolgt(const std::vector<std::string>& z, const std::vector<std::string>& anfang,
                     const std::vector<std::string>& folge = {}) {
    ASSERT_GE(z.size(), anfang.size());
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + static_cast<long>(anfang.size())),
              anfang);
    auto ab = z.begin();
    for (const std::string& zeile : folge) {
        ab = std::find(ab, z.end(), zeile);
        ASSERT_NE(ab, z.end()) << "fehlt oder in falscher Folge: " << zeile;
    }
}

TEST_F(Berichte, EinzelberichtKopfUndSchlussBeiderSeiten) {
    s.kommentarSetzen(Seite::Blau, "    ");
    const std::vector<std::string> z = zeilen(berichtEinzeln(s, Seite::Blau, kAdresse));
    beginntUndFolgt(z, {
                           "",
                           "@200:A L T E R N A T I V E   1",
                           "@200:G e s e t z l i c h e   A b z ü g e",
                           "@200:im JAN. 2007 (31,00 Tage von normal 31,00 Tagen)",
                           "@200:" + std::string(80, '_'),  // a comment of blanks prints no line
                           "",
                           "@200:Berechnungsgrundlagen:",
                           "@200:Geburtsjahrgang nach 1942 | @4900: Monatlicher "
                           "Steuerfreibetrag | @8500:         100,00",
                       });
    EXPECT_EQ(z.back(), "@200:" + kAdresse);
    const std::vector<std::string> gruen = zeilen(berichtEinzeln(s, Seite::Gruen, "a"));
    EXPECT_EQ(gruen.at(1), "@200:O R I G I N A L   1");
    EXPECT_EQ(gruen.at(4), "@200:Probemonat");  // trimmed at both ends
}

TEST_F(Berichte, TabelleAllerMonate) {
    s.jahresgehaltZeigen();
    const Dokument d = berichtTabelle(s, Seite::Gruen, "06.12.2026", kAdresse);
    EXPECT_TRUE(d.quer);
    const std::vector<std::string> z = zeilen(d);
    EXPECT_EQ(z.at(3), "+:O R I G I N A L   1 | #70:Steuerklasse EINS");
    EXPECT_EQ(z.at(6), "+:Sozialversicherungspflichtig | #70:KV-Beitragssatz 13,90 %");
    const std::string kopf = zeileMit(z, "#26:");
    EXPECT_EQ(kopf.substr(0, 24), "#26:JAN. | #37:FEB. | #4");
    EXPECT_EQ(kopf.substr(kopf.size() - 22), "#147:DEZ. | #161:Summe");
    // A rule and an empty line before the rows 6, 7, 15, 16 and 19.
    for (const char* zeile : {"+:B R U T T O", "+:Lohnsteuer", "+:Su. A B Z Ü G E", "+:N E T T O",
                              "+:Steuerpflichtig"}) {
        const auto stelle = std::find_if(
            z.begin(), z.end(), [&](const std::string& t) { return t.rfind(zeile, 0) == 0; });
        ASSERT_NE(stelle, z.end()) << zeile;
        EXPECT_EQ(*(stelle - 1), "");
        EXPECT_EQ(*(stelle - 2), "+:" + std::string(167, '_'));
    }
    EXPECT_EQ(z.back(), "+:06.12.2026  " + kAdresse);
}

TEST_F(Berichte, BeideMonatsberichtZeilenInIhrerFolge) {
    const std::vector<std::string> z = zeilen(berichtBeide(s, kAdresse));
    beginntUndFolgt(
        z,
        {"", "", "", "@4300:G e s e t z l i c h e   A b z ü g e",
         "@3000:im JAN. 2007 (31,00 Tage von normal 31,00 Tagen)", "",
         "+:O R I G I N A L   1 | @7600:A L T E R N A T I V E   1", "+:" + std::string(95, '_'), "",
         "@4000:Berechnungsgrundlagen:",
         "+:Geburtsjahrgang nach 1942 | @7600:Geburtsjahrgang nach "
         "1942"},
        {// A label longer than 27 characters is cut on the green side only.
         "+: Monatlicher Steuerfreibetr | @3000:         100,00 | @5200:         100,00 | @7600: "
         "Monatlicher Steuerfreibetrag",
         "+: BBG KV und PV | @3000:      3.562,50 | @5200:      3.562,50 | @7600: BBG KV und PV",
         "@10800:gemeinsam",
         // The tax line carries each side's class.
         "+:Steuerklasse EINS | @3000:       -837,91 | @5200:       -663,16 | @7600:Steuerklasse "
         "DREI | @10600:   -1.501,07   "});
    const std::vector<std::string> schluss = {"+:" + std::string(84, '='), "", "",
                                              "+:   " + kAdresse};
    EXPECT_EQ(std::vector<std::string>(z.end() - 4, z.end()), schluss);
}

TEST_F(Berichte, BeideJahresberichtOhnePeriodeMitJahresgrenzen) {
    s.jahresgehaltZeigen();
    const std::vector<std::string> z = zeilen(berichtBeide(s, kAdresse));
    EXPECT_EQ(z.at(3), "@3500:G e s e t z l i c h e   A b z ü g e   2007");
    EXPECT_FALSE(enthaelt(z, "Tage von normal"));
    for (const std::string zeile :
         {"+: BBG KV und PV | @3000:     42.750,00 | @5200:     42.750,00 | @7600: BBG KV und PV",
          "+: BBG RV und AV | @3000:     63.000,00 | @5200:     63.000,00 | @7600: BBG RV und AV"})
        EXPECT_EQ(zeileMit(z, zeile.substr(0, 16)), zeile);
}

TEST(Betragsfeld, LangeBetraegeBleibenLesbar) {
    // {amount, field width, text, characters beyond the field}
    const std::tuple<std::int64_t, int, const char*, int> faelle[] = {
        {0, 11, "       0,00", 0},
        {-84291, 14, "       -842,91", 0},
        {99999999, 11, " 999.999,99", 0},
        {123456789, 11, " 1234567,89", 0},  // the dots go first
        {-123456789, 11, "-1234567,89", 0},
        {12345678901, 11, "123456789,01", 1},  // then the field widens to the left
    };
    for (const auto& [wert, breite, text, ueber] : faelle) {
        EXPECT_EQ(betragsfeld(wert, breite), text);
        EXPECT_EQ(ueberstand(betragsfeld(wert, breite), breite), ueber);
    }
}

}  // namespace
}  // namespace brelvanostik::druck
