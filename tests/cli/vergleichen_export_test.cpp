// `brelvanostik-cli vergleichen` and `export` on data files in a scratch directory: the
// comparison starts at the class when only the class differs; the CSV file holds the
// all-months table cell by cell; neither command changes a data file.
#include <gtest/gtest.h>

#include "befehlstest.h"
#include "tables/alle_monate.h"
#include "workspace/zeilen.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

class VergleichenExport : public Verzeichnistest {};

TEST_F(VergleichenExport, VergleichBeginntBeiDerSteuerklasse) {
    // No data files yet: the new workspace, and a hint that says so.
    const Lauf neu = starte({"vergleichen", "--jahr", "2006", "--fall", "3", "--monat", "1"});
    EXPECT_EQ(neu.status, 0);
    EXPECT_NE(neu.fehler.find("no data files"), std::string::npos) << neu.fehler;
    EXPECT_TRUE(alleDateien(dir).empty());
    ASSERT_EQ(
        starte({"eingeben", "--jahr", "2006", "--fall", "3", "--monat", "1", "betrag", "5", "4200"})
            .status,
        0);
    ASSERT_EQ(starte({"eingeben", "--jahr", "2006", "--fall", "3", "--monat", "4", "--blau",
                      "auswahl", "17", "2"})
                  .status,
              0);
    const std::string vorher = datendateien();

    const struct {
        const char* monat;
        const char* erste;
    } faelle[] = {{"3", "\"erste_abweichung\": null"}, {"5", "\"erste_abweichung\": 14"}};
    for (const auto& f : faelle) {
        const Lauf l =
            starte({"vergleichen", "--jahr", "2006", "--fall", "3", "--monat", f.monat, "--json"});
        ASSERT_EQ(l.status, 0) << l.fehler;
        EXPECT_NE(l.aus.find(f.erste), std::string::npos) << f.monat;
        EXPECT_NE(l.aus.find("\"zeile\": 113"), std::string::npos);
    }
    EXPECT_EQ(datendateien(), vorher);

    const Lauf text = starte({"vergleichen", "--jahr", "2006", "--fall", "3", "--monat", "5",
                              "--pdf", (dir / "v.pdf").string()});
    ASSERT_EQ(text.status, 0) << text.fehler;
    EXPECT_NE(text.aus.find("   14 * STKL"), std::string::npos);
    EXPECT_GT(fs::file_size(dir / "v.pdf"), 1000u);

    EXPECT_EQ(datendateien(), vorher);
}

/// A CSV file read back: rows of cells (no cell of this table needs more than the quotes
/// around a caption).
std::vector<std::vector<std::string>> csvLesen(std::string text) {
    std::vector<std::vector<std::string>> zeilen;
    std::istringstream ein(text);
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        std::vector<std::string> zellen;
        std::string zelle;
        std::istringstream teile(zeile);
        while (std::getline(teile, zelle, ';')) {
            if (zelle.size() >= 2 && zelle.front() == '"')
                zelle = zelle.substr(1, zelle.size() - 2);
            zellen.push_back(zelle);
        }
        if (!zeile.empty() && zeile.back() == ';') zellen.emplace_back();
        zeilen.push_back(zellen);
    }
    return zeilen;
}

std::int64_t hundertstel(const std::string& zelle) {
    std::string ziffern;
    for (char c : zelle) {
        if (c != ',') ziffern += c;
    }
    EXPECT_EQ(zelle.find('.'), std::string::npos) << zelle;  // no thousands separator
    EXPECT_EQ(zelle.size() - zelle.find(','), 3u) << zelle;
    return std::stoll(ziffern);
}

TEST_F(VergleichenExport, CsvEnthaeltJedenGespeichertenMonat) {
    // A year with a raise, a one-time payment, church tax, a tax-card allowance, savings and
    // a December adjustment; blue with class III.
    ASSERT_EQ(starte({"eingeben", "--jahr",  "2005",    "--fall",  "2",  "--monat", "1",
                      "betrag",   "5",       "3100",    "auswahl", "19", "2",       "betrag",
                      "13",       "150",     "auswahl", "25",      "0",  "betrag",  "25",
                      "80",       "auswahl", "4",       "1"})
                  .status,
              0);
    ASSERT_EQ(starte({"eingeben", "--jahr", "2005", "--fall", "2", "--monat", "6", "betrag", "5",
                      "3400", "betrag", "7", "2500"})
                  .status,
              0);
    ASSERT_EQ(starte({"eingeben", "--jahr", "2005", "--fall", "2", "--monat", "1", "--blau",
                      "auswahl", "17", "2"})
                  .status,
              0);
    const std::string vorher = datendateien();
    const Ladeergebnis geladen = laden(dir);

    const fs::path datei = dir / "jahr.csv";
    ASSERT_EQ(
        starte({"export", "--jahr", "2005", "--fall", "2", "--beide", "--csv", datei.string()})
            .status,
        0);
    EXPECT_EQ(datendateien(), vorher);
    const std::string text = inhalt(datei);
    ASSERT_EQ(text.rfind("\xEF\xBB\xBF;JAN.;FEB.;", 0), 0u);
    EXPECT_NE(text.find(";DEZ.;Summe\r\n"), std::string::npos);
    const auto zeilen = csvLesen(text.substr(3));
    ASSERT_EQ(zeilen.size(), 2u * 24u + 1u);
    EXPECT_TRUE(zeilen[24].empty() || zeilen[24] == std::vector<std::string>{""});

    // Every cell is the all-months table of the stored calculation (amounts in hundredths).
    for (int seite = 0; seite < 2; ++seite) {
        const AlleMonate t = alleMonate(geladen.arbeitsbereich, 1, seite == 0 ? 1 : 6);
        for (int r = 1; r <= AlleMonate::kZeilen; ++r) {
            const auto& zellen = zeilen[static_cast<std::size_t>(seite * 25 + r)];
            ASSERT_EQ(zellen.size(), 14u);
            EXPECT_EQ(zellen[0], AlleMonate::beschriftung(r));
            for (int spalte = 0; spalte < AlleMonate::kSpalten; ++spalte) {
                EXPECT_EQ(hundertstel(zellen[static_cast<std::size_t>(spalte + 1)]),
                          t.wert(r, spalte))
                    << zellen[0] << " " << spalte;
            }
        }
    }
    // Something to compare: the one-time payment, the church tax and the blue class show.
    EXPECT_NE(text.find("Einmal. Bezug;0,00;0,00;0,00;0,00;0,00;2500,00;"), std::string::npos);
    EXPECT_NE(geladen.arbeitsbereich.monat(1, 1, 0).Betrag[zeile::Lohnsteuer],
              geladen.arbeitsbereich.monat(1, 6, 0).Betrag[zeile::Lohnsteuer]);

    // Green alone, blue alone.
    ASSERT_EQ(starte({"export", "--jahr", "2005", "--fall", "2", "--csv", datei.string()}).status,
              0);
    EXPECT_EQ(csvLesen(inhalt(datei).substr(3)), std::vector(zeilen.begin(), zeilen.begin() + 24));
    ASSERT_EQ(starte({"export", "--jahr", "2005", "--fall", "2", "--blau", "--csv", datei.string()})
                  .status,
              0);
    EXPECT_EQ(csvLesen(inhalt(datei).substr(3)), std::vector(zeilen.begin() + 25, zeilen.end()));
}

}  // namespace
}  // namespace brelvanostik::cli
