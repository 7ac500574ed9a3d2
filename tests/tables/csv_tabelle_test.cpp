// CSV for German spreadsheets: decimal comma without grouping, semicolons, quoting only where
// a cell would be split or trimmed, UTF-8 with byte-order mark, CRLF rows.
#include <gtest/gtest.h>

#include "tables/csv_tabelle.h"

namespace brelvanostik {
namespace {

TEST(CsvTabelle, BetraegeUndZellen) {
    // clang-format off
    const std::pair<std::int64_t, const char*> betraege[] = {
        {0, "0,00"}, {5, "0,05"}, {-5, "-0,05"}, {123456, "1234,56"},
        {-123456789, "-1234567,89"}, {31200000000, "312000000,00"}};
    for (const auto& [hundertstel, text] : betraege) EXPECT_EQ(csvBetrag(hundertstel), text);

    const std::pair<const char*, const char*> zellen[] = {
        {"JAN.", "JAN."}, {"Vergüt.f.mehrj.T.", "Vergüt.f.mehrj.T."}, {"", ""},
        {" +/- Lt. Lohnst.Karte", "\" +/- Lt. Lohnst.Karte\""}, {"Summe ", "\"Summe \""},
        {"a;b", "\"a;b\""}, {"der \"Fall\"", "\"der \"\"Fall\"\"\""},
        {"zwei\nZeilen", "\"zwei\nZeilen\""}};
    // clang-format on
    for (const auto& [roh, zelle] : zellen) EXPECT_EQ(csvZelle(roh), zelle) << roh;
}

TEST(CsvTabelle, KopfZeilenUndBloecke) {
    const Betragstabelle gruen{
        {"JAN.", "Summe"}, {{"lfd. Gehalt", {300000, 300000}}, {"Lohnsteuer", {-55708, -55708}}}};
    const Betragstabelle blau{{"JAN.", "Summe"}, {{"lfd. Gehalt", {12, 12}}}};
    EXPECT_EQ(csvText({gruen}),
              "\xEF\xBB\xBF;JAN.;Summe\r\n"
              "lfd. Gehalt;3000,00;3000,00\r\n"
              "Lohnsteuer;-557,08;-557,08\r\n");
    EXPECT_EQ(csvText({gruen, blau}),
              csvText({gruen}) + "\r\n;JAN.;Summe\r\nlfd. Gehalt;0,12;0,12\r\n");
    EXPECT_EQ(csvText({}), "\xEF\xBB\xBF");
}

}  // namespace
}  // namespace brelvanostik
