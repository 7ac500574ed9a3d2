// The command-line contract of `brelvanostik-cli lohnsteuer`: JSON keys and values, exit codes.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/befehle.h"

namespace brelvanostik::cli {
namespace {

struct Lauf {
    int status;
    std::string aus, fehler;
};

Lauf starte(std::vector<std::string> argumente) {
    std::ostringstream aus, fehler;
    const int status = ausfuehren(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

TEST(CliLohnsteuer, JsonMitAllenVariablenInDerVorgegebenenReihenfolge) {
    const Lauf l = starte({"lohnsteuer", "JAHR=2005", "LZZ=2", "STKL=3", "RE4=250000"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.fehler, "");
    const char* namen[] = {
        "JAHR",    "LZZ",         "RE4",        "VBEZ",        "WFundF",  "HINZUR",     "STKL",
        "ZKF",     "KRV",         "R",          "AJAHR",       "Alter1",  "VJAHR",      "VBEZM",
        "VBEZS",   "ZMVB",        "FVB",        "ZUSCHLAGVFB", "VBEZB",   "HFVB",       "ALTE",
        "BMG",     "Tab1",        "Tab2",       "Tab3",        "Tab4",    "Tab5",       "RE4LZZ",
        "RE4LZZV", "ZRE4",        "ZRE4VP",     "ZVBEZ",       "ANP",     "EFA",        "SAP",
        "KFB",     "SPLITFAKTOR", "TABFBSUMME", "VSP",         "VSP1",    "VSP2",       "VSBN",
        "VSPO",    "VSPKURZ",     "VSPVOR",     "VSPMAX1",     "VSPMAX2", "ZVEINK",     "X",
        "Y",       "RW",          "ST",         "JAHRESLST",   "JBMG",    "SOLZGRENZE", "SOLZJ",
        "SOLZMIN", "LSTPERIODE",  "SOLZLZZ",    "BK"};
    std::size_t pos = 0;
    for (const char* name : namen) {
        const auto gefunden = l.aus.find(std::string("\"") + name + "\": ", pos);
        ASSERT_NE(gefunden, std::string::npos) << name;
        pos = gefunden;
    }
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
    const std::vector<std::vector<std::string>> falsch = {
        {"lohnsteuer", "FOO=1"},
        {"lohnsteuer", "RE4"},
        {"lohnsteuer", "RE4=1,5"},
        {"lohnsteuer", "RE4=1e5"},
        {"lohnsteuer", "RE4=1.23456"},
        {"lohnsteuer", "STKL=1.0"},
        {"lohnsteuer", "STKL=7"},
        {"lohnsteuer", "JAHR=2003"},
        {"lohnsteuer", "LZZ=0"},
        {"lohnsteuer", "ZMVB=13"},
        {"lohnsteuer", "ZKF=-0.5"},
        {"lohnsteuer", "RE4=100000000000.01"},
        {"lohnsteuer", "KRV=40000"},
        {"lohnsteuer", "RE4="},
        {"lohnsteuer", "RE4=99999999999999999999"},
        {"rechnen"},
        {},
    };
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
