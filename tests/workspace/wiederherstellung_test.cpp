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

TEST(Wiederherstellung, LiestDasGeschriebeneZurueckUndErkenntJedenSchaden) {
    Datenverzeichnis d;
    const Bytes ganz = d.wiederherstellung(3800);
    const auto gelesen = wiederherstellungLesen(ganz);
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(wochenstunden(const_cast<Arbeitsbereich&>(gelesen->arbeitsbereich)), 3800);
    EXPECT_EQ(gelesen->letzteAenderung, 1733500000);
    EXPECT_EQ(gelesen->basis, datenstandErmitteln(d.pfad));

    const auto geaendert = [&](std::size_t stelle) {
        Bytes b = ganz;
        if (stelle < b.size()) {
            b[stelle] ^= 1;
        } else {
            b.push_back(0);
        }
        return b;
    };
    const struct {
        const char* fall;
        Bytes bytes;
    } schaeden[] = {
        {"leer", {}},
        {"abgeschnitten", Bytes(ganz.begin(), ganz.end() - 1)},
        {"verlängert", geaendert(ganz.size())},
        {"ein Byte der Daten", geaendert(1000)},
        {"Kennung", geaendert(0)},
    };
    for (const auto& s : schaeden) {
        EXPECT_FALSE(wiederherstellungLesen(s.bytes)) << s.fall;
        test::dateiAnlegen(d.datei(), s.bytes);
        const Wiederherstellungsbefund befund = wiederherstellungPruefen(d.pfad);
        EXPECT_EQ(befund.art, Art::Beschaedigt) << s.fall;
        EXPECT_TRUE(wiederherstellungAusstehend(d.pfad)) << s.fall;
    }
    // Not a file at all: recognised without waiting for a writer of the pipe.
    fs::remove(d.datei());
    ASSERT_EQ(::mkfifo(d.datei().c_str(), 0600), 0);
    EXPECT_EQ(wiederherstellungPruefen(d.pfad).art, Art::Beschaedigt);
}

TEST(Wiederherstellung, DerStartFindetWasZuEntscheidenIst) {
    struct Fall {
        const char* name;
        std::int32_t stunden;        ///< weekly hours in the recovery file (0: none written)
        bool datenSpaeterGeaendert;  ///< the tool saved the data files afterwards
        Art art;
    };
    const Fall faelle[] = {
        {"keine Datei", 0, false, Art::Keine},
        {"nach dem Speichern nicht entfernt", 4000, false, Art::Keine},
        {"ungespeicherte Änderung", 3800, false, Art::Ausstehend},
        {"Datendateien danach geändert", 3800, true, Art::Ausstehend},
    };
    for (const Fall& f : faelle) {
        Datenverzeichnis d;
        if (f.stunden != 0) test::dateiAnlegen(d.datei(), d.wiederherstellung(f.stunden));
        if (f.datenSpaeterGeaendert) {
            wochenstunden(d.bereich) = 2000;
            d.datenSpeichern();
        }
        const Wiederherstellungsbefund befund = wiederherstellungPruefen(d.pfad);
        EXPECT_EQ(befund.art, f.art) << f.name;
        EXPECT_EQ(wiederherstellungAusstehend(d.pfad), f.art != Art::Keine) << f.name;
        if (f.art != Art::Ausstehend) continue;
        EXPECT_EQ(befund.datenGeaendert, f.datenSpaeterGeaendert) << f.name;
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
    for (const auto& e : fs::directory_iterator(d.pfad)) {
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
    }
}

}  // namespace
}  // namespace brelvanostik
