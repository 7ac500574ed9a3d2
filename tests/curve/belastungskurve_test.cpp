// The burden curve: each point is what the month calculation gives for that salary typed into
// the case; the marks and the spreadsheet file are checked through the command-line tool.
#include <gtest/gtest.h>

#include "../session/getippt.h"
#include "curve/belastungskurve.h"

namespace brelvanostik {
namespace {

// Case 2 of 2006 in December: annual adjustment, church tax, a one-time payment; the blue twin
// in the sliding zone.
std::unique_ptr<Sitzung> fall() {
    using namespace zeile;
    // clang-format off
    return getippt::sitzung({2006, 12,
        {{Jahresausgleich, wahl::ausgleich::Mit}, {Kirchensteuer, wahl::kirche::Neun}},
        {{Gehalt, "2750,5"}, {EinmaligerBezug, "1200"}}, {{SvStatus, wahl::sv::Gleitzone}}, 2});
    // clang-format on
}

TEST(Belastungskurve, PunkteSindDieMonatsberechnungDesGetipptenGehalts) {
    const auto sitzung = fall();
    const Arbeitsbereich vorher = sitzung->arbeitsbereich();
    for (const Seite seite : {Seite::Gruen, Seite::Blau}) {
        const Belastungskurve k = kurveBerechnen(*sitzung, seite, {0, 1200000, 2345});
        EXPECT_EQ(sitzung->arbeitsbereich(), vorher);
        ASSERT_EQ(k.punkte.size(), 1200000u / 2345 + 1);
        EXPECT_EQ(k.marken.gehaltDesFalls, 275050);
        for (std::size_t i = 0; i < k.punkte.size(); i += 17) {
            const Kurvenpunkt& p = k.punkte[i];
            const auto b = getippt::monat(*sitzung, seite, p.gehalt);
            EXPECT_EQ(p.auszahlung, b[zeile::Auszahlung]) << p.gehalt;
            std::int64_t steuern = 0, sv = 0;
            for (const Abzugsteile& t : kSteuerabzuege) steuern -= b[t.zeile];
            for (const Abzugsteile& t : kBeitragsabzuege) sv -= b[t.zeile];
            EXPECT_EQ(p.steuern, steuern) << p.gehalt;
            EXPECT_EQ(p.sozialversicherung, sv) << p.gehalt;
            EXPECT_EQ(p.restJe100,
                      getippt::auszahlung(*sitzung, seite, p.gehalt + 10000) - p.auszahlung);
        }
    }
}

TEST(Belastungskurve, Bereich) {
    struct Fall {
        Kurvenbereich bereich;
        bool gut;
    };
    for (const Fall& f :
         {Fall{{0, 1050000, 1000}, true}, Fall{{0, 0, 1}, true}, Fall{{0, 9999900, 100}, true},
          Fall{{0, 10000000, 100}, false}, Fall{{0, 100, 0}, false}, Fall{{500, 400, 10}, false},
          Fall{{-100, 400, 10}, false}, Fall{{0, 29000100, 100000}, false}}) {
        EXPECT_EQ(!bereichFehler(f.bereich).has_value(), f.gut)
            << f.bereich.von << ".." << f.bereich.bis << " / " << f.bereich.schritt;
    }
    // Twice the western pension ceiling: 5,250 euros a month in 2007, 5,150 in 2004.
    EXPECT_EQ(standardbereich(2007).bis, 1050000);
    EXPECT_EQ(standardbereich(2004).bis, 1030000);
}

}  // namespace
}  // namespace brelvanostik
