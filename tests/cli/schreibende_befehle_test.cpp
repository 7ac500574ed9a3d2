// `brelvanostik-cli berechnen` and `eingeben` on real data files, and the tool as one of
// several writers: it waits for no one and overwrites no one, whichever user runs it, and no
// file it is told to write replaces one of the data directory's. (Writers stopped at every
// system call: tests/workspace.)
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "basis/verzeichnissperre.h"
#include "befehlstest.h"
#include "workspace/wiederherstellung.h"
#include "workspace/zeilen.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

class SchreibendeBefehle : public Verzeichnistest {};

TEST_F(SchreibendeBefehle, BerechnenLegtDateienAnUndLaedtDieGroesstenBetraegeOhneReparatur) {
    const Lauf l = starte("berechnen --json");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(fs::file_size(dir / "Brelvanostik.da1"), 480u * 496u);
    EXPECT_EQ(fs::file_size(dir / "Brelvanostik.da2"), 401u * 406u);
    // Forty calculations, each green case followed by its blue twin, years in order.
    std::size_t pos = 0;
    for (int jahr = 2004; jahr <= 2007; ++jahr) {
        for (int g = 1; g <= 5; ++g) {
            for (int fall : {g, g + 5}) {
                const std::string kopf = "{\"jahr\": " + std::to_string(jahr) +
                                         ", \"fall\": " + std::to_string(fall) + ",";
                pos = l.aus.find(kopf, pos);
                ASSERT_NE(pos, std::string::npos) << kopf;
            }
        }
    }
    EXPECT_EQ(l.aus.rfind("{\"berechnungen\": [", 0), 0u);
    EXPECT_NE(l.aus.find("\"Kommentar\": \"Kommentar zum März-Gehalt\", \"Gemeinsam\": true}"),
              std::string::npos);
    // Every amount field at the limit in every month, with the December adjustment and church
    // tax: what is stored loads unchanged, and a second run finds everything current.
    ASSERT_EQ(starte("eingeben --jahr 2007 --fall 1 --monat 1 betrag 5 290000 betrag 6 290000 "
                     "betrag 13 290000 betrag 14 290000 betrag 15 290000 betrag 16 290000 "
                     "monatsbezug 290000 sonderzahlung 290000 auswahl 4 1 auswahl 19 2")
                  .status,
              0);
    for (int monat = 1; monat <= 12; ++monat) {
        const Lauf e = starte("eingeben --jahr 2007 --fall 1 --monat " + std::to_string(monat) +
                              " betrag 7 290000 betrag 8 290000 betrag 9 290000");
        ASSERT_EQ(e.status, 0) << e.fehler;
    }
    const Lauf m = starte("berechnen --json");
    ASSERT_EQ(m.status, 0) << m.fehler;
    EXPECT_EQ(m.fehler, "");
    // December's annual wage with its payments: 71 amounts at the limit.
    EXPECT_NE(m.aus.find(", 2059000000, "), std::string::npos);
    const std::string vorher = datendateien();
    ASSERT_EQ(starte("berechnen").status, 0);
    EXPECT_EQ(datendateien(), vorher);
    EXPECT_EQ(alleDateien(dir).size(), 2u);  // no copy of a "damaged" file
}

TEST_F(SchreibendeBefehle, EingebenSpeichertNachDenRegelnDesHauptfensters) {
    const Lauf l = starte(
        "eingeben --jahr 2006 --fall 2 --monat 3 --json betrag 5 3000 auswahl 17 2 kommentar "
        "Gehaltserhöhung");
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.aus.find("\"Kommentar\": \"Gehaltserhöhung\""), std::string::npos);
    // The next call sees what the first one saved: a blue edit reaches blue only.
    const Lauf b = starte("eingeben --jahr 2006 --fall 2 --monat 4 --blau --json betrag 5 3500");
    ASSERT_EQ(b.status, 0) << b.fehler;
    const std::string blauTeil = b.aus.substr(b.aus.find("\"fall\": 7,"));
    const std::string gruenTeil = b.aus.substr(0, b.aus.find("\"fall\": 7,"));
    EXPECT_NE(blauTeil.find("\"Betrag\": [4000, 4000, 3000, 3000, 1390, 350000,"),
              std::string::npos);
    EXPECT_NE(gruenTeil.find("\"Betrag\": [4000, 4000, 3000, 3000, 1390, 300000,"),
              std::string::npos);
    EXPECT_NE(gruenTeil.find("\"Auswahl\": [0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 2,"),
              std::string::npos);
}

TEST_F(SchreibendeBefehle, WartendeWiederherstellungSperrtSchreibendeBefehle) {
    ASSERT_EQ(starte("berechnen").status, 0);
    // The window died with an edit in its recovery file.
    Ladeergebnis geladen = laden(dir);
    geladen.arbeitsbereich.monat(3, 0, 0).Betrag[zeile::Wochenstunden] = 3800;
    const auto bytes = wiederherstellungBytes(geladen.arbeitsbereich, geladen.einstellungen,
                                              datenstandErmitteln(dir), 1733500000);
    std::ofstream(dir / kWiederherstellungName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    const std::string vorher = datendateien();
    for (const char* schreibend :
         {"berechnen", "eingeben --jahr 2007 --fall 1 --monat 1 betrag 5 100"}) {
        const Lauf l = starte(schreibend);
        EXPECT_EQ(l.status, 2) << schreibend;
        EXPECT_EQ(l.aus, "");
        EXPECT_NE(l.fehler.find("crash recovery"), std::string::npos) << l.fehler;
        EXPECT_EQ(l.fehler.find('\n'), l.fehler.size() - 1) << l.fehler;  // one line
    }
    EXPECT_EQ(datendateien(), vorher);
    EXPECT_EQ(inhalt(kWiederherstellungName).size(), bytes.size());
    // Reading still works, with the hint that the recovered edits are not in it.
    const Lauf gelesen = starte("vergleichen --jahr 2007 --fall 1 --monat 1");
    EXPECT_EQ(gelesen.status, 0) << gelesen.fehler;
    EXPECT_NE(gelesen.fehler.find("crash recovery is pending"), std::string::npos);
}

// A refused call on damaged or half-missing files leaves the directory exactly as it was:
// no copy of a damaged file, no new workspace over an empty month file.
TEST_F(SchreibendeBefehle, AbgelehnterAufrufAufBeschaedigtenDateienSchreibtNichts) {
    ASSERT_EQ(starte("eingeben --jahr 2007 --fall 1 --monat 1 modus").status, 0);
    std::string monate = inhalt("Brelvanostik.da1");
    monate[4] = '\x7f';  // the state's choice code, outside its list
    for (const std::string& monatsdatei : {monate, std::string()}) {
        std::ofstream(dir / "Brelvanostik.da1", std::ios::binary) << monatsdatei;
        const auto vorher = alleDateien(dir);
        EXPECT_EQ(starte("eingeben --jahr 2007 --fall 1 --monat 2 bru 12").status, 2);
        EXPECT_EQ(alleDateien(dir), vorher);
    }
}

TEST_F(SchreibendeBefehle, AbgelehnterJahresausgleichIstEineZeileAufStderr) {
    ASSERT_EQ(starte("eingeben --jahr 2007 --fall 1 --monat 1 betrag 5 3000 auswahl 4 1").status,
              0);
    // Days of a month edited by hand in the file would be refused the same way; here a
    // part month is typed and the refusal is reported while the call succeeds.
    const Lauf l = starte("eingeben --jahr 2007 --fall 1 --monat 5 betrag 3 20");
    EXPECT_EQ(l.status, 0) << l.fehler;
    EXPECT_NE(l.fehler.find("Kein LStAusgleich des AG zulässig"), std::string::npos) << l.fehler;
    const Lauf b = starte("berechnen --jahr 2007 --fall 1 --json");
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(b.fehler, "");  // the choice is now off in all twelve months
}

TEST_F(SchreibendeBefehle, GleichzeitigeEingabenVerlierenNichts) {
    // Two calls started together on one directory, each with its own edits (salary in
    // another month, another name): each one's edits are there exactly when it succeeded.
    for (int runde = 0; runde < 4; ++runde) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        ASSERT_EQ(starte("berechnen").status, 0);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        // Only the month of the edit differs; green edits carry forward to December.
        const char* eingaben[] = {
            "eingeben --jahr 2007 --fall 1 --monat 12 betrag 5 1000 name Erster",
            "eingeben --jahr 2007 --fall 1 --monat 11 betrag 5 2000 name Zweiter"};
        pid_t kinder[2];
        for (int k = 0; k < 2; ++k) {
            kinder[k] = ::fork();
            if (kinder[k] == 0) {
                char c;
                if (::read(start[0], &c, 1) != 1) ::_exit(1);
                ::_exit(starte(eingaben[k]).status);
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

TEST_F(SchreibendeBefehle, SolangeDasFensterDieSperreHaeltBleibtJederDraussen) {
    // The window holds the lock; writing calls of this user and of another are refused and
    // change nothing, whether the lock is held or the directory cannot be opened at all.
    fs::permissions(dir, fs::perms::all);
    ASSERT_EQ(starte("berechnen").status, 0);
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

TEST_F(SchreibendeBefehle, KeineAusgabeErsetztEineDateiDesDatenverzeichnisses) {
    ASSERT_EQ(starte("berechnen").status, 0);
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
        for (const std::string& aufruf :
             {"drucken --jahr 2007 --fall 1 --monat 1 --bericht beide --pdf " + z,
              "vergleichen --jahr 2007 --fall 1 --monat 1 --pdf " + z,
              "export --jahr 2007 --fall 1 --csv " + z}) {
            const Lauf l = starte(aufruf);
            EXPECT_NE(l.status, 0) << aufruf;
            EXPECT_NE(l.fehler.find("gehört zu den Datendateien"), std::string::npos) << l.fehler;
        }
        // The tax steps know no data directory but the working one: names count everywhere.
        if (ziel.filename() != "zweiter-name.pdf") {
            EXPECT_NE(lauf("schritte --pdf " + z).status, 0) << z;
        }
    }
    EXPECT_EQ(alleDateien(dir), vorher);
    EXPECT_FALSE(fs::exists(dir / kAbschlussName));
    fs::remove_all(anderswo);
}

}  // namespace
}  // namespace brelvanostik::cli
