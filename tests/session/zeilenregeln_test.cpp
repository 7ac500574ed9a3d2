// Every row against the storing rules: which months and calculations a typed amount, a
// choice and a ratio flag reach, the range corrections of typed amounts, and the ratio
// captions and marks. The expected rows are written out here, not taken from the row table.
#include <gtest/gtest.h>

#include <set>

#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

constexpr int kMaerz = 2;
constexpr int kGruen = 0, kBlau = 5;

// clang-format off
const std::set<int> kBisDezember = {
    zeile::NormalWochenstunden, zeile::Wochenstunden, zeile::KvSatz, zeile::Gehalt,
    zeile::Versorgungsbezug, zeile::Freibetrag, zeile::Hinzurechnung,
    zeile::ZusaetzlichSteuerpflichtig, zeile::ZusaetzlichSvPflichtig, zeile::Abzug};
const std::set<int> kNurMonat = {zeile::NormalTage, zeile::Tage, zeile::EinmaligerBezug,
                                 zeile::EinmaligerVersorgungsbezug, zeile::MehrjahresVerguetung};
const std::set<int> kAuswahlzeilen = {
    zeile::Geburtsjahrgang, zeile::Bundesland, zeile::SvStatus, zeile::Jahresausgleich,
    zeile::Steuerklasse, zeile::Kirchensteuer, zeile::Krankenversicherung,
    zeile::Pflegeversicherung, zeile::Rentenversicherung, zeile::Arbeitslosenversicherung,
    zeile::Zusatzbeitrag, zeile::Abzug, zeile::Kinderfreibetraege};
/// The amount rows without a correction of their own: up to 290,000.00 euros.
const std::set<int> kBetragszeilen = {
    zeile::Gehalt, zeile::Versorgungsbezug, zeile::EinmaligerBezug,
    zeile::EinmaligerVersorgungsbezug, zeile::MehrjahresVerguetung, zeile::Freibetrag,
    zeile::Hinzurechnung, zeile::ZusaetzlichSteuerpflichtig, zeile::ZusaetzlichSvPflichtig,
    zeile::Abzug};
// clang-format on

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

/// After an edit of `seite` in March, `lesen(sitzung, berechnung, monat)` gives `soll` where
/// the edit reaches and the value of `vorher` everywhere else. Green reaches its blue twin,
/// blue only itself; the edit holds for March, and with `bisDezember` for the later months.
template <typename Lesen, typename Wert>
void pruefeReichweite(const Sitzung& vorher, const Sitzung& s, Seite seite, bool bisDezember,
                      Lesen lesen, Wert soll) {
    for (const int c : {kGruen, kBlau}) {
        for (int m = 0; m < kMonate; ++m) {
            const bool getroffen = (seite == Seite::Gruen || c == kBlau) &&
                                   (m == kMaerz || (bisDezember && m > kMaerz));
            EXPECT_EQ(lesen(s, c, m), getroffen ? soll : lesen(vorher, c, m))
                << "calculation " << c << " month " << m;
        }
    }
}

TEST(Zeilenregeln, BetragAuswahlUndQuotenErreichenDieMonateUndBerechnungenIhrerZeile) {
    for (const Seite seite : {Seite::Gruen, Seite::Blau}) {
        for (int zeile = 0; zeile < kZeilen; ++zeile) {
            SCOPED_TRACE(std::string(name(seite)) + " row " + std::to_string(zeile));
            const Sitzung neu = imMaerz();
            Sitzung gerechnet = imMaerz();
            gerechnet.berechnungAusloesen();

            Sitzung s = imMaerz();
            s.betragEingeben(seite, zeile, "7");
            const bool bisDezember = kBisDezember.contains(zeile);
            const auto betrag = [zeile](const Sitzung& x, int c, int m) {
                return satz(x, c, m).Betrag[zeile];
            };
            if (bisDezember || kNurMonat.contains(zeile)) {
                // Deductions are stored negative.
                pruefeReichweite(gerechnet, s, seite, bisDezember, betrag,
                                 zeile == zeile::Abzug ? -700 : 700);
            } else {
                // A result row stores nothing; the recalculation only rewrites the headers.
                Arbeitsbereich ohneKopf = s.arbeitsbereich();
                for (const int c : {kGruen, kBlau})
                    ohneKopf.kopf(3, c) = gerechnet.arbeitsbereich().kopf(3, c);
                EXPECT_TRUE(ohneKopf == gerechnet.arbeitsbereich());
            }

            // A choice holds from the month on. The case list and the pension start do not
            // store into the month records.
            if (zeile != zeile::Fall && zeile != zeile::Versorgungsbeginn) {
                Sitzung a = imMaerz();
                const bool auswahl = kAuswahlzeilen.contains(zeile);
                EXPECT_EQ(a.auswahlMoeglich(seite, zeile), auswahl);
                EXPECT_EQ(a.auswahlTreffen(seite, zeile, 1).angenommen, auswahl);
                if (auswahl) {
                    pruefeReichweite(
                        neu, a, seite, true,
                        [zeile](const Sitzung& x, int c, int m) {
                            return satz(x, c, m).Auswahl[zeile];
                        },
                        std::int16_t{1});
                } else {
                    EXPECT_TRUE(a.arbeitsbereich() == neu.arbeitsbereich());
                }
            }

            // The ratio flags: the salary and pension rows carry them forward, the one-time
            // rows keep them to the month. A blue flag that differs from green marks its
            // toggle on the blue side, but not for the pensions.
            const bool quote = zeile >= zeile::Gehalt && zeile <= zeile::MehrjahresVerguetung;
            for (const bool tage : {true, false}) {
                SCOPED_TRACE(tage ? "bru" : "tei");
                Sitzung q = imMaerz();
                const Rueckmeldung r = tage ? q.tagesquoteUmschalten(seite, zeile)
                                            : q.stundenquoteUmschalten(seite, zeile);
                EXPECT_EQ(r.angenommen, quote);
                for (const Seite gezeigt : {Seite::Gruen, Seite::Blau}) {
                    const Seitenanzeige anzeige = q.anzeige(gezeigt);
                    const Zeilenanzeige& z = anzeige.zeilen[static_cast<std::size_t>(zeile)];
                    const bool umgeschaltet =
                        quote && (seite == Seite::Gruen || gezeigt == Seite::Blau);
                    EXPECT_EQ(z.bru, !quote ? ' ' : (tage && umgeschaltet ? '-' : 'B'))
                        << name(gezeigt);
                    EXPECT_EQ(z.tei, !quote ? ' ' : (!tage && umgeschaltet ? '-' : 'T'))
                        << name(gezeigt);
                    const bool markiert = gezeigt == Seite::Blau && seite == Seite::Blau && quote &&
                                          zeile != zeile::Versorgungsbezug;
                    EXPECT_EQ(z.bruHintergrund, tage && markiert ? Farbe::Hellgelb : Farbe::Weiss);
                    EXPECT_EQ(z.teiHintergrund, !tage && markiert ? Farbe::Hellgelb : Farbe::Weiss);
                }
                if (!quote) continue;
                pruefeReichweite(
                    neu, q, seite, zeile <= zeile::Versorgungsbezug,
                    [zeile](const Sitzung& x, int c, int m) {
                        const Fallkopf& k = x.arbeitsbereich().kopf(3, c);
                        return std::pair(k.inTagesquote(zeile, m), k.inStundenquote(zeile, m));
                    },
                    std::pair(!tage, tage));
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
            const bool getroffen = seite == Seite::Gruen || c == kBlau;
            EXPECT_EQ(k.ErsterVollerMonatsbezug, Money::whole(getroffen ? 150000 : 0))
                << name(seite);
            EXPECT_EQ(k.VersorgungsSonderzahlung, Money::whole(getroffen ? 30000 : 0))
                << name(seite);
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
    const std::set<int> stunden = {zeile::NormalWochenstunden, zeile::Wochenstunden};
    const std::set<int> tage = {zeile::NormalTage, zeile::Tage};
    const Fall faelle[] = {
        {stunden, "100", true, 10000, std::nullopt},
        {stunden, "100,01", true, 4000, "40"},
        {tage, "31", true, 3100, std::nullopt},
        {tage, "31,01", true, 3000, "30"},
        {{zeile::KvSatz}, "16", true, 1600, std::nullopt},
        {{zeile::KvSatz}, "16,01", true, 1600, "16"},
        {{zeile::KvSatz}, "15,99", true, 1599, std::nullopt},
        {kBetragszeilen, "290000", true, 29000000, std::nullopt},
        {kBetragszeilen, "290000,01", false, 0, std::nullopt},
    };
    for (const Fall& f : faelle) {
        for (const int zeile : f.zeilen) {
            SCOPED_TRACE("row " + std::to_string(zeile) + " " + f.text);
            Sitzung s = imMaerz();
            const std::int32_t vorher = satz(s, kGruen, kMaerz).Betrag[zeile];
            const Rueckmeldung r = s.betragEingeben(Seite::Gruen, zeile, f.text);
            EXPECT_EQ(r.angenommen, f.angenommen);
            EXPECT_EQ(r.feldtext, f.feldtext);
            const std::int32_t soll = !f.angenommen           ? vorher
                                      : zeile == zeile::Abzug ? -f.gespeichert
                                                              : f.gespeichert;
            EXPECT_EQ(satz(s, kGruen, kMaerz).Betrag[zeile], soll);
            EXPECT_EQ(satz(s, kBlau, kMaerz).Betrag[zeile], soll);
        }
    }
}

}  // namespace
}  // namespace brelvanostik
