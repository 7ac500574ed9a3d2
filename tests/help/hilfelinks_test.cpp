#include "help/hilfelinks.h"

#include <gtest/gtest.h>

namespace brelvanostik {
namespace {

TEST(SessionHilfelinks, ThemaDerZeile) {
    Hilfelinks links("https://hilfe.example");
    EXPECT_EQ(links.aktuelleAdresse(), "");
    // Before any link, a row without a topic opens nothing.
    EXPECT_EQ(links.thema(29), "");
    const struct {
        int index;
        const char* titel;
        const char* adresse;
    } faelle[] = {
        {3, "Sozialversicherung", "https://hilfe.example/Brelvanostik/Sozialversicherung.htm"},
        {24, "Sozialversicherung", "https://hilfe.example/Brelvanostik/Sozialversicherung.htm"},
        {6, "Versorgungsbezüge", "https://hilfe.example/Brelvanostik/Versorgungsbezug.htm"},
        {8, "Versorgungsbezüge", "https://hilfe.example/Brelvanostik/Versorgungsbezug.htm"},
        {27, "Alterseinkünftegesetz",
         "https://hilfe.example/Brelvanostik/Versorgungsfreibetrag.htm"},
        {18, "Solidaritätszuschlag",
         "https://hilfe.example/Brelvanostik/Solidaritaetszuschlag.htm"},
        {0, "Gehaltsberechnung", "https://hilfe.example/Brelvanostik/Gehaltsberechnung.htm"},
    };
    for (const auto& f : faelle) {
        ASSERT_TRUE(hilfethema(f.index)) << f.index;
        EXPECT_EQ(hilfethema(f.index)->titel, f.titel);
        EXPECT_EQ(links.thema(f.index), f.adresse);
    }
    // Row 29, the blue indexes of amount fields and anything else reopen the last page.
    for (const int index : {29, 30, 57, -1, 1000}) {
        EXPECT_FALSE(hilfethema(index)) << index;
        EXPECT_EQ(links.thema(index), "https://hilfe.example/Brelvanostik/Gehaltsberechnung.htm");
    }
    EXPECT_EQ(links.startseite(), "https://hilfe.example");
    EXPECT_EQ(links.thema(29), "https://hilfe.example");
    EXPECT_EQ(links.benachrichtigung(), "https://hilfe.example/benachrichtigung.htm");
    EXPECT_EQ(links.aktuelleAdresse(), "https://hilfe.example/benachrichtigung.htm");
    EXPECT_EQ(links.produktseite(), "https://hilfe.example/Brelvanostik/");
}

TEST(SessionHilfelinks, EingestellteBasisadresse) {
    const std::pair<const char*, const char*> faelle[] = {
        {"", "https://www.example.org"},
        {"https://hilfe.example/", "https://hilfe.example"},
        {"http://intranet/lohn//", "http://intranet/lohn"},
        {"file:///etc/passwd", "https://www.example.org"},
        {"rm -rf", "https://www.example.org"},
        {"https://a b", "https://www.example.org"},
        {"https://x\"y", "https://www.example.org"},
    };
    for (const auto& [eingestellt, basis] : faelle)
        EXPECT_EQ(hilfeadresseWaehlen(eingestellt), basis);
}

}  // namespace
}  // namespace brelvanostik
