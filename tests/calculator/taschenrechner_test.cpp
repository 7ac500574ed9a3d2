// The pocket calculator: key sequences and what the display, the tape and the message boxes
// show afterwards; the hand-over of the display into an amount field.
#include <gtest/gtest.h>

#include <sstream>

#include "calculator/taschenrechner.h"
#include "session/taschenrechner_uebergabe.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

constexpr const char* kDurchNull = "Division durch Null ist nicht möglich";
constexpr const char* kKeineZahl =
    "„-“ ist keine Zahl. Die Taste wurde nicht ausgeführt; bitte geben Sie eine Zahl ein.";
constexpr const char* kZuGross =
    "Die Zahl ist zu groß für den Rechner. Die Taste wurde nicht ausgeführt.";

/// 1 followed by `nullen` zeros: as keys separated by blanks, or as the display shows it.
std::string zehnHoch(int nullen, bool alsTasten) {
    std::string text = "1";
    for (int i = 0; i < nullen; ++i) text += alsTasten ? " 0" : "0";
    return text;
}

TEST(Taschenrechner, TastenfolgenZeigenAnzeigeVerlaufUndMeldungen) {
    struct Fall {
        std::string tasten;  // named as on the command line, separated by blanks
        std::string anzeige;
        std::string verlauf;
        std::vector<std::string> meldungen;
    };
    const std::string gross = zehnHoch(200, true), riesig = zehnHoch(400, true);
    const std::string grossZahl = zehnHoch(200, false);
    const Fall faelle[] = {
        // Entry: the trailing comma while digits are typed, digits after the comma key.
        {"", "0,", "", {}},
        {"1 2 , 5", "12,5", "", {}},
        {", 5", "0,5", "", {}},
        {"1 , , 5", "1,5", "", {}},
        // A minus first starts a negative entry (state NEG); a second minus changes nothing.
        {"-", "-0,", "", {}},
        {"- - 5", "-5,", "", {}},
        {"- , 5", "-0,5", "", {}},
        {"1 0 0 - - 5 =", "105", "\r100 - -5 = 105", {}},
        {"2 X - 3 =", "-6", "\r2 x -3 = -6", {}},
        // Strictly left to right, without precedence.
        {"2 + 3 X 4 =", "20", "\r2 + 3 = 5\r5 x 4 = 20", {}},
        {"5 + 3 = =", "8", "\r5 + 3 = 8", {}},
        {"5 + 3 = 7 =", "7,", "\r5 + 3 = 8", {}},
        {"5 + 3 = - 2 =", "6", "\r5 + 3 = 8\r8 - 2 = 6", {}},  // after "=" a minus subtracts
        {"1 0 0 0 / 3 =", "333,333333333333", "\r1000 / 3 = 333,333333333333", {}},
        {"0 , 1 + 0 , 2 =", "0,3", "\r0,1 + 0,2 = 0,3", {}},
        // Division by zero: the message, the left operand as it was entered.
        {"8 / 0 = + 2 =", "10", "\r8 / 0 = 8,\r8 + 2 = 10", {kDurchNull}},
        // Percent: the entry becomes hundredths; the pending operation multiplies.
        {"5 0 %", "0,5", "\r50 / 100 = 0,5", {}},
        {"2 0 0 X 5 % =", "10", "\r5 / 100 = 0,05\r200 x 0,05 = 10", {}},
        {"2 0 0 + 5 % =", "10", "\r5 / 100 = 0,05\r200 x 0,05 = 10", {}},
        // Sign change: once after the first number only stores it, twice negates.
        {"5 +/-", "5,", "", {}},
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
        {"5 + - + 3 =", "-3,", "", {kKeineZahl}},
        {"5 + - + 3 = ende 1 + 2 =", "3", "\r1 + 2 = 3", {kKeineZahl}},
        {"5 + - %", "-", "", {kKeineZahl}},
        // Beyond double range: refused, and nothing lost; the operation goes on with a
        // smaller operand. Very large and small results are shown with an exponent.
        {gross + " X " + gross + " =", grossZahl + ",", "", {kZuGross}},
        {gross + " X " + gross + " = ende 2 X 3 =", "6", "\r2 x 3 = 6", {kZuGross}},
        {gross + " X 1 0 =", "1E+201", "\r" + grossZahl + " x 10 = 1E+201", {}},
        {"1 / " + gross + " =", "1E-200", "\r1 / " + grossZahl + " = 1E-200", {}},
        // A typed number beyond double range cannot be an operand.
        {riesig + " + 1 =", "1,", "", {kZuGross}},
        {riesig + " %", zehnHoch(400, false) + ",", "", {kZuGross}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.tasten.substr(0, 60));
        Taschenrechner r;
        std::istringstream ein(f.tasten);
        std::vector<std::string> meldungen;
        for (std::string name; ein >> name;) {
            const auto taste = tasteLesen(name);
            ASSERT_TRUE(taste) << "unknown key " << name;
            if (auto m = r.druecken(*taste)) {
                EXPECT_EQ(m->titel, "Rechner");
                meldungen.push_back(m->text);
            }
        }
        EXPECT_EQ(r.anzeige(), f.anzeige);
        EXPECT_EQ(r.verlauf(), f.verlauf);
        EXPECT_EQ(meldungen, f.meldungen);
    }
}

TEST(TaschenrechnerUebergabe, BetragInCentOderAblehnung) {
    struct Fall {
        const char* anzeige;
        int zeile;
        const char* feldtext;
    };  // nullptr: refused
    const Fall faelle[] = {
        {"12,", zeile::Gehalt, "12,00"},
        {"333,333333333333", zeile::Gehalt, "333,33"},
        {"0,05", zeile::EinmaligerBezug, "0,05"},
        {"0,005", zeile::Gehalt, "0,00"},  // half a cent: halves to even
        {"0,015", zeile::Gehalt, "0,02"},
        {"0,0150000001", zeile::Gehalt, "0,02"},
        {"0000012,", zeile::Gehalt, "12,00"},
        {"-0,", zeile::Gehalt, "0,00"},
        {"290000,", zeile::Gehalt, "290000,00"},
        {"290000,01", zeile::Gehalt, nullptr},
        {"1E+20", zeile::Gehalt, nullptr},
        {"1E-05", zeile::Gehalt, "0,00"},
        {"12345678901234567890,", zeile::Gehalt, nullptr},
        {"-5,", zeile::Gehalt, nullptr},  // a negative amount fits only the savings row
        {"-5,", zeile::Abzug, "5,00"},    // there the savings kind decides the sign
        {"-290000,01", zeile::Abzug, nullptr},
        {"-", zeile::Gehalt, nullptr},
        // The hours row corrects as for a typed entry.
        {"120,", zeile::NormalWochenstunden, "120,00"},
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
