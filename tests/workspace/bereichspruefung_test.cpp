// Loading mends every row's amount by the row's range, at and just beyond each limit. The
// rows are written out here, not taken from the row table.
#include <gtest/gtest.h>

#include <set>

#include "workspace/datensaetze.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/speicherfuellen.h"

namespace brelvanostik {
namespace {

constexpr int kFebruar = 1;  // 2004: 29 calendar days

struct Fall {
    std::set<std::size_t> zeilen;
    std::int32_t gelesen, geladen;
    std::optional<Schadensart> befund;
};

TEST(WorkspaceBereichspruefung, JedeZeileAnIhrenGrenzen) {
    const std::set<std::size_t> eingaben = {5, 6, 7, 8, 9, 13, 14, 15, 16, 25};
    const std::set<std::size_t> ergebnisse = {10, 11, 12, 17, 18, 19, 20, 21, 22, 23, 24, 26};
    const std::int32_t kvAnfang = anfangsKvSatz(monatssatzNummer(0, 0, kFebruar));
    const Fall faelle[] = {
        {{0, 1}, 10000, 10000, std::nullopt},
        {{0, 1}, 10001, 4000, Schadensart::Wochenstunden},
        {{0, 1}, -1, 4000, Schadensart::Wochenstunden},
        {{2, 3}, 3100, 3100, std::nullopt},
        {{2, 3}, 3101, 2900, Schadensart::Tage},
        {{2, 3}, -1, 2900, Schadensart::Tage},
        {{4}, 1600, 1600, std::nullopt},
        {{4}, 1601, 1600, Schadensart::KvSatz},
        {{4}, -1, kvAnfang, Schadensart::KvSatz},
        {eingaben, 29'000'000, 29'000'000, std::nullopt},
        {eingaben, 29'000'001, 29'000'000, Schadensart::Betrag},
        {eingaben, -29'000'001, -29'000'000, Schadensart::Betrag},
        {ergebnisse, kMaxErgebnisHundertstel, kMaxErgebnisHundertstel, std::nullopt},
        {ergebnisse, -kMaxErgebnisHundertstel - 1, 0, Schadensart::Ergebnis},
        {{27, 28, 29, 30}, 2'000'000'000, 2'000'000'000, std::nullopt},
    };
    Arbeitsbereich bereich = neuerArbeitsbereich();
    const std::vector<std::uint8_t> koepfe = kopfdateiBytes(bereich, neueEinstellungen(bereich));
    for (const Fall& f : faelle) {
        for (const std::size_t zeile : f.zeilen) {
            SCOPED_TRACE("row " + std::to_string(zeile) + ": " + std::to_string(f.gelesen));
            Arbeitsbereich geschrieben = neuerArbeitsbereich();
            geschrieben.monat(0, 0, kFebruar).Betrag[zeile] = f.gelesen;
            const Speicherinhalt inhalt = speicherFuellen(monatsdateiBytes(geschrieben), koepfe);
            EXPECT_EQ(inhalt.arbeitsbereich.monat(0, 0, kFebruar).Betrag[zeile], f.geladen);
            ASSERT_EQ(inhalt.befunde.size(), f.befund ? 1u : 0u);
            if (f.befund) {
                EXPECT_EQ(inhalt.befunde[0].art, *f.befund);
            }
        }
    }
}

}  // namespace
}  // namespace brelvanostik
