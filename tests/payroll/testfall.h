#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/lohnsteuer.h"
#include "payroll/monatsberechnung.h"
#include "workspace/arbeitsbereich.h"

namespace brelvanostik::testfall {

/// One edit of the default case in months von..bis: bank 'A' choice, 'B' amount of a row;
/// 'H' and 'D' take income row `zeile` out of the hours or the days ratio (wert ignored).
struct Eingabe {
    char bank;
    int zeile;
    std::int32_t wert;
    int von = 0, bis = kMonate - 1;
};

/// One expected cell after the run: 'A' Auswahl, 'B' Betrag, 'K' Kennwert, 'S' Stundenanteil,
/// 'T' Tagesanteil of a row, or the header's carried ceilings 'k' KvBbgRest, 'r' RvBbgRest.
struct Erwartung {
    char bank;
    int monat, zeile;
    std::int32_t wert;
};

/// One calculation filled by hand: a salary in every month, 30 of 30 days, 40 of 40 hours,
/// born after 1942, tax class 1, no church, plain halves of every insurance, every income row
/// in both ratios. The engine is owned here and has R = 1, as at program start.
struct Testfall {
    std::unique_ptr<Arbeitsbereich> bereich = std::make_unique<Arbeitsbereich>();
    Lohnsteuerrechner engine;
    Monatsberechnung rechner{engine};
    int jahr;

    Testfall(int jahr, int land, std::int32_t gehalt, std::int32_t kvsatz = 1420) : jahr(jahr) {
        engine.R = 1;
        for (int m = 0; m < kMonate; ++m) {
            Monatssatz& s = monat(m);
            s.Auswahl[1] = 4;
            s.Auswahl[2] = static_cast<std::int16_t>(land);
            s.Auswahl[10] = static_cast<std::int16_t>(m);
            s.Auswahl[25] = 6;
            s.Betrag[0] = s.Betrag[1] = 4000;
            s.Betrag[2] = s.Betrag[3] = 3000;
            s.Betrag[4] = kvsatz;
            s.Betrag[5] = gehalt;
        }
        for (auto& zeile : kopf().InStundenquote) zeile.fill(true);
        for (auto& zeile : kopf().InTagesquote) zeile.fill(true);
    }

    Monatssatz& monat(int m) { return bereich->monat(jahr - kErstesJahr, 0, m); }
    Fallkopf& kopf() { return bereich->kopf(jahr - kErstesJahr, 0); }

    void aendere(const Eingabe& e) {
        for (int m = e.von; m <= e.bis; ++m) {
            if (e.bank == 'A') monat(m).Auswahl[e.zeile] = static_cast<std::int16_t>(e.wert);
            if (e.bank == 'B') monat(m).Betrag[e.zeile] = e.wert;
            if (e.bank == 'H') kopf().InStundenquote[e.zeile - 5][m] = false;
            if (e.bank == 'D') kopf().InTagesquote[e.zeile - 5][m] = false;
        }
    }
    void betrag(int zeile, std::int32_t wert, int von = 0, int bis = kMonate - 1) {
        aendere({'B', zeile, wert, von, bis});
    }
    void auswahl(int zeile, int wert, int von = 0, int bis = kMonate - 1) {
        aendere({'A', zeile, wert, von, bis});
    }

    std::int32_t zelle(const Erwartung& e) {
        Monatssatz& s = monat(e.monat);
        // clang-format off
        switch (e.bank) {
            case 'A': return s.Auswahl[e.zeile];
            case 'B': return s.Betrag[e.zeile];
            case 'K': return s.Kennwert[e.zeile];
            case 'S': return s.stundenanteil(e.zeile);
            case 'T': return s.tagesanteil(e.zeile);
            case 'k': return kopf().KvBbgRest[e.monat];
            default: return kopf().RvBbgRest[e.monat];
        }
        // clang-format on
    }

    Ergebnis rechne(int startMonat = 0) { return rechner.berechne(*bereich, jahr, 0, startMonat); }
};

/// A table row: the default case of a year, state and salary, its edits, expected cells.
struct Fall {
    const char* was;
    int jahr, land;
    std::int32_t gehalt;
    std::vector<Eingabe> eingaben;
    std::vector<Erwartung> erwartet;
};

inline void pruefe(const Fall& f) {
    SCOPED_TRACE(f.was);
    Testfall t(f.jahr, f.land, f.gehalt);
    for (const Eingabe& e : f.eingaben) t.aendere(e);
    t.rechne();
    for (const Erwartung& e : f.erwartet) {
        EXPECT_EQ(t.zelle(e), e.wert) << e.bank << " month " << e.monat << " row " << e.zeile;
    }
}

/// The engine's own results for a wage, set up as the month calculation sets up the default
/// case (tax class 1, born after 1942) with the few inputs a test varies.
struct Steuern {
    Money lst, soli, bk;
};
struct Eingaben {
    int stkl = 1, krv = 0, vjahr = 2005;
    Money wfundf, hinzur, vbez, vbezm;
};
inline Steuern steuern(int jahr, int lzz, Money re4, const Eingaben& ein = {}) {
    Lohnsteuerrechner e;
    e.R = 1;
    e.JAHR = jahr;
    e.LZZ = lzz;
    e.RE4 = re4;
    e.VBEZ = ein.vbez;
    e.WFundF = ein.wfundf;
    e.HINZUR = ein.hinzur;
    e.STKL = ein.stkl;
    e.KRV = ein.krv;
    e.AJAHR = 2004;
    e.VJAHR = ein.vjahr;
    e.VBEZM = ein.vbezm;
    e.lohnsteuer();
    return {e.LSTPERIODE, e.SOLZLZZ, e.BK};
}

inline Money cents(std::int64_t c) {
    return Money::whole(c);
}

}  // namespace brelvanostik::testfall
