#include "workspace/auswahllisten.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "basis/cp1252.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

// The number of entries decides which stored codes are valid.
TEST(WorkspaceAuswahllisten, JedeZeileHatIhreAnzahlEintraege) {
    const Arbeitsbereich ab = neuerArbeitsbereich();
    const std::pair<int, std::size_t> faelle[] = {
        {0, 10}, {1, 5},  {2, 16}, {3, 4},   {4, 2},  {5, 0},  {10, 13}, {12, 0},
        {17, 6}, {18, 1}, {19, 5}, {20, 4},  {21, 6}, {22, 4}, {23, 3},  {24, 4},
        {25, 8}, {26, 0}, {27, 3}, {28, 13}, {29, 0}, {30, 0}, {-1, 0},  {31, 0}};
    for (const auto& [zeile, anzahl] : faelle) {
        EXPECT_EQ(auswahlliste(zeile, ab, 2007).size(), anzahl) << "Zeile " << zeile;
    }
}

// The lists that depend on the year or on the workspace: case names, months, pension start.
TEST(WorkspaceAuswahllisten, JahrUndFallnamenImText) {
    Arbeitsbereich ab = neuerArbeitsbereich();
    ab.kopf(1, 2).Fallname = "Müller 2005";
    const struct {
        int zeile, jahr;
        std::size_t code;
        const char* text;
    } faelle[] = {
        {0, 2005, 2, "Müller 2005"},
        {10, 2004, 12, "J A H R E S G E H A L T   2 0 0 4"},
        {27, 2007, 0, "Beginn der Versorgung 2005 oder vorher"},
        {27, 2007, 2, "Beginn der Versorgung im Jahr 2007"},
    };
    for (const auto& f : faelle) {
        const auto liste = auswahlliste(f.zeile, ab, f.jahr);
        ASSERT_LT(f.code, liste.size()) << "Zeile " << f.zeile;
        EXPECT_EQ(liste[f.code], f.text) << "Zeile " << f.zeile << ", Code " << f.code;
    }
    EXPECT_TRUE(auswahlliste(0, ab, 2008).empty());
}

// The lists are shown and printed in fields of fixed width and written in Windows-1252.
TEST(WorkspaceAuswahllisten, FesteTextePassenInIhrFeldUndInDieCodeseite) {
    const Arbeitsbereich ab = neuerArbeitsbereich();
    for (int zeile = 1; zeile <= 30; ++zeile) {
        const std::size_t breite =
            zeile == zeile::Versorgungsbeginn ? kVersorgungsbeginnTextLaenge : kAuswahltextLaenge;
        for (const std::string& text : auswahlliste(zeile, ab, 2007)) {
            EXPECT_LE(zeichenzahl(text), breite) << text;
            const auto bytes = nachCp1252(text);
            EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '?'), 0) << text;
            EXPECT_NE(text.back(), ' ') << text;
        }
    }
}

}  // namespace
}  // namespace brelvanostik
