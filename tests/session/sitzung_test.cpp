// The session row by row and in scenarios; the expected rows are written out here, not taken
// from the row table.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {
namespace {

constexpr int kMaerz = 2, kApril = 3, kJuni = 5;
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

Sitzung neueSitzung(int jahr = 2007, int fall = 1, int monat = kMaerz + 1) {
    Einstellungen e;
    e.Jahr = jahr;
    e.Fall = fall;
    e.Monat = monat;
    return Sitzung(neuerArbeitsbereich(), e);
}

const Monatssatz& satz(const Sitzung& s, int berechnung, int monat) {
    return s.arbeitsbereich().monat(s.jahr() - kErstesJahr, berechnung, monat);
}
/// Readers of a row by calculation and month: its amount, the codes of `anzahl` rows from it.
auto betrag(int zeile) {
    return [zeile](const Sitzung& s, int c, int m) { return satz(s, c, m).Betrag[zeile]; };
}
auto auswahl(int zeile, int anzahl = 1) {
    return [zeile, anzahl](const Sitzung& s, int c, int m) {
        const auto& a = satz(s, c, m).Auswahl;
        return std::vector<std::int16_t>(a.begin() + zeile, a.begin() + zeile + anzahl);
    };
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

TEST(Zeilenregeln, BetragAuswahlQuotenUndVersorgungErreichenIhreMonateUndBerechnungen) {
    const Sitzung neu = neueSitzung();  // recalculated once at start
    for (const Seite seite : {Seite::Gruen, Seite::Blau}) {
        for (int zeile = 0; zeile < kZeilen; ++zeile) {
            SCOPED_TRACE(std::string(name(seite)) + " row " + std::to_string(zeile));

            Sitzung s = neueSitzung();
            s.betragEingeben(seite, zeile, "7");
            const bool bisDezember = kBisDezember.contains(zeile);
            if (bisDezember || kNurMonat.contains(zeile)) {
                // Deductions are stored negative.
                pruefeReichweite(neu, s, seite, bisDezember, betrag(zeile),
                                 zeile == zeile::Abzug ? -700 : 700);
            } else {
                // A result row stores nothing; the recalculation only rewrites the headers.
                Arbeitsbereich ohneKopf = s.arbeitsbereich();
                for (const int c : {kGruen, kBlau})
                    ohneKopf.kopf(3, c) = neu.arbeitsbereich().kopf(3, c);
                EXPECT_TRUE(ohneKopf == neu.arbeitsbereich());
            }

            // A choice holds from the month on. The case list and the pension start do not
            // store into the month records.
            if (zeile != zeile::Fall && zeile != zeile::Versorgungsbeginn) {
                Sitzung a = neueSitzung();
                const bool waehlbar = kAuswahlzeilen.contains(zeile);
                EXPECT_EQ(a.auswahlMoeglich(seite, zeile), waehlbar);
                EXPECT_EQ(a.auswahlTreffen(seite, zeile, 1).angenommen, waehlbar);
                if (waehlbar) {
                    pruefeReichweite(neu, a, seite, true, auswahl(zeile),
                                     std::vector<std::int16_t>{1});
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
                Sitzung q = neueSitzung();
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
        // The pension amounts of the case header hold for the year, by the same side rule.
        Sitzung s = neueSitzung();
        s.betragEingeben(seite, Versorgungsfeld::ErsterMonatsbezug, "1500");
        s.betragEingeben(seite, Versorgungsfeld::Sonderzahlung, "300");
        for (const int c : {kGruen, kBlau}) {
            const Fallkopf& k = s.arbeitsbereich().kopf(3, c);
            const bool getroffen = seite == Seite::Gruen || c == kBlau;
            EXPECT_EQ(k.ErsterVollerMonatsbezug, Money::whole(getroffen ? 150000 : 0));
            EXPECT_EQ(k.VersorgungsSonderzahlung, Money::whole(getroffen ? 30000 : 0));
        }
    }
}

// The range rules of typed amounts at and just beyond each limit; a refusal changes nothing.
TEST(Zeilenregeln, BereichsregelnDerBetragsfelderAnIhrenGrenzen) {
    struct Fall {
        std::set<int> zeilen;
        std::vector<const char*> texte;
        std::optional<std::int32_t> gespeichert;  // none: refused with `meldung`
        std::optional<std::string> feldtext;
        const char* meldung = nullptr;
    };
    const std::set<int> stunden = {zeile::NormalWochenstunden, zeile::Wochenstunden};
    const std::set<int> tage = {zeile::NormalTage, zeile::Tage};
    const Fall faelle[] = {
        {stunden, {"100"}, 10000, std::nullopt},
        {stunden, {"100,01"}, 4000, "40"},
        {tage, {"31"}, 3100, std::nullopt},
        {tage, {"31,01"}, 3000, "30"},
        {{zeile::KvSatz}, {"16"}, 1600, std::nullopt},
        {{zeile::KvSatz}, {"16,01"}, 1600, "16"},
        {kBetragszeilen, {"290000"}, 29000000, std::nullopt},
        {kBetragszeilen, {"290000,01", "2900000"}, {}, {}, "Betrag zu hoch"},
        {{zeile::Gehalt, zeile::KvSatz}, {"1,2,3", "12a", "-5"}, {}, {}, "Ungültige Eingabe"},
    };
    for (const Fall& f : faelle) {
        for (const int zeile : f.zeilen) {
            for (const char* text : f.texte) {
                SCOPED_TRACE("row " + std::to_string(zeile) + " " + text);
                Sitzung s = neueSitzung();
                const Arbeitsbereich vorher = s.arbeitsbereich();
                const Rueckmeldung r = s.betragEingeben(Seite::Gruen, zeile, text);
                EXPECT_EQ(r.angenommen, f.gespeichert.has_value());
                EXPECT_EQ(r.feldtext, f.feldtext);
                if (!f.gespeichert) {
                    ASSERT_EQ(r.meldungen.size(), 1u);
                    EXPECT_EQ(r.meldungen[0].titel, f.meldung);
                    EXPECT_TRUE(s.arbeitsbereich() == vorher);
                    continue;
                }
                const std::int32_t soll = zeile == zeile::Abzug ? -*f.gespeichert : *f.gespeichert;
                EXPECT_EQ(satz(s, kGruen, kMaerz).Betrag[zeile], soll);
                EXPECT_EQ(satz(s, kBlau, kMaerz).Betrag[zeile], soll);
            }
        }
    }
}

// The largest amount in every amount row of every month keeps every stored sum within
// 32 bits (the sanitizer build turns an overflow into a failure); the arrow refuses to go
// beyond it.
TEST(Zeilenregeln, HoechstbetraegeUeberallRechnenOhneUeberlauf) {
    Sitzung s = neueSitzung();
    for (const int zeile : kBetragszeilen) {
        for (int m = 0; m < kMonate; ++m) {
            s.monatWaehlen(m);
            ASSERT_TRUE(s.betragEingeben(Seite::Gruen, zeile, "290000").angenommen) << zeile;
        }
    }
    EXPECT_FALSE(s.pfeilAuf(Seite::Gruen, zeile::Gehalt).angenommen);
    s.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Einbehalt);
    s.betragEingeben(Seite::Gruen, Versorgungsfeld::ErsterMonatsbezug, "290000");
    s.betragEingeben(Seite::Gruen, Versorgungsfeld::Sonderzahlung, "290000");
    s.jahresgehaltZeigen();
    const Seitenanzeige a = s.anzeige(Seite::Gruen);
    EXPECT_EQ(a.zeilen[zeile::Gehalt].betrag, 12 * 29'000'000LL);
    EXPECT_GT(a.zeilen[zeile::Auszahlung].betrag, 0);
}

TEST(Zeilenregeln, BeschriftungLiestWasDieSitzungSagt) {
    struct Fall {
        int jahr, fall, monat, status;
        Seite seite;
        int zeile;
        std::string text;
        std::optional<std::int64_t> satz;
    };
    constexpr int pfl = wahl::sv::Pflichtig, mini = wahl::sv::MiniJob;
    const std::string kv = "%/2 Beitrag zur Krankenvers.",
                      keine = "Keine Krankenversicherungspflicht";
    const Fall faelle[] = {
        {2007, 1, 1, pfl, Seite::Blau, zeile::Auszahlung, "AUSZAHLUNG", {}},
        {2007, 1, 3, pfl, Seite::Blau, zeile::Monatsgehalt, "Monatsgehalt MRZ. 2007", {}},
        {2007, 1, 1, pfl, Seite::Gruen, zeile::Krankenversicherung, kv, 1390},
        {2005, 3, 1, pfl, Seite::Gruen, zeile::Krankenversicherung, kv, 1490},
        {2005, 3, 1, pfl, Seite::Blau, zeile::Krankenversicherung, kv, 1400},
        {2007, 1, 1, mini, Seite::Gruen, zeile::SvStatus, "Mini-Job bis 400 Euro", {}},
        {2007, 1, 1, mini, Seite::Gruen, zeile::Krankenversicherung, keine, {}},
        {2007, 1, 1, pfl, Seite::Gruen, zeile::Fall, "O R I G I N A L   1", {}},
        {2007, 1, 1, pfl, Seite::Blau, zeile::Fall, "A L T E R N A T I V E   1", {}},
    };
    for (const Fall& f : faelle) {
        Sitzung s = neueSitzung(f.jahr, f.fall, f.monat);
        if (f.status != pfl) {
            ASSERT_TRUE(s.auswahlTreffen(Seite::Gruen, zeile::SvStatus, f.status).angenommen);
        }
        const Zeilenanzeige z = s.anzeige(f.seite).zeilen[static_cast<std::size_t>(f.zeile)];
        EXPECT_EQ(z.beschriftung, f.text) << f.jahr << " case " << f.fall << " row " << f.zeile;
        EXPECT_EQ(z.beschriftungSatz, f.satz) << f.text;
    }
}

TEST(Sitzung, SparrateFolgtDemVorzeichen) {
    const Sitzung neu = neueSitzung();
    Sitzung s = neueSitzung();
    s.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Bausparrate);
    s.betragEingeben(Seite::Gruen, zeile::Abzug, "40");
    pruefeReichweite(neu, s, Seite::Gruen, true, betrag(zeile::Abzug), -4000);
    // The retention is paid out: the choice turns the stored sign.
    s.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Einbehalt);
    pruefeReichweite(neu, s, Seite::Gruen, true, betrag(zeile::Abzug), 4000);
    s.betragEingeben(Seite::Gruen, zeile::Abzug, "10");
    pruefeReichweite(neu, s, Seite::Gruen, true, betrag(zeile::Abzug), 1000);
    s.auswahlTreffen(Seite::Gruen, zeile::Abzug, wahl::abzug::Riesterrente);
    pruefeReichweite(neu, s, Seite::Gruen, true, betrag(zeile::Abzug), -1000);
    // The arrows: up makes the deduction larger, down smaller but never a payment; they are
    // neither mirrored nor carried forward.
    s.pfeilAuf(Seite::Gruen, zeile::Abzug);
    EXPECT_EQ(satz(s, kGruen, kMaerz).Betrag[zeile::Abzug], -1100);
    EXPECT_EQ(satz(s, kBlau, kMaerz).Betrag[zeile::Abzug], -1000);
    EXPECT_EQ(satz(s, kGruen, kApril).Betrag[zeile::Abzug], -1000);
    s.betragEingeben(Seite::Gruen, zeile::Abzug, "0,5");
    s.pfeilAb(Seite::Gruen, zeile::Abzug);
    EXPECT_EQ(satz(s, kGruen, kMaerz).Betrag[zeile::Abzug], 0);
    EXPECT_FALSE(s.pfeilAb(Seite::Gruen, zeile::Abzug).angenommen);
}

TEST(Sitzung, AbhaengigeAuswahlen) {
    using namespace wahl;
    struct Fall {
        std::vector<std::pair<int, int>> auswahlen;  // row and code, on green
        int zeile;
        std::vector<std::int16_t> codes;  // of the rows from `zeile`
        std::optional<std::int32_t> kvSatz = std::nullopt;
        bool versicherungWaehlbar = true;
    };
    const int land = zeile::Bundesland, kv = zeile::Krankenversicherung,
              pv = zeile::Pflegeversicherung, av = zeile::Arbeitslosenversicherung,
              status = zeile::SvStatus;
    const std::vector<std::int16_t> keine = {vers::Keine, vers::Keine, vers::Keine, alv::Keine, 0},
                                    gleit = {vers::Gleitzone, vers::Gleitzone, vers::Gleitzone,
                                             alv::Gleitzone};
    const Fall faelle[] = {
        {{{land, land::Bayern}}, zeile::Kirchensteuer, {kirche::Acht}, 1450},
        {{{land, land::Sachsen}}, zeile::Kirchensteuer, {kirche::Neun}, 1290},
        {{{land, land::Sachsen}}, pv, {vers::SachsenBeitrag}},
        // Health insurance with employer subsidy in Saxony takes the Saxon care subsidy along.
        {{{land, land::Sachsen}, {kv, vers::Zuschuss}}, pv, {vers::SachsenZuschuss}},
        // A sliding-zone entry in any insurance moves all four into the zone; the "Keine"
        // entry of unemployment insurance does not.
        {{{kv, vers::Zuschuss}, {av, alv::Keine}}, kv, {vers::Zuschuss}},
        {{{av, alv::Keine}}, av, {alv::Keine}},
        {{{av, alv::Gleitzone}}, kv, gleit},
        // The status switches the insurances from health to the additional contribution;
        // in the sliding zone the additional contribution keeps its code.
        {{{status, sv::MiniJob}}, kv, keine, {}, false},
        {{{status, sv::NichtPflichtig}}, kv, keine, {}, false},
        {{{status, sv::MiniJob}, {status, sv::Gleitzone}},
         kv,
         {gleit[0], gleit[1], gleit[2], gleit[3], 0}},
        {{{status, sv::Gleitzone}, {status, sv::Pflichtig}}, kv, {0, 0, 0, 0, zusatz::Kinderlose}},
    };
    const Sitzung neu = neueSitzung();
    for (const Fall& f : faelle) {
        SCOPED_TRACE("row " + std::to_string(f.auswahlen.back().first) + " code " +
                     std::to_string(f.auswahlen.back().second));
        Sitzung s = neueSitzung();
        for (const auto& [zeile, code] : f.auswahlen)
            ASSERT_TRUE(s.auswahlTreffen(Seite::Gruen, zeile, code).angenommen);
        pruefeReichweite(neu, s, Seite::Gruen, true,
                         auswahl(f.zeile, static_cast<int>(f.codes.size())), f.codes);
        if (f.kvSatz) {
            EXPECT_EQ(satz(s, kGruen, kMaerz).Betrag[zeile::KvSatz], *f.kvSatz);
        }
        EXPECT_EQ(s.auswahlMoeglich(Seite::Gruen, kv), f.versicherungWaehlbar);
        EXPECT_EQ(s.auswahlTreffen(Seite::Gruen, zeile::Rentenversicherung, 0).angenommen,
                  f.versicherungWaehlbar);
        EXPECT_TRUE(s.auswahlMoeglich(Seite::Gruen, zeile::Steuerklasse));
    }
}

TEST(Sitzung, NamenUndKommentareNurMitZeichenDerDatendateien) {
    Sitzung sitzung = neueSitzung(2007, 1, 1);
    // What a Windows-1252 field cannot hold is refused with a message, not stored as "?".
    const struct {
        const char* text;
        bool angenommen;
    } faelle[] = {{"Müller – 5 € „Zulage“", true}, {"Tab\there", false},
                  {"zwei\nZeilen", false},         {"Ωmega", false},
                  {"kaputt \xC3", false},          {"\xF0\x9F\x98\x80", false}};
    for (const auto& f : faelle) {
        const Arbeitsbereich vorher = sitzung.arbeitsbereich();
        const Rueckmeldung name = sitzung.umbenennen(Seite::Gruen, f.text);
        const Rueckmeldung kommentar = sitzung.kommentarSetzen(Seite::Blau, f.text);
        EXPECT_EQ(name.angenommen, f.angenommen) << f.text;
        EXPECT_EQ(kommentar.angenommen, f.angenommen) << f.text;
        if (f.angenommen) {
            EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, kGruen).Fallname, f.text);
        } else {
            EXPECT_EQ(name.meldungen.size(), 1u);
            EXPECT_TRUE(sitzung.arbeitsbereich() == vorher) << f.text;
        }
    }
    // A name is trimmed and cut to the field; blue's own name leaves green's.
    sitzung.umbenennen(Seite::Blau, "  Zweitjob mit einem sehr langen Namen, der nicht passt  ");
    EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, kBlau).Fallname,
              "Zweitjob mit einem sehr langen Name");
    EXPECT_EQ(sitzung.arbeitsbereich().kopf(3, kGruen).Fallname, "Müller – 5 € „Zulage“");
}

TEST(Sitzung, BlaueAbweichungUndGelbeSpalte) {
    Sitzung s = neueSitzung(2007, 1, 1);
    s.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
    EXPECT_EQ(s.anzeige(Seite::Blau).zeilen[zeile::Gehalt].feldHintergrund, Farbe::Weiss);
    // A blue tax class other than green's marks the blue label and leaves blue's insurance.
    s.auswahlTreffen(Seite::Blau, zeile::Krankenversicherung, wahl::vers::Zuschuss);
    const Arbeitsbereich vorher = s.arbeitsbereich();
    s.auswahlTreffen(Seite::Blau, zeile::Steuerklasse, wahl::klasse::III);
    for (int m = 0; m < kMonate; ++m) {
        EXPECT_EQ(satz(s, kBlau, m).Auswahl[zeile::Pflegeversicherung],
                  vorher.monat(3, kBlau, m).Auswahl[zeile::Pflegeversicherung]);
    }
    const Seitenanzeige blau = s.anzeige(Seite::Blau);
    EXPECT_EQ(blau.zeilen[zeile::Steuerklasse].beschriftungHintergrund, Farbe::Hellgelb);
    EXPECT_EQ(blau.zeilen[zeile::Steuerklasse].beschriftung, "Steuerklasse DREI");
    EXPECT_EQ(blau.zeilen[zeile::Kirchensteuer].beschriftungHintergrund, Farbe::Weiss);
    GelbeSpalte g = s.gelbeSpalte();
    EXPECT_EQ(g.modusText, "gemeinsam");
    EXPECT_EQ(g.werte[zeile::Gehalt], 600000);
    s.monatWaehlen(kJuni);
    s.modusUmschalten();
    g = s.gelbeSpalte();
    EXPECT_EQ(g.modusText, "Unterschied");
    EXPECT_EQ(g.modusFarbe, Farbe::Hellrot);
    EXPECT_EQ(g.werte[zeile::Gehalt], 0);
    // Both recalculated: blue (class III) withholds less, so blue minus green of the wage
    // tax, a deduction, is positive.
    EXPECT_GT(g.werte[zeile::Lohnsteuer], 0);
    EXPECT_EQ(g.farben[zeile::Lohnsteuer], Farbe::Schwarz);
    for (int m = 0; m < kMonate; ++m) EXPECT_EQ(satz(s, kGruen, m).Gemeinsam, m < kJuni) << m;
    s.jahresgehaltZeigen();
    EXPECT_EQ(s.gelbeSpalte().werte[zeile::Gehalt], 0);
    EXPECT_EQ(s.anzeige(Seite::Gruen).zeilen[zeile::Gehalt].betrag, 12 * 300000);
    s.monatWaehlen(kJuni);
    s.betragEingeben(Seite::Blau, zeile::Gehalt, "3100");
    EXPECT_EQ(s.anzeige(Seite::Blau).zeilen[zeile::Gehalt].feldHintergrund, Farbe::Hellgelb);
    EXPECT_EQ(s.anzeige(Seite::Gruen).zeilen[zeile::Gehalt].feldHintergrund, Farbe::Weiss);
}

TEST(Sitzung, NavigationZeigtGespeicherteWerteOhneNeuberechnung) {
    Sitzung sitzung = neueSitzung(2007, 1, 1);
    EXPECT_EQ(sitzung.einstellungen().Monat, 1);  // no month button clicked
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
    // A stored result that a recalculation would overwrite stays as it is on navigation.
    sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[zeile::Lohnsteuer] = -12345;
    sitzung.arbeitsbereich().monat(1, 0, kJuni).Betrag[zeile::Lohnsteuer] = -777;
    sitzung.monatWaehlen(kJuni);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Lohnsteuer].betrag, -12345);
    sitzung.jahresknopfKlicken(1);
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Lohnsteuer].betrag, -777);
    EXPECT_EQ(sitzung.monat(), kJuni);
    EXPECT_EQ(sitzung.fallIndex(), 0);
    EXPECT_EQ(sitzung.periodentext(), "Monatsgehalt JUNI 2005");
    sitzung.jahresknopfKlicken(3);
    sitzung.jahresgehaltZeigen();
    EXPECT_EQ(sitzung.periodentext(), "Jahresgehalt 2007");
    for (const Rueckmeldung& r :
         {sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "1"),
          sitzung.auswahlTreffen(Seite::Gruen, zeile::Steuerklasse, wahl::klasse::II),
          sitzung.pfeilAuf(Seite::Blau, zeile::Gehalt),
          sitzung.tagesquoteUmschalten(Seite::Gruen, zeile::Gehalt), sitzung.fallWaehlen(2)}) {
        EXPECT_FALSE(r.angenommen);
        ASSERT_EQ(r.meldungen.size(), 1u);
        EXPECT_EQ(r.meldungen[0].titel, "Jahresgehalt ändern");
    }
    EXPECT_EQ(sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[zeile::Lohnsteuer], -12345);
    const Einstellungen e = sitzung.einstellungen();
    EXPECT_EQ(std::tuple(e.Jahr, e.Fall, e.Monat), std::tuple(2007, 1, kJuni + 1));
    // The case choice recalculates.
    sitzung.monatWaehlen(kJuni);
    sitzung.fallWaehlen(0);
    EXPECT_NE(sitzung.arbeitsbereich().monat(3, 0, kJuni).Betrag[zeile::Lohnsteuer], -12345);
    sitzung.fallWaehlen(3);
    EXPECT_EQ(sitzung.einstellungen().Fall, 4);
    // A stored blue case number restores its green case, a month beyond 12 January.
    const Sitzung s = neueSitzung(2005, 8, 13);
    EXPECT_EQ(std::tuple(s.jahr(), s.fallIndex(), s.monat()), std::tuple(2005, 2, 0));
}

TEST(Sitzung, AbgelehnterJahresausgleichMeldetSichJeBerechnung) {
    Sitzung sitzung = neueSitzung(2007, 1, 1);
    sitzung.betragEingeben(Seite::Gruen, zeile::Gehalt, "3000");
    sitzung.auswahlTreffen(Seite::Gruen, zeile::Jahresausgleich, wahl::ausgleich::Mit);
    sitzung.monatWaehlen(kMaerz);
    const Rueckmeldung r = sitzung.betragEingeben(Seite::Gruen, zeile::Tage, "15");
    ASSERT_EQ(r.meldungen.size(), 2u);  // green and blue
    EXPECT_EQ(r.meldungen[0].titel, "Kein LStAusgleich des AG zulässig");
    EXPECT_EQ(sitzung.anzeige(Seite::Gruen).zeilen[zeile::Jahresausgleich].beschriftung,
              "Im Dez. ohne LSt-Jahresausgl.d. AG");
}

}  // namespace
}  // namespace brelvanostik
