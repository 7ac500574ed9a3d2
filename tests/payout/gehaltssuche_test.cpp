// The salary for a wanted payout, checked against what typing salaries into the window gives,
// on cases at the sliding zone's edges and with the deductions that bend the payout.
#include <gtest/gtest.h>

#include <string>

#include "../session/getippt.h"
#include "payout/gehaltssuche.h"

namespace brelvanostik {
namespace {

using namespace zeile;
using getippt::Aufbau;
using getippt::auszahlung;

// The answer reaches the amount when typed, and no salary in the two euros below it does.
void pruefen(const Sitzung& sitzung, Seite seite, std::int64_t gewuenscht, const std::string& wo) {
    const Arbeitsbereich vorher = sitzung.arbeitsbereich();
    const Gehaltsantwort antwort = gehaltFuerAuszahlung(sitzung, seite, gewuenscht);
    EXPECT_EQ(sitzung.arbeitsbereich(), vorher) << wo;  // read-only
    ASSERT_TRUE(antwort.erreicht) << wo << " wanted " << gewuenscht;
    const std::int32_t s = antwort.bild.gehalt;
    EXPECT_EQ(auszahlung(sitzung, seite, s), antwort.bild.auszahlung) << wo;
    EXPECT_GE(antwort.bild.auszahlung, gewuenscht) << wo << " salary " << s;
    for (std::int32_t k = std::max(0, s - 200); k < s; ++k) {
        ASSERT_LT(auszahlung(sitzung, seite, k), gewuenscht)
            << wo << ": salary " << k << " already reaches " << gewuenscht << ", answer " << s;
    }
}

TEST(Gehaltssuche, KleinstesGehaltAnDenKantenDerFaelle) {
    using namespace wahl;
    const struct {
        const char* name;
        Aufbau aufbau;
        Seite seite;
        std::vector<std::int32_t> ziele;  // salaries whose payout, +1 and -1, is wanted
    } faelle[] = {
        // clang-format off
        {"Gleitzone", {2007, 5, {{SvStatus, sv::Gleitzone}}, {{Gehalt, "600"}}}, Seite::Gruen,
         {39999, 40000, 40001, 40100, 79999, 80000, 80001}},
        {"Dezember mit Ausgleich",
         {2006, 12, {{Jahresausgleich, ausgleich::Mit}, {Steuerklasse, klasse::III},
                     {Kirchensteuer, kirche::Neun}}, {{Gehalt, "3187,45"}}},
         Seite::Gruen, {150000, 318745, 612345}},
        {"Mindestkirchensteuer",
         {2005, 3, {{Kirchensteuer, kirche::Mindest030}}, {{Gehalt, "900"}}},
         Seite::Gruen, {81000, 82000, 85000, 120000}},
        {"Einmalzahlung", {2007, 3, {}, {{Gehalt, "2800"}, {EinmaligerBezug, "5000"}}},
         Seite::Gruen, {100000, 280000}},
        {"blaue Seite Klasse V", {2007, 7, {}, {{Gehalt, "4100"}}, {{Steuerklasse, klasse::V}}},
         Seite::Blau, {150000, 410000}},
        // With a pension alone the first cent of wage brings the employee's lump sum.
        {"Versorgung ohne Gehalt",
         {2005, 12, {{Steuerklasse, klasse::II}, {Kirchensteuer, kirche::Acht}},
          {{Versorgungsbezug, "1936"}, {Gehalt, "427"}}},
         Seite::Gruen, {0, 1, 7000}},
        // clang-format on
    };
    for (const auto& f : faelle) {
        const auto sitzung = getippt::sitzung(f.aufbau);
        for (const std::int32_t gehalt : f.ziele) {
            const std::int64_t p = auszahlung(*sitzung, f.seite, gehalt);
            for (const std::int64_t ziel : {p - 1, p, p + 1})
                pruefen(*sitzung, f.seite, ziel, f.name);
        }
    }
}

TEST(Gehaltssuche, UnerreichbarNenntDieHoechsteAuszahlung) {
    const auto sitzung = getippt::sitzung({2007, 1, {}, {{Gehalt, "1000"}}});
    const Gehaltsantwort antwort = gehaltFuerAuszahlung(*sitzung, Seite::Gruen, 50'000'000'000);
    ASSERT_FALSE(antwort.erreicht);
    EXPECT_EQ(auszahlung(*sitzung, Seite::Gruen, antwort.bild.gehalt), antwort.bild.auszahlung);
    EXPECT_GE(antwort.bild.auszahlung, auszahlung(*sitzung, Seite::Gruen, kMaxBetragHundertstel));
    // The highest payout is reached, one cent more is not.
    EXPECT_TRUE(gehaltFuerAuszahlung(*sitzung, Seite::Gruen, antwort.bild.auszahlung).erreicht);
    EXPECT_FALSE(
        gehaltFuerAuszahlung(*sitzung, Seite::Gruen, antwort.bild.auszahlung + 1).erreicht);
    // Nothing is wanted: no salary at all.
    EXPECT_EQ(gehaltFuerAuszahlung(*sitzung, Seite::Gruen, -5).bild.gehalt, 0);
}

TEST(Gehaltssuche, UebernehmenSpeichertWieEinGetipptesGehalt) {
    const Aufbau a{2007, 4, {{Kirchensteuer, wahl::kirche::Acht}}, {{Gehalt, "2000"}}};
    const auto sitzung = getippt::sitzung(a);
    const auto getipptesBild = getippt::sitzung(a);
    const Gehaltsantwort antwort = gehaltFuerAuszahlung(*sitzung, Seite::Gruen, 200000);
    ASSERT_TRUE(antwort.erreicht);
    gehaltUebernehmen(*sitzung, Seite::Gruen, antwort.bild.gehalt);
    getipptesBild->betragEingeben(Seite::Gruen, Gehalt, zahltext::feldtext(antwort.bild.gehalt));
    EXPECT_EQ(sitzung->arbeitsbereich(), getipptesBild->arbeitsbereich());
}

}  // namespace
}  // namespace brelvanostik
