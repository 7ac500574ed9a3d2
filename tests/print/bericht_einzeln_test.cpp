// The single-calculation month report and the printed all-months table.
#include <gtest/gtest.h>

#include <memory>

#include "berichtfall.h"
#include "print/bericht_einzeln.h"
#include "print/bericht_tabelle.h"
#include "print/berichtstexte.h"

namespace brelvanostik::druck {
namespace {

class BerichtEinzeln : public ::testing::Test {
  protected:
    BerichtEinzeln() : s(berichtfall(halter)) {}
    std::unique_ptr<Sitzung> halter;
    Sitzung& s;
};

TEST_F(BerichtEinzeln, KopfUndSchlussBeiderSeiten) {
    s.kommentarSetzen(Seite::Blau, "    ");
    const std::vector<std::string> z =
        zeilen(berichtEinzeln(s, Seite::Blau, "https://www.beispiel.de/"));
    const std::vector<std::string> anfang = {
        "",
        "@200:A L T E R N A T I V E   1",
        "@200:G e s e t z l i c h e   A b z ü g e",
        "@200:im JAN. 2007 (31,00 Tage von normal 31,00 Tagen)",
        "@200:" + std::string(80, '_'),  // a comment of blanks prints no line
        "",
        "@200:Berechnungsgrundlagen:",
        "@200:Geburtsjahrgang nach 1942 | @4900: Monatlicher Steuerfreibetrag | @8500:         "
        "100,00",
    };
    ASSERT_GE(z.size(), anfang.size());
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + static_cast<long>(anfang.size())),
              anfang);
    EXPECT_EQ(z.back(), "@200:https://www.beispiel.de/");
    // The amounts in their lines and columns are checked for random cases in spalten_test.
    const std::vector<std::string> gruen = zeilen(berichtEinzeln(s, Seite::Gruen, "a"));
    EXPECT_EQ(gruen.at(1), "@200:O R I G I N A L   1");
    EXPECT_EQ(gruen.at(4), "@200:Probemonat");  // trimmed at both ends
}

TEST_F(BerichtEinzeln, TabelleAllerMonate) {
    s.monatsknopfKlicken(12);
    const Dokument d = berichtTabelle(s, Seite::Gruen, "06.12.2026", "https://www.beispiel.de/");
    EXPECT_TRUE(d.quer);
    const std::vector<std::string> z = zeilen(d);
    EXPECT_EQ(z.at(3), "+:O R I G I N A L   1 | #70:Steuerklasse EINS");
    EXPECT_EQ(z.at(6), "+:Sozialversicherungspflichtig | #70:KV-Beitragssatz 13,90 %");
    std::string kopf;
    for (int m = 0; m < 12; ++m) {
        kopf += "#" + std::to_string(11 * m + 26) + ":" +
                std::string(Sitzung::monatsknopfTexte()[m]) + " | ";
    }
    EXPECT_EQ(zeileMit(z, "#26:"), kopf + "#161:Summe");
    // Rules and empty lines before the rows 6, 7, 15, 16 and 19.
    const std::string regel = "+:" + std::string(167, '_');
    for (const char* zeile : {"+:B R U T T O", "+:Lohnsteuer", "+:Su. A B Z Ü G E", "+:N E T T O",
                              "+:Steuerpflichtig"}) {
        const auto stelle = std::find_if(
            z.begin(), z.end(), [&](const std::string& t) { return t.rfind(zeile, 0) == 0; });
        ASSERT_NE(stelle, z.end()) << zeile;
        EXPECT_EQ(*(stelle - 1), "");
        EXPECT_EQ(*(stelle - 2), regel);
    }
    EXPECT_EQ(z.back(), "+:06.12.2026  https://www.beispiel.de/");
}

TEST(Betragsfeld, LangeBetraegeBleibenLesbar) {
    struct Fall {
        std::int64_t wert;
        int breite;
        const char* text;
        int ueber;
    };
    const Fall faelle[] = {
        {0, 11, "       0,00", 0},
        {-84291, 14, "       -842,91", 0},
        {99999999, 11, " 999.999,99", 0},
        {123456789, 11, " 1234567,89", 0},  // the dots go first
        {-123456789, 11, "-1234567,89", 0},
        {12345678901, 11, "123456789,01", 1},  // then the field widens to the left
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(betragsfeld(f.wert, f.breite), f.text);
        EXPECT_EQ(ueberstand(betragsfeld(f.wert, f.breite), f.breite), f.ueber);
    }
}

}  // namespace
}  // namespace brelvanostik::druck
