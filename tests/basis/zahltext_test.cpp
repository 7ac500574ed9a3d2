#include <gtest/gtest.h>

#include "basis/zahltext.h"

namespace brelvanostik {
namespace {

TEST(Zahltext, BetragInHundertsteln) {
    const struct {
        std::int64_t wert;
        const char* text;
    } faelle[] = {
        {0, "0,00"},
        {5, "0,05"},
        {-5, "-0,05"},
        {123456, "1.234,56"},
        {-100000000, "-1.000.000,00"},
        {99999, "999,99"},
        {100000, "1.000,00"},
        {INT64_MIN, "-92.233.720.368.547.758,08"},
    };
    for (const auto& f : faelle) EXPECT_EQ(zahltext::betrag(f.wert), f.text) << f.wert;
}

// The window's forms: its fields, rates, short amounts, whole numbers and bar percentages.
TEST(Zahltext, FormenDesFensters) {
    EXPECT_EQ(zahltext::betrag(123456, false), "1234,56");
    EXPECT_EQ(zahltext::feldtext(-5000), "50,00");  // the sign is the row's
    EXPECT_EQ(zahltext::feldtext(300000), "3000,00");
    EXPECT_EQ(zahltext::gekuerzt(123450, 2, true), "1.234,5");
    EXPECT_EQ(zahltext::gekuerzt(123400, 2, true), "1.234");
    EXPECT_EQ(zahltext::gekuerzt(123405, 2, true), "1.234,05");
    EXPECT_EQ(zahltext::gekuerzt(7, 3, false), "0,007");
    EXPECT_EQ(zahltext::gekuerzt(-20500, 3, false), "-20,5");
    EXPECT_EQ(zahltext::ganz(3050, true), "31");
    EXPECT_EQ(zahltext::ganz(3049, true), "30");
    EXPECT_EQ(zahltext::ganz(-40, false), "0");
    EXPECT_EQ(zahltext::ganz(123456789, true), "1.234.568");
}

TEST(Zahltext, ZahlMitStellenRundetKaufmaennisch) {
    const struct {
        Money wert;
        int stellen;
        bool gruppiert;
        const char* text;
    } faelle[] = {
        {Money::raw(12345000), 2, true, "1.234,50"}, {Money::raw(4500), 2, false, "0,45"},
        {Money::raw(12345), 2, false, "1,23"},       {Money::raw(12350), 2, false, "1,24"},
        {Money::raw(-12350), 2, false, "-1,24"},     {Money::raw(-40), 2, false, "0,00"},
        {Money::whole(63000), 0, true, "63.000"},    {Money::raw(9725), 4, false, "0,9725"},
        {Money::raw(-15000), 0, false, "-2"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(zahltext::zahl(f.wert, f.stellen, f.gruppiert), f.text) << f.wert;
}

TEST(Zahltext, RechtsbuendigFuelltVorneUndSchneidetVorneAb) {
    EXPECT_EQ(zahltext::rechtsbuendig("0,00", 14), "          0,00");
    EXPECT_EQ(zahltext::rechtsbuendig("1.234.567,89", 11), ".234.567,89");
    EXPECT_EQ(zahltext::rechtsbuendig("Ü", 3), "  Ü");  // counts characters, not bytes
    EXPECT_EQ(zahltext::rechtsbuendig("äbc", 2), "bc");
    EXPECT_EQ(zahltext::rechtsbuendig("x", 0), "");
}

}  // namespace
}  // namespace brelvanostik
