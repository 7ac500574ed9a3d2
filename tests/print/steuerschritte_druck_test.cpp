// The printout of the tax steps listing: which lines, where, in which font. How it sets on
// paper is checked in satzbild_test, the PDF writer in pdf_test.
#include <gtest/gtest.h>

#include "print/steuerschritte_druck.h"
#include "taxsteps/steuerschritte.h"

namespace brelvanostik::druck {
namespace {

Schrittliste liste(int krv) {
    Steuereingaben e;
    e.RE4 = Money::whole(4000000);
    e.KRV = krv;
    e.AJAHR = 2008;
    e.ZMVB = Money::whole(12);
    return schrittlisteBerechnen(e, {});
}

// The line numbers printed, in order (the first piece of each listing line).
std::vector<int> gedruckteNummern(const Dokument& d) {
    std::vector<int> nummern;
    for (std::size_t i = 2; i < d.zeilen.size(); ++i) {
        const auto& stuecke = d.zeilen[i].stuecke;
        if (!stuecke.empty()) nummern.push_back(std::stoi(stuecke.front().text));
    }
    return nummern;
}

TEST(SteuerschritteDruck, ZeilenfolgeJeRentenversicherung) {
    for (int krv : {0, 1}) {
        const Dokument d = steuerschritteDrucken(liste(krv));
        ASSERT_FALSE(d.zeilen.empty());
        EXPECT_EQ(d.zeilen[0].stuecke.at(0).text,
                  "Lohnsteuerberechnung nach dem Programmablaufplan des Bundesfinanzministeriums");
        EXPECT_EQ(d.zeilen[0].stuecke.at(0).schrift.name, "Arial");
        std::vector<int> erwartet;
        for (int z = 0; z <= 111; ++z) {
            const bool weg = krv == 1 ? (z > 68 && z < 88) : (z > 58 && z < 78);
            if (!weg) erwartet.push_back(z + 1);
        }
        EXPECT_EQ(gedruckteNummern(d), erwartet) << "KRV " << krv;
    }
}

TEST(SteuerschritteDruck, SpaltenSchriftenUndLeerzeilen) {
    const Schrittliste l = liste(0);
    const Dokument d = steuerschritteDrucken(l);
    std::size_t kopf39 = 0;
    for (std::size_t i = 0; i < d.zeilen.size(); ++i) {
        const auto& s = d.zeilen[i].stuecke;
        if (s.empty() || s.front().text != "39") continue;
        kopf39 = i;
        EXPECT_TRUE(s.front().schrift.fett);
        // name, explanation at 3000, result right-aligned in ten characters at 13000
        ASSERT_EQ(s.size(), 4u);
        EXPECT_EQ(s[1].text, "MRE4");
        EXPECT_EQ(s[2].x, 3000);
        EXPECT_EQ(s[3].x, 13000);
        EXPECT_EQ(s[3].schrift.name, "Courier New");
        EXPECT_EQ(s[3].text, " 40.000,00");
    }
    ASSERT_GE(kopf39, 1u);
    EXPECT_TRUE(d.zeilen[kopf39 - 1].stuecke.empty());  // a heading has an empty line above
    for (const auto& z : d.zeilen) {
        if (z.stuecke.empty() || z.stuecke.front().text != "8") continue;
        EXPECT_FALSE(z.stuecke.front().schrift.fett);
        EXPECT_EQ(z.stuecke.back().x, 11000);
        EXPECT_EQ(z.stuecke.back().text, " 40.000,00");
    }
}

}  // namespace
}  // namespace brelvanostik::druck
