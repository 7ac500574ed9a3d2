// The salary for a wanted payout, checked against what typing salaries into the window gives:
// the answer reaches the amount, and not one cent below it does, over two euros below the
// answer, on hand-made cases at the sliding zone's edges, with the minimum church tax and a
// December adjustment, and on random cases.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "payout/gehaltssuche.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

// A case as the user builds it: the choices and amounts typed into a month of 2007 case 1.
struct Aufbau {
    int jahr = 2007;
    int monat = 0;                                      // 0..11
    std::vector<std::pair<int, int>> auswahl;           // row, code (green side)
    std::vector<std::pair<int, std::string>> betraege;  // row, text as typed (green side)
    std::vector<std::pair<int, int>> blauAuswahl = {};  // row, code (blue side)
};

std::string feldtext(std::int32_t hundertstel) {
    const std::string cent = std::to_string(100 + hundertstel % 100).substr(1);
    return std::to_string(hundertstel / 100) + "," + cent;
}

Einstellungen auswahlVon(const Aufbau& a) {
    Einstellungen e;
    e.Jahr = a.jahr;
    e.Fall = 1;
    e.Monat = a.monat + 1;
    return e;
}

std::unique_ptr<Sitzung> sitzungFuer(const Aufbau& a) {
    auto s = std::make_unique<Sitzung>(neuerArbeitsbereich(), auswahlVon(a));
    for (const auto& [zeile, code] : a.auswahl) s->auswahlTreffen(Seite::Gruen, zeile, code);
    for (const auto& [zeile, text] : a.betraege) s->betragEingeben(Seite::Gruen, zeile, text);
    for (const auto& [zeile, code] : a.blauAuswahl) s->auswahlTreffen(Seite::Blau, zeile, code);
    return s;
}

// What the window shows as the month's payout after the salary is typed in.
std::int32_t getippt(const Sitzung& vorlage, const Aufbau& a, Seite seite, std::int32_t gehalt) {
    Sitzung s(vorlage.arbeitsbereich(), auswahlVon(a));
    EXPECT_TRUE(s.betragEingeben(seite, zeile::Gehalt, feldtext(gehalt)).angenommen);
    return s.arbeitsbereich()
        .monat(a.jahr - kErstesJahr, s.berechnung(seite), a.monat)
        .Betrag[zeile::Auszahlung];
}

// The answer reaches the amount when typed, and no salary in the two euros below it does.
void pruefen(const Sitzung& sitzung, const Aufbau& a, Seite seite, std::int64_t gewuenscht,
             const std::string& wo) {
    const Arbeitsbereich vorher = sitzung.arbeitsbereich();
    const Gehaltsantwort antwort = gehaltFuerAuszahlung(sitzung, seite, gewuenscht);
    EXPECT_EQ(sitzung.arbeitsbereich(), vorher) << wo;  // read-only
    ASSERT_TRUE(antwort.erreicht) << wo << " wanted " << gewuenscht;
    const std::int32_t s = antwort.bild.gehalt;
    EXPECT_EQ(getippt(sitzung, a, seite, s), antwort.bild.auszahlung) << wo;
    EXPECT_GE(antwort.bild.auszahlung, gewuenscht) << wo << " salary " << s;
    for (std::int32_t k = std::max(0, s - 200); k < s; ++k) {
        ASSERT_LT(getippt(sitzung, a, seite, k), gewuenscht)
            << wo << ": salary " << k << " already reaches " << gewuenscht << ", answer " << s;
    }
}

TEST(Gehaltssuche, KleinstesGehaltAnDenKantenDerFaelle) {
    namespace w = wahl;
    const Aufbau gleitzone{
        2007, 4, {{zeile::SvStatus, w::sv::Gleitzone}}, {{zeile::Gehalt, "600"}}};
    const Aufbau dezember{2006,
                          11,
                          {{zeile::Jahresausgleich, w::ausgleich::Mit},
                           {zeile::Steuerklasse, 2},
                           {zeile::Kirchensteuer, w::kirche::Neun}},
                          {{zeile::Gehalt, "3187,45"}}};
    const Aufbau mindestkirche{
        2005, 2, {{zeile::Kirchensteuer, w::kirche::Mindest030}}, {{zeile::Gehalt, "900"}}};
    const Aufbau einmalzahlung{2007,
                               2,
                               {{zeile::Steuerklasse, 0}},
                               {{zeile::Gehalt, "2800"}, {zeile::EinmaligerBezug, "5000"}}};
    // With a pension alone the first cent of wage brings the employee's lump sum.
    const Aufbau versorgung{2005,
                            11,
                            {{zeile::Steuerklasse, 1}, {zeile::Kirchensteuer, wahl::kirche::Acht}},
                            {{zeile::Versorgungsbezug, "1936"}, {zeile::Gehalt, "427"}}};
    const Aufbau blau{2007, 6, {}, {{zeile::Gehalt, "4100"}}, {{zeile::Steuerklasse, 4}}};
    struct Fall {
        const char* name;
        const Aufbau* aufbau;
        Seite seite;
        std::vector<std::int32_t> ziele;  // wanted payouts: a salary's own payout, +1 and -1
    };
    const std::vector<Fall> faelle = {
        {"Gleitzone", &gleitzone, Seite::Gruen, {39999, 40000, 40001, 40100, 79999, 80000, 80001}},
        {"Dezember mit Ausgleich", &dezember, Seite::Gruen, {150000, 318745, 612345}},
        {"Mindestkirchensteuer", &mindestkirche, Seite::Gruen, {81000, 82000, 85000, 120000}},
        {"Einmalzahlung", &einmalzahlung, Seite::Gruen, {100000, 280000}},
        {"blaue Seite Klasse V", &blau, Seite::Blau, {150000, 410000}},
        {"Versorgung ohne Gehalt", &versorgung, Seite::Gruen, {0, 1, 7000}},
    };
    for (const Fall& f : faelle) {
        const auto sitzung = sitzungFuer(*f.aufbau);
        for (const std::int32_t gehalt : f.ziele) {
            const std::int32_t p = getippt(*sitzung, *f.aufbau, f.seite, gehalt);
            for (const std::int64_t ziel :
                 {std::int64_t{p} - 1, std::int64_t{p}, std::int64_t{p} + 1})
                pruefen(*sitzung, *f.aufbau, f.seite, ziel, f.name);
        }
    }
}

TEST(Gehaltssuche, ZufaelligeFaelle) {
    std::mt19937 zufall(20261207);
    const auto wuerfel = [&](int n) {
        return static_cast<int>(zufall() % static_cast<unsigned>(n));
    };
    for (int runde = 0; runde < 12; ++runde) {
        Aufbau a;
        a.jahr = 2004 + wuerfel(4);
        a.monat = runde % 3 == 0 ? 11 : wuerfel(12);
        a.auswahl = {{zeile::Bundesland, wuerfel(16)},
                     {zeile::Steuerklasse, wuerfel(6)},
                     {zeile::Kirchensteuer, wuerfel(5)},
                     {zeile::Kinderfreibetraege, wuerfel(4)}};
        if (runde % 3 == 0) a.auswahl.push_back({zeile::Jahresausgleich, wahl::ausgleich::Mit});
        if (runde % 4 == 1) a.auswahl.push_back({zeile::SvStatus, wahl::sv::Gleitzone});
        if (runde % 5 == 2)
            a.betraege.push_back({zeile::EinmaligerBezug, std::to_string(100 * wuerfel(40))});
        if (runde % 6 == 3)
            a.betraege.push_back({zeile::Versorgungsbezug, std::to_string(100 * wuerfel(15))});
        const std::int32_t gehalt =
            runde % 4 == 1 ? 30000 + wuerfel(60000) : 50000 + wuerfel(800000);
        a.betraege.push_back({zeile::Gehalt, feldtext(gehalt)});
        const auto sitzung = sitzungFuer(a);
        const std::int32_t probe = gehalt + wuerfel(20000) - 10000;
        const std::int64_t ziel =
            getippt(*sitzung, a, Seite::Gruen, std::max(0, probe)) + wuerfel(3) - 1;
        pruefen(*sitzung, a, Seite::Gruen, ziel, "Runde " + std::to_string(runde));
    }
}

TEST(Gehaltssuche, UnerreichbarNenntDieHoechsteAuszahlung) {
    const Aufbau a{2007, 0, {}, {{zeile::Gehalt, "1000"}}};
    const auto sitzung = sitzungFuer(a);
    const Gehaltsantwort antwort = gehaltFuerAuszahlung(*sitzung, Seite::Gruen, 50'000'000'000);
    ASSERT_FALSE(antwort.erreicht);
    EXPECT_EQ(getippt(*sitzung, a, Seite::Gruen, antwort.bild.gehalt), antwort.bild.auszahlung);
    EXPECT_GE(antwort.bild.auszahlung, getippt(*sitzung, a, Seite::Gruen, kMaxBetragHundertstel));
    // The highest payout is reached, one cent more is not.
    EXPECT_TRUE(gehaltFuerAuszahlung(*sitzung, Seite::Gruen, antwort.bild.auszahlung).erreicht);
    EXPECT_FALSE(
        gehaltFuerAuszahlung(*sitzung, Seite::Gruen, antwort.bild.auszahlung + 1).erreicht);
    // Nothing is wanted: no salary at all.
    EXPECT_EQ(gehaltFuerAuszahlung(*sitzung, Seite::Gruen, -5).bild.gehalt, 0);
}

TEST(Gehaltssuche, UebernehmenSpeichertWieEinGetipptesGehalt) {
    const Aufbau a{
        2007, 3, {{zeile::Kirchensteuer, wahl::kirche::Acht}}, {{zeile::Gehalt, "2000"}}};
    const auto sitzung = sitzungFuer(a);
    const auto getipptesBild = sitzungFuer(a);
    const Gehaltsantwort antwort = gehaltFuerAuszahlung(*sitzung, Seite::Gruen, 200000);
    ASSERT_TRUE(antwort.erreicht);
    gehaltUebernehmen(*sitzung, Seite::Gruen, antwort.bild.gehalt);
    getipptesBild->betragEingeben(Seite::Gruen, zeile::Gehalt, feldtext(antwort.bild.gehalt));
    EXPECT_EQ(sitzung->arbeitsbereich(), getipptesBild->arbeitsbereich());
    const Monatssatz& blau = sitzung->arbeitsbereich().monat(3, zwilling(0), 11);
    EXPECT_EQ(blau.Betrag[zeile::Gehalt], antwort.bild.gehalt);  // mirrored, carried to December
}

}  // namespace
}  // namespace brelvanostik
