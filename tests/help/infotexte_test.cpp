#include "help/infotexte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

bool enthaelt(const std::vector<std::string>& zeilen, const std::string& zeile) {
    return std::find(zeilen.begin(), zeilen.end(), zeile) != zeilen.end();
}

// Rows without a tooltip, with a tooltip, and the blue side's rows carrying the green texts.
TEST(SessionInfotexte, TooltipsDerZeilen) {
    using namespace zeile;
    const std::set<int> ohne = {Freibetrag, Hinzurechnung, Lohnsteuer, Auszahlung, Stundenlohn};
    for (int zeile = 0; zeile < 30; ++zeile) {
        EXPECT_EQ(zeilentipp(zeile).empty(), ohne.count(zeile) == 1) << zeile;
        EXPECT_EQ(zeilentipp(zeile), zeilentipp(zeile + 30)) << zeile;
    }
    EXPECT_EQ(zeilentipp(Soli),
              "5,5 % der Lohnsteuer unter Berücksichtigung der Kinderfreibeträge");
    for (const int zeile : {-1, 60, 1000}) EXPECT_TRUE(zeilentipp(zeile).empty());
}

// Rows with a long text begin with their first line, in every year: a text shifted by one
// row or lost in a year shows in the first and last rows and those without a tooltip.
TEST(SessionInfotexte, ErsteZeilenUndZeilenOhneText) {
    using namespace zeile;
    const std::pair<int, const char*> erste[] = {
        {Fall, "1. Spiegelung von links nach rechts :"},
        {Freibetrag, "Nach § 39a EStG können in die Lohnsteuer-"},
        {ZusaetzlichSvPflichtig, "Nach § 8 EStG gelten als Einnahmen alle Güter,"},
        {Auszahlung, "In den wenigsten Fällen erscheint der hier aus-"},
        {Versorgungsbeginn, "Ab 2005 kommt es bei der Berechnung des"},
        {Versorgungsbeginn + 30, "Ab 2005 kommt es bei der Berechnung des"},  // blue side
    };
    for (int jahr = 2003; jahr <= 2008; ++jahr) {
        for (int zeile = 0; zeile < Stundenlohn; ++zeile) {
            EXPECT_EQ(infotext(zeile, jahr).size() > 1, zeile != ZusaetzlichSteuerpflichtig)
                << zeile << "/" << jahr;
        }
        for (const auto& [zeile, anfang] : erste)
            EXPECT_EQ(infotext(zeile, jahr).at(0), anfang) << zeile;
        for (const int zeile : {-1, 15, 29, 30, 35, 45, 56, 58, 59, 60})
            EXPECT_TRUE(infotext(zeile, jahr).empty()) << zeile;
    }
    EXPECT_EQ(infotextAlsText(Steuerklasse, 2007).substr(0, 8), "E I N S\n");
}

// The figures of the year shown, read from the payroll tables: the last year catches a year
// or a region read off by one; years before 2005 read 2004's lines.
TEST(SessionInfotexte, GrenzenDesAngezeigtenJahres) {
    using namespace zeile;
    const struct {
        int zeile, jahr;
        const char* zeile1;
        const char* zeile2;
    } faelle[] = {
        // The text states the statutory eastern ceiling of 2007, 4,550.00 euros a month.
        {Rentenversicherung, 2007, "2007 West = 63.000 jährlich, 5.250,00 monatlich.",
         "2007 Ost   = 54.600 jährlich, 4.550,00 monatlich."},
        {Krankenversicherung, 2003, "(2004 = 46.350 Euro jährlich, 3.862,50 Euro monatl.)",
         "(2004 = 41.850 Euro jährlich, 3.487,50 Euro monatl.)."},
        {Krankenversicherung, 2007, "(2007 = 47.700 Euro jährlich, 3.975,00 Euro monatl.)",
         "(2007 = 42.750 Euro jährlich, 3.562,50 Euro monatl.)."},
        {Arbeitslosenversicherung, 2006, "Der Beitragssatz beträgt seit dem 1.1.1993 6,5 %.",
         "Arbeitnehmer und Arbeitgeber tragen je die Hälfte."},
        {Arbeitslosenversicherung, 2007, "Der Beitragssatz von 6,5 % (seit dem 1.1.1993) wurde",
         "zum 1.1.2007 auf 4,2 % gesenkt."},
        {Abzug, 2004, "grenze der Rentenversicherung (West), 2004 also 2.472 Euro.",
         "Ebenso viel ist in der Sozialversicherung beitragsfrei."},
        {Abzug, 2007, "grenze der Rentenversicherung (West), 2007 also 2.520 Euro.",
         "Für Zusagen nach dem 31.12.2004 kommen 1.800 Euro hinzu."},
        {Pflegeversicherung, 2007, "1,7 %; Arbeitnehmer und Arbeitgeber tragen je die Hälfte.",
         "Vollendung des 23. Lebensjahres einen Zuschlag von 0,25 %,"},
        {Versorgungsbezug, 2007, "bis 2005                    40,0 % max. 3000 Euro",
         "      2040                      0,0 % max.      0 Euro"},
        {Geburtsjahrgang, 2007, "      2006        38,4 % max. 1824 Euro",
         "      2007        36,8 % max. 1748 Euro"},
    };
    for (const auto& f : faelle) {
        const std::vector<std::string> text = infotext(f.zeile, f.jahr);
        EXPECT_TRUE(enthaelt(text, f.zeile1)) << f.zeile << "/" << f.jahr << ": " << f.zeile1;
        EXPECT_TRUE(enthaelt(text, f.zeile2)) << f.zeile << "/" << f.jahr << ": " << f.zeile2;
    }
}

TEST(SessionInfotexte, VersorgungsangabenDesFallkopfs) {
    const int blau = zeile::Versorgungsbeginn + 30;
    const std::vector<std::string> text = infotext(blau, 2006, Versorgungsangaben{123456, 5});
    EXPECT_TRUE(enthaelt(text, "erster voller Monatsbezug : 1.234,56"));
    EXPECT_TRUE(enthaelt(text, "Versorgungs-Sonderzahlung : 0,05"));
}

TEST(SessionInfotexte, VersicherungszeilenOhneVersicherungspflicht) {
    for (int zeile = 0; zeile < 30; ++zeile) {
        const bool versicherung =
            zeile >= zeile::Krankenversicherung && zeile <= zeile::Zusatzbeitrag;
        using namespace wahl::sv;
        EXPECT_EQ(infotextGesperrt(zeile, NichtPflichtig), versicherung) << zeile;
        EXPECT_EQ(infotextGesperrt(zeile, MiniJob), versicherung) << zeile;
        EXPECT_FALSE(infotextGesperrt(zeile, Pflichtig)) << zeile;
        EXPECT_FALSE(infotextGesperrt(zeile, Gleitzone)) << zeile;
    }
}

}  // namespace
}  // namespace brelvanostik
