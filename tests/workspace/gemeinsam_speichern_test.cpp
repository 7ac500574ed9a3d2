// Both data files are saved all or nothing by one writer per directory: a writer stopped or
// failing at any system call, a record over restored files, readers beside a stream of saves,
// lock files turned against the program, special files where the data files should be.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include "basis/sicheres_schreiben.h"
#include "basis/verzeichnissperre.h"
#include "testhilfen.h"
#include "workspace/datendateien.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

namespace fs = std::filesystem;
using test::dateiInhalt;
using test::dateinamen;
using test::imKind;
using test::speichernIn;
using test::TempVerzeichnis;

/// A workspace that carries a number in the month file (the salary) and in the header file
/// (the case name), so that a mixed pair shows.
Arbeitsbereich stand(int nummer) {
    Arbeitsbereich ab = neuerArbeitsbereich();
    ab.monat(3, 0, 0).Betrag[zeile::Gehalt] = 100000 + nummer;
    ab.kopf(3, 0).Fallname = "Stand " + std::to_string(nummer);
    return ab;
}

/// The number a loaded pair carries; -1 for a pair from two saves.
int standVon(const Ladeergebnis& l) {
    const int gehalt = l.arbeitsbereich.monat(3, 0, 0).Betrag[zeile::Gehalt] - 100000;
    return l.arbeitsbereich.kopf(3, 0).Fallname == "Stand " + std::to_string(gehalt) ? gehalt : -1;
}

/// The directory spelled in several ways: as made, with "/.", through "..", relatively and
/// through a symbolic link.
struct Schreibweisen {
    TempVerzeichnis dir, verweise;
    std::vector<fs::path> alle;
    Schreibweisen() {
        fs::create_directory_symlink(dir.pfad, verweise / "daten");
        alle = {dir.pfad, dir.pfad / ".", dir.pfad / ".." / dir.pfad.filename(),
                fs::relative(dir.pfad), verweise / "daten"};
    }
};

const Einstellungen kEinstellungen = neueEinstellungen(neuerArbeitsbereich());

/// Saves `nummer` in a child stopped before the save's `halt`-th system call; the child's wait
/// status, exit 0 when the save ran through.
int gestoppt(const fs::path& verzeichnis, int halt, int nummer) {
    return imKind([&] {
        static int stelle;
        stelle = halt;
        schreibschritt = [](int s) {
            if (s == stelle) ::_exit(9);
            return 0;
        };
        speichernIn(verzeichnis, stand(nummer), kEinstellungen);
    });
}

// A writer stopped at each system call of its save in turn (each time on what the previous
// stopped writer left): every spelling of the directory loads one and the same pair, all old
// or all new; the next complete save leaves exactly the two files.
TEST(WorkspaceGemeinsamSpeichern, AbbruchBeiJedemSystemaufruf) {
    Schreibweisen d;
    ASSERT_FALSE(speichernIn(d.dir.pfad, stand(0), kEinstellungen));
    int bisher = 0, schritte = 0;
    for (int halt = 1; halt < 100; ++halt) {
        SCOPED_TRACE(halt);
        const int status = gestoppt(d.dir.pfad, halt, halt);
        ASSERT_TRUE(WIFEXITED(status));
        for (const fs::path& schreibweise : d.alle) {
            const Ladeergebnis l = laden(schreibweise);
            const int jetzt = standVon(l);
            EXPECT_TRUE(jetzt == bisher || jetzt == halt) << schreibweise << " " << jetzt;
            EXPECT_TRUE(l.hinweise.empty()) << l.hinweise.front();
            if (schreibweise == d.dir.pfad) bisher = jetzt;
        }
        if (WEXITSTATUS(status) == 0) {  // the save ran through: no call left to stop
            EXPECT_EQ(bisher, halt);
            schritte = halt - 1;
            break;
        }
    }
    EXPECT_GT(schritte, 15);
    ASSERT_FALSE(speichernIn(d.alle.back(), stand(1000), kEinstellungen));
    EXPECT_EQ(dateinamen(d.dir.pfad), (std::vector<std::string>{kMonatsdateiName, kKopfdateiName}));
    EXPECT_EQ(standVon(laden(d.alle[3])), 1000);
}

// A system call failing at each step in turn: a save reported as having changed nothing
// changed nothing, and one that took effect (or says it did) is what the next load reads.
TEST(WorkspaceGemeinsamSpeichern, FehlerBeiJedemSystemaufrufWirdWahrheitsgemaessGemeldet) {
    TempVerzeichnis dir;
    ASSERT_FALSE(speichernIn(dir.pfad, stand(0), kEinstellungen));
    int bisher = 0;
    static int stelle;
    for (stelle = 1; stelle < 100; ++stelle) {
        schreibschritt = [](int s) { return s == stelle ? EIO : 0; };
        Speicherergebnis e;
        {
            const Verzeichnissperre sperre = test::sperre(dir.pfad);
            e = speichern(sperre, stand(stelle), kEinstellungen);
        }
        schreibschritt = nullptr;
        const int jetzt = standVon(laden(dir.pfad));
        EXPECT_EQ(jetzt, !e.fehler || e.wirksam ? stelle : bisher)
            << stelle << ": " << e.fehler.value_or("gespeichert");
        bisher = jetzt;
        if (e.fehler && !e.wirksam) {
            EXPECT_NE(e.fehler->find("unverändert"), std::string::npos) << *e.fehler;
        }
        if (!e.fehler && dateinamen(dir.pfad).size() == 2) break;
    }
    EXPECT_LT(stelle, 100);
}

// A record left by a stopped save is applied only to the pair it was written for: over an
// older pair the user copied back, it is set aside with its files and the user is told.
TEST(WorkspaceGemeinsamSpeichern, SatzUeberZurueckgeholtenDateienWirdBeiseitegelegt) {
    TempVerzeichnis dir, ablage;
    ASSERT_FALSE(speichernIn(dir.pfad, stand(1), kEinstellungen));
    for (const char* name : {kMonatsdateiName, kKopfdateiName})
        fs::copy_file(dir / name, ablage / name);
    ASSERT_FALSE(speichernIn(dir.pfad, stand(2), kEinstellungen));
    // Stopped right after its record: the first call after the record's rename is its sync.
    for (int halt = 1;; ++halt) {
        ASSERT_LT(halt, 100);
        gestoppt(dir.pfad, halt, 3);
        if (fs::exists(dir / kAbschlussName)) break;
    }
    ASSERT_EQ(standVon(laden(dir.pfad)), 3);  // on the pair it was written for: completed
    for (const char* name : {kMonatsdateiName, kKopfdateiName})
        test::dateiAnlegen(dir / name, dateiInhalt(ablage / name));

    const Ladeergebnis l = laden(dir.pfad);
    EXPECT_EQ(standVon(l), 1);
    ASSERT_EQ(l.hinweise.size(), 1u);
    EXPECT_NE(l.hinweise[0].find("beiseitegelegt"), std::string::npos);
    ASSERT_FALSE(speichernIn(dir.pfad, l.arbeitsbereich, l.einstellungen));
    const std::vector<std::string> namen = dateinamen(dir.pfad);
    ASSERT_EQ(namen.size(), 5u) << namen.size();  // the pair, the record and its two files
    EXPECT_EQ(std::count_if(
                  namen.begin(), namen.end(),
                  [](const std::string& n) { return n.find(".beiseite-") != std::string::npos; }),
              3);
    const Ladeergebnis danach = laden(dir.pfad);
    EXPECT_EQ(standVon(danach), 1);
    EXPECT_TRUE(danach.hinweise.empty());
}

// Loads beside a writer that saves as fast as it can never read a pair from two saves.
TEST(WorkspaceGemeinsamSpeichern, LeserNebenSpeichernLesenNieEinGemischtesPaar) {
    TempVerzeichnis dir;
    ASSERT_FALSE(speichernIn(dir.pfad, stand(0), kEinstellungen));
    const pid_t schreiber = ::fork();
    if (schreiber == 0) {
        const Verzeichnissperre sperre = test::sperre(dir.pfad);
        for (int n = 1;; ++n) {
            speichern(sperre, stand(n), kEinstellungen);
            ::usleep(1000);
        }
    }
    int geladen = 0, verschieden = 0, zuletzt = 0;
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    while (std::chrono::steady_clock::now() < ende) {
        const Ladeergebnis l = laden(dir.pfad);
        ASSERT_FALSE(l.lesefehler) << *l.lesefehler;
        const int jetzt = standVon(l);
        ASSERT_GE(jetzt, 0) << "a pair from two saves after " << geladen << " loads";
        verschieden += jetzt != zuletzt;
        zuletzt = jetzt;
        ++geladen;
    }
    ::kill(schreiber, SIGKILL);
    ::waitpid(schreiber, nullptr, 0);
    EXPECT_GT(verschieden, 10);
}

// One writer per directory, whoever the second one is; the lock of a process that died is
// taken over, also one another user left.
TEST(WorkspaceVerzeichnissperre, EinSchreiberJeVerzeichnisAuchFuerAndereBenutzer) {
    TempVerzeichnis dir;
    fs::permissions(dir.pfad, fs::perms::all);
    const auto alsNobody = [](auto was) {
        return imKind([&] {
            if (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0)
                ::_exit(3);
            ::_exit(was());
        });
    };
    Sperrproblem problem;
    {
        const Verzeichnissperre erste = test::sperre(dir.pfad);
        EXPECT_FALSE(Verzeichnissperre::nehmen(dir.pfad, problem));
        EXPECT_TRUE(problem.belegt);
        EXPECT_EQ(problem.halter, ::getpid());
        const int status = alsNobody([&] {
            Sperrproblem p;
            return !Verzeichnissperre::nehmen(dir.pfad, p) && p.belegt ? 0 : 1;
        });
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_FALSE(fs::exists(dir / Verzeichnissperre::kDateiName));  // let go, file gone

    // Left by a process that died: root's file, locked by another user through reading.
    imKind([&] { test::sperre(dir.pfad), ::raise(SIGKILL); });
    ASSERT_TRUE(fs::exists(dir / Verzeichnissperre::kDateiName));
    const int status = alsNobody([&] {
        Sperrproblem p;
        return Verzeichnissperre::nehmen(dir.pfad, p) ? 0 : 1;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(Verzeichnissperre::nehmen(dir.pfad, problem));
}

// A lock file that is a second name of another file, a link, a pipe or a directory is
// refused without waiting and without writing into anything.
TEST(WorkspaceVerzeichnissperre, FremdeSperrdateiWirdAbgelehnt) {
    const std::string draussen = "nicht anfassen\n";
    for (int art = 0; art < 4; ++art) {
        SCOPED_TRACE(art);
        TempVerzeichnis dir, anderswo;
        test::dateiAnlegen(anderswo / "draussen.txt", {draussen.begin(), draussen.end()});
        const fs::path sperrdatei = dir / Verzeichnissperre::kDateiName;
        if (art == 0) fs::create_hard_link(anderswo / "draussen.txt", sperrdatei);
        if (art == 1) fs::create_symlink(anderswo / "draussen.txt", sperrdatei);
        if (art == 2) {
            ASSERT_EQ(::mkfifo(sperrdatei.c_str(), 0644), 0);
        }
        if (art == 3) fs::create_directory(sperrdatei);
        Sperrproblem problem;
        EXPECT_FALSE(Verzeichnissperre::nehmen(dir.pfad, problem));
        EXPECT_FALSE(problem.belegt);
        EXPECT_NE(problem.grund.find(Verzeichnissperre::kDateiName), std::string::npos);
        const test::Bytes inhalt = dateiInhalt(anderswo / "draussen.txt");
        EXPECT_EQ(std::string(inhalt.begin(), inhalt.end()), draussen);
    }
}

// Special files where the data files and the record should be: a pipe as the record, a record
// naming a link, a data file that is a link or a loop of links or far too long, left-over copies.
TEST(WorkspaceGemeinsamSpeichern, BesondereDateienImDatenverzeichnis) {
    TempVerzeichnis dir, anderswo;
    ASSERT_FALSE(speichernIn(dir.pfad, stand(1), kEinstellungen));
    ASSERT_EQ(::mkfifo((dir / kAbschlussName).c_str(), 0644), 0);
    Ladeergebnis l = laden(dir.pfad);
    EXPECT_EQ(standVon(l), 1);
    ASSERT_EQ(l.hinweise.size(), 1u);
    ASSERT_FALSE(speichernIn(dir.pfad, stand(2), kEinstellungen));
    EXPECT_FALSE(fs::exists(dir / kAbschlussName));

    test::dateiAnlegen(anderswo / "fremd", test::Bytes(406 * 401, 'x'));
    fs::create_symlink(anderswo / "fremd", dir / "Brelvanostik.da2.tmp-boese");
    const std::string satz =
        "Brelvanostik-Abschluss 2\n"
        "Brelvanostik.da1\tBrelvanostik.da1.tmp-1-1\t-\t238080:0000000000000000\n"
        "Brelvanostik.da2\tBrelvanostik.da2.tmp-boese\t-\t162806:0000000000000000\nende\n";
    test::dateiAnlegen(dir / kAbschlussName, {satz.begin(), satz.end()});
    l = laden(dir.pfad);
    EXPECT_EQ(standVon(l), 2);
    EXPECT_EQ(l.hinweise.size(), 1u);

    fs::resize_file(dir / kMonatsdateiName, std::uintmax_t{3} << 30);  // sparse: nothing to read
    const auto anfang = std::chrono::steady_clock::now();
    l = laden(dir.pfad);
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(2));
    EXPECT_EQ(standVon(l), 2);
    test::dateiAnlegen(dir / "Brelvanostik.da1.beschaedigt-20260101-000000.tmp-1-0", {1});
    ASSERT_FALSE(speichern(test::sperre(dir.pfad), l.arbeitsbereich, l.einstellungen,
                           std::move(l.erstsicherung))
                     .fehler);
    for (const std::string& name : dateinamen(dir.pfad))
        EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;

    for (const bool schleife : {false, true}) {
        fs::remove(dir / kKopfdateiName);
        fs::create_symlink(schleife ? dir / kKopfdateiName : anderswo / "fremd",
                           dir / kKopfdateiName);
        l = laden(dir.pfad);
        ASSERT_TRUE(l.lesefehler);
        EXPECT_NE(l.lesefehler->find(kKopfdateiName), std::string::npos) << *l.lesefehler;
        EXPECT_TRUE(speichernIn(dir.pfad, l.arbeitsbereich, l.einstellungen));
        EXPECT_TRUE(fs::is_symlink(dir / kKopfdateiName));
    }
}

}  // namespace
}  // namespace brelvanostik
