// The command-line tool as one of several writers: it waits for no one and overwrites no
// one, whichever user runs it, and no file it is told to write replaces one of the data
// directory's. (Writers stopped at every system call: tests/workspace.)
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "basis/verzeichnissperre.h"
#include "befehlstest.h"
#include "workspace/zeilen.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

class CliSchreiber : public Verzeichnistest {
  protected:
    static std::vector<std::string> eingabe(int monat, const std::string& betrag,
                                            const std::string& name) {
        return {"eingeben", "--jahr", "2007", "--fall", "1", "--monat", std::to_string(monat),
                "betrag",   "5",      betrag, "name",   name};
    }
};

TEST_F(CliSchreiber, GleichzeitigeEingabenVerlierenNichts) {
    // Two calls started together on one directory, each with its own edits (salary in
    // another month, another name): each one's edits are there exactly when it succeeded.
    for (int runde = 0; runde < 4; ++runde) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        ASSERT_EQ(starte({"berechnen"}).status, 0);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        pid_t kinder[2];
        for (int k = 0; k < 2; ++k) {
            kinder[k] = ::fork();
            if (kinder[k] == 0) {
                char c;
                if (::read(start[0], &c, 1) != 1) ::_exit(1);
                // Only the month of the edit differs; green edits carry forward to December.
                ::_exit(starte(eingabe(k == 0 ? 12 : 11, k == 0 ? "1000" : "2000",
                                       k == 0 ? "Erster" : "Zweiter"))
                            .status);
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
        const Ladeergebnis l = laden(dir);
        const auto& dezember = l.arbeitsbereich.monat(3, 0, 11);
        const auto& november = l.arbeitsbereich.monat(3, 0, 10);
        const std::string name = l.arbeitsbereich.kopf(3, 0).Fallname;
        EXPECT_TRUE(status[0] == 0 || status[1] == 0);
        if (status[0] == 0 && status[1] == 0) {
            // One after the other: the later one's edits are on top of the earlier one's.
            EXPECT_TRUE((name == "Erster" && dezember.Betrag[zeile::Gehalt] == 100000 &&
                         november.Betrag[zeile::Gehalt] == 200000) ||
                        (name == "Zweiter" && dezember.Betrag[zeile::Gehalt] == 200000 &&
                         november.Betrag[zeile::Gehalt] == 200000))
                << name;
        } else {
            const int k = status[0] == 0 ? 0 : 1;
            EXPECT_EQ(name, k == 0 ? "Erster" : "Zweiter");
            EXPECT_EQ(november.Betrag[zeile::Gehalt], k == 0 ? 0 : 200000);
        }
    }
}

TEST_F(CliSchreiber, SolangeDasFensterDieSperreHaeltBleibtJederDraussen) {
    // The window holds the lock; writing calls of this user and of another are refused and
    // change nothing, whether the lock is held or the directory cannot be opened at all.
    fs::permissions(dir, fs::perms::all);
    ASSERT_EQ(starte({"berechnen"}).status, 0);
    for (const char* name : {kMonatsdateiName, kKopfdateiName})
        fs::permissions(dir / name, fs::perms::all & ~fs::perms::owner_exec &
                                        ~fs::perms::group_exec & ~fs::perms::others_exec);
    const auto vorher = alleDateien(dir);
    const std::string meldung = dir.string() + ".meldung";
    // The tool as a process of its own, as root or as nobody; its status.
    const auto aufruf = [&](const std::string& befehl, bool nobody) {
        const std::string als =
            nobody ? "setpriv --reuid=nobody --regid=nogroup --clear-groups " : "";
        const std::string rest =
            befehl == "berechnen" ? "" : " --jahr 2007 --fall 1 --monat 1 betrag 5 0";
        const int status = std::system((als + BRELVANOSTIK_CLI + " " + befehl + " --dir " +
                                        dir.string() + rest + " 2>" + meldung)
                                           .c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    {
        Sperrproblem problem;
        const auto fenster = Verzeichnissperre::nehmen(dir, problem);
        ASSERT_TRUE(fenster);
        for (const char* befehl : {"eingeben", "berechnen"}) {
            EXPECT_EQ(aufruf(befehl, false), 2);
            const std::string fehler = inhalt(meldung);
            EXPECT_EQ(fehler.find('\n'), fehler.size() - 1) << fehler;
            EXPECT_NE(fehler.find("in use by another Brelvanostik (process " +
                                  std::to_string(::getpid()) + ")"),
                      std::string::npos)
                << fehler;
            EXPECT_EQ(aufruf(befehl, true), 2);
        }
        fs::permissions(dir, fs::perms::owner_all);  // nobody may not even open it
        EXPECT_EQ(aufruf("eingeben", true), 2);
        fs::permissions(dir, fs::perms::all);
    }
    EXPECT_EQ(alleDateien(dir), vorher);
    EXPECT_EQ(aufruf("eingeben", true), 0);  // the directory is free and open to all
    fs::remove(meldung);
}

TEST_F(CliSchreiber, KeineAusgabeErsetztEineDateiDesDatenverzeichnisses) {
    ASSERT_EQ(starte({"berechnen"}).status, 0);
    Sperrproblem problem;
    const auto fenster = Verzeichnissperre::nehmen(dir, problem);  // a window is open
    ASSERT_TRUE(fenster);
    std::ofstream(dir / "Brelvanostik.da1.beschaedigt-20260101-000000") << "kopie";
    std::ofstream(dir / "Brelvanostik.da2.tmp-1-1") << "halb";
    const fs::path da1 = dir / kMonatsdateiName, anderswo = dir.string() + "-anderswo";
    fs::create_directories(anderswo);
    fs::create_hard_link(da1, anderswo / "zweiter-name.pdf");
    fs::create_symlink(da1, anderswo / "verweis.pdf");
    fs::create_symlink(dir / kAbschlussName, anderswo / "ins-leere.pdf");
    const auto vorher = alleDateien(dir);
    // Other spellings of the directory's own names, and other names of its files.
    const std::vector<fs::path> ziele = {
        da1,
        dir / ".." / dir.filename() / "." / kKopfdateiName,
        dir / Verzeichnissperre::kDateiName,
        dir / "Brelvanostik.da1.beschaedigt-20260101-000000",
        dir / "Brelvanostik.da2.tmp-1-1",
        anderswo / "verweis.pdf",
        anderswo / "ins-leere.pdf",
        anderswo / "zweiter-name.pdf",
    };
    for (const fs::path& ziel : ziele) {
        const std::string z = ziel.string();
        const std::vector<std::vector<std::string>> aufrufe = {
            {"drucken", "--jahr", "2007", "--fall", "1", "--monat", "1", "--bericht", "beide",
             "--pdf", z},
            {"vergleichen", "--jahr", "2007", "--fall", "1", "--monat", "1", "--pdf", z},
            {"export", "--jahr", "2007", "--fall", "1", "--csv", z}};
        for (const auto& aufruf : aufrufe) {
            const Lauf l = starte(aufruf);
            EXPECT_NE(l.status, 0) << aufruf[0] << " " << z;
            EXPECT_NE(l.fehler.find("gehört zu den Datendateien"), std::string::npos) << l.fehler;
        }
        // The tax steps know no data directory but the working one: names count everywhere.
        if (ziel.filename() != "zweiter-name.pdf") {
            EXPECT_NE(lauf({"schritte", "--pdf", z}).status, 0) << z;
        }
    }
    EXPECT_EQ(alleDateien(dir), vorher);
    EXPECT_FALSE(fs::exists(dir / kAbschlussName));
    fs::remove_all(anderswo);
}

}  // namespace
}  // namespace brelvanostik::cli
