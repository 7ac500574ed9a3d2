#include "workspace/neuer_arbeitsbereich.h"

#include <gtest/gtest.h>

#include "testhilfen.h"
#include "workspace/datensaetze.h"
#include "workspace/speicherfuellen.h"

namespace brelvanostik {
namespace {

using test::Bytes;
using test::le32;

TEST(WorkspaceNeuerArbeitsbereich, KalendertageJeMonatUndJahr) {
    const Arbeitsbereich ab = neuerArbeitsbereich();
    const std::int32_t tage[kMonate] = {31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::int32_t februar[kJahre] = {29, 28, 28, 28};
    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            for (int m = 0; m < kMonate; ++m) {
                const std::int32_t erwartet = 100 * (m == 1 ? februar[j] : tage[m]);
                EXPECT_EQ(ab.monat(j, b, m).Betrag[2], erwartet) << j << "/" << b << "/" << m;
                EXPECT_EQ(ab.monat(j, b, m).Betrag[3], erwartet) << j << "/" << b << "/" << m;
            }
        }
    }
}

TEST(WorkspaceNeuerArbeitsbereich, KrankenversicherungssatzNachSatznummer) {
    const std::pair<int, std::int32_t> grenzen[] = {{1, 1490},   {180, 1490}, {181, 1400},
                                                    {240, 1400}, {241, 1390}, {480, 1390}};
    for (const auto& [satz, kvSatz] : grenzen) EXPECT_EQ(anfangsKvSatz(satz), kvSatz) << satz;

    // In words: 2005's blue cases start at 14.00 %, its green cases still at 14.90 %.
    const Arbeitsbereich ab = neuerArbeitsbereich();
    const struct {
        int jahr, berechnung;
        std::int32_t kvSatz;
    } faelle[] = {{0, 0, 1490}, {0, 9, 1490}, {1, 4, 1490}, {1, 5, 1400},
                  {1, 9, 1400}, {2, 0, 1390}, {3, 5, 1390}};
    for (const auto& f : faelle) {
        for (int m = 0; m < kMonate; ++m) {
            EXPECT_EQ(ab.monat(f.jahr, f.berechnung, m).Betrag[4], f.kvSatz) << f.jahr << "/" << m;
        }
    }
}

TEST(WorkspaceNeuerArbeitsbereich, AnfangswerteVonMonatUndFall) {
    const Arbeitsbereich ab = neuerArbeitsbereich();
    const char* namen[] = {"O R I G I N A L   1", "O R I G I N A L   5",
                           "A L T E R N A T I V E   1", "A L T E R N A T I V E   5"};
    const int berechnungen[] = {0, 4, 5, 9};
    for (int j = 0; j < kJahre; ++j) {
        for (int i = 0; i < 4; ++i) EXPECT_EQ(ab.kopf(j, berechnungen[i]).Fallname, namen[i]);
    }
    const Monatssatz& maerz = ab.monat(2, 3, 2);
    EXPECT_EQ(maerz.Kommentar, "Kommentar zum März-Gehalt");
    EXPECT_EQ(ab.monat(0, 0, 11).Kommentar, "Kommentar zum Dezember-Gehalt");
    EXPECT_TRUE(maerz.Gemeinsam);
    for (int z = 0; z < kZeilen; ++z) {
        EXPECT_EQ(maerz.Auswahl[z], z == 1 ? 4 : z == 10 ? 2 : 0) << z;
        EXPECT_EQ(maerz.Betrag[z], z < 2 ? 4000 : z < 4 ? 3100 : z == 4 ? 1390 : 0) << z;
        EXPECT_EQ(maerz.Kennwert[z], 0) << z;
    }
    const Fallkopf& kopf = ab.kopf(3, 7);
    EXPECT_EQ(kopf.Reserviert, 12);
    EXPECT_EQ(kopf.Versorgungsbeginn, 0);
    for (int z = 5; z <= 9; ++z) {
        for (int m = 0; m < kMonate; ++m)
            EXPECT_TRUE(kopf.inStundenquote(z, m) && kopf.inTagesquote(z, m));
    }
}

TEST(WorkspaceNeuerArbeitsbereich, KopfdateiMitEinstellungssatz401) {
    const Arbeitsbereich ab = neuerArbeitsbereich();
    const Bytes koepfe = kopfdateiBytes(ab, neueEinstellungen(ab));
    const std::size_t satz401 = 400 * 406;
    const std::int32_t werte[] = {2007, 1, 1, 0, 0, 9885, 11145};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(le32(koepfe, satz401 + 4 * i), werte[i]);
    // After the seven values: what the header buffer last held, record 40 from byte 28 on.
    EXPECT_TRUE(
        std::equal(koepfe.begin() + satz401 + 28, koepfe.end(), koepfe.begin() + 39 * 406 + 28));
    EXPECT_EQ(koepfe[satz401 + 336], 'A');  // "A L T E R N A T I V E   5"
    EXPECT_TRUE(std::all_of(koepfe.begin() + 40 * 406, koepfe.begin() + satz401,
                            [](std::uint8_t b) { return b == 0; }));
}

TEST(WorkspaceNeuerArbeitsbereich, GeschriebenUndGelesenBleibtGleich) {
    const Arbeitsbereich ab = neuerArbeitsbereich();
    const Einstellungen e = neueEinstellungen(ab);
    const Speicherinhalt gelesen = speicherFuellen(monatsdateiBytes(ab), kopfdateiBytes(ab, e));
    EXPECT_TRUE(gelesen.befunde.empty());
    EXPECT_TRUE(gelesen.arbeitsbereich == ab);
    EXPECT_EQ(gelesen.einstellungen, e);
}

}  // namespace
}  // namespace brelvanostik
