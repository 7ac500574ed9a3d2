// The pocket calculator: key sequences and what the display, the tape and the message boxes
// show afterwards; the hand-over of the display into an amount field.
#include <gtest/gtest.h>

#include <sstream>

#include "calculator/taschenrechner.h"
#include "session/taschenrechner_uebergabe.h"

namespace brelvanostik {
namespace {

constexpr const char* kDurchNull = "Division durch Null ist nicht möglich";

struct Ergebnis {
    std::string anzeige, verlauf;
    std::vector<std::string> meldungen;
};

// Keys separated by blanks, named as on the command line.
Ergebnis tippen(Taschenrechner& r, const std::string& tasten) {
    std::istringstream ein(tasten);
    Ergebnis e;
    for (std::string name; ein >> name;) {
        const auto taste = tasteLesen(name);
        if (!taste) ADD_FAILURE() << "unbekannte Taste " << name;
        if (!taste) continue;
        if (auto m = r.druecken(*taste)) {
            EXPECT_EQ(m->titel, "Rechner");
            e.meldungen.push_back(m->text);
        }
    }
    e.anzeige = r.anzeige();
    e.verlauf = r.verlauf();
    return e;
}

Ergebnis tippen(const std::string& tasten) {
    Taschenrechner r;
    return tippen(r, tasten);
}

TEST(Taschenrechner, TastenfolgenZeigenAnzeigeVerlaufUndMeldungen) {
    struct Fall {
        const char* tasten;
        const char* anzeige;
        const char* verlauf;
        std::vector<std::string> meldungen;
    };
    const Fall faelle[] = {
        // Entry: the trailing comma while digits are typed, digits after the comma key.
        {"", "0,", "", {}},
        {"1 2", "12,", "", {}},
        {"1 2 , 5", "12,5", "", {}},
        {", 5", "0,5", "", {}},
        {"1 , , 5", "1,5", "", {}},
        // A minus first starts a negative entry (state NEG); a second minus changes nothing.
        {"-", "-0,", "", {}},
        {"- 5", "-5,", "", {}},
        {"- - 5", "-5,", "", {}},
        {"- , 5", "-0,5", "", {}},
        {"1 0 0 - - 5 =", "105", "\r100 - -5 = 105", {}},
        {"2 X - 3 =", "-6", "\r2 x -3 = -6", {}},
        // Strictly left to right, without precedence.
        {"2 + 3 X 4 =", "20", "\r2 + 3 = 5\r5 x 4 = 20", {}},
        {"5 + 3 =", "8", "\r5 + 3 = 8", {}},
        {"5 + 3 = =", "8", "\r5 + 3 = 8", {}},
        {"5 + 3 = 7 =", "7,", "\r5 + 3 = 8", {}},
        {"5 + 3 = 2", "2,", "\r5 + 3 = 8", {}},
        {"9 - 1 2 =", "-3", "\r9 - 12 = -3", {}},
        {"7 / 2 =", "3,5", "\r7 / 2 = 3,5", {}},
        {"1 0 0 0 / 3 =", "333,333333333333", "\r1000 / 3 = 333,333333333333", {}},
        {"0 , 1 + 0 , 2 =", "0,3", "\r0,1 + 0,2 = 0,3", {}},
        // Division by zero: the message, the left operand as it was entered.
        {"8 / 0 =", "8,", "\r8 / 0 = 8,", {kDurchNull}},
        {"8 / 0 = + 2 =", "10", "\r8 / 0 = 8,\r8 + 2 = 10", {kDurchNull}},
        // Percent: the entry becomes hundredths; the pending operation multiplies.
        {"5 0 %", "0,5", "\r50 / 100 = 0,5", {}},
        {"2 0 0 X 5 %", "0,05", "\r5 / 100 = 0,05", {}},
        {"2 0 0 X 5 % =", "10", "\r5 / 100 = 0,05\r200 x 0,05 = 10", {}},
        {"2 0 0 + 5 % =", "10", "\r5 / 100 = 0,05\r200 x 0,05 = 10", {}},
        // Sign change: once after the first number only stores it, twice negates.
        {"5 +/-", "5,", "", {}},
        {"5 +/- +/-", "-5", "\r5 x -1 = -5", {}},
        {"5 +/- +/- +/-", "5", "\r5 x -1 = -5\r-5 x -1 = 5", {}},
        {"5 + 3 +/-", "-3", "\r3 x -1 = -3", {}},
        {"+/- +/-", "0", "\r0 x -1 = 0", {}},
        // "C" clears operands and tape and keeps the pending operation.
        {"5 + C 3 =", "3", "\r0 + 3 = 3", {}},
        {"5 + 3 = C", "0,", "", {}},
        // The close key resets everything but the tape.
        {"5 + 3 = ende", "0,", "\r5 + 3 = 8", {}},
        {"5 + ende 2 X 3 =", "6", "\r2 x 3 = 6", {}},
        {"5 + 3 = ende 2 =", "2,", "\r5 + 3 = 8", {}},
        // A lone "-" as operand is no number: refused, the state before the key kept.
        {"5 + - + 3 =",
         "-3,",
         "",
         {"„-“ ist keine Zahl. Die Taste wurde nicht ausgeführt; bitte geben Sie eine Zahl ein."}},
        {"5 + - + 3 = ende 1 + 2 =",
         "3",
         "\r1 + 2 = 3",
         {"„-“ ist keine Zahl. Die Taste wurde nicht ausgeführt; bitte geben Sie eine Zahl ein."}},
        {"5 + - %",
         "-",
         "",
         {"„-“ ist keine Zahl. Die Taste wurde nicht ausgeführt; bitte geben Sie eine Zahl ein."}},
    };
    for (const Fall& f : faelle) {
        const Ergebnis e = tippen(f.tasten);
        EXPECT_EQ(e.anzeige, f.anzeige) << f.tasten;
        EXPECT_EQ(e.verlauf, f.verlauf) << f.tasten;
        EXPECT_EQ(e.meldungen, f.meldungen) << f.tasten;
    }
}

TEST(Taschenrechner, UeberlaufWirdAbgewiesenUndDerZustandBleibt) {
    std::string gross = "1";
    for (int i = 0; i < 200; ++i) gross += " 0";
    Taschenrechner r;
    // 1E+200 x 1E+200 is beyond double range.
    const Ergebnis e = tippen(r, gross + " X " + gross + " =");
    ASSERT_EQ(e.meldungen.size(), 1u);
    EXPECT_EQ(e.meldungen[0],
              "Die Zahl ist zu groß für den Rechner. Die Taste wurde nicht ausgeführt.");
    EXPECT_EQ(e.anzeige, "1" + std::string(200, '0') + ",");
    EXPECT_EQ(e.verlauf, "");
    // Nothing was lost: the operation goes on with a smaller right operand.
    const Ergebnis weiter = tippen(r, "ende 2 X 3 =");
    EXPECT_EQ(weiter.anzeige, "6");
    // Very large results are shown with an exponent, never as "inf".
    EXPECT_EQ(tippen(gross + " X 1 0 =").anzeige, "1E+201");
    EXPECT_EQ(tippen("1 / " + gross + " =").anzeige, "1E-200");
    // A typed number beyond double range cannot be an operand.
    std::string riesig = "1";
    for (int i = 0; i < 400; ++i) riesig += " 0";
    EXPECT_EQ(tippen(riesig + " + 1 =").meldungen.size(), 1u);
    EXPECT_EQ(tippen(riesig + " %").meldungen.size(), 1u);
}

TEST(TaschenrechnerUebergabe, BetragInCentOderAblehnung) {
    struct Fall {
        const char* anzeige;
        int zeile;
        const char* feldtext;
    };  // nullptr: refused
    const Fall faelle[] = {
        {"12,", 5, "12,00"},
        {"333,333333333333", 5, "333,33"},
        {"0,05", 7, "0,05"},
        {"0,005", 5, "0,00"},  // half a cent: halves to even
        {"0,015", 5, "0,02"},
        {"0,0150000001", 5, "0,02"},
        {"0000012,", 5, "12,00"},
        {"-0,", 5, "0,00"},
        {"290000,", 5, "290000,00"},
        {"290000,01", 5, nullptr},
        {"1E+20", 5, nullptr},
        {"1E-05", 5, "0,00"},
        {"12345678901234567890,", 5, nullptr},
        {"-5,", 5, nullptr},  // a negative amount fits only the savings row
        {"-5,", 25, "5,00"},  // there the savings kind decides the sign
        {"-290000,01", 25, nullptr},
        {"-", 5, nullptr},
        {"120,", 0, "120,00"},  // the hours row corrects as for a typed entry
    };
    for (const Fall& f : faelle) {
        const Uebergabe u = taschenrechnerUebergabe(f.anzeige, f.zeile);
        if (f.feldtext == nullptr) {
            EXPECT_FALSE(u.feldtext) << f.anzeige;
            ASSERT_TRUE(u.meldung) << f.anzeige;
            EXPECT_FALSE(u.meldung->text.empty());
        } else {
            EXPECT_EQ(u.feldtext.value_or("(abgelehnt)"), f.feldtext) << f.anzeige;
            EXPECT_FALSE(u.meldung) << f.anzeige;
        }
    }
}

}  // namespace
}  // namespace brelvanostik
