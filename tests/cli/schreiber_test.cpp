// The command-line tool as one of several writers: it waits for no one and overwrites no
// one. (A writer stopped at any moment of a save is the workspace's save test.)
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
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
        Verzeichnissperre sperre(dir.pfad);
        char c = sperre.gehalten() ? '1' : '0';
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

}  // namespace
}  // namespace brelvanostik::cli
