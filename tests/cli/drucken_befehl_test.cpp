// `brelvanostik-cli drucken`: the options pick the report, the side and the month form or the
// year's; the PDF file read back as text. What each report holds: tests/print.
#include <gtest/gtest.h>

#include "befehlstest.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

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

class DruckenBefehl : public Verzeichnistest {
  protected:
    std::string drucke(std::vector<std::string> optionen) {
        std::vector<std::string> a = {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "3"};
        a.insert(a.end(), optionen.begin(), optionen.end());
        a.insert(a.end(), {"--pdf", (dir / "bericht.pdf").string()});
        const Lauf l = starte(a);
        EXPECT_EQ(l.status, 0) << l.fehler;
        EXPECT_EQ(l.aus, "");
        return pdfText(dir / "bericht.pdf");
    }
};

TEST_F(DruckenBefehl, VierBerichteAlsPdfOhneDatenZuAendern) {
    ASSERT_EQ(starte({"eingeben", "--jahr", "2007", "--fall", "1", "--monat", "3", "betrag", "5",
                      "3000", "betrag", "7", "1000"})
                  .status,
              0);
    ASSERT_EQ(starte({"eingeben", "--jahr", "2007", "--fall", "1", "--monat", "3", "--blau",
                      "betrag", "5", "100000"})
                  .status,
              0);
    const std::string vorher = datendateien();
    const struct {
        std::vector<std::string> optionen;
        std::vector<std::string> teile;
    } berichte[] = {
        {{"--bericht", "beide"},
         {"G e s e t z l i c h e   A b z ü g e", "im MRZ. 2007 (31,00 Tage von normal 31,00 Tagen)",
          "gemeinsam", "Arbeitsentgelt 3.000,00 100.000,00 Arbeitsentgelt 103.000,00", "AUSZAHLUNG",
          "https://www.example.org"}},
        {{"--bericht", "beide", "--jahresansicht"},
         {"G e s e t z l i c h e   A b z ü g e   2007", "Arbeitsentgelt 30.000,00 1.000.000,00"}},
        {{"--bericht", "einzeln", "--blau"},
         {"A L T E R N A T I V E   1", "im MRZ. 2007", "Laufend Einmalig Gesamt",
          "Arbeitsentgelt 100.000,00 1.000,00 101.000,00", "A U S Z A H L U N G"}},
        {{"--bericht", "einzeln", "--blau", "--jahresansicht"},
         {"JAN. FEB. MRZ.", "Summe", "lfd. Gehalt 0,00 0,00 100.000,00", "A U S Z A H L U N G",
          "https://www.example.org"}},
    };
    for (const auto& b : berichte) {
        SCOPED_TRACE(b.optionen.back());
        inFolge(drucke(b.optionen), b.teile);
    }
    EXPECT_EQ(datendateien(), vorher);
}

TEST_F(DruckenBefehl, OhneDatendateienDerBerichtDesNeuenArbeitsbereichs) {
    inFolge(drucke({"--bericht", "beide"}), {"im MRZ. 2007", "AUSZAHLUNG"});
    EXPECT_TRUE(alleDateien(dir).contains("bericht.pdf"));
    EXPECT_EQ(alleDateien(dir).size(), 1u);  // no data files created
}

}  // namespace
}  // namespace brelvanostik::cli
