// What the label of a row reads on each side: fixed captions, the shown month's salary, the
// health rate of the year and case in front of its choice text, the choice texts a status
// switches to, the case names.
#include <gtest/gtest.h>

#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

TEST(Beschriftung, ZeilenLesenWasDieSitzungSagt) {
    struct Fall {
        int jahr, fall, monat, status;
        Seite seite;
        int zeile;
        std::string text;
        std::optional<std::int64_t> satz;
    };
    const std::string kv = "%/2 Beitrag zur Krankenvers.",
                      keine = "Keine Krankenversicherungspflicht";
    const Fall faelle[] = {
        {2007, 1, 1, 0, Seite::Gruen, zeile::Gehalt, "Laufendes Gehalt", {}},
        {2007, 1, 1, 0, Seite::Blau, zeile::Auszahlung, "AUSZAHLUNG", {}},
        {2007, 1, 1, 0, Seite::Gruen, zeile::Monatsgehalt, "Monatsgehalt JAN. 2007", {}},
        {2007, 1, 3, 0, Seite::Blau, zeile::Monatsgehalt, "Monatsgehalt MRZ. 2007", {}},
        {2007, 1, 1, 0, Seite::Gruen, zeile::Krankenversicherung, kv, 1390},
        {2005, 3, 1, 0, Seite::Gruen, zeile::Krankenversicherung, kv, 1490},
        {2005, 3, 1, 0, Seite::Blau, zeile::Krankenversicherung, kv, 1400},
        {2007, 1, 1, 2, Seite::Gruen, zeile::SvStatus, "Mini-Job bis 400 Euro", {}},
        {2007, 1, 1, 2, Seite::Gruen, zeile::Krankenversicherung, keine, {}},
        {2007, 1, 1, 2, Seite::Blau, zeile::Krankenversicherung, keine, {}},
        {2007, 1, 1, 0, Seite::Gruen, 0, "O R I G I N A L   1", {}},
        {2007, 1, 1, 0, Seite::Blau, 0, "A L T E R N A T I V E   1", {}},
    };
    for (const Fall& f : faelle) {
        Einstellungen e;
        e.Jahr = f.jahr;
        e.Fall = f.fall;
        e.Monat = f.monat;
        Sitzung s(neuerArbeitsbereich(), e);
        if (f.status != 0)
            ASSERT_TRUE(s.auswahlTreffen(Seite::Gruen, zeile::SvStatus, f.status).angenommen);
        const Zeilenanzeige z = s.anzeige(f.seite).zeilen[static_cast<std::size_t>(f.zeile)];
        EXPECT_EQ(z.beschriftung, f.text) << f.jahr << " Fall " << f.fall << " Zeile " << f.zeile;
        EXPECT_EQ(z.beschriftungSatz, f.satz) << f.text;
    }
}

}  // namespace
}  // namespace brelvanostik
