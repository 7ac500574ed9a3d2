// Both data files are saved all or nothing, by one writer per directory, and through links.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "basis/sicheres_schreiben.h"
#include "basis/verzeichnissperre.h"
#include "testhilfen.h"
#include "workspace/datendateien.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::dateiInhalt;
using test::TempVerzeichnis;

std::vector<std::string> dateinamen(const fs::path& verzeichnis) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(verzeichnis))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

/// Runs `was` in a child process and waits for it; the child's exit status.
template <typename F>
int imKind(F was) {
    const pid_t kind = ::fork();
    if (kind == 0) {
        was();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return status;
}

Arbeitsbereich mitGehalt(std::int32_t gehalt, const char* name) {
    Arbeitsbereich ab = neuerArbeitsbereich();
    ab.monat(3, 0, 0).Betrag[5] = gehalt;
    ab.kopf(3, 0).Fallname = name;
    return ab;
}

// A writer stopped at any point of the save leaves a pair that loads as all old or all new;
// the next save removes what it left.
TEST(WorkspaceGemeinsamSpeichern, AbgebrochenerSchreiberHinterlaesstKeinGemischtesPaar) {
    const Einstellungen e = neueEinstellungen(neuerArbeitsbereich());
    // -1: stopped before the commit record (its temporary files are all there is of it);
    // 0: after the record; 1: between the two renames; 2: after both.
    for (const int schritt : {-1, 0, 1, 2}) {
        SCOPED_TRACE(schritt);
        TempVerzeichnis dir;
        {
            Verzeichnissperre sperre(dir.pfad);
            ASSERT_FALSE(speichern(dir.pfad, mitGehalt(100000, "alt"), e));
        }
        const int status = imKind([&] {
            static int halt;
            halt = schritt;
            abschlussSchritt = [](int s) {
                if (s == halt) ::raise(SIGKILL);
            };
            Verzeichnissperre sperre(dir.pfad);
            if (schritt < 0) {
                std::ofstream(dir / "Brelvanostik.da1.tmp-999999-0") << "halb";
                ::raise(SIGKILL);
            }
            speichern(dir.pfad, mitGehalt(200000, "neu"), e);
        });
        ASSERT_TRUE(WIFSIGNALED(status));

        const Ladeergebnis l = laden(dir.pfad);
        ASSERT_TRUE(l.hinweise.empty()) << l.hinweise.front();
        const bool neu = schritt >= 0;
        EXPECT_EQ(l.arbeitsbereich.monat(3, 0, 0).Betrag[5], neu ? 200000 : 100000);
        EXPECT_EQ(l.arbeitsbereich.kopf(3, 0).Fallname, neu ? "neu" : "alt");
        EXPECT_GT(dateinamen(dir.pfad).size(), 3u);  // leftovers beside the pair and the lock

        // The next save of the directory's one writer leaves exactly the pair.
        Verzeichnissperre sperre(dir.pfad);
        ASSERT_FALSE(speichern(dir.pfad, l.arbeitsbereich, l.einstellungen));
        EXPECT_EQ(dateinamen(dir.pfad),
                  (std::vector<std::string>{"Brelvanostik.da1", "Brelvanostik.da2",
                                            "Brelvanostik.lock"}));
        EXPECT_EQ(laden(dir.pfad).arbeitsbereich.kopf(3, 0).Fallname, neu ? "neu" : "alt");
    }
}

TEST(WorkspaceGemeinsamSpeichern, VerknuepfteDateienWerdenInIhremZielGeschrieben) {
    TempVerzeichnis dir, ablage;
    const Einstellungen e = neueEinstellungen(neuerArbeitsbereich());
    ASSERT_FALSE(speichern(ablage.pfad, mitGehalt(100000, "alt"), e));
    fs::create_symlink(ablage / "Brelvanostik.da1", dir / "Brelvanostik.da1");
    fs::create_directory(dir / "sub");
    fs::create_symlink("../Brelvanostik.da2.ziel", dir / "sub" / "verweis");
    fs::rename(ablage / "Brelvanostik.da2", dir / "Brelvanostik.da2.ziel");
    fs::create_symlink("sub/verweis", dir / "Brelvanostik.da2");  // a chain of two links

    ASSERT_FALSE(speichern(dir.pfad, mitGehalt(200000, "neu"), e));
    EXPECT_TRUE(fs::is_symlink(dir / "Brelvanostik.da1"));
    EXPECT_TRUE(fs::is_symlink(dir / "Brelvanostik.da2"));
    const Ladeergebnis l = laden(dir.pfad);
    EXPECT_EQ(l.arbeitsbereich.monat(3, 0, 0).Betrag[5], 200000);
    EXPECT_EQ(l.arbeitsbereich.kopf(3, 0).Fallname, "neu");
    EXPECT_EQ(dateiInhalt(ablage / "Brelvanostik.da1"), dateiInhalt(dir / "Brelvanostik.da1"));
    EXPECT_EQ(laden(ablage.pfad).arbeitsbereich.monat(3, 0, 0).Betrag[5], 200000);
}

TEST(WorkspaceVerzeichnissperre, EinSchreiberJeVerzeichnis) {
    TempVerzeichnis dir;
    {
        Verzeichnissperre erste(dir.pfad);
        ASSERT_TRUE(erste.gehalten());
        Verzeichnissperre zweite(dir.pfad);
        EXPECT_EQ(zweite.zustand(), Verzeichnissperre::Zustand::Belegt);
        EXPECT_EQ(zweite.halter(), ::getpid());
    }
    EXPECT_FALSE(fs::exists(dir / Verzeichnissperre::kDateiName));  // let go, file gone

    // The lock of a process that died is taken over; its file is still there.
    const int status = imKind([&] {
        Verzeichnissperre sperre(dir.pfad);
        if (sperre.gehalten()) ::raise(SIGKILL);
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(fs::exists(dir / Verzeichnissperre::kDateiName));
    EXPECT_TRUE(Verzeichnissperre(dir.pfad).gehalten());

    EXPECT_EQ(Verzeichnissperre(dir / "fehlt").zustand(), Verzeichnissperre::Zustand::Fehler);
}

}  // namespace
}  // namespace brelvanostik
