// The recovery file: what it holds reads back whole or is recognised as damaged, the start
// finds what is to be decided, and a writer killed at any call leaves a complete file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "basis/verzeichnissperre.h"
#include "testhilfen.h"
#include "workspace/datendateien.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/wiederherstellung.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::TempVerzeichnis;
using Art = Wiederherstellungsbefund::Art;

/// The weekly hours of January 2007, green case 1.
std::int32_t& wochenstunden(Arbeitsbereich& bereich) {
    return bereich.monat(3, 0, 0).Betrag[zeile::Wochenstunden];
}

/// A directory with the data files of a new workspace, saved as the window saves them.
struct Datenverzeichnis : TempVerzeichnis {
    Arbeitsbereich bereich = neuerArbeitsbereich();
    Datenverzeichnis() { datenSpeichern(); }
    void datenSpeichern() {
        EXPECT_EQ(test::speichernIn(pfad, bereich, neueEinstellungen(bereich)), std::nullopt);
    }
    Verzeichnissperre sperre() const { return test::sperre(pfad); }
    /// A recovery file as the window writes it, with the weekly hours changed to `stunden`.
    Bytes wiederherstellung(std::int32_t stunden, std::int64_t zeit = 1733500000) {
        Arbeitsbereich geaendert = bereich;
        wochenstunden(geaendert) = stunden;
        return wiederherstellungBytes(geaendert, neueEinstellungen(geaendert),
                                      datenstandErmitteln(pfad), zeit);
    }
    fs::path datei() const { return pfad / kWiederherstellungName; }
};

/// A recovery file as the window writes it, with the weekly hours 3800, then changed by `f`.
template <auto f = [](Bytes&) {}>
void geaendert(Datenverzeichnis& d) {
    Bytes b = d.wiederherstellung(3800);
    f(b);
    test::dateiAnlegen(d.datei(), b);
}

// The start finds what is to be decided: edits the data files lack read back whole, and any
// damage, a pipe included, is recognised without waiting.
TEST(Wiederherstellung, DerStartFindetWasZuEntscheidenIst) {
    struct Fall {
        const char* name;
        void (*anlegen)(Datenverzeichnis&);
        bool datenSpaeterGeaendert;  ///< the tool saved the data files afterwards
        Art art;
    };
    const Fall faelle[] = {
        {"keine Datei", [](Datenverzeichnis&) {}, false, Art::Keine},
        {"nach dem Speichern nicht entfernt",
         [](Datenverzeichnis& d) { test::dateiAnlegen(d.datei(), d.wiederherstellung(4000)); },
         false, Art::Keine},
        {"ungespeicherte Änderung", geaendert<>, false, Art::Ausstehend},
        {"Datendateien danach geändert", geaendert<>, true, Art::Ausstehend},
        {"leer", [](Datenverzeichnis& d) { test::dateiAnlegen(d.datei(), {}); }, false,
         Art::Beschaedigt},
        {"abgeschnitten", geaendert<[](Bytes& b) { b.pop_back(); }>, false, Art::Beschaedigt},
        {"verlängert", geaendert<[](Bytes& b) { b.push_back(0); }>, false, Art::Beschaedigt},
        {"ein Byte der Daten", geaendert<[](Bytes& b) { b[1000] ^= 1; }>, false, Art::Beschaedigt},
        {"Kennung", geaendert<[](Bytes& b) { b[0] ^= 1; }>, false, Art::Beschaedigt},
        {"Pipe", [](Datenverzeichnis& d) { ::mkfifo(d.datei().c_str(), 0600); }, false,
         Art::Beschaedigt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Datenverzeichnis d;
        f.anlegen(d);
        if (f.datenSpaeterGeaendert) {
            wochenstunden(d.bereich) = 2000;
            d.datenSpeichern();
        }
        const Wiederherstellungsbefund befund = wiederherstellungPruefen(d.pfad);
        EXPECT_EQ(befund.art, f.art);
        EXPECT_EQ(wiederherstellungAusstehend(d.pfad), f.art != Art::Keine);
        if (f.art != Art::Ausstehend) continue;
        Arbeitsbereich gelesen = befund.inhalt->arbeitsbereich;
        EXPECT_EQ(wochenstunden(gelesen), 3800);
        EXPECT_EQ(befund.inhalt->letzteAenderung, 1733500000);
        EXPECT_EQ(befund.inhalt->basis == datenstandErmitteln(d.pfad), !f.datenSpaeterGeaendert);
        EXPECT_EQ(befund.datenGeaendert, f.datenSpaeterGeaendert);
        const std::string frage = wiederherstellungsfrage(befund);
        EXPECT_NE(frage.find("letzten Änderung am "), std::string::npos) << frage;
        EXPECT_EQ(frage.find("seitdem geändert") != std::string::npos, f.datenSpaeterGeaendert)
            << frage;
    }
}

TEST(Wiederherstellung, BeiseitegelegtWirdUnterNeuemNamenOhneEtwasZuErsetzen) {
    Datenverzeichnis d;
    const Verzeichnissperre sperre = d.sperre();
    std::vector<fs::path> namen;
    for (const std::int32_t stunden : {3800, 3700}) {
        ASSERT_FALSE(wiederherstellungSchreiben(sperre, d.wiederherstellung(stunden)));
        std::string fehler;
        const auto beiseite = wiederherstellungBeiseitelegen(sperre, "verworfen", fehler);
        ASSERT_TRUE(beiseite) << fehler;
        namen.push_back(*beiseite);
        EXPECT_EQ(test::dateiInhalt(*beiseite), d.wiederherstellung(stunden));
    }
    EXPECT_NE(namen[0], namen[1]);  // the same second: the second copy takes a free name
    EXPECT_FALSE(fs::exists(d.datei()));
}

TEST(Wiederherstellung, EinAbbruchBeiJedemAufrufLaesstDenVorigenOderDenNeuenStand) {
    Datenverzeichnis d;
    const auto schreiben = [&](long abbruchNach, const char* stunden) {
        return test::imKind([&] {
            ::setenv("LD_PRELOAD", BRELVANOSTIK_ABBRUCH_PRELOAD, 1);
            // In the sanitizer build the preloaded library comes before the sanitizer's.
            const char* asan = std::getenv("ASAN_OPTIONS");
            ::setenv("ASAN_OPTIONS",
                     (std::string(asan ? asan : "") + ":verify_asan_link_order=0").c_str(), 1);
            ::setenv("BRELVANOSTIK_ABBRUCH_NACH", std::to_string(abbruchNach).c_str(), 1);
            ::execl(BRELVANOSTIK_ABBRUCH_SCHREIBER, "schreiber", d.pfad.c_str(), stunden, nullptr);
            ::_exit(127);
        });
    };
    ASSERT_EQ(schreiben(0, "3800"), 0);
    int vorher = 0;  // kills that left the previous state
    for (long nach = 1; nach < 200; ++nach) {
        const int status = schreiben(nach, "3700");
        const auto befund = wiederherstellungPruefen(d.pfad);
        ASSERT_EQ(befund.art, Art::Ausstehend) << "Abbruch vor Aufruf " << nach;
        Arbeitsbereich gelesen = befund.inhalt->arbeitsbereich;
        const std::int32_t stunden = wochenstunden(gelesen);
        if (WIFEXITED(status)) {
            EXPECT_EQ(stunden, 3700);
            break;
        }
        ASSERT_EQ(WTERMSIG(status), SIGKILL);
        // Before the new file takes the name the previous one stands, afterwards the new.
        EXPECT_TRUE(stunden == 3800 || stunden == 3700) << "vor Aufruf " << nach;
        vorher += stunden == 3800;
        ASSERT_EQ(schreiben(0, "3800"), 0);  // the previous state again for the next kill
    }
    EXPECT_GE(vorher, 5);
    // What killed writers left behind goes with the next start's tidying up.
    wiederherstellungAufraeumen(d.sperre());
    for (const std::string& name : test::dateinamen(d.pfad))
        EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
}

}  // namespace
}  // namespace brelvanostik
