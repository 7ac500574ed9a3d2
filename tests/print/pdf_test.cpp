#include <gtest/gtest.h>

#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "print/qt/druckausgabe.h"

namespace brelvanostik::druck {
namespace {

std::string pdfText(const std::filesystem::path& pdf) {
    const std::string befehl = std::string(PDFTOTEXT) + " -layout '" + pdf.string() + "' -";
    std::unique_ptr<FILE, int (*)(FILE*)> rohr(popen(befehl.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> puffer{};
    while (rohr && fgets(puffer.data(), puffer.size(), rohr.get())) text += puffer.data();
    return text;
}

class Pdf : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "print_pdf_test";
        static char* argv[] = {name, nullptr};
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QGuiApplication::instance()) app_ = new QGuiApplication(argc, argv);
    }
    std::filesystem::path verzeichnis_ =
        std::filesystem::temp_directory_path() / ("brelvanostik-pdf-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(verzeichnis_); }
    void TearDown() override { std::filesystem::remove_all(verzeichnis_); }
    static inline QGuiApplication* app_ = nullptr;
};

TEST_F(Pdf, TextKommtInZeilenfolgeUndSeitenumbruchZurueck) {
    Seitenaufbau aufbau("Probe");
    aufbau.fett(true).bei(4300, "G e s e t z l i c h e   A b z ü g e").zeilenende().fett(false);
    aufbau.text("Arbeitsentgelt").schrift("Courier New").bei(2700, "      3.000,00").zeilenende();
    for (int i = 0; i < 120; ++i)
        aufbau.schrift("Arial").text("Zeile " + std::to_string(i)).zeilenende();
    const auto datei = verzeichnis_ / "probe.pdf";
    std::string fehler;
    ASSERT_TRUE(alsPdfSchreiben(aufbau.fertig(), datei, fehler)) << fehler;

    // pdftotext closes up letter-spaced titles, so compare without blanks.
    std::string text = pdfText(datei);
    std::erase(text, ' ');
    const auto titel = text.find("GesetzlicheAbzüge");
    const auto betrag = text.find("3.000,00");
    const auto letzte = text.find("Zeile119");
    ASSERT_NE(titel, std::string::npos) << text;
    ASSERT_NE(betrag, std::string::npos);
    ASSERT_NE(letzte, std::string::npos);
    EXPECT_LT(titel, betrag);
    EXPECT_LT(betrag, letzte);
    EXPECT_NE(text.find('\f'), text.rfind('\f'));  // more than one page
}

TEST_F(Pdf, UnschreibbaresZielMeldetUndLaesstNichtsZurueck) {
    Seitenaufbau aufbau;
    aufbau.text("x");
    std::string fehler;
    const auto datei = verzeichnis_ / "fehlt" / "x.pdf";
    EXPECT_FALSE(alsPdfSchreiben(aufbau.fertig(), datei, fehler));
    EXPECT_NE(fehler.find("PDF-Datei"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(datei));
}

}  // namespace
}  // namespace brelvanostik::druck
