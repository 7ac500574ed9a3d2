// The command-line contract of `brelvanostik-cli lohnsteuer`: JSON keys and values, exit codes.
#include <gtest/gtest.h>

#include <algorithm>

#include "befehlstest.h"

namespace brelvanostik::cli {
namespace {

TEST(CliLohnsteuer, JsonMitAllenVariablenInDerVorgegebenenReihenfolge) {
    const Lauf l = lauf({"lohnsteuer", "JAHR=2005", "LZZ=2", "STKL=3", "RE4=250000"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    // Every input, intermediate and output once, from JAHR to BK.
    EXPECT_EQ(std::count(l.aus.begin(), l.aus.end(), ':'), 60);
    EXPECT_EQ(l.aus.substr(0, 38), "{\"JAHR\": 2005, \"LZZ\": 2, \"RE4\": 250000");
    EXPECT_NE(l.aus.find("\"LSTPERIODE\": 13616, \"SOLZLZZ\": "), std::string::npos);
    EXPECT_EQ(l.aus.rfind("\"BK\": "), l.aus.find("\"BK\": "));
    // Single precision with the digits to read it back; money with up to four decimals.
    EXPECT_NE(l.aus.find("\"Y\": 0.4339,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"RW\": 1883.4548,"), std::string::npos);
}

TEST(CliLohnsteuer, VorgabenNamenOhneGrossKleinUndGeaenderteEingaben) {
    const Lauf l = lauf({"lohnsteuer", "re4=300000.5", "vjahr=2003", "vbez=100", "vbezm=100"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("\"JAHR\": 2007, \"LZZ\": 2,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"RE4\": 300000.5,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"STKL\": 1,"), std::string::npos);
    EXPECT_NE(l.aus.find("\"VJAHR\": 2005,"), std::string::npos);  // raised by the run
    EXPECT_NE(l.aus.find("\"Tab1\": 0.4,"), std::string::npos);
}

TEST(CliLohnsteuer, GroessteZulaessigeBetraegeRechnenOhneUeberlauf) {
    for (const char* lzz : {"1", "2", "3", "4"}) {
        for (const char* stkl : {"1", "3", "5", "6"}) {
            const Lauf l =
                lauf({"lohnsteuer", std::string("LZZ=") + lzz, std::string("STKL=") + stkl,
                      "RE4=100000000000", "VBEZ=100000000000", "VBEZM=100000000000",
                      "VBEZS=100000000000", "HINZUR=100000000000", "ZKF=100", "ZMVB=12", "Alter1=1",
                      "JAHR=2006", "R=1"});
            EXPECT_EQ(l.status, 0) << l.fehler;
            const Lauf n =
                lauf({"lohnsteuer", std::string("LZZ=") + lzz, std::string("STKL=") + stkl,
                      "RE4=-100000000000", "WFundF=100000000000", "JAHR=2004"});
            EXPECT_EQ(n.status, 0) << n.fehler;
        }
    }
}

}  // namespace
}  // namespace brelvanostik::cli
