// The printout of the tax steps listing: which lines, where, in which font; and its PDF.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

#include <unistd.h>

#include "print/qt/druckausgabe.h"
#include "print/steuerschritte_druck.h"
#include "taxsteps/steuerschritte.h"

namespace brelvanostik::druck {
namespace {

Schrittliste liste(int krv) {
    Steuereingaben e;
    e.RE4 = Money::whole(4000000);
    e.KRV = krv;
    e.AJAHR = 2008;
    e.ZMVB = Money::whole(12);
    return schrittlisteBerechnen(e, {});
}

// The line numbers printed, in order (the first piece of each listing line).
std::vector<int> gedruckteNummern(const Dokument& d) {
    std::vector<int> nummern;
    for (std::size_t i = 2; i < d.zeilen.size(); ++i) {
        const auto& stuecke = d.zeilen[i].stuecke;
        if (!stuecke.empty()) nummern.push_back(std::stoi(stuecke.front().text));
    }
    return nummern;
}

TEST(SteuerschritteDruck, ZeilenfolgeJeRentenversicherung) {
    for (int krv : {0, 1}) {
        const Dokument d = steuerschritteDrucken(liste(krv));
        ASSERT_FALSE(d.zeilen.empty());
        EXPECT_EQ(d.zeilen[0].stuecke.at(0).text,
                  "Lohnsteuerberechnung nach dem Programmablaufplan des Bundesfinanzministeriums");
        EXPECT_EQ(d.zeilen[0].stuecke.at(0).schrift.name, "Arial");
        std::vector<int> erwartet;
        for (int z = 0; z <= 111; ++z) {
            const bool weg = krv == 1 ? (z > 68 && z < 88) : (z > 58 && z < 78);
            if (!weg) erwartet.push_back(z + 1);
        }
        EXPECT_EQ(gedruckteNummern(d), erwartet) << "KRV " << krv;
    }
}

TEST(SteuerschritteDruck, SpaltenSchriftenUndLeerzeilen) {
    const Schrittliste l = liste(0);
    const Dokument d = steuerschritteDrucken(l);
    std::size_t kopf38 = 0;
    for (std::size_t i = 0; i < d.zeilen.size(); ++i) {
        const auto& s = d.zeilen[i].stuecke;
        if (s.empty() || s.front().text != "39") continue;
        kopf38 = i;
        EXPECT_TRUE(s.front().schrift.fett);
        // name, explanation at 3000, result right-aligned in ten characters at 13000
        ASSERT_EQ(s.size(), 4u);
        EXPECT_EQ(s[1].text, "MRE4");
        EXPECT_EQ(s[2].x, 3000);
        EXPECT_EQ(s[3].x, 13000);
        EXPECT_EQ(s[3].schrift.name, "Courier New");
        EXPECT_EQ(s[3].text, " 40.000,00");
    }
    ASSERT_GE(kopf38, 1u);
    for (std::size_t i = kopf38 - 1; i < kopf38; ++i) EXPECT_TRUE(d.zeilen[i].stuecke.empty());
    for (const auto& z : d.zeilen) {
        if (z.stuecke.empty() || z.stuecke.front().text != "8") continue;
        EXPECT_FALSE(z.stuecke.front().schrift.fett);
        EXPECT_EQ(z.stuecke.back().x, 11000);
        EXPECT_EQ(z.stuecke.back().text, " 40.000,00");
    }
}

std::string pdfText(const std::filesystem::path& pdf) {
    const std::string befehl = std::string(PDFTOTEXT) + " '" + pdf.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> rohr(popen(befehl.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> puffer{};
    while (rohr && fgets(puffer.data(), puffer.size(), rohr.get())) text += puffer.data();
    return text;
}

TEST(SteuerschritteDruck, PdfEnthaeltTitelUndKopfzeilenInFolge) {
    static int argc = 1;
    static char name[] = "print_steuerschritte_test";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);

    const auto datei = std::filesystem::temp_directory_path() /
                       ("brelvanostik-schritte-" + std::to_string(::getpid()) + ".pdf");
    std::string fehler;
    ASSERT_TRUE(alsPdfSchreiben(steuerschritteDrucken(liste(0)), datei, fehler)) << fehler;
    std::string text = pdfText(datei);
    std::filesystem::remove(datei);
    std::erase(text, ' ');
    std::size_t pos =
        text.find("LohnsteuerberechnungnachdemProgrammablaufplandesBundesfinanzministeriums");
    ASSERT_NE(pos, std::string::npos) << text;
    for (const char* kopf : {"LST2007", "Versorgungsfreibetrag", "Altersentlastungsbetrag", "MRE4",
                             "Werbungskosten-Pauschbetrag", "EntlastungsbetragfürAlleinerziehende",
                             "Sonderausgaben-Pauschbetrag", "Kinderfreibeträge",
                             "VorsorgepauschalebeiRV-Versicherungspflicht", "UPTAB07", "LOHNSTEUER",
                             "SOLIDARITÄTSZUSCHLAG", "KIRCHENSTEUER"}) {
        const auto gefunden = text.find(kopf, pos);
        ASSERT_NE(gefunden, std::string::npos) << kopf;
        pos = gefunden;
    }
}

}  // namespace
}  // namespace brelvanostik::druck
