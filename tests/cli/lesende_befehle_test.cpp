// The commands that read the data files and write only what they are asked for — `drucken`,
// `brutto`, `kurve`, `vergleichen`, `export` — on one directory of stored cases that none of
// them may change. What the reports and tables hold: tests/print, tests/tables.
#include <gtest/gtest.h>

#include "../pdftext.h"
#include "befehlstest.h"
#include "tables/alle_monate.h"
#include "workspace/zeilen.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

class LesendeBefehle : public Verzeichnistest {
  protected:
    void SetUp() override {
        for (const char* eingabe :
             {// 2006 case 2: 9 % church tax, the December adjustment, a salary of 3,187.45.
              "eingeben --jahr 2006 --fall 2 --monat 1 auswahl 19 2 auswahl 4 1 betrag 5 "
              "3187,45",
              // 2006 case 3: blue differs in the class only, from April on.
              "eingeben --jahr 2006 --fall 3 --monat 1 betrag 5 4200",
              "eingeben --jahr 2006 --fall 3 --monat 4 --blau auswahl 17 2",
              // 2007 case 1 in March: a one-time payment on green, 100,000.00 salary on blue.
              "eingeben --jahr 2007 --fall 1 --monat 3 betrag 5 3000 betrag 7 1000",
              "eingeben --jahr 2007 --fall 1 --monat 3 --blau betrag 5 100000",
              // 2005 case 2: a raise, a one-time payment, church tax, a tax-card allowance,
              // savings and the December adjustment; blue in class III.
              "eingeben --jahr 2005 --fall 2 --monat 1 betrag 5 3100 auswahl 19 2 betrag 13 150 "
              "auswahl 25 0 betrag 25 80 auswahl 4 1",
              "eingeben --jahr 2005 --fall 2 --monat 6 betrag 5 3400 betrag 7 2500",
              "eingeben --jahr 2005 --fall 2 --monat 1 --blau auswahl 17 2"})
            ASSERT_EQ(starte(eingabe).status, 0) << eingabe;
        vorher = datendateien();
    }
    void TearDown() override { EXPECT_EQ(datendateien(), vorher); }
    std::string vorher;
};

// The texts appear in this order; blanks and line ends are ignored, as pdftotext closes up
// letter-spaced words and may break a line whose pieces stand in different fonts.
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

TEST_F(LesendeBefehle, DruckenVierBerichteAlsPdf) {
    const std::pair<const char*, std::vector<std::string>> berichte[] = {
        {"--bericht beide",
         {"im MRZ. 2007", "Arbeitsentgelt 3.000,00 100.000,00 Arbeitsentgelt 103.000,00",
          "https://www.example.org"}},
        {"--bericht beide --jahresansicht",
         {"A b z ü g e   2007", "Arbeitsentgelt 30.000,00 1.000.000,00"}},
        {"--bericht einzeln --blau",
         {"A L T E R N A T I V E   1", "Arbeitsentgelt 100.000,00 1.000,00 101.000,00"}},
        {"--bericht einzeln --blau --jahresansicht",
         {"JAN. FEB. MRZ.", "lfd. Gehalt 0,00 0,00 100.000,00", "https://www.example.org"}},
    };
    for (const auto& [optionen, teile] : berichte) {
        const Lauf l = starte(std::string("drucken --jahr 2007 --fall 1 --monat 3 ") + optionen +
                              " --pdf @/bericht.pdf");
        EXPECT_EQ(l.status, 0) << l.fehler;
        EXPECT_EQ(l.aus, "");
        SCOPED_TRACE(optionen);
        inFolge(pdfText(dir / "bericht.pdf"), teile);
    }
}

// The search itself: tests/payout. Here the case as the files hold it, and both outputs.
TEST_F(LesendeBefehle, BruttoNenntDasKleinsteGehalt) {
    const std::string brutto = "brutto --jahr 2006 --fall 2 --monat 12 ";
    const Lauf l = starte(brutto + "--auszahlung 2000.00");
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus, "3624,60\n");
    EXPECT_EQ(
        starte(brutto + "--json --auszahlung 2000").aus,
        "{\"gehalt\": 362460, \"auszahlung\": 200000, \"gewuenscht\": 200000, \"lohnsteuer\": "
        "-76462, \"solidaritaetszuschlag\": -4207, \"kirchensteuer\": -6884, "
        "\"sozialversicherung\": -74907}\n");
}

TEST_F(LesendeBefehle, KurveAlsJsonCsvUndPdf) {
    const std::string kurve =
        "kurve --jahr 2006 --fall 2 --monat 12 --von 300 --bis 900 --schritt 150 ";
    const Lauf j = starte(kurve + "--json");
    ASSERT_EQ(j.status, 0) << j.fehler;
    EXPECT_EQ(j.aus.rfind("{\"punkte\": [{\"gehalt\": 30000, \"steuern\": ", 0), 0u) << j.aus;
    EXPECT_NE(j.aus.find("{\"gehalt\": 90000, "), std::string::npos);
    EXPECT_NE(j.aus.find("\"marken\": {\"gleitzone\": [40000, 80000], \"kv_bbg\": 356250, "
                         "\"rv_bbg\": 525000, \"gehalt_des_falls\": 318745}}"),
              std::string::npos)
        << j.aus;

    ASSERT_EQ(starte(kurve + "--csv @/kurve.csv").status, 0);
    const std::string csv = inhalt("kurve.csv");
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFGehalt;Steuern;Sozialversicherung;Auszahlung;", 0), 0u);
    EXPECT_NE(csv.find("\r\n600,00;"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 6);

    ASSERT_EQ(starte(kurve + "--pdf @/kurve.pdf").status, 0);
    inFolge(pdfText(dir / "kurve.pdf"),
            {"Belastungskurve", "DEZ. 2006", "Gleitzone 800", "Belastung je weitere 100 Euro"});
}

TEST_F(LesendeBefehle, VergleichBeginntBeiDerSteuerklasse) {
    for (const auto& [monat, erste] : {std::pair{"3", "null"}, std::pair{"5", "14"}}) {
        const Lauf l =
            starte(std::string("vergleichen --jahr 2006 --fall 3 --json --monat ") + monat);
        ASSERT_EQ(l.status, 0) << l.fehler;
        EXPECT_NE(l.aus.find(std::string("\"erste_abweichung\": ") + erste), std::string::npos)
            << monat;
        EXPECT_NE(l.aus.find("\"zeile\": 113"), std::string::npos);
    }
    const Lauf text = starte("vergleichen --jahr 2006 --fall 3 --monat 5 --pdf @/v.pdf");
    ASSERT_EQ(text.status, 0) << text.fehler;
    EXPECT_NE(text.aus.find("   14 * STKL"), std::string::npos);
    EXPECT_GT(fs::file_size(dir / "v.pdf"), 1000u);
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
        zeilen.push_back(zellen);
    }
    return zeilen;
}

std::int64_t hundertstel(std::string zelle) {
    EXPECT_EQ(zelle.find('.'), std::string::npos) << zelle;  // no thousands separator
    EXPECT_EQ(zelle.size() - zelle.find(','), 3u) << zelle;
    std::erase(zelle, ',');
    return std::stoll(zelle);
}

TEST_F(LesendeBefehle, CsvEnthaeltJedenGespeichertenMonat) {
    ASSERT_EQ(starte("export --jahr 2005 --fall 2 --beide --csv @/jahr.csv").status, 0);
    const std::string text = inhalt("jahr.csv");
    ASSERT_EQ(text.rfind("\xEF\xBB\xBF;JAN.;FEB.;", 0), 0u);
    EXPECT_NE(text.find(";DEZ.;Summe\r\n"), std::string::npos);
    const auto zeilen = csvLesen(text.substr(3));
    ASSERT_EQ(zeilen.size(), 2u * 24u + 1u);
    EXPECT_TRUE(zeilen[24].empty());

    // Every cell is the all-months table of the stored calculation (amounts in hundredths).
    const Ladeergebnis geladen = laden(dir);
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
    // Something to compare: the blue class shows in the tax.
    EXPECT_NE(geladen.arbeitsbereich.monat(1, 1, 0).Betrag[zeile::Lohnsteuer],
              geladen.arbeitsbereich.monat(1, 6, 0).Betrag[zeile::Lohnsteuer]);

    // Green alone, blue alone.
    ASSERT_EQ(starte("export --jahr 2005 --fall 2 --csv @/jahr.csv").status, 0);
    EXPECT_EQ(csvLesen(inhalt("jahr.csv").substr(3)),
              std::vector(zeilen.begin(), zeilen.begin() + 24));
    ASSERT_EQ(starte("export --jahr 2005 --fall 2 --blau --csv @/jahr.csv").status, 0);
    EXPECT_EQ(csvLesen(inhalt("jahr.csv").substr(3)),
              std::vector(zeilen.begin() + 25, zeilen.end()));
}

class OhneDatendateien : public Verzeichnistest {};

TEST_F(OhneDatendateien, DieDatenDesNeuenArbeitsbereichsUndKeineDateiAngelegt) {
    const Lauf d = starte("drucken --jahr 2007 --fall 1 --monat 3 --bericht beide --pdf @/b.pdf");
    EXPECT_EQ(d.status, 0) << d.fehler;
    inFolge(pdfText(dir / "b.pdf"), {"im MRZ. 2007", "AUSZAHLUNG"});
    const Lauf v = starte("vergleichen --jahr 2006 --fall 3 --monat 1");
    EXPECT_EQ(v.status, 0);
    EXPECT_NE(v.fehler.find("no data files"), std::string::npos) << v.fehler;
    EXPECT_EQ(alleDateien(dir).size(), 1u);  // the report only
}

}  // namespace
}  // namespace brelvanostik::cli
