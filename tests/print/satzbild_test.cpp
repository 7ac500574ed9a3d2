// Every report laid out on paper with the renderer's fonts, for many random cases with the
// largest amounts and the longest names and comments: no two texts print over each other,
// nothing leaves the printable area, and each report takes the pages it needs; the tax steps
// printout holds its listing. And the PDF file written from a document, read back as text.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <filesystem>
#include <functional>
#include <set>

#include "../pdftext.h"
#include "../workspace/testhilfen.h"
#include "berichtfall.h"
#include "print/bericht_beide.h"
#include "print/bericht_einzeln.h"
#include "print/bericht_tabelle.h"
#include "print/qt/druckausgabe.h"
#include "print/schrittvergleich_druck.h"
#include "print/steuerschritte_druck.h"
#include "taxsteps/schrittvergleich.h"

namespace brelvanostik::druck {
namespace {

const std::string kAdresse = "https://intranet.beispiel.de/lohnabrechnung/hilfe";

class Satzbilder : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "print_satzbild_test";
        static char* argv[] = {name, nullptr};
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    }

    // The document as the renderer sets it on A4, with what is wrong with it.
    static std::vector<std::string> maengel(const Dokument& d, int seiten) {
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        const Satzbild bild = setzen(d, pdf);
        std::vector<std::string> m;
        if (bild.seiten != seiten)
            m.push_back(std::to_string(bild.seiten) + " Seiten statt " + std::to_string(seiten));
        const double toleranz = 0.5;
        for (std::size_t i = 0; i < bild.texte.size(); ++i) {
            const GesetzterText& a = bild.texte[i];
            if (a.links < -toleranz || a.rechts > bild.breite + toleranz ||
                a.unten > bild.hoehe + toleranz)
                m.push_back("außerhalb: " + a.text);
            // Narrowing is for the extreme case, not a layout that needs it.
            if (a.schmaler < 0.5) m.push_back("zu schmal: " + a.text);
            for (std::size_t j = i + 1; j < bild.texte.size(); ++j) {
                const GesetzterText& b = bild.texte[j];
                if (a.seite == b.seite && a.oben < b.unten - toleranz &&
                    b.oben < a.unten - toleranz && a.links < b.rechts - toleranz &&
                    b.links < a.rechts - toleranz)
                    m.push_back("überdruckt: \"" + a.text + "\" und \"" + b.text + "\"");
            }
        }
        return m;
    }
};

std::string getrimmt(const std::string& t) {
    const auto anfang = t.find_first_not_of(' ');
    return anfang == std::string::npos ? ""
                                       : t.substr(anfang, t.find_last_not_of(' ') + 1 - anfang);
}

// The tax steps printout holds the listing's lines, each piece in its column and font.
void druckZeigtDieListe(const Schrittliste& l, const Dokument& d) {
    ASSERT_FALSE(d.zeilen.empty());
    EXPECT_EQ(d.zeilen[0].stuecke.at(0).text,
              "Lohnsteuerberechnung nach dem Programmablaufplan des Bundesfinanzministeriums");
    // Only the provision allowance block that applies; the note after line 112 is left out.
    const int krv = l.eingaben.KRV;
    std::vector<int> erwartet, gedruckt;
    for (int z = 0; z <= 111; ++z) {
        if (!(krv == 1 ? (z > 68 && z < 88) : (z > 58 && z < 78))) erwartet.push_back(z);
    }
    for (std::size_t i = 1; i < d.zeilen.size(); ++i) {
        const auto& s = d.zeilen[i].stuecke;
        if (s.empty()) continue;
        const int n = std::stoi(s.front().text) - 1;
        gedruckt.push_back(n);
        const Schrittzeile& z = l.zeilen.at(static_cast<std::size_t>(n));
        // {column, text, font}: name and explanation, value and result right-aligned.
        std::vector<std::tuple<int, std::string, std::string>> soll;
        if (!z.name.empty()) soll.emplace_back(600, z.name, "Arial");
        if (!z.text.empty()) soll.emplace_back(3000, z.text, "Arial");
        if (!z.wert.empty()) soll.emplace_back(11000, z.wert, "Courier New");
        if (!z.ergebnis.empty()) soll.emplace_back(13000, z.ergebnis, "Courier New");
        ASSERT_EQ(s.size(), soll.size() + 1) << "Zeile " << n + 1;
        for (std::size_t k = 0; k < soll.size(); ++k) {
            const auto& [x, text, schrift] = soll[k];
            EXPECT_EQ(s[k + 1].x, x) << "Zeile " << n + 1;
            // An amount too wide for its column with the dots is printed without them.
            std::string ohnePunkte = getrimmt(text);
            if (schrift == "Courier New") std::erase(ohnePunkte, '.');
            EXPECT_TRUE(getrimmt(s[k + 1].text) == getrimmt(text) ||
                        getrimmt(s[k + 1].text) == ohnePunkte)
                << "Zeile " << n + 1 << ": " << s[k + 1].text << " statt " << text;
            EXPECT_EQ(s[k + 1].schrift.name, schrift) << "Zeile " << n + 1;
        }
        EXPECT_EQ(s.front().schrift.fett, z.kopf) << "Zeile " << n + 1;
        // Two headings have an empty line above.
        if (n == 38 || n == 89) {
            EXPECT_TRUE(d.zeilen[i - 1].stuecke.empty());
        }
    }
    EXPECT_EQ(gedruckt, erwartet);
}

TEST_F(Satzbilder, KeinBerichtUeberdrucktOderVerschwendetPapier) {
    Wuerfel w(20070101);
    std::set<bool> rvFrei;  // both provision allowance blocks are printed among the cases
    for (int fall = 0; fall < 40; ++fall) {
        auto s = fall == 0 ? dezemberMitAusgleich() : zufallssitzung(w);
        const Seite seite = w.selten() ? Seite::Blau : Seite::Gruen;
        const Schrittliste liste =
            monatslaufListe(s->arbeitsbereich(), s->jahr(), s->berechnung(seite), s->monat());
        SCOPED_TRACE(fall);
        druckZeigtDieListe(liste, steuerschritteDrucken(liste));
        rvFrei.insert(liste.eingaben.KRV == 1);
        // {report, how it is made, its pages}
        const std::tuple<const char*, std::function<Dokument()>, int> berichte[] = {
            {"Monatsbericht beide", [&] { return berichtBeide(*s, kAdresse); }, 1},
            {"Monatsbericht einzeln", [&] { return berichtEinzeln(*s, seite, kAdresse); }, 1},
            {"Lohnsteuerschritte", [&] { return steuerschritteDrucken(liste); }, 2},
            {"Vergleich",
             [&] {
                 return schrittvergleichDrucken(monatslaeufeVergleichen(*s),
                                                vergleichsueberschrift(*s));
             },
             2},
            {"Jahresbericht beide",
             [&] {
                 s->jahresgehaltZeigen();
                 return berichtBeide(*s, kAdresse);
             },
             1},
            {"Alle Monate", [&] { return berichtTabelle(*s, seite, "31.12.2007", kAdresse); }, 1},
        };
        for (const auto& [name, bauen, seiten] : berichte) {
            const std::vector<std::string> m = maengel(bauen(), seiten);
            EXPECT_TRUE(m.empty()) << "Fall " << fall << ", " << name << ":\n"
                                   << ::testing::PrintToString(m);
        }
    }
    EXPECT_EQ(rvFrei.size(), 2u);
}

TEST_F(Satzbilder, PdfTextKommtInZeilenfolgeUndSeitenumbruchZurueck) {
    Seitenaufbau aufbau("Probe");
    aufbau.fett(true).bei(4300, "G e s e t z l i c h e   A b z ü g e").zeilenende().fett(false);
    aufbau.text("Arbeitsentgelt").schrift("Courier New").bei(2700, "      3.000,00").zeilenende();
    for (int i = 0; i < 120; ++i)
        aufbau.schrift("Arial").text("Zeile " + std::to_string(i)).zeilenende();
    aufbau.text("offen");  // a line still open is ended by fertig()
    const test::TempVerzeichnis ordner;
    const std::filesystem::path datei = ordner / "probe.pdf";
    std::string fehler;
    ASSERT_TRUE(alsPdfSchreiben(aufbau.fertig(), datei, fehler)) << fehler;
    // pdftotext closes up letter-spaced titles, so compare without blanks.
    std::string text = pdfText(datei);
    std::erase(text, ' ');
    const auto titel = text.find("GesetzlicheAbzüge");
    const auto betrag = text.find("3.000,00");
    const auto letzte = text.find("Zeile119");
    ASSERT_NE(titel, std::string::npos) << text;
    EXPECT_LT(titel, betrag);
    EXPECT_LT(betrag, letzte);
    EXPECT_LT(letzte, text.find("offen"));
    EXPECT_NE(text.find("offen"), std::string::npos);
    EXPECT_NE(text.find('\f'), text.rfind('\f'));  // more than one page
}

}  // namespace
}  // namespace brelvanostik::druck
