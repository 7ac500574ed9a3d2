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

// A writer stopped, then a system call failing, at each step of a save in turn (each time on
// what the step before left): every spelling of the directory loads one and the same pair, all
// old or all new, and a save reported as having changed nothing changed nothing.
TEST(WorkspaceGemeinsamSpeichern, AbbruchOderFehlerBeiJedemSystemaufruf) {
    Schreibweisen d;
    ASSERT_FALSE(speichernIn(d.dir.pfad, stand(0), kEinstellungen));
    int bisher = 0;
    static int stelle;
    for (stelle = 1; stelle < 100; ++stelle) {
        SCOPED_TRACE(stelle);
        const int status = gestoppt(d.dir.pfad, stelle, 2 * stelle);
        ASSERT_TRUE(WIFEXITED(status));
        for (const fs::path& schreibweise : d.alle) {
            const Ladeergebnis l = laden(schreibweise);
            const int jetzt = standVon(l);
            EXPECT_TRUE(jetzt == bisher || jetzt == 2 * stelle) << schreibweise << " " << jetzt;
            EXPECT_TRUE(l.hinweise.empty()) << l.hinweise.front();
            if (schreibweise == d.dir.pfad) bisher = jetzt;
        }
        if (WEXITSTATUS(status) == 0) break;  // the save ran through: no call left to stop
        schreibschritt = [](int s) { return s == stelle ? EIO : 0; };
        const Speicherergebnis e =
            speichern(test::sperre(d.dir.pfad), stand(2 * stelle + 1), kEinstellungen);
        schreibschritt = nullptr;
        const int jetzt = standVon(laden(d.dir.pfad));
        EXPECT_EQ(jetzt, !e.fehler || e.wirksam ? 2 * stelle + 1 : bisher)
            << e.fehler.value_or("gespeichert");
        if (e.fehler && !e.wirksam) {
            EXPECT_NE(e.fehler->find("unverändert"), std::string::npos) << *e.fehler;
        }
        bisher = jetzt;
    }
    EXPECT_EQ(bisher, 2 * stelle);
    EXPECT_GT(stelle, 15);
    ASSERT_FALSE(speichernIn(d.alle.back(), stand(1000), kEinstellungen));
    EXPECT_EQ(dateinamen(d.dir.pfad), (std::vector<std::string>{kMonatsdateiName, kKopfdateiName}));
    EXPECT_EQ(standVon(laden(d.alle[3])), 1000);
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
        const int jetzt = standVon(l);
        if (l.lesefehler || jetzt < 0) {  // the writer is stopped below all the same
            ADD_FAILURE() << l.lesefehler.value_or("a pair from two saves after ") << geladen
                          << " loads";
            break;
        }
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
                   if (::setresgid(65534, 65534, 65534) != 0 ||
                       ::setresuid(65534, 65534, 65534) != 0)
                       ::_exit(3);
                   ::_exit(was() ? 0 : 1);
               }) == 0;
    };
    Sperrproblem problem;
    {
        const Verzeichnissperre erste = test::sperre(dir.pfad);
        EXPECT_FALSE(Verzeichnissperre::nehmen(dir.pfad, problem));
        EXPECT_TRUE(problem.belegt);
        EXPECT_EQ(problem.halter, ::getpid());
        EXPECT_TRUE(alsNobody([&] {
            Sperrproblem p;
            return !Verzeichnissperre::nehmen(dir.pfad, p) && p.belegt;
        }));
    }
    EXPECT_FALSE(fs::exists(dir / Verzeichnissperre::kDateiName));  // let go, file gone

    // Left by a process that died: root's file, locked by another user through reading.
    imKind([&] { test::sperre(dir.pfad), ::raise(SIGKILL); });
    ASSERT_TRUE(fs::exists(dir / Verzeichnissperre::kDateiName));
    EXPECT_TRUE(alsNobody([&] {
        Sperrproblem p;
        return Verzeichnissperre::nehmen(dir.pfad, p).has_value();
    }));
    EXPECT_TRUE(Verzeichnissperre::nehmen(dir.pfad, problem));
}

/// A directory turned against the program, from a saved pair `Stand 1` and a file elsewhere
/// that must stay untouched; what the lock, the load and the next save make of it.
struct Stoerung {
    const char* name;
    void (*anlegen)(const fs::path& dir, const fs::path& fremd);
    bool sperreFrei = true;
    const char* lesefehler = nullptr;  ///< a text the load's refusal names
    std::size_t hinweise = 0;          ///< from the load and the first save together
    const char* speicherfehler = nullptr;
    std::size_t beiseite = 0;  ///< files kept beside the pair after the save
};

const char* const kSperre = Verzeichnissperre::kDateiName;

void gestoppterSatzUeberAltemPaar(const fs::path& dir, const fs::path& fremd) {
    const fs::path ablage = fremd.parent_path();
    for (const char* name : {kMonatsdateiName, kKopfdateiName})
        fs::copy_file(dir / name, ablage / name);
    ASSERT_FALSE(speichernIn(dir, stand(2), kEinstellungen));
    for (int halt = 1; !fs::exists(dir / kAbschlussName); ++halt) {  // stopped after its record
        ASSERT_LT(halt, 100);
        gestoppt(dir, halt, 3);
    }
    ASSERT_EQ(standVon(laden(dir)), 3);  // on the pair it was written for: completed
    for (const char* name : {kMonatsdateiName, kKopfdateiName})
        test::dateiAnlegen(dir / name, dateiInhalt(ablage / name));
}

// clang-format off
const Stoerung kStoerungen[] = {
    {"Sperrdatei als zweiter Name", [](auto& d, auto& f) { fs::create_hard_link(f, d / kSperre); }, false},
    {"Sperrdatei als Verweis", [](auto& d, auto& f) { fs::create_symlink(f, d / kSperre); }, false},
    {"Sperrdatei als Pipe", [](auto& d, auto&) { ::mkfifo((d / kSperre).c_str(), 0644); }, false},
    {"Sperrdatei als Verzeichnis", [](auto& d, auto&) { fs::create_directory(d / kSperre); }, false},
    {"Abschlusssatz als Pipe", [](auto& d, auto&) { ::mkfifo((d / kAbschlussName).c_str(), 0644); },
     true, nullptr, 1, nullptr, 1},
    {"Abschlusssatz nennt einen Verweis", [](auto& d, auto& f) {
         fs::create_symlink(f, d / "Brelvanostik.da2.tmp-boese");
         const std::string satz =
             "Brelvanostik-Abschluss 2\n"
             "Brelvanostik.da1\tBrelvanostik.da1.tmp-1-1\t-\t238080:0000000000000000\n"
             "Brelvanostik.da2\tBrelvanostik.da2.tmp-boese\t-\t162806:0000000000000000\nende\n";
         test::dateiAnlegen(d / kAbschlussName, {satz.begin(), satz.end()}); }, true, nullptr, 1, nullptr, 2},
    {"Abschlusssatz ueber zurueckgeholten Dateien", gestoppterSatzUeberAltemPaar,
     true, nullptr, 1, nullptr, 3},
    {"Uebrige Kopie", [](auto& d, auto&) {
         test::dateiAnlegen(d / "Brelvanostik.da1.beschaedigt-20260101-000000.tmp-1-0", {1}); }},
    {"Monatsdatei riesig", [](auto& d, auto&) {  // sparse: nothing to read
         fs::resize_file(d / kMonatsdateiName, std::uintmax_t{3} << 30); }, true, nullptr, 2, nullptr, 1},
    {"Monatsdatei als Verzeichnis", [](auto& d, auto&) {
         fs::remove(d / kMonatsdateiName), fs::create_directory(d / kMonatsdateiName); },
     true, kMonatsdateiName, 0, "keine gewöhnliche Datei"},
    {"Kopfdatei als Verweis", [](auto& d, auto& f) {
         fs::remove(d / kKopfdateiName), fs::create_symlink(f, d / kKopfdateiName); },
     true, kKopfdateiName, 0, ""},
    {"Kopfdatei als Verweisschleife", [](auto& d, auto&) {
         fs::remove(d / kKopfdateiName), fs::create_symlink(d / kKopfdateiName, d / kKopfdateiName); },
     true, kKopfdateiName, 0, ""},
    {"Kopfdatei schreibgeschuetzt", [](auto& d, auto&) {
         fs::permissions(d / kKopfdateiName, fs::perms::owner_read | fs::perms::group_read); },
     true, nullptr, 0, "schreibgeschützt"},
    {"Verzeichnis schreibgeschuetzt", [](auto& d, auto&) {
         fs::permissions(d, fs::perms::owner_read | fs::perms::owner_exec); },
     true, nullptr, 0, ""},
};
// clang-format on

// Whatever stands where the lock, the record or the data files should be: the lock is refused
// without waiting, a load refuses or mends and says so, a save writes all or nothing, leaves no
// temporary name behind, and nothing outside the directory is touched.
TEST(WorkspaceGemeinsamSpeichern, BesondereDateienImDatenverzeichnis) {
    const test::Bytes draussen(406 * 401, 'x');  // as long as a header file
    for (const Stoerung& s : kStoerungen) {
        SCOPED_TRACE(s.name);
        if (std::string(s.name).starts_with("Verzeichnis") && ::geteuid() == 0) continue;
        TempVerzeichnis dir, anderswo;
        test::dateiAnlegen(anderswo / "fremd", draussen);
        ASSERT_FALSE(speichernIn(dir.pfad, stand(1), kEinstellungen));
        s.anlegen(dir.pfad, anderswo / "fremd");
        Sperrproblem problem;
        auto sperre = Verzeichnissperre::nehmen(dir.pfad, problem);
        ASSERT_EQ(sperre.has_value(), s.sperreFrei) << problem.grund;
        if (!sperre) {
            EXPECT_FALSE(problem.belegt);
            EXPECT_NE(problem.grund.find(kSperre), std::string::npos) << problem.grund;
        }
        const auto anfang = std::chrono::steady_clock::now();
        Ladeergebnis l = laden(dir.pfad);
        EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(2));
        ASSERT_EQ(l.lesefehler.has_value(), s.lesefehler != nullptr);
        if (l.lesefehler) {
            EXPECT_NE(l.lesefehler->find(s.lesefehler), std::string::npos) << *l.lesefehler;
        } else {
            EXPECT_EQ(standVon(l), 1);
        }
        if (sperre) {
            const std::vector<std::string> vorher = dateinamen(dir.pfad);
            const test::Bytes koepfe =
                s.speicherfehler ? dateiInhalt(dir / kKopfdateiName) : test::Bytes{};
            const Speicherergebnis e =
                speichern(*sperre, l.arbeitsbereich, l.einstellungen, std::move(l.erstsicherung));
            l.hinweise.insert(l.hinweise.end(), e.hinweise.begin(), e.hinweise.end());
            ASSERT_EQ(e.fehler.has_value(), s.speicherfehler != nullptr) << e.fehler.value_or("");
            if (e.fehler) {
                EXPECT_NE(e.fehler->find(s.speicherfehler), std::string::npos) << *e.fehler;
                EXPECT_EQ(dateinamen(dir.pfad), vorher);
                EXPECT_EQ(dateiInhalt(dir / kKopfdateiName), koepfe);
            } else {
                EXPECT_EQ(l.hinweise.size(), s.hinweise);
                sperre.reset();
                std::vector<std::string> namen = dateinamen(dir.pfad);
                EXPECT_EQ(std::erase_if(namen, [](const std::string& n) { return n.size() > 16; }),
                          s.beiseite);  // all but the pair
                EXPECT_EQ(namen, (std::vector<std::string>{kMonatsdateiName, kKopfdateiName}));
                const Ladeergebnis danach = laden(dir.pfad);
                EXPECT_EQ(standVon(danach), 1);
                EXPECT_TRUE(danach.hinweise.empty());
            }
        }
        fs::permissions(dir.pfad, fs::perms::owner_all);
        EXPECT_EQ(dateiInhalt(anderswo / "fremd"), draussen);
    }
}

}  // namespace
}  // namespace brelvanostik
