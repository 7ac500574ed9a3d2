// The month calculation against a small model of its own, over seeded random years: the taxes
// of the current pay and of one-time payments, the minimum church tax, the employer's December
// adjustment and the contributions, each worked out here from the rules as a clerk applies
// them, with the wage tax engine as the tax table.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/lohnsteuer.h"
#include "testfall.h"

namespace brelvanostik {
namespace {

// Half a cent and more rounds up, as the social insurance computes: cents x rate / teiler.
std::int64_t kaufmaennisch(std::int64_t cent, std::int64_t satz, std::int64_t teiler) {
    return (2 * cent * satz + teiler) / (2 * teiler);
}

struct Jahr {
    int jahr, land, klasse, kinder, kirche, kvSatz, kv, pv, rv, av, zusatz;
    bool ausgleich;
    int wechselMonat = -1, zweiteKlasse = 0;
    std::array<std::int64_t, kMonate> gehalt{}, einmal{}, freibetrag{}, hinzu{};
};

Jahr zufallsjahr(std::mt19937& z) {
    const auto bis = [&](int n) { return static_cast<int>(z() % static_cast<unsigned>(n)); };
    Jahr j{2004 + bis(4), bis(16),    bis(6), bis(7), bis(5), 1200 + bis(400), 0, 0, 0, 0,
           bis(4),        bis(3) != 0};
    const int kv[] = {0, 0, 1, 3}, pv[] = {0, 0, 1, 3, 4, 5}, rv[] = {0, 0, 1, 3}, av[] = {0, 2};
    j.kv = kv[bis(4)], j.pv = pv[bis(6)], j.rv = rv[bis(4)], j.av = av[bis(2)];
    if (bis(5) == 0) j.wechselMonat = 1 + bis(11), j.zweiteKlasse = bis(6);
    const std::int64_t gehalt = 90000 + bis(600000);
    const bool karte = bis(4) == 0;
    for (int m = 0; m < kMonate; ++m) {
        j.gehalt[m] = gehalt + (m >= 6 && bis(3) == 0 ? bis(100000) : 0);
        if (bis(6) == 0) j.einmal[m] = bis(1200000);
        if (karte && bis(2) == 0) (bis(2) ? j.freibetrag[m] : j.hinzu[m]) = bis(60000);
    }
    return j;
}

int klasseIm(const Jahr& j, int m) {
    return j.wechselMonat >= 0 && m >= j.wechselMonat ? j.zweiteKlasse : j.klasse;
}

struct Steuer {
    std::int64_t lst, soli, kirche;
};

// The tax table: one run of the engine on the month's inputs, the month or the whole year.
Steuer tabelle(const Jahr& j, int m, bool jahr, std::int64_t lohn) {
    Lohnsteuerrechner e;
    e.JAHR = j.jahr;
    e.LZZ = jahr ? 1 : 2;
    e.R = 1;
    e.STKL = klasseIm(j, m) + 1;
    e.ZKF = Money::raw(j.kinder * 5000);
    e.AJAHR = 2004;
    e.RE4 = Money::whole(lohn);
    std::int64_t frei = j.freibetrag[m], hinzu = j.hinzu[m];
    if (jahr) {
        frei = hinzu = 0;
        for (int k = 0; k < kMonate; ++k) frei += j.freibetrag[k], hinzu += j.hinzu[k];
    }
    e.WFundF = Money::whole(frei);
    e.HINZUR = Money::whole(hinzu);
    e.lohnsteuer();
    const int satz = j.kirche == 1 ? 8 : j.kirche == 2 ? 9 : 0;
    return {e.LSTPERIODE.toInt64(), e.SOLZLZZ.toInt64(),
            (e.BK * Money::whole(satz)).units() / Money::kScale / 100};
}

struct Monat {
    std::int64_t lst = 0, soli = 0, kirche = 0, lstLaufend = 0;
};

// What the model expects of the twelve months' taxes (positive amounts withheld).
std::array<Monat, kMonate> steuern(const Jahr& j, bool& abgelehnt) {
    std::array<Monat, kMonate> r{};
    for (int m = 0; m < kMonate; ++m) {
        const Steuer lfd = tabelle(j, m, false, j.gehalt[m]);
        std::int64_t ohne = 0;
        for (int k = 0; k < kMonate; ++k) ohne += j.gehalt[k] + (k < m ? j.einmal[k] : 0);
        const std::int64_t lstEinmal = std::max<std::int64_t>(
            tabelle(j, m, true, ohne + j.einmal[m]).lst - tabelle(j, m, true, ohne).lst, 0);
        const int satz = j.kirche == 1 ? 8 : j.kirche == 2 ? 9 : 0;
        r[m] = {lfd.lst + lstEinmal, lfd.soli + lstEinmal * 55 / 1000,
                lfd.kirche + lstEinmal * satz / 100, lfd.lst};
        if (j.kirche >= 3) r[m].kirche = lfd.lst > 0 ? (j.kirche == 3 ? 15 : 30) : 0;
    }
    bool hindernis = false;
    for (int m = 0; m < kMonate; ++m) {
        hindernis |= klasseIm(j, m) >= 4 || klasseIm(j, m) != j.klasse || j.freibetrag[m] != 0 ||
                     j.hinzu[m] != 0;
    }
    abgelehnt = j.ausgleich && hindernis;
    if (j.ausgleich && !hindernis) {
        std::int64_t lohn = 0;
        for (int k = 0; k < kMonate; ++k) lohn += j.gehalt[k] + j.einmal[k];
        const Steuer jahr = tabelle(j, 11, true, lohn);
        Monat bisher;
        for (int k = 0; k < 11; ++k) {
            bisher.lst += r[k].lst, bisher.soli += r[k].soli, bisher.kirche += r[k].kirche;
        }
        Monat& d = r[11];
        d.lst = std::min(d.lst, jahr.lst - bisher.lst);
        d.soli = std::min(d.soli, jahr.soli - bisher.soli);
        if (j.kirche < 3) d.kirche = std::min(d.kirche, jahr.kirche - bisher.kirche);
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
    for (int fall = 0; fall < 300; ++fall) {
        const Jahr j = zufallsjahr(zufall);
        SCOPED_TRACE(testing::Message()
                     << "case " << fall << ", " << j.jahr << ", state " << j.land);
        testfall::Testfall t(j.jahr, j.land, 0);
        for (int m = 0; m < kMonate; ++m) {
            auto& s = t.monat(m);
            s.Auswahl[zeile::Steuerklasse] = static_cast<std::int16_t>(klasseIm(j, m));
            s.Auswahl[zeile::Kinderfreibetraege] = static_cast<std::int16_t>(j.kinder);
            s.Auswahl[zeile::Kirchensteuer] = static_cast<std::int16_t>(j.kirche);
            s.Auswahl[zeile::Jahresausgleich] = j.ausgleich ? 1 : 0;
            s.Auswahl[zeile::Krankenversicherung] = static_cast<std::int16_t>(j.kv);
            s.Auswahl[zeile::Pflegeversicherung] = static_cast<std::int16_t>(j.pv);
            s.Auswahl[zeile::Rentenversicherung] = static_cast<std::int16_t>(j.rv);
            s.Auswahl[zeile::Arbeitslosenversicherung] = static_cast<std::int16_t>(j.av);
            s.Auswahl[zeile::Zusatzbeitrag] = static_cast<std::int16_t>(j.zusatz);
            s.Betrag[zeile::KvSatz] = j.kvSatz;
            s.Betrag[zeile::Gehalt] = static_cast<std::int32_t>(j.gehalt[m]);
            s.Betrag[zeile::EinmaligerBezug] = static_cast<std::int32_t>(j.einmal[m]);
            s.Betrag[zeile::Freibetrag] = static_cast<std::int32_t>(j.freibetrag[m]);
            s.Betrag[zeile::Hinzurechnung] = static_cast<std::int32_t>(j.hinzu[m]);
        }
        const Ausgleichshindernis hindernis = t.rechne();
        bool abgelehnt = false;
        const auto soll = steuern(j, abgelehnt);
        EXPECT_EQ(hindernis != Ausgleichshindernis::Keines, abgelehnt);

        const int y = j.jahr - 2004;
        const bool ost = j.land == 3 || j.land == 7 || j.land == 12 || j.land == 13 || j.land == 15;
        const std::int64_t pvSatz = 85, rvSatz = j.jahr == 2007 ? 995 : 975,
                           avSatz = j.jahr == 2007 ? 210 : 325;
        for (int m = 0; m < kMonate; ++m) {
            SCOPED_TRACE(testing::Message() << "month " << m);
            const auto& s = t.monat(m);
            const auto& b = s.Betrag;
            EXPECT_EQ(b[zeile::Lohnsteuer], -soll[m].lst);
            EXPECT_EQ(b[zeile::Soli], -soll[m].soli);
            EXPECT_EQ(b[zeile::Kirchensteuer], -soll[m].kirche);

            // Contributions on the pay within the month's ceilings and on the part of the
            // one-time payment that the ceilings left (read from the calculation).
            const std::int64_t kv = std::min(j.gehalt[m], kvbbg[y]);
            const std::int64_t rv = std::min(j.gehalt[m], rvbbg[ost][y]);
            const std::int64_t kvE = s.Kennwert[kennwert::KvBbgGenutzt];
            const std::int64_t rvE = s.Kennwert[kennwert::RvBbgGenutzt];
            const auto halbe = [](int code, std::int64_t betrag) {
                return code == 0 ? -betrag : code == 1 ? betrag : 0;
            };
            const auto beitrag = [&](int code, std::int64_t lfd, std::int64_t einm,
                                     std::int64_t satz, std::int64_t teiler) {
                return halbe(code, kaufmaennisch(lfd, satz, teiler)) +
                       halbe(code, kaufmaennisch(einm, satz, teiler));
            };
            EXPECT_EQ(b[zeile::Krankenversicherung], beitrag(j.kv, kv, kvE, j.kvSatz, 20000));
            std::int64_t pv = beitrag(j.pv, kv, kvE, pvSatz, 10000);
            if (j.pv == 4) pv = -kaufmaennisch(kv, 135, 10000);
            if (j.pv == 5) pv = kaufmaennisch(kv, 35, 10000);
            EXPECT_EQ(b[zeile::Pflegeversicherung], pv);
            EXPECT_EQ(b[zeile::Rentenversicherung], beitrag(j.rv, rv, rvE, rvSatz, 10000));
            EXPECT_EQ(b[zeile::Arbeitslosenversicherung],
                      j.av == 0 ? beitrag(0, rv, rvE, avSatz, 10000) : 0);
            EXPECT_EQ(b[zeile::Zusatzbeitrag], -kaufmaennisch(kv, zusatz[j.zusatz], 10000) -
                                                   kaufmaennisch(kvE, zusatz[j.zusatz], 10000));
            std::int64_t auszahlung = j.gehalt[m] + j.einmal[m];
            for (int z = zeile::Lohnsteuer; z <= zeile::Abzug; ++z) auszahlung += b[z];
            EXPECT_EQ(b[zeile::Auszahlung], auszahlung);
        }
    }
}

}  // namespace
}  // namespace brelvanostik
