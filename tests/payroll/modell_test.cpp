// The month calculation against a small model of its own over seeded random years: taxes,
// pensions, minimum church tax, the December adjustment and the contributions, worked out as a
// clerk does with the wage tax engine as the tax table.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/lohnsteuer.h"
#include "payroll/monatslauf.h"
#include "testfall.h"

namespace brelvanostik {
namespace {

using namespace zeile;
using testfall::Testfall;

// Half a cent and more rounds up, as the social insurance computes: cents x rate / teiler.
std::int64_t kaufmaennisch(std::int64_t cent, std::int64_t satz, std::int64_t teiler) {
    return (2 * cent * satz + teiler) / (2 * teiler);
}

/// A random year as the user types it: salary with raises, one-time payments, tax-card
/// amounts, class changes, pensions with gaps and one-time pensions, months without hours.
Testfall zufallsfall(std::mt19937& z) {
    const auto bis = [&](int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); };
    const int jahr = 2004 + bis(4);
    const bool versorgung = jahr >= 2005 && bis(2) == 0;
    const std::int32_t gehalt = versorgung && bis(4) == 0 ? 0 : 90000 + bis(600000);
    Testfall t(jahr, bis(16), gehalt);
    using namespace wahl;
    // clang-format off
    const int kv[] = {vers::Beitrag, vers::Beitrag, vers::Zuschuss, vers::Keine};
    const int pv[] = {vers::Beitrag, vers::Beitrag, vers::Zuschuss, vers::Keine,
                      vers::SachsenBeitrag, vers::SachsenZuschuss};
    for (const auto& [zeile, code] : {
             std::pair{Steuerklasse, bis(6)}, {Kinderfreibetraege, bis(7)}, {Kirchensteuer, bis(5)},
             {Jahresausgleich, bis(3) != 0}, {Krankenversicherung, kv[bis(4)]},
             {Pflegeversicherung, pv[bis(6)]}, {Rentenversicherung, kv[bis(4)]},
             {Arbeitslosenversicherung, bis(2) ? alv::Keine : alv::Beitrag},
             {Zusatzbeitrag, bis(4)}}) {
        t.aendere({'A', zeile, code});
    }
    // clang-format on
    if (bis(5) == 0) t.aendere({'A', Steuerklasse, bis(6), 1 + bis(11)});
    t.aendere({'B', KvSatz, 1200 + bis(400)});
    const bool karte = bis(4) == 0;
    const int rente = 20000 * bis(11), ersterMonat = 6 * bis(2);
    for (int m = 0; m < kMonate; ++m) {
        auto& b = t.monat(m).Betrag;
        if (gehalt > 0 && m >= 6 && bis(3) == 0) b[Gehalt] += bis(100000);
        if (bis(6) == 0) b[EinmaligerBezug] = bis(1200000);
        if (karte && bis(2) == 0) b[bis(2) ? Freibetrag : Hinzurechnung] = bis(60000);
        if (bis(10) == 0) b[Wochenstunden] = 0;
        if (bis(2) == 0) {
            t.aendere({'H', Versorgungsbezug, 0, m, m});
            t.aendere({'D', Versorgungsbezug, 0, m, m});
        }
        if (!versorgung) continue;
        b[Versorgungsbezug] = m >= ersterMonat && bis(6) > 0 ? rente : 0;
        if (bis(6) == 0) b[EinmaligerVersorgungsbezug] = 10000 * bis(301);
    }
    if (versorgung) t.aendere({'V', bis(3), rente});
    if (versorgung) t.kopf().VersorgungsSonderzahlung = Money::whole(10000 * bis(21));
    return t;
}

/// An amount as it counts: a month without hours worked is one of no days, where every income
/// row counts 0 that is not taken out of the ratios.
std::int64_t wirksam(Testfall& t, int m, int zeile) {
    const bool quote = t.kopf().inStundenquote(zeile, m) || t.kopf().inTagesquote(zeile, m);
    return t.monat(m).Betrag[Wochenstunden] == 0 && quote ? 0 : t.monat(m).Betrag[zeile];
}

/// The wage and the pensions in it that the annual run of month `bis` expects: the current pay
/// of every month and what the months before paid once.
std::pair<std::int64_t, std::int64_t> jahreslohn(Testfall& t, int bis) {
    std::int64_t lohn = 0, versorgung = 0;
    for (int k = 0; k < kMonate; ++k) {
        lohn += wirksam(t, k, Gehalt) + wirksam(t, k, Versorgungsbezug);
        versorgung += wirksam(t, k, Versorgungsbezug);
        if (k >= bis) continue;
        lohn += wirksam(t, k, EinmaligerBezug) + wirksam(t, k, EinmaligerVersorgungsbezug);
        versorgung += wirksam(t, k, EinmaligerVersorgungsbezug);
    }
    return {lohn, versorgung};
}

int kirchensatz(int code) {
    return code == wahl::kirche::Acht ? 8 : code == wahl::kirche::Neun ? 9 : 0;
}

struct Steuer {
    std::int64_t lst = 0, soli = 0, kirche = 0, lstEinmal = 0;
};

// The tax table: one run of the engine on the month's inputs, the month or the whole year.
Steuer tabelle(Testfall& t, int m, bool jahr, std::int64_t lohn, std::int64_t versorgung,
               int versorgungsmonate = 0) {
    const Monatssatz& s = t.monat(m);
    Lohnsteuerrechner e;
    e.JAHR = t.jahr;
    e.LZZ = jahr ? 1 : 2;
    e.R = 1;
    e.STKL = s.Auswahl[Steuerklasse] + 1;
    e.ZKF = Money::raw(s.Auswahl[Kinderfreibetraege] * 5000);
    e.AJAHR = 2004;
    e.RE4 = Money::whole(lohn);
    e.VBEZ = Money::whole(versorgung);
    e.VJAHR = 2005 + t.kopf().Versorgungsbeginn;
    e.VBEZM = t.kopf().ErsterVollerMonatsbezug;
    e.VBEZS = t.kopf().VersorgungsSonderzahlung;
    e.ZMVB = Money::whole(versorgungsmonate);
    for (int k = jahr ? 0 : m; k <= (jahr ? kMonate - 1 : m); ++k) {
        e.WFundF += Money::whole(t.monat(k).Betrag[Freibetrag]);
        e.HINZUR += Money::whole(t.monat(k).Betrag[Hinzurechnung]);
    }
    e.lohnsteuer();
    const int satz = kirchensatz(s.Auswahl[Kirchensteuer]);
    return {e.LSTPERIODE.toInt64(), e.SOLZLZZ.toInt64(),
            (e.BK * Money::whole(satz)).units() / Money::kScale / 100};
}

// What the model expects of the twelve months' taxes (positive amounts withheld).
std::array<Steuer, kMonate> steuern(Testfall& t, bool& abgelehnt) {
    // The pension allowance of an annual run counts the months that pay pensions.
    int monate = 0;
    for (int k = 0; k < kMonate; ++k) {
        monate += wirksam(t, k, Versorgungsbezug) + wirksam(t, k, EinmaligerVersorgungsbezug) != 0;
    }
    std::array<Steuer, kMonate> r{};
    for (int m = 0; m < kMonate; ++m) {
        const std::int64_t rente = wirksam(t, m, Versorgungsbezug);
        const bool ohneTage = t.monat(m).Betrag[Wochenstunden] == 0;
        const Steuer lfd =
            ohneTage ? Steuer{} : tabelle(t, m, false, wirksam(t, m, Gehalt) + rente, rente);
        const auto [lohn, versorgung] = jahreslohn(t, m);
        const std::int64_t einmalRente = wirksam(t, m, EinmaligerVersorgungsbezug);
        const std::int64_t einmal = wirksam(t, m, EinmaligerBezug) + einmalRente;
        const std::int64_t lstEinmal = std::max<std::int64_t>(
            tabelle(t, m, true, lohn + einmal, versorgung + einmalRente, monate).lst -
                tabelle(t, m, true, lohn, versorgung, monate).lst,
            0);
        const int kirche = t.monat(m).Auswahl[Kirchensteuer];
        r[m] = {lfd.lst + lstEinmal, lfd.soli + lstEinmal * 55 / 1000,
                lfd.kirche + lstEinmal * kirchensatz(kirche) / 100, lstEinmal};
        if (wahl::kirche::istMindest(kirche)) {
            r[m].kirche = lfd.lst == 0 ? 0 : kirche == wahl::kirche::Mindest015 ? 15 : 30;
        }
    }
    bool hindernis = false;
    const int klasse = t.monat(0).Auswahl[Steuerklasse];
    for (int m = 0; m < kMonate; ++m) {
        const Monatssatz& s = t.monat(m);
        hindernis |= s.Auswahl[Steuerklasse] != klasse || klasse >= wahl::klasse::V ||
                     s.Betrag[Freibetrag] != 0 || s.Betrag[Hinzurechnung] != 0;
    }
    const bool ausgleich = t.monat(0).Auswahl[Jahresausgleich] == wahl::ausgleich::Mit;
    abgelehnt = ausgleich && hindernis;
    if (ausgleich && !hindernis) {
        const auto [lohn, versorgung] = jahreslohn(t, kMonate);
        const Steuer jahr = tabelle(t, 11, true, lohn, versorgung, monate);
        Steuer bisher;
        for (int k = 0; k < 11; ++k) {
            bisher.lst += r[k].lst, bisher.soli += r[k].soli, bisher.kirche += r[k].kirche;
        }
        Steuer& d = r[11];
        d.lst = std::min(d.lst, jahr.lst - bisher.lst);
        d.soli = std::min(d.soli, jahr.soli - bisher.soli);
        if (!wahl::kirche::istMindest(t.monat(11).Auswahl[Kirchensteuer])) {
            d.kirche = std::min(d.kirche, jahr.kirche - bisher.kirche);
        }
    }
    return r;
}

TEST(PayrollModell, ZufallsjahreWieVomModellErwartet) {
    std::mt19937 zufall(20071231);
    // Monthly ceilings of health and pension insurance, west and east, 2004-2007.
    const std::int64_t kvbbg[] = {348750, 352500, 356250, 356250};
    const std::int64_t rvbbg[2][4] = {{515000, 520000, 525000, 525000},
                                      {435000, 440000, 440000, 455000}};
    const std::int64_t zusatz[] = {0, 90, 25, 115};  // hundredths of a percent
    // One calculation for every case: nothing of one case's runs may reach the next.
    Monatsberechnung monatsberechnung;
    for (int fall = 0; fall < 300; ++fall) {
        Testfall t = zufallsfall(zufall);
        const int land = t.monat(0).Auswahl[Bundesland];
        SCOPED_TRACE(testing::Message() << "case " << fall << ", " << t.jahr << ", state " << land);
        bool abgelehnt = false;
        const auto soll = steuern(t, abgelehnt);
        EXPECT_EQ(
            monatsberechnung.berechne(*t.bereich, t.jahr, 0, 0) != Ausgleichshindernis::Keines,
            abgelehnt);
        const Arbeitsbereich gerechnet = *t.bereich;
        Lohnsteuerrechner monatslauf = monatslaufVorbereiten(gerechnet, t.jahr, 0, fall % kMonate);
        monatslauf.lohnsteuer();
        const Monatssatz& probe = t.monat(fall % kMonate);
        const bool ohneTage = probe.Betrag[Wochenstunden] == 0;
        EXPECT_EQ(ohneTage ? 0 : -monatslauf.LSTPERIODE.toInt64(),
                  probe.Kennwert[kennwert::LohnsteuerLaufend]);
        monatsberechnung.berechne(*t.bereich, t.jahr, 0, 0);
        EXPECT_EQ(*t.bereich, gerechnet);  // the same again, and nothing written by the month's run

        using namespace wahl::land;
        bool ost = false;
        for (int o : {Brandenburg, MecklenburgVorpommern, Sachsen, SachsenAnhalt, Thueringen})
            ost |= land == o;
        const int y = t.jahr - 2004;
        const std::int64_t pvSatz = 85, rvSatz = t.jahr == 2007 ? 995 : 975,
                           avSatz = t.jahr == 2007 ? 210 : 325;
        for (int m = 0; m < kMonate; ++m) {
            SCOPED_TRACE(testing::Message() << "month " << m);
            const auto& s = t.monat(m);
            const auto& b = s.Betrag;
            EXPECT_EQ(b[Lohnsteuer], -soll[m].lst);
            EXPECT_EQ(b[Soli], -soll[m].soli);
            EXPECT_EQ(b[Kirchensteuer], -soll[m].kirche);
            EXPECT_EQ(s.Kennwert[kennwert::LohnsteuerEinmal], -soll[m].lstEinmal);

            // On the pay within the ceilings, and on what the one-time payment used of them.
            const std::int64_t gehalt = wirksam(t, m, Gehalt);
            const std::int64_t kv = std::min(gehalt, kvbbg[y]);
            const std::int64_t rv = std::min(gehalt, rvbbg[ost][y]);
            const std::int64_t kvE = s.Kennwert[kennwert::KvBbgGenutzt];
            const std::int64_t rvE = s.Kennwert[kennwert::RvBbgGenutzt];
            const auto beitrag = [&](int zeile, std::int64_t lfd, std::int64_t einm,
                                     std::int64_t satz, std::int64_t teiler) {
                const int code = s.Auswahl[zeile];
                const int vz = code == wahl::vers::Beitrag ? -1 : code == wahl::vers::Zuschuss;
                return vz * (kaufmaennisch(lfd, satz, teiler) + kaufmaennisch(einm, satz, teiler));
            };
            EXPECT_EQ(b[Krankenversicherung],
                      beitrag(Krankenversicherung, kv, kvE, b[KvSatz], 20000));
            std::int64_t pv = beitrag(Pflegeversicherung, kv, kvE, pvSatz, 10000);
            const int pvCode = s.Auswahl[Pflegeversicherung];
            if (pvCode == wahl::vers::SachsenBeitrag) pv = -kaufmaennisch(kv, 135, 10000);
            if (pvCode == wahl::vers::SachsenZuschuss) pv = kaufmaennisch(kv, 35, 10000);
            EXPECT_EQ(b[Pflegeversicherung], pv);
            EXPECT_EQ(b[Rentenversicherung], beitrag(Rentenversicherung, rv, rvE, rvSatz, 10000));
            EXPECT_EQ(b[Arbeitslosenversicherung],
                      beitrag(Arbeitslosenversicherung, rv, rvE, avSatz, 10000));
            const std::int64_t z = zusatz[s.Auswahl[Zusatzbeitrag]];
            EXPECT_EQ(b[Zusatzbeitrag],
                      -kaufmaennisch(kv, z, 10000) - kaufmaennisch(kvE, z, 10000));
            // The parts add up to the deduction, but for the taxes of a settled December.
            const bool ausgeglichen = m == 11 && s.Auswahl[Jahresausgleich] == wahl::ausgleich::Mit;
            for (const Abzugsteile& a : kAbzugsteile) {
                if (ausgeglichen && a.zeile <= Kirchensteuer) continue;
                EXPECT_EQ(s.Kennwert[a.laufend] + s.Kennwert[a.einmalig], b[a.zeile]) << a.zeile;
            }
        }
    }
}

}  // namespace
}  // namespace brelvanostik
