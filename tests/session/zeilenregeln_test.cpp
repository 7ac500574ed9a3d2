// Every row against the storing rules: which months and calculations a typed amount, a
// choice and a ratio flag reach, the range corrections of typed amounts, and the ratio
// captions and marks. The expected rows are written out here, not taken from the row table.
#include <gtest/gtest.h>

#include <set>

#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"

namespace brelvanostik {
namespace {

constexpr int kMaerz = 2;
constexpr int kGruen = 0, kBlau = 5;

const std::set<int> kBisDezember = {0, 1, 4, 5, 6, 13, 14, 15, 16, 25};
const std::set<int> kNurMonat = {2, 3, 7, 8, 9};
const std::set<int> kAuswahlzeilen = {1, 2, 3, 4, 17, 19, 20, 21, 22, 23, 24, 25, 28};

Sitzung imMaerz() {
    Einstellungen e;
    e.Jahr = 2007;
    e.Fall = 1;
    e.Monat = kMaerz + 1;
    return Sitzung(neuerArbeitsbereich(), e);
}

const Monatssatz& satz(const Sitzung& s, int berechnung, int monat) {
    return s.arbeitsbereich().monat(3, berechnung, monat);
}

const char* name(Seite s) {
    return s == Seite::Gruen ? "green" : "blue";
}

/// The calculations an edit of a side reaches: green reaches its blue twin, blue only itself.
bool erreicht(Seite seite, int berechnung) {
    return seite == Seite::Gruen || berechnung == kBlau;
}

TEST(Zeilenregeln, EinBetragErreichtDieMonateUndBerechnungenSeinerZeile) {
    for (const Seite seite : {Seite::Gruen, Seite::Blau}) {
        for (int zeile = 0; zeile < kZeilen; ++zeile) {
            SCOPED_TRACE(std::string(name(seite)) + " row " + std::to_string(zeile));
            Sitzung vorher = imMaerz();
            Sitzung s = imMaerz();
            s.betragEingeben(seite, zeile, "7");
            vorher.berechnungAusloesen();
            const bool bisDezember = kBisDezember.contains(zeile);
            if (!bisDezember && !kNurMonat.contains(zeile)) {
                // Rows 11 and 12 are the pension amounts of the header; the rest stores nothing.
                Arbeitsbereich ohneKopf = s.arbeitsbereich();
                for (const int c : {kGruen, kBlau})
                    ohneKopf.kopf(3, c) = vorher.arbeitsbereich().kopf(3, c);
                EXPECT_TRUE(ohneKopf == vorher.arbeitsbereich());
                continue;
            }
            // Deductions are stored negative.
            const std::int32_t wert = zeile == 25 ? -700 : 700;
            for (const int c : {kGruen, kBlau}) {
                for (int m = 0; m < kMonate; ++m) {
                    const bool getroffen =
                        erreicht(seite, c) && (m == kMaerz || (bisDezember && m > kMaerz));
                    EXPECT_EQ(satz(s, c, m).Betrag[zeile],
                              getroffen ? wert : satz(vorher, c, m).Betrag[zeile])
                        << "calculation " << c << " month " << m;
                }
            }
        }
    }
}

TEST(Zeilenregeln, VersorgungsbetraegeGeltenFuerDasJahrMitDerSeitenregel) {
    for (const Seite seite : {Seite::Gruen, Seite::Blau}) {
        Sitzung s = imMaerz();
        s.betragEingeben(seite, Versorgungsfeld::ErsterMonatsbezug, "1500");
        s.betragEingeben(seite, Versorgungsfeld::Sonderzahlung, "300");
        for (const int c : {kGruen, kBlau}) {
            const Fallkopf& k = s.arbeitsbereich().kopf(3, c);
            const bool getroffen = erreicht(seite, c);
            EXPECT_EQ(k.ErsterVollerMonatsbezug, Money::whole(getroffen ? 150000 : 0))
                << name(seite);
            EXPECT_EQ(k.VersorgungsSonderzahlung, Money::whole(getroffen ? 30000 : 0))
                << name(seite);
        }
    }
}

TEST(Zeilenregeln, EineAuswahlGiltAbDemMonatInDenBerechnungenDerSeite) {
    for (const Seite seite : {Seite::Gruen, Seite::Blau}) {
        for (int zeile = 1; zeile < kZeilen; ++zeile) {
            if (zeile == 27) continue;  // the pension start belongs to the header
            SCOPED_TRACE(std::string(name(seite)) + " row " + std::to_string(zeile));
            const Sitzung vorher = imMaerz();
            Sitzung s = imMaerz();
            const bool auswahl = kAuswahlzeilen.contains(zeile);
            EXPECT_EQ(s.auswahlMoeglich(seite, zeile), auswahl);
            EXPECT_EQ(s.auswahlTreffen(seite, zeile, 1).angenommen, auswahl);
            if (!auswahl) {
                EXPECT_TRUE(s.arbeitsbereich() == vorher.arbeitsbereich());
                continue;
            }
            for (const int c : {kGruen, kBlau}) {
                for (int m = 0; m < kMonate; ++m) {
                    const bool getroffen = erreicht(seite, c) && m >= kMaerz;
                    EXPECT_EQ(satz(s, c, m).Auswahl[zeile],
                              getroffen ? 1 : satz(vorher, c, m).Auswahl[zeile])
                        << "calculation " << c << " month " << m;
                }
            }
        }
    }
}

// Rows 5 and 6 carry their ratio flags forward, rows 7-9 keep them to the month. A blue
// flag that differs from green marks its toggle on the blue side, but not for row 6.
TEST(Zeilenregeln, QuotenSchalterJeZeileSpeichernUndZeigen) {
    for (const Seite seite : {Seite::Gruen, Seite::Blau}) {
        for (const bool tage : {true, false}) {
            for (int zeile = 0; zeile < kZeilen; ++zeile) {
                SCOPED_TRACE(std::string(name(seite)) + (tage ? " bru" : " tei") + " row " +
                             std::to_string(zeile));
                Sitzung s = imMaerz();
                const Rueckmeldung r = tage ? s.tagesquoteUmschalten(seite, zeile)
                                            : s.stundenquoteUmschalten(seite, zeile);
                const bool quote = zeile >= 5 && zeile <= 9;
                EXPECT_EQ(r.angenommen, quote);
                for (const Seite gezeigt : {Seite::Gruen, Seite::Blau}) {
                    const Seitenanzeige anzeige = s.anzeige(gezeigt);
                    const Zeilenanzeige& z = anzeige.zeilen[static_cast<std::size_t>(zeile)];
                    const bool umgeschaltet =
                        quote && (seite == Seite::Gruen || gezeigt == Seite::Blau);
                    EXPECT_EQ(z.bru, !quote ? ' ' : (tage && umgeschaltet ? '-' : 'B'))
                        << name(gezeigt);
                    EXPECT_EQ(z.tei, !quote ? ' ' : (!tage && umgeschaltet ? '-' : 'T'))
                        << name(gezeigt);
                    const bool markiert =
                        gezeigt == Seite::Blau && seite == Seite::Blau && quote && zeile != 6;
                    EXPECT_EQ(z.bruHintergrund, tage && markiert ? Farbe::Hellgelb : Farbe::Weiss);
                    EXPECT_EQ(z.teiHintergrund, !tage && markiert ? Farbe::Hellgelb : Farbe::Weiss);
                }
                if (!quote) continue;
                for (const int c : {kGruen, kBlau}) {
                    const Fallkopf& k = s.arbeitsbereich().kopf(3, c);
                    for (int m = 0; m < kMonate; ++m) {
                        const bool getroffen =
                            erreicht(seite, c) && (m == kMaerz || (zeile <= 6 && m > kMaerz));
                        EXPECT_EQ(k.inTagesquote(zeile, m), !(tage && getroffen)) << c << " " << m;
                        EXPECT_EQ(k.inStundenquote(zeile, m), !(!tage && getroffen))
                            << c << " " << m;
                    }
                }
            }
        }
    }
}

// The range rules of typed amounts, at and just beyond each limit: weekly hours above 100
// become 40, days above 31 become 30, a health rate above 16 % stays at 16 %; every other
// field takes up to 290,000.00 euros and refuses more.
TEST(Zeilenregeln, BereichsregelnDerBetragsfelderAnIhrenGrenzen) {
    struct Fall {
        std::set<int> zeilen;
        const char* text;
        bool angenommen;
        std::int32_t gespeichert;
        std::optional<std::string> feldtext;
    };
    const std::set<int> betraege = {5, 6, 7, 8, 9, 13, 14, 15, 16, 25};
    const Fall faelle[] = {
        {{0, 1}, "100", true, 10000, std::nullopt},
        {{0, 1}, "100,01", true, 4000, "40"},
        {{2, 3}, "31", true, 3100, std::nullopt},
        {{2, 3}, "31,01", true, 3000, "30"},
        {{4}, "16", true, 1600, std::nullopt},
        {{4}, "16,01", true, 1600, "16"},
        {{4}, "15,99", true, 1599, std::nullopt},
        {betraege, "290000", true, 29000000, std::nullopt},
        {betraege, "290000,01", false, 0, std::nullopt},
    };
    for (const Fall& f : faelle) {
        for (const int zeile : f.zeilen) {
            SCOPED_TRACE("row " + std::to_string(zeile) + " " + f.text);
            Sitzung s = imMaerz();
            const std::int32_t vorher = satz(s, kGruen, kMaerz).Betrag[zeile];
            const Rueckmeldung r = s.betragEingeben(Seite::Gruen, zeile, f.text);
            EXPECT_EQ(r.angenommen, f.angenommen);
            EXPECT_EQ(r.feldtext, f.feldtext);
            const std::int32_t soll = !f.angenommen ? vorher
                                      : zeile == 25 ? -f.gespeichert
                                                    : f.gespeichert;
            EXPECT_EQ(satz(s, kGruen, kMaerz).Betrag[zeile], soll);
            EXPECT_EQ(satz(s, kBlau, kMaerz).Betrag[zeile], soll);
        }
    }
}

}  // namespace
}  // namespace brelvanostik
