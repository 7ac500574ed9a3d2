#include "workspace/datendateien.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "basis/sicheres_schreiben.h"
#include "testhilfen.h"
#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::dateiAnlegen;
using test::dateiInhalt;
using test::setze;
using test::speichernIn;
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

Einstellungen beispielEinstellungen() {
    Einstellungen e = neueEinstellungen(beispiel());
    e.Jahr = 2005;
    e.Fall = 7;
    e.Monat = 12;
    e.Oben = 120;
    return e;
}

// Byte offsets of a month record (its Betrag of a row) and of a header in their files.
std::size_t satz(int j, int b, int m) {
    return (monatssatzNummer(j, b, m) - 1) * kMonatssatzLaenge;
}
std::size_t betrag(int j, int b, int m, int zeile) {
    return satz(j, b, m) + 62 + 4 * zeile;
}
std::size_t kopf(int j, int b) {
    return (kopfsatzNummer(j, b) - 1) * kKopfsatzLaenge;
}

bool enthaelt(const std::vector<std::string>& texte, const std::string& teil) {
    return std::any_of(texte.begin(), texte.end(),
                       [&](const std::string& t) { return t.find(teil) != std::string::npos; });
}

/// Loading damaged files, and sound ones. One damaged value: written into the month file (M) or the
/// header file (K) at an offset, and what the mended workspace writes there when saved.
struct Schaden {
    char datei;
    std::size_t offset, breite;
    std::int32_t wert, repariert;
};
struct Schadensfall {
    const char* name;
    std::vector<Schaden> schaeden;
    std::size_t hinweise;  // one per file and kind of damage, one per kept copy
    bool monateGesichert, koepfeGesichert;
    std::size_t monateLaenge = kMonatsdateiLaenge;
    std::size_t koepfeLaenge = kKopfdateiLaenge;  // 0: no header file
    std::string hinweis = "";
    bool neu = false;  // a new workspace: no month file, or an empty one
};

constexpr std::int32_t kMax = kMaxBetragHundertstel;
constexpr std::size_t kSatz401 = 400 * 406;

// clang-format off
const Schadensfall kSchadensfaelle[] = {
    // A sound pair of files loads without a word and is saved byte for byte as it was.
    {"Unbeschaedigt", {}, 0, false, false},
    // Missing months read as zero bytes, which are no bad text.
    {"MonatsdateiZuKurz", {}, 2, true, false, 100 * 496 + 10},
    // Loading always lets row 10 name its month and reads any non-zero Gemeinsam as true.
    {"MonatsdateiZuLang",
     {{'M', satz(2, 1, 5) + 2 * 10, 2, 7, 5}, {'M', satz(0, 4, 6) + 494, 2, 1, -1}},
     2, true, false, kMonatsdateiLaenge + 7},
    {"AuswahlcodeAusserhalbDerListe",
     {{'M', satz(1, 2, 3) + 2 * 17, 2, 6, 0}, {'M', satz(0, 0, 0) + 2 * 1, 2, -1, 4},
      {'M', satz(3, 9, 11) + 2 * 28, 2, 13, 0}, {'M', satz(3, 9, 11) + 2 * 25, 2, 7, 7}},
     2, true, false, kMonatsdateiLaenge, kKopfdateiLaenge,
     "3 Stellen, zuerst 2004, Fall 1 grün, Januar, Zeile 1)"},
    // Inputs are cut to the limit, stored results beyond it set to 0.
    {"BetraegeJenseitsDerRechengrenzen",
     {{'M', betrag(2, 0, 5, 5), 4, INT32_MAX, kMax}, {'M', betrag(2, 0, 5, 25), 4, INT32_MIN, -kMax},
      {'M', betrag(2, 0, 5, 26), 4, 2'100'000'000, 0},
      {'M', satz(2, 0, 5) + 250 + 4 * 1, 4, -2'100'000'000, 0},  // Kennwert row 1
      {'M', satz(2, 0, 5) + 186, 4, INT32_MIN, 0},               // Stundenanteil row 5
      {'K', kopf(1, 6) + 375, 4, INT32_MAX, kMax}, {'K', kopf(1, 6), 4, INT32_MIN, 0}},
     6, true, true},
    {"UngueltigeTextbytes",
     {{'M', satz(1, 2, 3) + 374, 1, 0x81, '?'}, {'M', satz(1, 2, 3) + 375, 1, 0x07, ' '},
      {'K', kopf(2, 3) + 336, 1, 0x9D, '?'}},
     4, true, true},
    {"KopfdateiFehlt", {}, 1, false, false, kMonatsdateiLaenge, 0,
     std::string(kKopfdateiName) + ": Die Datei fehlt"},
    {"KopfdateiZuKurz", {}, 2, false, true, kMonatsdateiLaenge, 24 * 406 - 1},
    {"EinstellungenUndVersorgungsbeginnUngueltig",
     {{'K', kSatz401, 4, 1999, 2007}, {'K', kSatz401 + 4, 4, 11, 1}, {'K', kSatz401 + 8, 4, 13, 1},
      {'K', kopf(1, 6) + 371, 2, 3, 0}},
     3, false, true},
    // Without a month file, or with an empty one, a new workspace is created; an old header
    // file is kept beside the new files.
    {"OhneDateien", {}, 0, false, false, 0, 0, "", true},
    {"LeereMonatsdateiNebenAlterKopfdatei", {}, 1, false, true, 0, kKopfdateiLaenge,
     std::string(kMonatsdateiName) + " fehlte oder war leer", true},
};
// clang-format on

class WorkspaceReparatur : public testing::TestWithParam<Schadensfall> {};

TEST_P(WorkspaceReparatur, WirdRepariertGesichertUndGemeldet) {
    const Schadensfall& fall = GetParam();
    TempVerzeichnis dir;
    Bytes monate = monatsdateiBytes(beispiel());
    Bytes koepfe = kopfdateiBytes(beispiel(), beispielEinstellungen());
    const Arbeitsbereich neu = neuerArbeitsbereich();
    const Bytes neueKoepfe = kopfdateiBytes(neu, neueEinstellungen(neu));
    // What the mended workspace writes: missing month records as read from zero bytes,
    // missing headers and a missing settings record as in a new file.
    Bytes monateSoll = monate, koepfeSoll = koepfe;
    monateSoll.resize(std::min(fall.monateLaenge, monate.size()));
    monateSoll.resize(monate.size(), 0);
    for (std::size_t r = fall.monateLaenge / 496; r < 480; ++r) {
        setze(monateSoll, r * 496 + 2 * 10, 2, static_cast<std::int32_t>(r % 12));
        std::fill(monateSoll.begin() + r * 496 + 374, monateSoll.begin() + r * 496 + 494, ' ');
    }
    if (fall.koepfeLaenge < koepfe.size()) {
        std::copy(neueKoepfe.begin() + fall.koepfeLaenge / 406 * 406, neueKoepfe.end(),
                  koepfeSoll.begin() + fall.koepfeLaenge / 406 * 406);
    }
    if (fall.neu) {
        // A new month file holds 0 in row 10's choice code; in memory it is the month index.
        monateSoll = monatsdateiBytes(neu);
        for (std::size_t r = 0; r < 480; ++r) setze(monateSoll, r * 496 + 2 * 10, 2, 0);
        koepfeSoll = neueKoepfe;
    }
    for (const Schaden& s : fall.schaeden) {
        setze(s.datei == 'M' ? monate : koepfe, s.offset, s.breite, s.wert);
        setze(s.datei == 'M' ? monateSoll : koepfeSoll, s.offset, s.breite, s.repariert);
    }
    monate.resize(fall.monateLaenge, 0x55);
    koepfe.resize(fall.koepfeLaenge);
    const bool monatsdatei = !monate.empty() || !koepfe.empty();
    if (monatsdatei) dateiAnlegen(dir / kMonatsdateiName, monate);
    if (!koepfe.empty()) dateiAnlegen(dir / kKopfdateiName, koepfe);

    Ladeergebnis geladen = laden(dir.pfad);
    EXPECT_EQ(test::dateinamen(dir.pfad).size(), monatsdatei + !koepfe.empty())
        << "loading alone writes nothing";
    EXPECT_TRUE(dateiInhalt(dir / kMonatsdateiName) == monate);
    EXPECT_EQ(geladen.neuAngelegt, fall.neu);
    EXPECT_FALSE(geladen.lesefehler);
    // The first save keeps each damaged file beside it, then writes the mended workspace.
    const Speicherergebnis erst =
        speichern(test::sperre(dir.pfad), geladen.arbeitsbereich, geladen.einstellungen,
                  std::move(geladen.erstsicherung));
    ASSERT_FALSE(erst.fehler) << *erst.fehler;
    geladen.hinweise.insert(geladen.hinweise.end(), erst.hinweise.begin(), erst.hinweise.end());
    EXPECT_EQ(geladen.hinweise.size(), fall.hinweise);
    EXPECT_TRUE(fall.hinweis.empty() || enthaelt(geladen.hinweise, fall.hinweis));
    EXPECT_TRUE(dateiInhalt(dir / kMonatsdateiName) == monateSoll);
    EXPECT_TRUE(dateiInhalt(dir / kKopfdateiName) == koepfeSoll);

    std::vector<std::pair<std::string, Bytes>> soll, kopien;
    if (fall.monateGesichert) soll.emplace_back("da1", monate);
    if (fall.koepfeGesichert) soll.emplace_back("da2", koepfe);
    for (const fs::path& kopie : erst.sicherungskopien) {
        EXPECT_EQ(kopie.parent_path(), dir.pfad);
        EXPECT_TRUE(enthaelt(geladen.hinweise, kopie.string()));
        kopien.emplace_back(kopie.filename().string().substr(13, 3), dateiInhalt(kopie));
    }
    EXPECT_TRUE(kopien == soll);
    EXPECT_EQ(test::dateinamen(dir.pfad).size(), soll.size() + 2);
    const Ladeergebnis wieder = laden(dir.pfad);
    EXPECT_FALSE(wieder.neuAngelegt || !wieder.hinweise.empty());
    EXPECT_TRUE(wieder.arbeitsbereich == geladen.arbeitsbereich);
    EXPECT_EQ(wieder.einstellungen, geladen.einstellungen);
}

INSTANTIATE_TEST_SUITE_P(Schadensfaelle, WorkspaceReparatur, testing::ValuesIn(kSchadensfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Nothing is replaced until every file can be, and no temporary file is left behind: a lock in
// a missing directory, a second file that cannot be written, a copy that must replace nothing.
TEST(WorkspaceSicheresSchreiben, ScheiternLaesstDieAltenDateien) {
    const Bytes inhalt = {1, 2, 3};
    const char* grund[] = {"gibt es nicht", "fehlt", "bereits vorhanden"};
    for (int fall = 0; fall < 3; ++fall) {
        TempVerzeichnis dir;
        const fs::path da1 = dir / kMonatsdateiName, da2 = dir / kKopfdateiName;
        ASSERT_FALSE(speichernIn(dir.pfad, neuerArbeitsbereich(), beispielEinstellungen()));
        const Bytes monate = dateiInhalt(da1), koepfe = dateiInhalt(da2);
        const Schreibauftrag zwei[] = {{da1, inhalt}, {dir / "fehlt" / kKopfdateiName, inhalt}};
        Sperrproblem problem;
        const auto fehler =
            fall == 0 ? std::optional<std::string>(Verzeichnissperre::nehmen(dir / "fehlt", problem)
                                                       ? std::string()
                                                       : problem.grund)
            : fall == 1 ? sicheresSchreiben(zwei)
                        : sicheresSchreiben(da1, inhalt, /*nurNeu=*/true);
        ASSERT_TRUE(fehler) << fall;
        EXPECT_NE(fehler->find(grund[fall]), std::string::npos) << *fehler;
        EXPECT_EQ(dateiInhalt(da1), monate) << fall;
        EXPECT_EQ(dateiInhalt(da2), koepfe) << fall;
        EXPECT_EQ(test::dateinamen(dir.pfad).size(), 2u) << fall;
    }
}

}  // namespace
}  // namespace brelvanostik
