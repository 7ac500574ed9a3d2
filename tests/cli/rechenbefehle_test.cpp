// The commands without data files: `lohnsteuer` (the engine's variables as JSON), `schritte`
// (the tax steps window's options, checked against an independent derivation of the engine
// inputs from random options) and `rechner` (the calculator's answer as JSON).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>

#include "befehlstest.h"
#include "engine/money.h"

namespace brelvanostik::cli {
namespace {

TEST(CliLohnsteuer, JsonMitAllenVariablenInDerVorgegebenenReihenfolge) {
    const Lauf l = lauf("lohnsteuer JAHR=2005 LZZ=2 STKL=3 RE4=250000");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    // Every input, intermediate and output once, from JAHR to BK.
    EXPECT_EQ(std::count(l.aus.begin(), l.aus.end(), ':'), 60);
    EXPECT_EQ(l.aus.substr(0, 38), "{\"JAHR\": 2005, \"LZZ\": 2, \"RE4\": 250000");
    EXPECT_NE(l.aus.find("\"LSTPERIODE\": 13616, \"SOLZLZZ\": "), std::string::npos);
    EXPECT_EQ(l.aus.rfind("\"BK\": "), l.aus.find("\"BK\": "));
    // Single precision with the digits to read it back; money with up to four decimals.
    EXPECT_NE(l.aus.find("\"Y\": 0.4339,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"RW\": 1883.4548,"), std::string::npos);
}

TEST(CliLohnsteuer, VorgabenNamenOhneGrossKleinUndGeaenderteEingaben) {
    const Lauf l = lauf("lohnsteuer re4=300000.5 vjahr=2003 vbez=100 vbezm=100");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("\"JAHR\": 2007, \"LZZ\": 2,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"RE4\": 300000.5,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"STKL\": 1,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"VJAHR\": 2005,"), std::string::npos);  // raised by the run
    EXPECT_NE(l.aus.find("\"Tab1\": 0.4,"), std::string::npos);
}

TEST(CliLohnsteuer, GroessteZulaessigeBetraegeRechnenOhneUeberlauf) {
    for (const char* lzz : {"1", "2", "3", "4"}) {
        for (const char* stkl : {"1", "3", "5", "6"}) {
            const std::string zeitraum = std::string("lohnsteuer LZZ=") + lzz + " STKL=" + stkl;
            const Lauf l = lauf(zeitraum +
                                " RE4=100000000000 VBEZ=100000000000 VBEZM=100000000000 "
                                "VBEZS=100000000000 HINZUR=100000000000 ZKF=100 ZMVB=12 Alter1=1 "
                                "JAHR=2006 R=1");
            EXPECT_EQ(l.status, 0) << l.fehler;
            const Lauf n = lauf(zeitraum + " RE4=-100000000000 WFundF=100000000000 JAHR=2004");
            EXPECT_EQ(n.status, 0) << n.fehler;
        }
    }
}

// The number after "NAME": inside the "eingaben" object.
std::string eingabe(const std::string& json, const std::string& name) {
    const auto start = json.find("\"" + name + "\": ");
    if (start == std::string::npos) return "?";
    const auto von = start + name.size() + 4;
    return json.substr(von, json.find_first_of(",}", von) - von);
}

// A new window's presets, its corrections of amounts and year, and the listing as plain text.
TEST(CliSchritte, VorgabenKorrekturenUndKlartext) {
    const Lauf l = lauf("schritte --json");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus.substr(0, 31), "{\"eingaben\": {\"JAHR\": 2007, \"LZ");
    EXPECT_EQ(eingabe(l.aus, "RE4"), "8");
    EXPECT_EQ(eingabe(l.aus, "AJAHR"), "2008");
    EXPECT_EQ(eingabe(l.aus, "ZMVB"), "12");
    EXPECT_EQ(eingabe(l.aus, "VJAHR"), "2005");
    EXPECT_NE(
        l.aus.find(
            "{\"zeile\": 113, \"kopf\": false, \"offen\": \"\", \"name\": \"\", \"text\": \"\","),
        std::string::npos);
    EXPECT_NE(l.aus.find("{\"zeile\": 1, \"kopf\": true, \"offen\": \"+\", \"name\": \"LST2007\""),
              std::string::npos);

    const Lauf text = lauf("schritte --brutto 2000");
    ASSERT_EQ(text.status, 0);
    EXPECT_EQ(std::count(text.aus.begin(), text.aus.end(), '\n'), 113);
    EXPECT_NE(text.aus.find("8\t\tRE4\tSteuerpflichtiger Arbeitslohn\t24.000,08\t\n"),
              std::string::npos);

    const Lauf gekappt = lauf("schritte --json --brutto 30000 --versorgung 40000");
    EXPECT_EQ(eingabe(gekappt.aus, "RE4"), "30000008");  // 25,000.00 a month
    EXPECT_EQ(eingabe(gekappt.aus, "VBEZ"), "30000000");
    EXPECT_NE(lauf("schritte --json --jahr 2004").aus.find("\"name\": \"LST2004\""),
              std::string::npos);
}

// Random window inputs; the expected engine inputs are derived here by the window's rules.
// (The listing's lines from those inputs: tests/taxsteps.)
TEST(CliSchritte, StimmtMitUnabhaengigerRechnungUeberein) {
    std::mt19937 zufall(20070504);
    const auto wahl = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    for (int runde = 0; runde < 60; ++runde) {
        const int jahr = wahl(2004, 2008), klasse = wahl(1, 4), kinder = wahl(0, 12),
                  geburt = wahl(0, 4);
        const int erstbezug = wahl(2005, 2008), kirche = std::array{0, 8, 9}[wahl(0, 2)];
        const bool monat = wahl(0, 1) == 1, rvFrei = wahl(0, 1) == 1;
        const int monate = monat ? 12 : wahl(1, 12);
        const std::int64_t brutto = monat ? wahl(0, 1200000) : wahl(0, 15000000);  // hundredths
        const std::int64_t versorgung = wahl(0, 3) == 0 ? wahl(0, static_cast<int>(brutto)) : 0;
        const std::int64_t karte = wahl(-50000, 50000), monatsbezug = wahl(0, 300000),
                           sonder = wahl(0, 100000);
        // Euros as the command line takes them: "1234.05" from hundredths (not negative).
        const auto text = [](std::int64_t h) {
            const std::string cent = std::to_string(h % 100);
            return std::to_string(h / 100) + "." + (cent.size() < 2 ? "0" : "") + cent;
        };
        const Lauf l =
            lauf("schritte --json --jahr " + std::to_string(jahr) + " --zeitraum " +
                 (monat ? "monat" : "jahr") + " --klasse " + std::to_string(klasse) + " --kinder " +
                 std::to_string(kinder) + " --kirche " + std::to_string(kirche) + " --geburt " +
                 std::to_string(geburt) + " --erstbezug " + std::to_string(erstbezug) +
                 " --bezugsmonate " + std::to_string(monate) + " --brutto " + text(brutto) +
                 " --versorgung " + text(versorgung) + " --karte " + (karte < 0 ? "-" : "") +
                 text(std::abs(karte)) + " --monatsbezug " + text(monatsbezug) +
                 " --sonderzahlung " + text(sonder) + (rvFrei ? " --rv-frei" : ""));
        ASSERT_EQ(l.status, 0) << l.fehler;

        // The window's mapping, derived independently: the sixteen engine inputs.
        const std::int64_t faktor = monat ? 12 : 1;
        const auto geld = [](std::int64_t hundertstel) { return Money::whole(hundertstel).text(); };
        const int ajahr = 2004 + geburt;
        const std::pair<const char*, std::string> soll[] = {
            {"JAHR", std::to_string(jahr)},
            {"LZZ", "1"},
            {"RE4", geld(brutto * faktor + (monat ? 8 : 0))},
            {"VBEZ", geld(versorgung * faktor)},
            {"WFundF", geld(karte < 0 ? -karte * faktor : 0)},
            {"HINZUR", geld(karte > 0 ? karte * faktor : 0)},
            {"STKL", std::to_string(klasse)},
            {"ZKF", Money::whole(kinder).geteilt(2).text()},
            {"KRV", rvFrei ? "1" : "0"},
            {"R", kirche > 0 ? "1" : "0"},
            {"AJAHR", std::to_string(ajahr)},
            {"Alter1", ajahr <= jahr ? "1" : "0"},
            {"VJAHR", std::to_string(erstbezug)},
            {"VBEZM", geld(monatsbezug)},
            {"VBEZS", geld(sonder)},
            {"ZMVB", geld(monate)},
        };
        for (const auto& [name, wert] : soll)
            EXPECT_EQ(eingabe(l.aus, name), wert) << name << " in Runde " << runde;
        EXPECT_NE(l.aus.find("\"text\": \"Monats- bzw. Jahresbetrag * " + std::to_string(kirche) +
                             " % =\""),
                  std::string::npos)
            << runde;
    }
}

// The answer as JSON; the key rules themselves are tested with the calculator.
TEST(CliRechner, AnzeigeVerlaufUndMeldungenAlsJson) {
    EXPECT_EQ(lauf("rechner 0 , 1 + 0 , 2 =").aus,
              "{\"anzeige\": \"0,3\", \"verlauf\": \"\\r0,1 + 0,2 = 0,3\", \"meldungen\": []}\n");
    EXPECT_EQ(
        lauf("rechner 8 / 0 = 5 + - + 3 =").aus,
        "{\"anzeige\": \"-3,\", \"verlauf\": \"\\r8 / 0 = 8,\", \"meldungen\": [\"Division durch "
        "Null ist nicht möglich\", \"„-“ ist keine Zahl. Die Taste wurde nicht ausgeführt; "
        "bitte geben Sie eine Zahl ein.\"]}\n");
}

}  // namespace
}  // namespace brelvanostik::cli
