// `brelvanostik-cli drucken`: the four printouts as PDF files, read back as text.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "cli/befehle.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

std::string pdfText(const fs::path& pdf) {
    const std::string befehl =
        std::string(PDFTOTEXT) + " -layout '" + pdf.string() + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> rohr(popen(befehl.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> puffer{};
    while (rohr && fgets(puffer.data(), puffer.size(), rohr.get())) text += puffer.data();
    return text;
}

// The texts appear in this order; pdftotext closes up letter-spaced words and runs of blanks
// and may break a line whose pieces stand in different fonts, so the comparison ignores
// blanks and line ends.
void inFolge(std::string text, const std::vector<std::string>& teile) {
    std::erase(text, ' ');
    std::erase(text, '\n');
    std::size_t ab = 0;
    for (std::string teil : teile) {
        std::erase(teil, ' ');
        const auto stelle = text.find(teil, ab);
        ASSERT_NE(stelle, std::string::npos) << "fehlt nach Stelle " << ab << ": " << teil << "\n"
                                             << text;
        ab = stelle + teil.size();
    }
}

class DruckenBefehl : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("brelvanostik-drucken-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    int starte(std::vector<std::string> argumente, std::string* fehlertext = nullptr) {
        argumente.insert(argumente.begin() + 1, {"--dir", dir.string()});
        std::ostringstream aus, fehler;
        const int status = ausfuehren(argumente, aus, fehler);
        if (fehlertext) *fehlertext = fehler.str();
        EXPECT_TRUE(aus.str().empty());
        return status;
    }
    std::string inhalt(const char* name) const {
        std::ifstream ein(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(ein), {}};
    }
    fs::path dir;
};

TEST_F(DruckenBefehl, VierBerichteAlsPdfOhneDatenZuAendern) {
    ASSERT_EQ(starte({"eingeben", "--jahr", "2007", "--fall", "1", "--monat", "3", "betrag", "5",
                      "3000", "betrag", "7", "1000"}),
              0);
    ASSERT_EQ(starte({"eingeben", "--jahr", "2007", "--fall", "1", "--monat", "3", "--blau",
                      "betrag", "5", "100000"}),
              0);
    const std::string da1 = inhalt("Brelvanostik.da1"), da2 = inhalt("Brelvanostik.da2");

    const auto drucke = [&](std::vector<std::string> optionen, const std::string& datei) {
        std::vector<std::string> a = {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "3"};
        a.insert(a.end(), optionen.begin(), optionen.end());
        a.insert(a.end(), {"--pdf", (dir / datei).string()});
        std::string fehler;
        EXPECT_EQ(starte(a, &fehler), 0) << fehler;
        return pdfText(dir / datei);
    };
    inFolge(
        drucke({"--bericht", "beide"}, "beide.pdf"),
        {"G e s e t z l i c h e   A b z ü g e", "im MRZ. 2007 (31,00 Tage von normal 31,00 Tagen)",
         "Berechnungsgrundlagen:", "BBG KV und PV 3.562,50 3.562,50", "gemeinsam",
         "Arbeitsentgelt 3.000,00 100.000,00 Arbeitsentgelt 103.000,00",
         "Einmaliger Bezug 1.000,00 1.000,00", "B R U T T O 4.000,00 101.000,00", "A B Z Ü G E",
         "AUSZAHLUNG", "https://www.example.org"});
    inFolge(drucke({"--bericht", "beide", "--jahresansicht"}, "beide-jahr.pdf"),
            {"G e s e t z l i c h e   A b z ü g e   2007", "BBG KV und PV 42.750,00 42.750,00",
             "Arbeitsentgelt 30.000,00 1.000.000,00", "AUSZAHLUNG"});
    inFolge(drucke({"--bericht", "einzeln", "--blau"}, "einzeln.pdf"),
            {"A L T E R N A T I V E   1", "im MRZ. 2007", "Laufend Einmalig Gesamt",
             "Arbeitsentgelt 100.000,00 1.000,00 101.000,00", "A U S Z A H L U N G",
             "Steuerpflichtiges Entgelt bis zum Vormonat 0,00"});
    // The year's sum of ten monthly salaries of 100,000.00 euros is too wide for its field
    // with the dots: it is printed without them, every digit kept.
    inFolge(
        drucke({"--bericht", "einzeln", "--blau", "--jahresansicht"}, "tabelle.pdf"),
        {"JAN. FEB. MRZ.", "Summe", "lfd. Gehalt 0,00 0,00 100.000,00", "1000000,00", "Lohnsteuer",
         "N E T T O", "A U S Z A H L U N G", "RV-verbeitragt", "https://www.example.org"});

    EXPECT_EQ(inhalt("Brelvanostik.da1"), da1);
    EXPECT_EQ(inhalt("Brelvanostik.da2"), da2);
}

TEST_F(DruckenBefehl, FehlerUndLeeresVerzeichnis) {
    const std::string pdf = (dir / "x.pdf").string();
    const std::vector<std::vector<std::string>> falsch = {
        {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--pdf", pdf},
        {"drucken", "--jahr", "2007", "--fall", "6", "--monat", "1", "--bericht", "beide", "--pdf",
         pdf},
        {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht", "alle", "--pdf",
         pdf},
        {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht", "beide", "--json",
         "--pdf", pdf},
        {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht", "beide", "--pdf"},
    };
    for (const auto& a : falsch) EXPECT_EQ(starte(a), 2) << a.at(7);
    EXPECT_FALSE(fs::exists(pdf));

    // No data files yet: the report of a new workspace, and none created.
    EXPECT_EQ(starte({"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht",
                      "beide", "--pdf", pdf}),
              0);
    EXPECT_TRUE(fs::exists(pdf));
    EXPECT_FALSE(fs::exists(dir / "Brelvanostik.da1"));
    EXPECT_FALSE(fs::exists(dir / "Brelvanostik.da2"));

    std::string fehler;
    EXPECT_EQ(starte({"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht",
                      "beide", "--pdf", (dir / "fehlt" / "x.pdf").string()},
                     &fehler),
              1);
    EXPECT_FALSE(fehler.empty());
}

}  // namespace
}  // namespace brelvanostik::cli
