// The printout of the tax steps listing: which lines, and every piece of each line in its
// column and font. How it sets on paper is checked in satzbild_test, the PDF writer in
// pdf_test.
#include <gtest/gtest.h>

#include "print/steuerschritte_druck.h"
#include "taxsteps/steuerschritte.h"

namespace brelvanostik::druck {
namespace {

std::string getrimmt(const std::string& t) {
    const auto anfang = t.find_first_not_of(' ');
    return anfang == std::string::npos ? ""
                                       : t.substr(anfang, t.find_last_not_of(' ') + 1 - anfang);
}

TEST(SteuerschritteDruck, JedeGedruckteZeileTraegtIhreTeile) {
    for (int krv : {0, 1}) {
        SCOPED_TRACE(krv);
        Steuereingaben e;
        e.RE4 = Money::whole(4000000);
        e.KRV = krv;
        e.AJAHR = 2008;
        e.ZMVB = Money::whole(12);
        const Schrittliste l = schrittlisteBerechnen(e, {});
        const Dokument d = steuerschritteDrucken(l);
        ASSERT_FALSE(d.zeilen.empty());
        EXPECT_EQ(d.zeilen[0].stuecke.at(0).text,
                  "Lohnsteuerberechnung nach dem Programmablaufplan des Bundesfinanzministeriums");
        // Only the provision allowance block that applies; the note after line 112 is left out.
        std::vector<int> erwartet, gedruckt;
        for (int z = 0; z <= 111; ++z) {
            if (!(krv == 1 ? (z > 68 && z < 88) : (z > 58 && z < 78))) erwartet.push_back(z);
        }
        for (std::size_t i = 1; i < d.zeilen.size(); ++i) {
            const auto& s = d.zeilen[i].stuecke;
            if (s.empty()) continue;
            const int n = std::stoi(s.front().text) - 1;
            gedruckt.push_back(n);
            const Schrittzeile& z = l.zeilen.at(static_cast<std::size_t>(n));
            // {column, text, font}: name and explanation, value and result right-aligned.
            std::vector<std::tuple<int, std::string, std::string>> soll;
            if (!z.name.empty()) soll.emplace_back(600, z.name, "Arial");
            if (!z.text.empty()) soll.emplace_back(3000, z.text, "Arial");
            if (!z.wert.empty()) soll.emplace_back(11000, z.wert, "Courier New");
            if (!z.ergebnis.empty()) soll.emplace_back(13000, z.ergebnis, "Courier New");
            ASSERT_EQ(s.size(), soll.size() + 1) << "Zeile " << n + 1;
            for (std::size_t k = 0; k < soll.size(); ++k) {
                const auto& [x, text, schrift] = soll[k];
                EXPECT_EQ(s[k + 1].x, x) << "Zeile " << n + 1;
                EXPECT_EQ(getrimmt(s[k + 1].text), getrimmt(text)) << "Zeile " << n + 1;
                EXPECT_EQ(s[k + 1].schrift.name, schrift) << "Zeile " << n + 1;
            }
            EXPECT_EQ(s.front().schrift.fett, z.kopf) << "Zeile " << n + 1;
            // Two headings have an empty line above.
            if (n == 38 || n == 89) {
                EXPECT_TRUE(d.zeilen[i - 1].stuecke.empty());
            }
        }
        EXPECT_EQ(gedruckt, erwartet);
    }
}

}  // namespace
}  // namespace brelvanostik::druck
