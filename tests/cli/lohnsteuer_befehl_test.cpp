// The command-line contract of `brelvanostik-cli lohnsteuer`: JSON keys and values, exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "befehlstest.h"
#include "cli/befehle.h"

namespace brelvanostik::cli {
namespace {

Lauf starte(const std::vector<std::string>& argumente) {
    return lauf(argumente);
}

TEST(CliLohnsteuer, JsonMitAllenVariablenInDerVorgegebenenReihenfolge) {
    const Lauf l = starte({"lohnsteuer", "JAHR=2005", "LZZ=2", "STKL=3", "RE4=250000"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    // Every input, intermediate and output once, from JAHR to BK.
    EXPECT_EQ(std::count(l.aus.begin(), l.aus.end(), ':'), 60);
    EXPECT_NE(l.aus.find("\"LSTPERIODE\": 13616, \"SOLZLZZ\": "), std::string::npos);
    EXPECT_EQ(l.aus.rfind("\"BK\": "), l.aus.find("\"BK\": "));
    EXPECT_EQ(l.aus.front(), '{');
    EXPECT_EQ(l.aus.substr(0, 38), "{\"JAHR\": 2005, \"LZZ\": 2, \"RE4\": 250000");
    EXPECT_NE(l.aus.find("\"VSP1\": 585,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"LSTPERIODE\": 13616,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"Y\": 0.4339,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"RW\": 1883.4548,"), std::string::npos);
}

TEST(CliLohnsteuer, VorgabenNamenOhneGrossKleinUndGeaenderteEingaben) {
    const Lauf l = starte({"lohnsteuer", "re4=300000.5", "vjahr=2003", "vbez=100", "vbezm=100"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("\"JAHR\": 2007, \"LZZ\": 2,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"RE4\": 300000.5,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"STKL\": 1,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"VJAHR\": 2005,"), std::string::npos);  // raised by the run
    EXPECT_NE(l.aus.find("\"Tab1\": 0.4,"), std::string::npos);
}

TEST(CliLohnsteuer, FehlerMitStatusZweiUndLeererAusgabe) {
    std::vector<std::vector<std::string>> falsch = {{"rechnen"}, {}};
    for (const char* eingabe :
         {"FOO=1", "RE4", "RE4=1,5", "RE4=1e5", "RE4=1.23456", "STKL=1.0", "STKL=7", "JAHR=2003",
          "LZZ=0", "ZMVB=13", "ZKF=-0.5", "RE4=100000000000.01", "KRV=40000",
          "RE4=", "RE4=99999999999999999999"})
        falsch.push_back({"lohnsteuer", eingabe});
    for (const auto& argumente : falsch) {
        const Lauf l = starte(argumente);
        EXPECT_EQ(l.status, 2) << (argumente.empty() ? "" : argumente.back());
        EXPECT_EQ(l.aus, "");
        EXPECT_NE(l.fehler, "");
    }
    const Lauf grenze = starte({"lohnsteuer", "STKL=9"});
    EXPECT_NE(grenze.fehler.find("1 to 6"), std::string::npos) << grenze.fehler;
}

TEST(CliLohnsteuer, GroessteZulaessigeBetraegeRechnenOhneUeberlauf) {
    for (const char* lzz : {"1", "2", "3", "4"}) {
        for (const char* stkl : {"1", "3", "5", "6"}) {
            const Lauf l =
                starte({"lohnsteuer", std::string("LZZ=") + lzz, std::string("STKL=") + stkl,
                        "RE4=100000000000", "VBEZ=100000000000", "VBEZM=100000000000",
                        "VBEZS=100000000000", "HINZUR=100000000000", "ZKF=100", "ZMVB=12",
                        "Alter1=1", "JAHR=2006", "R=1"});
            EXPECT_EQ(l.status, 0) << l.fehler;
            const Lauf n =
                starte({"lohnsteuer", std::string("LZZ=") + lzz, std::string("STKL=") + stkl,
                        "RE4=-100000000000", "WFundF=100000000000", "JAHR=2004"});
            EXPECT_EQ(n.status, 0) << n.fehler;
        }
    }
}

}  // namespace
}  // namespace brelvanostik::cli
