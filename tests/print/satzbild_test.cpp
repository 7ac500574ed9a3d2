// Every report laid out on paper with the renderer's fonts, for many random cases with the
// largest amounts and the longest names and comments: no two texts print over each other,
// nothing leaves the printable area, and each report takes the pages it needs. And the PDF
// file written from a document, read back as text.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

#include <unistd.h>

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

TEST_F(Satzbilder, KeinBerichtUeberdrucktOderVerschwendetPapier) {
    Wuerfel w(20070101);
    for (int fall = 0; fall < 40; ++fall) {
        auto s = fall == 0 ? dezemberMitAusgleich() : zufallssitzung(w);
        const Seite seite = w.selten() ? Seite::Blau : Seite::Gruen;
        struct Bericht {
            const char* name;
            std::function<Dokument()> bauen;
            int seiten;
        };
        const Bericht berichte[] = {
            {"Monatsbericht beide", [&] { return berichtBeide(*s, kAdresse); }, 1},
            {"Monatsbericht einzeln", [&] { return berichtEinzeln(*s, seite, kAdresse); }, 1},
            {"Lohnsteuerschritte",
             [&] {
                 return steuerschritteDrucken(monatslaufListe(s->arbeitsbereich(), s->jahr(),
                                                              s->berechnung(seite), s->monat()));
             },
             2},
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
        for (const Bericht& b : berichte) {
            const std::vector<std::string> m = maengel(b.bauen(), b.seiten);
            EXPECT_TRUE(m.empty()) << "Fall " << fall << ", " << b.name << ":\n"
                                   << ::testing::PrintToString(m);
        }
    }
}

std::string pdfText(const std::filesystem::path& pdf) {
    const std::string befehl = std::string(PDFTOTEXT) + " -layout '" + pdf.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> rohr(popen(befehl.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> puffer{};
    while (rohr && fgets(puffer.data(), puffer.size(), rohr.get())) text += puffer.data();
    return text;
}

TEST_F(Satzbilder, PdfTextKommtInZeilenfolgeUndSeitenumbruchZurueck) {
    Seitenaufbau aufbau("Probe");
    aufbau.fett(true).bei(4300, "G e s e t z l i c h e   A b z ü g e").zeilenende().fett(false);
    aufbau.text("Arbeitsentgelt").schrift("Courier New").bei(2700, "      3.000,00").zeilenende();
    for (int i = 0; i < 120; ++i)
        aufbau.schrift("Arial").text("Zeile " + std::to_string(i)).zeilenende();
    aufbau.text("offen");  // a line still open is ended by fertig()
    const auto datei = std::filesystem::temp_directory_path() /
                       ("brelvanostik-pdf-" + std::to_string(::getpid()) + ".pdf");
    std::string fehler;
    ASSERT_TRUE(alsPdfSchreiben(aufbau.fertig(), datei, fehler)) << fehler;
    // pdftotext closes up letter-spaced titles, so compare without blanks.
    std::string text = pdfText(datei);
    std::filesystem::remove(datei);
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
