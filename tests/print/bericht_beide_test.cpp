// The two-sided report: the month form and the year form of the worked case.
#include <gtest/gtest.h>

#include <memory>

#include "berichtfall.h"
#include "print/bericht_beide.h"

namespace brelvanostik::druck {
namespace {

class BerichtBeide : public ::testing::Test {
  protected:
    BerichtBeide() : s(berichtfall(halter)) {}
    std::vector<std::string> bericht() const {
        return zeilen(berichtBeide(s, "https://www.beispiel.de/"));
    }
    std::unique_ptr<Sitzung> halter;
    Sitzung& s;
};

TEST_F(BerichtBeide, MonatsberichtZeilenInIhrerFolge) {
    const std::vector<std::string> z = bericht();
    const std::vector<std::string> anfang = {
        "",
        "",
        "",
        "@4300:G e s e t z l i c h e   A b z ü g e",
        "@2700:im JAN. 2007 (31,00 Tage von normal  31,00 Tagen)",
        "",
        "+:O R I G I N A L   1 | @6500:A L T E R N A T I V E   1",
        "+:" + std::string(95, '_'),
        "",
        "@4000:Berechnungsgrundlagen:",
        "+:Geburtsjahrgang nach 1942 | @6500:Geburtsjahrgang nach 1942",
    };
    ASSERT_GE(z.size(), anfang.size());
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + static_cast<long>(anfang.size())),
              anfang);

    const std::vector<std::string> erwartet = {
        // A label longer than 27 characters is cut on the green side only.
        "+: Monatlicher Steuerfreibetr | @2700:         100,00 | @4300:         100,00 | @6500: "
        "Monatlicher Steuerfreibetrag",
        "+: BBG KV und PV | @2700:      3.562,50 | @4300:      3.562,50 | @6500: BBG KV und PV",
        "@9700:gemeinsam",
        "+:Arbeitsentgelt | @2700:      3.000,00 | @4300:      3.600,00 | @6500:Arbeitsentgelt | "
        "@9500:    6.600,00   ",
        // Zero as 0,00 in its 14 characters, deductions with their minus.
        "+:Versorgungsbezüge | @2700:          0,00 | @4300:          0,00 | "
        "@6500:Versorgungsbezüge | @9500:        0,00   ",
        "+:B R U T T O | @2700:      4.000,00 | @4300:      4.600,00 | @6500:B R U T T O | @9500:  "
        "  8.600,00   ",
        "+:Steuerklasse EINS | @2700:       -842,91 | @4300:       -665,16 | @6500:Steuerklasse "
        "DREI | @9500:   -1.508,07   ",
        "+:A B Z Ü G E | @2700:     -1.649,14 | @4300:     -1.533,91 | @6500:A B Z Ü G E | @9050:  "
        "   -3.183,05",
        "+:AUSZAHLUNG | @2700:      2.350,86 | @4300:      3.066,09 | @6500:AUSZAHLUNG | @9500:    "
        "5.416,95   ",
    };
    std::size_t ab = 0;
    for (const std::string& zeile : erwartet) {
        const auto gefunden = std::find(z.begin() + static_cast<long>(ab), z.end(), zeile);
        ASSERT_NE(gefunden, z.end()) << "fehlt oder in falscher Folge: " << zeile;
        ab = static_cast<std::size_t>(gefunden - z.begin());
    }
    const std::vector<std::string> schluss = {"+:" + std::string(84, '='), "", "",
                                              "+:   https://www.beispiel.de/"};
    EXPECT_EQ(std::vector<std::string>(z.end() - 4, z.end()), schluss);
}

TEST_F(BerichtBeide, SchriftenUndFettdruck) {
    const Dokument d = berichtBeide(s, "a");
    for (const Druckzeile& zeile : d.zeilen) {
        for (const Textstueck& t : zeile.stuecke) {
            const bool betrag = t.text.find(",00") != std::string::npos && t.text.front() == ' ';
            if (betrag) {
                EXPECT_EQ(t.schrift.name, "Courier New") << t.text;
            }
            if (t.text == "B R U T T O" || t.text == "AUSZAHLUNG" || t.text == "A B Z Ü G E") {
                EXPECT_TRUE(t.schrift.fett);
            }
            if (t.text == "Arbeitsentgelt") {
                EXPECT_FALSE(t.schrift.fett);
            }
            if (t.text.find("Kirchensteuer") != std::string::npos ||
                t.text.find("Pflegevers.") != std::string::npos) {
                EXPECT_EQ(t.schrift.name, "Arial narrow");
            }
            EXPECT_EQ(t.schrift.punkte, 12.0);
        }
    }
}

TEST_F(BerichtBeide, UnterschiedSummiertBlauWenigerGruen) {
    s.modusUmschalten();
    const std::vector<std::string> z = bericht();
    EXPECT_EQ(zeileMit(z, "@9700:"), "@9700:Unterschied");
    EXPECT_EQ(zeileMit(z, "+:A B Z Ü G E"),
              "+:A B Z Ü G E | @2700:     -1.649,14 | @4300:     -1.533,91 | @6500:A B Z Ü G E | "
              "@9050:        115,23");
}

TEST_F(BerichtBeide, JahresberichtOhnePeriodeMitJahresgrenzen) {
    s.jahresgehaltZeigen();
    const std::vector<std::string> z = bericht();
    EXPECT_EQ(z.at(3), "@3500:G e s e t z l i c h e   A b z ü g e   2007");
    EXPECT_FALSE(enthaelt(z, "Tage von normal"));
    EXPECT_EQ(
        zeileMit(z, "+: BBG KV und PV"),
        "+: BBG KV und PV | @2700:     42.750,00 | @4300:     42.750,00 | @6500: BBG KV und PV");
    EXPECT_EQ(
        zeileMit(z, "+: BBG RV und AV"),
        "+: BBG RV und AV | @2700:     63.000,00 | @4300:     63.000,00 | @6500: BBG RV und AV");
    // Year totals as the window shows them, the yellow column at 9300.
    EXPECT_EQ(zeileMit(z, "+:Arbeitsentgelt"),
              "+:Arbeitsentgelt | @2700:     36.000,00  | @4300:     43.200,00  | "
              "@6500:Arbeitsentgelt | @9300:     79.200,00 ");
    // The totals of the deductions printed above, in 13 characters.
    EXPECT_EQ(zeileMit(z, "+:A B Z Ü G E"),
              "+:A B Z Ü G E | @2700:   -14.233,14 | @4300:   -14.040,91 | @6500:A B Z Ü G E | "
              "@8850:   -28.274,05");
}

}  // namespace
}  // namespace brelvanostik::druck
