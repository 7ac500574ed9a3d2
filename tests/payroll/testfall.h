#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "payroll/monatsberechnung.h"
#include "workspace/arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik::testfall {

enum Monat : int { Jan, Feb, Mar, Apr, Mai, Jun, Jul, Aug, Sep, Okt, Nov, Dez };

// clang-format off
/// One edit in months von..bis: bank 'A' choice, 'B' amount of a row; 'H' and 'D' take income
/// row `zeile` out of the hours or the days ratio; 'V' sets the pension start code `zeile` and
/// the first full monthly pension `wert` of the header.
struct Eingabe { char bank; int zeile; std::int32_t wert; int von = Jan, bis = Dez; };

/// One expected cell: 'B', 'K' (Kennwert), 'S', 'T' (hours and days share) of a row in a
/// month, or the header's carried ceilings 'k' (health)
/// and 'r' (pension) of a month. Without a bank, a row names an amount and a slot a Kennwert.
struct Erwartung {
    char bank; int monat, zeile; std::int64_t wert;
    Erwartung(char b, int m, int z, std::int64_t w) : bank(b), monat(m), zeile(z), wert(w) {}
    Erwartung(int m, zeile::Zeile z, std::int64_t w) : Erwartung('B', m, z, w) {}
    Erwartung(int m, kennwert::Kennwert k, std::int64_t w) : Erwartung('K', m, k, w) {}
};
// clang-format on

/// A calculation filled by hand: the salary in every month, 30 of 30 days, 40 of 40 hours,
/// born after 1942, tax class I, no church, plain halves of every insurance at 14.20 %, every
/// income row in both ratios.
struct Testfall {
    std::unique_ptr<Arbeitsbereich> bereich = std::make_unique<Arbeitsbereich>();
    Monatsberechnung monatsberechnung;
    int jahr;

    Testfall(int jahr, int land, std::int32_t gehalt) : jahr(jahr) {
        using namespace zeile;
        for (int m = Jan; m <= Dez; ++m) {
            Monatssatz& s = monat(m);
            s.Auswahl[Geburtsjahrgang] = wahl::jahrgang::Nach1942;
            s.Auswahl[Bundesland] = static_cast<std::int16_t>(land);
            s.Auswahl[Monatsgehalt] = static_cast<std::int16_t>(m);
            s.Auswahl[Abzug] = wahl::abzug::Sonstiger;
            s.Betrag[NormalWochenstunden] = s.Betrag[Wochenstunden] = 4000;
            s.Betrag[NormalTage] = s.Betrag[Tage] = 3000;
            s.Betrag[KvSatz] = 1420;
            s.Betrag[Gehalt] = gehalt;
        }
        for (auto& zeile : kopf().InStundenquote) zeile.fill(true);
        for (auto& zeile : kopf().InTagesquote) zeile.fill(true);
    }

    Monatssatz& monat(int m) { return bereich->monat(jahr - kErstesJahr, 0, m); }
    Fallkopf& kopf() { return bereich->kopf(jahr - kErstesJahr, 0); }

    void aendere(const Eingabe& e) {
        if (e.bank == 'V') {
            kopf().Versorgungsbeginn = static_cast<std::int16_t>(e.zeile);
            kopf().ErsterVollerMonatsbezug = Money::whole(e.wert);
            return;
        }
        // clang-format off
        for (int m = e.von; m <= e.bis; ++m) {
            auto& quoten = e.bank == 'H' ? kopf().InStundenquote : kopf().InTagesquote;
            switch (e.bank) {
                case 'A': monat(m).Auswahl.at(e.zeile) = static_cast<std::int16_t>(e.wert); break;
                case 'B': monat(m).Betrag.at(e.zeile) = e.wert; break;
                case 'H':
                case 'D': quoten.at(e.zeile - kErsteAnteilZeile).at(m) = false; break;
                default: ADD_FAILURE() << "unknown bank '" << e.bank << "' in an edit"; return;
            }
        }
    }
    std::int64_t zelle(const Erwartung& e) {
        Monatssatz& s = monat(e.monat);
        switch (e.bank) {
            case 'B': return s.Betrag[e.zeile];
            case 'K': return s.Kennwert[e.zeile];
            case 'S': return s.stundenanteil(e.zeile);
            case 'T': return s.tagesanteil(e.zeile);
            case 'k': return kopf().KvBbgRest[e.monat];
            case 'r': return kopf().RvBbgRest[e.monat];
        }
        // clang-format on
        ADD_FAILURE() << "unknown bank '" << e.bank << "' in an expected cell";
        return 0;
    }

    Ausgleichshindernis rechne(int startMonat = Jan) {
        return monatsberechnung.berechne(*bereich, jahr, 0, startMonat);
    }
};

/// A table row: edits of the default case of a year, state and salary, and expected cells.
struct Fall {
    const char* was;
    std::vector<Eingabe> eingaben;
    std::vector<Erwartung> erwartet;
    int jahr = 2004, land = wahl::land::NordrheinWestfalen;
    std::int32_t gehalt = 300000;
};

inline void pruefe(std::initializer_list<Fall> faelle) {
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        Testfall t(f.jahr, f.land, f.gehalt);
        for (const Eingabe& e : f.eingaben) t.aendere(e);
        t.rechne();
        for (const Erwartung& e : f.erwartet)
            EXPECT_EQ(t.zelle(e), e.wert) << e.bank << " month " << e.monat << " row " << e.zeile;
    }
}

}  // namespace brelvanostik::testfall
