// `brelvanostik-cli schritte`: options, corrections, and the JSON checked against an
// independent derivation of the engine inputs from random options.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "befehlstest.h"
#include "cli/befehle.h"
#include "engine/money.h"

namespace brelvanostik::cli {
namespace {

// The number after "NAME": inside the "eingaben" object.
std::string eingabe(const std::string& json, const std::string& name) {
    const auto start = json.find("\"" + name + "\": ");
    if (start == std::string::npos) return "?";
    const auto von = start + name.size() + 4;
    return json.substr(von, json.find_first_of(",}", von) - von);
}

// A text field of line `nr` (1-based).
std::string feld(const std::string& json, int nr, const std::string& name) {
    const auto zeile = json.find("{\"zeile\": " + std::to_string(nr) + ",");
    if (zeile == std::string::npos) return "?";
    const auto start = json.find("\"" + name + "\": \"", zeile) + name.size() + 5;
    return json.substr(start, json.find('"', start) - start);
}

TEST(CliSchritte, VorgabenEinesNeuenFenstersUndKlartext) {
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
}

TEST(CliSchritte, KorrekturenWieImFenster) {
    Lauf l = lauf("schritte --json --brutto 30000 --versorgung 40000");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(eingabe(l.aus, "RE4"), "30000008");  // 25,000.00 a month
    EXPECT_EQ(eingabe(l.aus, "VBEZ"), "30000000");
    l = lauf("schritte --json --jahr 2004");
    EXPECT_EQ(feld(l.aus, 1, "name"), "LST2004");
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
        EXPECT_EQ(feld(l.aus, 112, "text"),
                  "Monats- bzw. Jahresbetrag * " + std::to_string(kirche) + " % =");
    }
}

}  // namespace
}  // namespace brelvanostik::cli
