#include <gtest/gtest.h>

#include "print/dokument.h"

namespace brelvanostik::druck {
namespace {

TEST(Seitenaufbau, ZeilenStueckeUndSchriftenInDruckreihenfolge) {
    Seitenaufbau aufbau("Test");
    aufbau.leerzeilen(2).fett(true).bei(4300, "Titel").zeilenende();
    aufbau.fett(false).schrift("Courier New").groesse(8).text("a").beiSpalte(21, "b").zeilenende();
    aufbau.text("offen");
    const Dokument d = aufbau.fertig();

    ASSERT_EQ(d.zeilen.size(), 5u);
    EXPECT_TRUE(d.zeilen[0].stuecke.empty());
    EXPECT_TRUE(d.zeilen[1].stuecke.empty());
    const Textstueck titel{Textstueck::Lage::Twips, 4300, "Titel", {"Arial", 12, true}};
    EXPECT_EQ(d.zeilen[2].stuecke, std::vector<Textstueck>{titel});
    ASSERT_EQ(d.zeilen[3].stuecke.size(), 2u);
    EXPECT_EQ(d.zeilen[3].stuecke[0].lage, Textstueck::Lage::Anschliessend);
    EXPECT_EQ(d.zeilen[3].stuecke[1].lage, Textstueck::Lage::Spalte);
    EXPECT_EQ(d.zeilen[3].stuecke[1].x, 21);
    EXPECT_EQ(d.zeilen[3].schrift, (Schrift{"Courier New", 8, false}));
    EXPECT_EQ(zeilentexte(d).back(), "offen");  // an open line is ended by fertig()
}

}  // namespace
}  // namespace brelvanostik::druck
