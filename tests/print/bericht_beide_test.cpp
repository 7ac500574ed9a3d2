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
        "@3000:im JAN. 2007 (31,00 Tage von normal 31,00 Tagen)",
        "",
        "+:O R I G I N A L   1 | @7600:A L T E R N A T I V E   1",
        "+:" + std::string(95, '_'),
        "",
        "@4000:Berechnungsgrundlagen:",
        "+:Geburtsjahrgang nach 1942 | @7600:Geburtsjahrgang nach 1942",
    };
    ASSERT_GE(z.size(), anfang.size());
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + static_cast<long>(anfang.size())),
              anfang);

    const std::vector<std::string> erwartet = {
        // A label longer than 27 characters is cut on the green side only.
        "+: Monatlicher Steuerfreibetr | @3000:         100,00 | @5200:         100,00 | @7600: "
        "Monatlicher Steuerfreibetrag",
        "+: BBG KV und PV | @3000:      3.562,50 | @5200:      3.562,50 | @7600: BBG KV und PV",
        "@10800:gemeinsam",
        // The tax line carries the class; each column's amounts are checked line by line in
        // spalten_test.
        "+:Steuerklasse EINS | @3000:       -837,91 | @5200:       -663,16 | @7600:Steuerklasse "
        "DREI | @10600:   -1.501,07   ",
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

TEST_F(BerichtBeide, JahresberichtOhnePeriodeMitJahresgrenzen) {
    s.jahresgehaltZeigen();
    const std::vector<std::string> z = bericht();
    EXPECT_EQ(z.at(3), "@3500:G e s e t z l i c h e   A b z ü g e   2007");
    EXPECT_FALSE(enthaelt(z, "Tage von normal"));
    EXPECT_EQ(
        zeileMit(z, "+: BBG KV und PV"),
        "+: BBG KV und PV | @3000:     42.750,00 | @5200:     42.750,00 | @7600: BBG KV und PV");
    EXPECT_EQ(
        zeileMit(z, "+: BBG RV und AV"),
        "+: BBG RV und AV | @3000:     63.000,00 | @5200:     63.000,00 | @7600: BBG RV und AV");
}

}  // namespace
}  // namespace brelvanostik::druck
