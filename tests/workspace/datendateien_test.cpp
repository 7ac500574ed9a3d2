#include "workspace/datendateien.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <random>

#include "testhilfen.h"
#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/sicheres_schreiben.h"

namespace brelvanostik {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::dateiAnlegen;
using test::dateiInhalt;
using test::setze;
using test::TempVerzeichnis;

/// A workspace whose values differ from the defaults wherever a repair could fall back.
Arbeitsbereich beispiel() {
    Arbeitsbereich ab = neuerArbeitsbereich();
    ab.kopf(0, 0).Fallname = "Müller, Jürgen";
    ab.kopf(2, 3).Fallname = "Weiß";
    ab.kopf(1, 6).Versorgungsbeginn = 2;
    ab.kopf(1, 6).ErsterVollerMonatsbezug = Money::whole(150000);
    ab.monat(1, 2, 3).Auswahl[17] = 2;
    ab.monat(1, 2, 3).Kommentar = "Gehaltserhöhung – 5 €";
    ab.monat(3, 9, 11).Kennwert[29] = 4200000;
    ab.monat(0, 4, 6).Gemeinsam = false;
    return ab;
}

Einstellungen beispielEinstellungen(const Arbeitsbereich& ab) {
    Einstellungen e = neueEinstellungen(ab);
    e.Jahr = 2005;
    e.Fall = 7;
    e.Monat = 12;
    e.Oben = 120;
    return e;
}

// Byte offsets of a field of a month record (Betrag row z: betrag(..) + 4 * z) or header.
std::size_t satz(int j, int b, int m) {
    return (monatssatzNummer(j, b, m) - 1) * kMonatssatzLaenge;
}
std::size_t betrag(int j, int b, int m, int zeile) {
    return satz(j, b, m) + 62 + 4 * zeile;
}
std::size_t kopf(int j, int b) {
    return (kopfsatzNummer(j, b) - 1) * kKopfsatzLaenge;
}
constexpr std::size_t kSatz401 = 400 * 406;

bool enthaelt(const std::vector<std::string>& texte, const std::string& teil) {
    return std::any_of(texte.begin(), texte.end(),
                       [&](const std::string& t) { return t.find(teil) != std::string::npos; });
}

std::size_t dateianzahl(const fs::path& verzeichnis) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(verzeichnis), {}));
}

TEST(WorkspaceDatenDateien, ErsterStartLegtBeideDateienAn) {
    TempVerzeichnis dir;
    const Ladeergebnis neu = laden(dir.pfad());
    EXPECT_TRUE(neu.neuAngelegt);
    EXPECT_TRUE(neu.hinweise.empty());
    EXPECT_TRUE(neu.arbeitsbereich == neuerArbeitsbereich());
    EXPECT_EQ(dateiInhalt(dir / kMonatsdateiName), monatsdateiBytes(neu.arbeitsbereich));
    EXPECT_EQ(dateiInhalt(dir / kKopfdateiName),
              kopfdateiBytes(neu.arbeitsbereich, neu.einstellungen));
    const Ladeergebnis wieder = laden(dir.pfad());
    EXPECT_FALSE(wieder.neuAngelegt);
    EXPECT_TRUE(wieder.hinweise.empty());
    EXPECT_TRUE(wieder.arbeitsbereich == neu.arbeitsbereich);
    EXPECT_EQ(wieder.einstellungen, neu.einstellungen);
}

TEST(WorkspaceDatenDateien, LeereMonatsdateiErsetztDieKopfdateiNurMitSicherung) {
    TempVerzeichnis dir;
    const Bytes alteKoepfe = kopfdateiBytes(beispiel(), beispielEinstellungen(beispiel()));
    dateiAnlegen(dir / kMonatsdateiName, {});
    dateiAnlegen(dir / kKopfdateiName, alteKoepfe);
    const Ladeergebnis neu = laden(dir.pfad());
    EXPECT_TRUE(neu.neuAngelegt);
    ASSERT_EQ(neu.sicherungskopien.size(), 1u);
    EXPECT_EQ(dateiInhalt(neu.sicherungskopien[0]), alteKoepfe);
    EXPECT_TRUE(enthaelt(neu.hinweise, neu.sicherungskopien[0].string()));
    EXPECT_EQ(dateiInhalt(dir / kKopfdateiName),
              kopfdateiBytes(neu.arbeitsbereich, neu.einstellungen));
}

TEST(WorkspaceDatenDateien, LadenUndSpeichernGibtDieselbenBytes) {
    TempVerzeichnis dir, dir2;
    const Arbeitsbereich ab = beispiel();
    ASSERT_FALSE(speichern(dir.pfad(), ab, beispielEinstellungen(ab)));
    const Ladeergebnis geladen = laden(dir.pfad());
    EXPECT_TRUE(geladen.hinweise.empty());
    EXPECT_TRUE(geladen.arbeitsbereich == ab);
    ASSERT_FALSE(speichern(dir2.pfad(), geladen.arbeitsbereich, geladen.einstellungen));
    for (const char* name : {kMonatsdateiName, kKopfdateiName}) {
        EXPECT_EQ(dateiInhalt(dir2 / name), dateiInhalt(dir / name)) << name;
    }
}

struct Schadensfall {
    const char* name;
    std::function<void(Bytes& monate, Bytes& koepfe)> beschaedigen;
    std::function<void(const Ladeergebnis&, const Arbeitsbereich& vorher)> pruefen;
    bool monateGesichert, koepfeGesichert;
    bool kopfdateiFehlt = false;
};
void PrintTo(const Schadensfall& fall, std::ostream* os) {
    *os << fall.name;
}

const Schadensfall kSchadensfaelle[] = {
    {"MonatsdateiZuKurz", [](Bytes& m, Bytes&) { m.resize(100 * 496 + 10); },
     [](const Ladeergebnis& l, const Arbeitsbereich& vorher) {
         EXPECT_TRUE(l.arbeitsbereich.monat(0, 0, 0) == vorher.monat(0, 0, 0));
         EXPECT_EQ(l.arbeitsbereich.monat(0, 8, 4).Auswahl[1], 4);  // record 101, cut
         EXPECT_EQ(l.arbeitsbereich.monat(0, 8, 4).Betrag[0], 0);
         const Monatssatz& leer = l.arbeitsbereich.monat(3, 9, 11);
         EXPECT_TRUE(leer.Betrag[0] == 0 && leer.Kommentar.empty() && !leer.Gemeinsam);
         // Only the length and the kept copy: zero bytes of missing months are no bad text.
         EXPECT_EQ(l.hinweise.size(), 2u);
     },
     true, false},
    // Also what loading always does, which is no repair: row 10 names its month, any
    // non-zero Gemeinsam is true.
    {"MonatsdateiZuLang",
     [](Bytes& m, Bytes&) {
         m.insert(m.end(), 7, 0x55);
         setze(m, satz(2, 1, 5) + 2 * 10, 2, 7);
         setze(m, satz(0, 4, 6) + 494, 2, 1);
     },
     [](const Ladeergebnis& l, const Arbeitsbereich& vorher) {
         Arbeitsbereich erwartet = vorher;
         erwartet.monat(0, 4, 6).Gemeinsam = true;
         EXPECT_TRUE(l.arbeitsbereich == erwartet);
         EXPECT_EQ(l.hinweise.size(), 2u);
     },
     true, false},
    {"AuswahlcodeAusserhalbDerListe",
     [](Bytes& m, Bytes&) {
         setze(m, satz(1, 2, 3) + 2 * 17, 2, 6);
         setze(m, satz(0, 0, 0) + 2 * 1, 2, -1);
         setze(m, satz(3, 9, 11) + 2 * 28, 2, 13);
         setze(m, satz(3, 9, 11) + 2 * 25, 2, 7);  // still valid
     },
     [](const Ladeergebnis& l, const Arbeitsbereich&) {
         EXPECT_EQ(l.arbeitsbereich.monat(1, 2, 3).Auswahl[17], 0);
         EXPECT_EQ(l.arbeitsbereich.monat(0, 0, 0).Auswahl[1], 4);
         EXPECT_EQ(l.arbeitsbereich.monat(3, 9, 11).Auswahl[28], 0);
         EXPECT_EQ(l.arbeitsbereich.monat(3, 9, 11).Auswahl[25], 7);
         EXPECT_TRUE(enthaelt(l.hinweise, "3 Stellen, zuerst 2004, Fall 1 grün, Januar, Zeile 1)"));
     },
     true, false},
    {"BetraegeJenseitsDerRechengrenzen",
     [](Bytes& m, Bytes& k) {
         setze(m, betrag(2, 0, 5, 5), 4, INT32_MAX);
         setze(m, betrag(2, 0, 5, 25), 4, INT32_MIN);
         setze(m, betrag(2, 0, 5, 26), 4, 2'000'000'000);
         setze(m, satz(2, 0, 5) + 250 + 4 * 1, 4, -2'000'000'000);  // Kennwert row 1
         setze(m, satz(2, 0, 5) + 186, 4, INT32_MIN);               // Stundenanteil row 5
         setze(k, kopf(1, 6) + 375, 4, INT32_MAX);
         setze(k, kopf(1, 6) + 0, 4, INT32_MIN);
     },
     [](const Ladeergebnis& l, const Arbeitsbereich&) {
         const Monatssatz& s = l.arbeitsbereich.monat(2, 0, 5);
         EXPECT_EQ(s.Betrag[5], kMaxBetragHundertstel);
         EXPECT_EQ(s.Betrag[25], -kMaxBetragHundertstel);
         EXPECT_TRUE(s.Betrag[26] == 0 && s.Kennwert[1] == 0 && s.Stundenanteil[0] == 0);
         EXPECT_EQ(l.arbeitsbereich.kopf(1, 6).ErsterVollerMonatsbezug,
                   Money::whole(kMaxBetragHundertstel));
         EXPECT_EQ(l.arbeitsbereich.kopf(1, 6).KvBbgRest[0], 0);
     },
     true, true},
    {"StundenTageUndKrankenversicherungssatz",
     [](Bytes& m, Bytes&) {
         const std::int32_t werte[] = {20000, -1, 3101, -100, 1700};
         for (int z = 0; z < 5; ++z) setze(m, betrag(0, 0, 1, z), 4, werte[z]);
         setze(m, betrag(1, 5, 0, 4), 4, -5);
     },
     [](const Ladeergebnis& l, const Arbeitsbereich&) {
         const std::int32_t repariert[] = {4000, 4000, 2900, 2900, 1600};
         for (int z = 0; z < 5; ++z)
             EXPECT_EQ(l.arbeitsbereich.monat(0, 0, 1).Betrag[z], repariert[z]);
         EXPECT_EQ(l.arbeitsbereich.monat(1, 5, 0).Betrag[4], 1400);
     },
     true, false},
    {"UngueltigeTextbytes",
     [](Bytes& m, Bytes& k) {
         m[satz(1, 2, 3) + 374] = 0x81;
         m[satz(1, 2, 3) + 375] = 0x07;
         k[kopf(2, 3) + 336] = 0x9D;
     },
     [](const Ladeergebnis& l, const Arbeitsbereich&) {
         EXPECT_EQ(l.arbeitsbereich.monat(1, 2, 3).Kommentar, "? haltserhöhung – 5 €");
         EXPECT_EQ(l.arbeitsbereich.kopf(2, 3).Fallname, "?eiß");
     },
     true, true},
    {"KopfdateiFehlt", [](Bytes&, Bytes&) {},
     [](const Ladeergebnis& l, const Arbeitsbereich& vorher) {
         EXPECT_TRUE(l.arbeitsbereich.monat(1, 2, 3) == vorher.monat(1, 2, 3));
         EXPECT_EQ(l.arbeitsbereich.kopf(0, 0), neuerFallkopf(0));
         EXPECT_EQ(l.einstellungen, neueEinstellungen(l.arbeitsbereich));
     },
     false, false, true},
    {"KopfdateiZuKurz", [](Bytes&, Bytes& k) { k.resize(24 * 406 - 1); },
     [](const Ladeergebnis& l, const Arbeitsbereich& vorher) {
         EXPECT_EQ(l.arbeitsbereich.kopf(1, 6), vorher.kopf(1, 6));  // record 17
         EXPECT_EQ(l.arbeitsbereich.kopf(2, 3), neuerFallkopf(3));   // record 24, one byte short
         EXPECT_EQ(l.einstellungen, neueEinstellungen(l.arbeitsbereich));
     },
     false, true},
    {"EinstellungenUndVersorgungsbeginnUngueltig",
     [](Bytes&, Bytes& k) {
         for (const auto& [offset, wert] : {std::pair{0, 1999}, {4, 11}, {8, 13}}) {
             setze(k, kSatz401 + offset, 4, wert);
         }
         setze(k, kopf(1, 6) + 371, 2, 3);
     },
     [](const Ladeergebnis& l, const Arbeitsbereich&) {
         const Einstellungen& e = l.einstellungen;
         EXPECT_TRUE(e.Jahr == 2007 && e.Fall == 1 && e.Monat == 1 && e.Oben == 120);
         EXPECT_EQ(l.arbeitsbereich.kopf(1, 6).Versorgungsbeginn, 0);
     },
     false, true},
};

class WorkspaceReparatur : public testing::TestWithParam<Schadensfall> {};

TEST_P(WorkspaceReparatur, WirdRepariertGesichertUndGemeldet) {
    const Schadensfall& fall = GetParam();
    TempVerzeichnis dir;
    const Arbeitsbereich vorher = beispiel();
    Bytes monate = monatsdateiBytes(vorher);
    Bytes koepfe = kopfdateiBytes(vorher, beispielEinstellungen(vorher));
    fall.beschaedigen(monate, koepfe);
    dateiAnlegen(dir / kMonatsdateiName, monate);
    if (!fall.kopfdateiFehlt) dateiAnlegen(dir / kKopfdateiName, koepfe);

    const Ladeergebnis geladen = laden(dir.pfad());
    EXPECT_FALSE(geladen.neuAngelegt || geladen.lesefehler);
    fall.pruefen(geladen, vorher);

    // Loading leaves the files themselves alone and keeps each damaged one beside it.
    EXPECT_EQ(dateiInhalt(dir / kMonatsdateiName), monate);
    EXPECT_EQ(fs::exists(dir / kKopfdateiName), !fall.kopfdateiFehlt);
    const struct {
        const char* name;
        bool gesichert;
        const Bytes& inhalt;
    } dateien[] = {{kMonatsdateiName, fall.monateGesichert, monate},
                   {kKopfdateiName, fall.koepfeGesichert, koepfe}};
    for (const auto& d : dateien) {
        const auto kopie =
            std::find_if(geladen.sicherungskopien.begin(), geladen.sicherungskopien.end(),
                         [&](const fs::path& p) {
                             return p.filename().string().starts_with(std::string(d.name) + ".");
                         });
        ASSERT_EQ(kopie != geladen.sicherungskopien.end(), d.gesichert) << d.name;
        if (d.gesichert) {
            EXPECT_EQ(kopie->parent_path(), dir.pfad());
            EXPECT_EQ(dateiInhalt(*kopie), d.inhalt);
            EXPECT_TRUE(enthaelt(geladen.hinweise, kopie->string()));
        }
        if (d.gesichert || (fall.kopfdateiFehlt && d.name == kKopfdateiName)) {
            EXPECT_TRUE(enthaelt(geladen.hinweise, std::string(d.name) + ": ")) << d.name;
        }
    }
    EXPECT_EQ(geladen.sicherungskopien.size(),
              std::size_t{fall.monateGesichert} + fall.koepfeGesichert);

    // The mended workspace is sound: saved and loaded again, nothing is left to mend.
    ASSERT_FALSE(speichern(dir.pfad(), geladen.arbeitsbereich, geladen.einstellungen));
    const Ladeergebnis wieder = laden(dir.pfad());
    EXPECT_TRUE(wieder.hinweise.empty()) << wieder.hinweise.front();
    EXPECT_TRUE(wieder.arbeitsbereich == geladen.arbeitsbereich);
}

INSTANTIATE_TEST_SUITE_P(Schadensfaelle, WorkspaceReparatur, testing::ValuesIn(kSchadensfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WorkspaceReparaturGrenzen, ZufallsbytesWerdenVollstaendigRepariert) {
    std::mt19937 zufall(20070101);
    for (int runde = 0; runde < 3; ++runde) {
        Bytes monate(kMonatsdateiLaenge), koepfe(kKopfdateiLaenge);
        for (auto* datei : {&monate, &koepfe}) {
            for (auto& b : *datei) b = static_cast<std::uint8_t>(zufall());
        }
        const Speicherinhalt erst = speicherFuellen(monate, koepfe);
        EXPECT_FALSE(erst.befunde.empty());
        const Speicherinhalt zweit =
            speicherFuellen(monatsdateiBytes(erst.arbeitsbereich),
                            kopfdateiBytes(erst.arbeitsbereich, erst.einstellungen));
        EXPECT_TRUE(zweit.befunde.empty()) << zweit.befunde.front().ort;
        EXPECT_TRUE(zweit.arbeitsbereich == erst.arbeitsbereich);
    }
}

TEST(WorkspaceReparaturGrenzen, JedeSicherungBekommtEinenFreienNamen) {
    TempVerzeichnis dir;
    Bytes monate = monatsdateiBytes(beispiel());
    monate.pop_back();
    dateiAnlegen(dir / kMonatsdateiName, monate);
    const Ladeergebnis erst = laden(dir.pfad());
    const Ladeergebnis zweit = laden(dir.pfad());
    ASSERT_EQ(erst.sicherungskopien.size() + zweit.sicherungskopien.size(), 2u);
    EXPECT_NE(erst.sicherungskopien[0], zweit.sicherungskopien[0]);
    EXPECT_EQ(dateiInhalt(erst.sicherungskopien[0]), monate);
    EXPECT_EQ(dateiInhalt(zweit.sicherungskopien[0]), monate);
}

TEST(WorkspaceReparaturGrenzen, UnlesbareMonatsdateiWirdNichtUeberschrieben) {
    TempVerzeichnis dir;
    fs::create_directory(dir / kMonatsdateiName);
    const Ladeergebnis l = laden(dir.pfad());
    ASSERT_TRUE(l.lesefehler);
    EXPECT_FALSE(l.hinweise.empty());
    EXPECT_EQ(dateianzahl(dir.pfad()), 1u);
}

class WorkspaceSicheresSchreiben : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(speichern(dir.pfad(), alt, neueEinstellungen(alt)));
        alteMonate = dateiInhalt(dir / kMonatsdateiName);
        alteKoepfe = dateiInhalt(dir / kKopfdateiName);
    }
    void unveraendert() {
        EXPECT_EQ(dateiInhalt(dir / kMonatsdateiName), alteMonate);
        EXPECT_EQ(dateiInhalt(dir / kKopfdateiName), alteKoepfe);
        EXPECT_EQ(dateianzahl(dir.pfad()), 2u);  // no temporary file left behind
    }
    std::optional<std::string> neuSpeichern(const fs::path& verzeichnis) {
        return speichern(verzeichnis, neu, neueEinstellungen(neu));
    }
    TempVerzeichnis dir;
    Arbeitsbereich alt = neuerArbeitsbereich();
    Arbeitsbereich neu = beispiel();
    Bytes alteMonate, alteKoepfe;
};

TEST_F(WorkspaceSicheresSchreiben, SchreibgeschuetzteDateiBleibtUnberuehrt) {
    fs::permissions(dir / kKopfdateiName, fs::perms::owner_read | fs::perms::group_read);
    const auto fehler = neuSpeichern(dir.pfad());
    ASSERT_TRUE(fehler);
    EXPECT_NE(fehler->find("schreibgeschützt"), std::string::npos) << *fehler;
    unveraendert();
}

TEST_F(WorkspaceSicheresSchreiben, SchreibgeschuetztesVerzeichnis) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write into any directory";
    fs::permissions(dir.pfad(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto fehler = neuSpeichern(dir.pfad());
    fs::permissions(dir.pfad(), fs::perms::owner_all);
    ASSERT_TRUE(fehler);
    unveraendert();
}

TEST_F(WorkspaceSicheresSchreiben, KopfdateiIstEinVerzeichnisOderVerzeichnisFehlt) {
    EXPECT_NE(neuSpeichern(dir / "fehlt").value_or("").find("fehlt"), std::string::npos);
    fs::remove(dir / kKopfdateiName);
    fs::create_directory(dir / kKopfdateiName);
    EXPECT_TRUE(neuSpeichern(dir.pfad()));
    EXPECT_EQ(dateiInhalt(dir / kMonatsdateiName), alteMonate);
    EXPECT_EQ(dateianzahl(dir.pfad()), 2u);
}

// Nothing is replaced until every file is complete: when the second cannot be written,
// the first keeps its old contents.
TEST_F(WorkspaceSicheresSchreiben, ScheitertDieZweiteDateiBleibtDieErsteAlt) {
    const Bytes inhalt = {1, 2, 3};
    const Schreibauftrag auftraege[] = {{dir / kMonatsdateiName, inhalt},
                                        {dir / "fehlt" / kKopfdateiName, inhalt}};
    EXPECT_TRUE(sicheresSchreiben(auftraege));
    unveraendert();
    EXPECT_TRUE(sicheresSchreiben(dir / kMonatsdateiName, inhalt, /*nurNeu=*/true));
    unveraendert();
}

}  // namespace
}  // namespace brelvanostik
