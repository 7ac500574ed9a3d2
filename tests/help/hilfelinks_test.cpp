#include "help/hilfelinks.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

TEST(SessionHilfelinks, ThemaDerZeile) {
    Hilfelinks links("https://hilfe.example");
    EXPECT_EQ(links.aktuelleAdresse(), "");
    EXPECT_EQ(links.thema().titel, "Gehaltsberechnung");
    using namespace zeile;
    // {row, topic, page}; rows without a page keep the topic, caption and page alike.
    // clang-format off
    const std::tuple<int, const char*, const char*> faelle[] = {
        {SvStatus, "Sozialversicherung", "Sozialversicherung"},
        {Zusatzbeitrag, "Sozialversicherung", "Sozialversicherung"},
        {Versorgungsbezug, "Versorgungsbezüge", "Versorgungsbezug"},
        {EinmaligerVersorgungsbezug, "Versorgungsbezüge", "Versorgungsbezug"},
        {Versorgungsbeginn, "Alterseinkünftegesetz", "Versorgungsfreibetrag"},
        {ZusaetzlichSteuerpflichtig, "Sachbezüge", "Sachbezug"},
        {Stundenlohn, "Sachbezüge", "Sachbezug"}, {-1, "Sachbezüge", "Sachbezug"},
        {Fall, "Gehaltsberechnung", "Gehaltsberechnung"},
    };
    // clang-format on
    for (const auto& [zeile, titel, seite] : faelle) {
        links.zeileMerken(zeile);
        EXPECT_EQ(links.thema().titel, titel) << zeile;
        EXPECT_EQ(links.themaOeffnen(),
                  std::string("https://hilfe.example/Brelvanostik/") + seite + ".htm")
            << zeile;
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
