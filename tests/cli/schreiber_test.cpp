// The command-line tool as one of several writers: it waits for no one and overwrites no
// one, whichever user runs it, and no file it is told to write replaces one of the data
// directory's. (Writers stopped at every system call: tests/workspace.)
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>

#include "basis/verzeichnissperre.h"
#include "cli/befehle.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

struct Verzeichnis {
    fs::path pfad;
    Verzeichnis() {
        std::string muster = (fs::temp_directory_path() / "brelvanostik-cli-XXXXXX").string();
        if (::mkdtemp(muster.data()) == nullptr) std::abort();
        pfad = muster;
    }
    ~Verzeichnis() { fs::remove_all(pfad); }
};

int starte(const fs::path& dir, std::vector<std::string> argumente,
           std::string* fehlertext = nullptr) {
    argumente.insert(argumente.begin() + 1, {"--dir", dir.string()});
    std::ostringstream aus, fehler;
    const int status = ausfuehren(argumente, aus, fehler);
    if (fehlertext) *fehlertext = fehler.str();
    return status;
}

std::vector<std::string> eingabe(int monat, const std::string& betrag, const std::string& name) {
    return {"eingeben", "--jahr", "2007", "--fall", "1", "--monat", std::to_string(monat),
            "betrag",   "5",      betrag, "name",   name};
}

std::string dateien(const fs::path& dir) {
    std::string alles;
    for (const char* name : {kMonatsdateiName, kKopfdateiName}) {
        std::ifstream ein(dir / name, std::ios::binary);
        alles += std::string(std::istreambuf_iterator<char>(ein), {});
    }
    return alles;
}

TEST(CliSchreiber, VerweigertSolangeEinAndererProzessDieSperreHaelt) {
    Verzeichnis dir;
    ASSERT_EQ(starte(dir.pfad, {"berechnen"}), 0);
    const std::string vorher = dateien(dir.pfad);
    int bereit[2], ende[2];
    ASSERT_EQ(::pipe(bereit), 0);
    ASSERT_EQ(::pipe(ende), 0);
    const pid_t fenster = ::fork();
    if (fenster == 0) {  // stands for the open window
        Sperrproblem problem;
        const auto sperre = Verzeichnissperre::nehmen(dir.pfad, problem);
        char c = sperre ? '1' : '0';
        if (::write(bereit[1], &c, 1) != 1 || ::read(ende[0], &c, 1) != 1) ::_exit(1);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(bereit[0], &c, 1), 1);
    ASSERT_EQ(c, '1');
    for (const auto& aufruf : {eingabe(1, "3000", "Neu"), std::vector<std::string>{"berechnen"}}) {
        std::string fehler;
        EXPECT_EQ(starte(dir.pfad, aufruf, &fehler), 2);
        EXPECT_EQ(fehler.find('\n'), fehler.size() - 1) << fehler;
        EXPECT_NE(
            fehler.find("in use by another Brelvanostik (process " + std::to_string(fenster) + ")"),
            std::string::npos)
            << fehler;
    }
    EXPECT_EQ(dateien(dir.pfad), vorher);
    ASSERT_EQ(::write(ende[1], "x", 1), 1);
    ::waitpid(fenster, nullptr, 0);
    EXPECT_EQ(starte(dir.pfad, eingabe(1, "3000", "Neu")), 0);
    for (int fd : {bereit[0], bereit[1], ende[0], ende[1]}) ::close(fd);
}

TEST(CliSchreiber, GleichzeitigeEingabenVerlierenNichts) {
    // Two calls started together on one directory, each with its own edits (salary in
    // another month, another name): each one's edits are there exactly when it succeeded.
    for (int runde = 0; runde < 4; ++runde) {
        Verzeichnis dir;
        ASSERT_EQ(starte(dir.pfad, {"berechnen"}), 0);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        pid_t kinder[2];
        for (int k = 0; k < 2; ++k) {
            kinder[k] = ::fork();
            if (kinder[k] == 0) {
                char c;
                if (::read(start[0], &c, 1) != 1) ::_exit(1);
                std::string fehler;
                // Only the month of the edit differs; green edits carry forward to December.
                const int status = starte(dir.pfad,
                                          eingabe(k == 0 ? 12 : 11, k == 0 ? "1000" : "2000",
                                                  k == 0 ? "Erster" : "Zweiter"),
                                          &fehler);
                ::_exit(status);
            }
        }
        ASSERT_EQ(::write(start[1], "xx", 2), 2);
        int status[2];
        for (int k = 0; k < 2; ++k) {
            int s = 0;
            ::waitpid(kinder[k], &s, 0);
            ASSERT_TRUE(WIFEXITED(s));
            status[k] = WEXITSTATUS(s);
            EXPECT_TRUE(status[k] == 0 || status[k] == 2) << status[k];
        }
        ::close(start[0]);
        ::close(start[1]);
        const Ladeergebnis l = laden(dir.pfad);
        const auto& dezember = l.arbeitsbereich.monat(3, 0, 11);
        const auto& november = l.arbeitsbereich.monat(3, 0, 10);
        const std::string name = l.arbeitsbereich.kopf(3, 0).Fallname;
        EXPECT_TRUE(status[0] == 0 || status[1] == 0);
        if (status[0] == 0 && status[1] == 0) {
            // One after the other: the later one's edits are on top of the earlier one's.
            EXPECT_TRUE(
                (name == "Erster" && dezember.Betrag[5] == 100000 &&
                 november.Betrag[5] == 200000) ||
                (name == "Zweiter" && dezember.Betrag[5] == 200000 && november.Betrag[5] == 200000))
                << name;
        } else {
            const int k = status[0] == 0 ? 0 : 1;
            EXPECT_EQ(name, k == 0 ? "Erster" : "Zweiter");
            EXPECT_EQ(november.Betrag[5], k == 0 ? 0 : 200000);
        }
    }
}

/// Every file of a directory with its contents.
std::map<std::string, std::string> alleDateien(const fs::path& dir) {
    std::map<std::string, std::string> alle;
    for (const auto& e : fs::directory_iterator(dir)) {
        std::ifstream ein(e.path(), std::ios::binary);
        alle[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(ein), {});
    }
    return alle;
}

int alsNobody(const std::string& befehl) {
    const int status = std::system(
        ("setpriv --reuid=nobody --regid=nogroup --clear-groups " + befehl + " 2>/dev/null")
            .c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CliSchreiber, ZweiterBenutzerBleibtDraussen) {
    // Root's window holds the lock; another user's writing calls are refused and change
    // nothing, whether the lock is held or the directory's lock file cannot be used at all.
    Verzeichnis dir;
    fs::permissions(dir.pfad, fs::perms::all);
    ASSERT_EQ(starte(dir.pfad, {"berechnen"}), 0);
    for (const char* name : {kMonatsdateiName, kKopfdateiName})
        fs::permissions(dir.pfad / name, fs::perms::all & ~fs::perms::owner_exec &
                                             ~fs::perms::group_exec & ~fs::perms::others_exec);
    const auto vorher = alleDateien(dir.pfad);
    const std::string aufruf = std::string(BRELVANOSTIK_CLI) + " eingeben --dir " +
                               dir.pfad.string() + " --jahr 2007 --fall 1 --monat 1 betrag 5 0";
    {
        Sperrproblem problem;
        const auto fenster = Verzeichnissperre::nehmen(dir.pfad, problem);
        ASSERT_TRUE(fenster);
        EXPECT_EQ(alsNobody(aufruf), 2);
        fs::permissions(dir.pfad, fs::perms::owner_all);  // nobody may not even open it
        EXPECT_EQ(alsNobody(aufruf), 2);
        fs::permissions(dir.pfad, fs::perms::all);
    }
    EXPECT_EQ(alleDateien(dir.pfad), vorher);
    EXPECT_EQ(alsNobody(aufruf), 0);  // the directory is free and open to all
}

TEST(CliSchreiber, KeineAusgabeErsetztEineDateiDesDatenverzeichnisses) {
    Verzeichnis dir, anderswo;
    ASSERT_EQ(starte(dir.pfad, {"berechnen"}), 0);
    Sperrproblem problem;
    const auto fenster = Verzeichnissperre::nehmen(dir.pfad, problem);  // a window is open
    ASSERT_TRUE(fenster);
    std::ofstream(dir.pfad / "Brelvanostik.da1.beschaedigt-20260101-000000") << "kopie";
    std::ofstream(dir.pfad / "Brelvanostik.da2.tmp-1-1") << "halb";
    const fs::path da1 = dir.pfad / kMonatsdateiName;
    fs::create_hard_link(da1, anderswo.pfad / "zweiter-name.pdf");
    fs::create_symlink(da1, anderswo.pfad / "verweis.pdf");
    fs::create_symlink(dir.pfad / kAbschlussName, anderswo.pfad / "ins-leere.pdf");
    const auto vorher = alleDateien(dir.pfad);
    // Other spellings of the directory's own names, and other names of its files.
    const std::vector<fs::path> ziele = {
        da1,
        dir.pfad / ".." / dir.pfad.filename() / "." / kKopfdateiName,
        dir.pfad / Verzeichnissperre::kDateiName,
        dir.pfad / "Brelvanostik.da1.beschaedigt-20260101-000000",
        dir.pfad / "Brelvanostik.da2.tmp-1-1",
        anderswo.pfad / "verweis.pdf",
        anderswo.pfad / "ins-leere.pdf",
        anderswo.pfad / "zweiter-name.pdf",
    };
    for (const fs::path& ziel : ziele) {
        const std::string z = ziel.string();
        const std::vector<std::vector<std::string>> aufrufe = {
            {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht", "beide",
             "--pdf", z},
            {"vergleichen", "--jahr", "2007", "--fall", "1", "--monat", "1", "--pdf", z},
            {"export", "--jahr", "2007", "--fall", "1", "--csv", z}};
        for (const auto& aufruf : aufrufe) {
            std::string fehler;
            EXPECT_NE(starte(dir.pfad, aufruf, &fehler), 0) << aufruf[0] << " " << z;
            EXPECT_NE(fehler.find("gehört zu den Datendateien"), std::string::npos) << fehler;
        }
        // The tax steps know no data directory but the working one: names count everywhere.
        std::ostringstream aus, fehler;
        if (ziel.filename() != "zweiter-name.pdf")
            EXPECT_NE(ausfuehren({"schritte", "--pdf", z}, aus, fehler), 0) << z;
    }
    EXPECT_EQ(alleDateien(dir.pfad), vorher);
    EXPECT_FALSE(fs::exists(dir.pfad / kAbschlussName));
}

TEST(CliSchreiber, VerzeichnisFehltOderIstLeerUndMeldungenBleibenEinzeilig) {
    Verzeichnis dir;
    const std::string fehlt = (dir.pfad / "tipp\nfehler").string();
    const std::vector<std::vector<std::string>> aufrufe = {
        {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht", "beide", "--pdf",
         (dir.pfad / "x.pdf").string()},
        {"vergleichen", "--jahr", "2007", "--fall", "1", "--monat", "1"},
        {"export", "--jahr", "2007", "--fall", "1", "--csv", (dir.pfad / "x.csv").string()},
        {"eingeben", "--jahr", "2007", "--fall", "1", "--monat", "1", "modus"},
        {"berechnen"}};
    for (const auto& aufruf : aufrufe) {
        std::string fehler;
        EXPECT_EQ(starte(fehlt, aufruf, &fehler), 2) << aufruf[0];
        EXPECT_EQ(fehler.find('\n'), fehler.size() - 1) << fehler;
        EXPECT_NE(fehler.find("tipp\\nfehler"), std::string::npos) << fehler;
    }
    EXPECT_EQ(fs::directory_iterator(dir.pfad), fs::directory_iterator());
    // An existing directory without data files: the new workspace, and a hint that says so.
    std::string fehler;
    EXPECT_EQ(starte(dir.pfad, aufrufe[1], &fehler), 0);
    EXPECT_NE(fehler.find("no data files"), std::string::npos) << fehler;
    std::ostringstream aus, meldung;
    EXPECT_EQ(ausfuehren({"rechner", "1\n2"}, aus, meldung), 2);
    EXPECT_EQ(meldung.str().find('\n'), meldung.str().size() - 1) << meldung.str();
}

}  // namespace
}  // namespace brelvanostik::cli
