#include "help/hilfelinks.h"

#include <gtest/gtest.h>

namespace brelvanostik {
namespace {

TEST(SessionHilfelinks, ThemaDerZeile) {
    Hilfelinks links("https://hilfe.example");
    EXPECT_EQ(links.aktuelleAdresse(), "");
    EXPECT_EQ(links.thema().titel, "Gehaltsberechnung");
    const struct {
        int zeile;
        const char* titel;
        const char* adresse;
    } faelle[] = {
        {3, "Sozialversicherung", "https://hilfe.example/Brelvanostik/Sozialversicherung.htm"},
        {24, "Sozialversicherung", "https://hilfe.example/Brelvanostik/Sozialversicherung.htm"},
        {6, "Versorgungsbezüge", "https://hilfe.example/Brelvanostik/Versorgungsbezug.htm"},
        {8, "Versorgungsbezüge", "https://hilfe.example/Brelvanostik/Versorgungsbezug.htm"},
        {27, "Alterseinkünftegesetz",
         "https://hilfe.example/Brelvanostik/Versorgungsfreibetrag.htm"},
        {15, "Sachbezüge", "https://hilfe.example/Brelvanostik/Sachbezug.htm"},
        // Rows without a page keep the topic, caption and page alike.
        {29, "Sachbezüge", "https://hilfe.example/Brelvanostik/Sachbezug.htm"},
        {-1, "Sachbezüge", "https://hilfe.example/Brelvanostik/Sachbezug.htm"},
        {0, "Gehaltsberechnung", "https://hilfe.example/Brelvanostik/Gehaltsberechnung.htm"},
    };
    for (const auto& f : faelle) {
        links.zeileMerken(f.zeile);
        EXPECT_EQ(links.thema().titel, f.titel) << f.zeile;
        EXPECT_EQ(links.themaOeffnen(), f.adresse) << f.zeile;
    }
    EXPECT_EQ(links.startseite(), "https://hilfe.example");
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
