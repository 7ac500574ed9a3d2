// `brelvanostik-cli brutto` and `kurve` on data files in a scratch directory: the salary found
// is what `eingeben` of that salary pays out and a cent less does not; the curve's points, CSV
// and PDF agree; neither command changes a data file.
#include <gtest/gtest.h>

#include "befehlstest.h"
#include "workspace/zeilen.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

class BruttoKurve : public Verzeichnistest {
  protected:
    void SetUp() override {
        Verzeichnistest::SetUp();
        // Case 2 of 2006: 9 % church tax, the December adjustment, a salary of 3,187.45.
        ASSERT_EQ(starte({"eingeben", "--jahr", "2006", "--fall", "2", "--monat", "1", "auswahl",
                          "19", "2", "auswahl", "4", "1", "betrag", "5", "3187,45"})
                      .status,
                  0);
    }
    // The December payout after typing `gehalt` (as typed) into December's salary field.
    std::int64_t auszahlungNachEingabe(const std::string& gehalt) {
        const fs::path kopie = dir / "kopie";
        fs::remove_all(kopie);
        fs::create_directories(kopie);
        for (const char* name : {kMonatsdateiName, kKopfdateiName})
            fs::copy_file(dir / name, kopie / name);
        const Lauf l = lauf({"eingeben", "--dir", kopie.string(), "--jahr", "2006", "--fall", "2",
                             "--monat", "12", "betrag", "5", gehalt});
        EXPECT_EQ(l.status, 0) << l.fehler;
        return laden(kopie).arbeitsbereich.monat(2, 1, 11).Betrag[zeile::Auszahlung];
    }
};

TEST_F(BruttoKurve, BruttoIstDasKleinsteGehalt) {
    const std::string vorher = datendateien();
    const Lauf l = starte(
        {"brutto", "--jahr", "2006", "--fall", "2", "--monat", "12", "--auszahlung", "2000.00"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    ASSERT_FALSE(l.aus.empty());
    const std::string gehalt = l.aus.substr(0, l.aus.size() - 1);
    EXPECT_EQ(datendateien(), vorher);
    EXPECT_GE(auszahlungNachEingabe(gehalt), 200000);
    // One cent less, typed, falls short.
    const auto komma = gehalt.find(',');
    const long cent =
        std::stol(gehalt.substr(0, komma)) * 100 + std::stol(gehalt.substr(komma + 1));
    char weniger[32];
    std::snprintf(weniger, sizeof weniger, "%ld,%02ld", (cent - 1) / 100, (cent - 1) % 100);
    EXPECT_LT(auszahlungNachEingabe(weniger), 200000);

    const Lauf j = starte({"brutto", "--jahr", "2006", "--fall", "2", "--monat", "12", "--json",
                           "--auszahlung", "2000"});
    ASSERT_EQ(j.status, 0) << j.fehler;
    EXPECT_EQ(j.aus.rfind("{\"gehalt\": " + std::to_string(cent) + ", \"auszahlung\": ", 0), 0u)
        << j.aus;
    EXPECT_NE(j.aus.find("\"gewuenscht\": 200000, \"lohnsteuer\": -"), std::string::npos) << j.aus;
}

TEST_F(BruttoKurve, KurveAlsJsonCsvUndPdf) {
    const std::string vorher = datendateien();
    const std::vector<std::string> fall = {"--jahr", "2006", "--fall", "2",   "--monat",   "12",
                                           "--von",  "300",  "--bis",  "900", "--schritt", "150"};
    const auto mit = [&](std::vector<std::string> rest) {
        std::vector<std::string> a = {"kurve"};
        a.insert(a.end(), fall.begin(), fall.end());
        a.insert(a.end(), rest.begin(), rest.end());
        return starte(a);
    };
    const Lauf j = mit({"--json"});
    ASSERT_EQ(j.status, 0) << j.fehler;
    EXPECT_EQ(j.aus.rfind("{\"punkte\": [{\"gehalt\": 30000, \"steuern\": ", 0), 0u) << j.aus;
    EXPECT_NE(j.aus.find("{\"gehalt\": 90000, "), std::string::npos);
    EXPECT_NE(j.aus.find("\"marken\": {\"gleitzone\": [40000, 80000], \"kv_bbg\": 356250, "
                         "\"rv_bbg\": 525000, \"gehalt_des_falls\": 318745}}"),
              std::string::npos)
        << j.aus;

    ASSERT_EQ(mit({"--csv", (dir / "kurve.csv").string()}).status, 0);
    const std::string csv = inhalt(dir / "kurve.csv");
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFGehalt;Steuern;Sozialversicherung;Auszahlung;", 0), 0u);
    EXPECT_NE(csv.find("\r\n600,00;"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6);

    ASSERT_EQ(mit({"--pdf", (dir / "kurve.pdf").string()}).status, 0);
    const std::string gelesen = pdfText(dir / "kurve.pdf");
    for (const char* teil :
         {"Belastungskurve", "DEZ. 2006", "Gleitzone 800", "Belastung je weitere 100 Euro"}) {
        EXPECT_NE(gelesen.find(teil), std::string::npos) << teil << "\n" << gelesen;
    }
    EXPECT_EQ(datendateien(), vorher);
}

}  // namespace
}  // namespace brelvanostik::cli
