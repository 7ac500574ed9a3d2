#include "tables/alle_monate.h"

#include "session/sitzung.h"

namespace brelvanostik {

namespace {

constexpr std::array<std::string_view, AlleMonate::kZeilen + 1> kBeschriftungen = {
    "Gehalt",          "lfd. Gehalt",       "Versorg.Bezug",
    "Einmal. Bezug",   "Einm.Versorg.B.",   "Vergüt.f.mehrj.T.",
    "B R U T T O",     "Lohnsteuer",        "Soli-Zuschlag",
    "Kirchensteuer",   "Krankenversich.",   "Pflegeversich.",
    "Rentenversich.",  "Arbeitsl.Versich.", "SV-Zusatzbeitr.",
    "Su. A B Z Ü G E", "N E T T O",         "Sparleistung",
    "AUSZAHLUNG",      "Steuerpflichtig",   " +/- Lt. Lohnst.Karte",
    "SV-pflichtig",    "KV-verbeitragt",    "RV-verbeitragt",
};

// The stored value behind a table row that is read straight from the month record.
std::int64_t gespeichert(const Monatssatz& s, int tabellenzeile) {
    if (tabellenzeile <= 5) return s.tagesanteil(tabellenzeile + 4);  // income rows 5..9
    switch (tabellenzeile) {
        case 6:
            return s.Betrag[12];
        case 17:
            return s.Betrag[25];
        case 18:
            return s.Betrag[26];
        case 19:
            return s.Kennwert[29];
        case 20:
            return static_cast<std::int64_t>(s.Betrag[14]) - s.Betrag[13];
        case 21:
            return s.Kennwert[26];
        case 22:
            return s.Kennwert[27];
        case 23:
            return s.Kennwert[28];
        default:
            return s.Betrag[static_cast<std::size_t>(tabellenzeile +
                                                     10)];  // rows 7..14: deductions 17..24
    }
}

}  // namespace

std::string_view AlleMonate::beschriftung(int tabellenzeile) {
    return kBeschriftungen.at(static_cast<std::size_t>(tabellenzeile));
}

std::string_view AlleMonate::spaltenkopf(int spalte) {
    return spalte == kSumme ? std::string_view("Summe")
                            : Sitzung::monatsknopfTexte().at(static_cast<std::size_t>(spalte));
}

AlleMonate alleMonate(const Arbeitsbereich& bereich, int jahrIndex, int berechnung) {
    AlleMonate t;
    for (int m = 0; m < kMonate; ++m) {
        const Monatssatz& s = bereich.monat(jahrIndex, berechnung, m);
        const auto spalte = static_cast<std::size_t>(m);
        for (int z = 1; z <= AlleMonate::kZeilen; ++z) {
            if (z == 15 || z == 16) continue;
            t.werte[static_cast<std::size_t>(z - 1)][spalte] = gespeichert(s, z);
        }
        // The deductions together, and what is left of the gross pay after them.
        std::int64_t abzuege = 0;
        for (int z = 7; z <= 14; ++z) abzuege += t.werte[static_cast<std::size_t>(z - 1)][spalte];
        t.werte[14][spalte] = abzuege;
        t.werte[15][spalte] = t.werte[5][spalte] + abzuege;
    }
    for (auto& zeile : t.werte) {
        std::int64_t summe = 0;
        for (int m = 0; m < kMonate; ++m) summe += zeile[static_cast<std::size_t>(m)];
        zeile[AlleMonate::kSumme] = summe;
    }
    return t;
}

AlleMonate alleMonate(const Sitzung& sitzung, Seite seite) {
    return alleMonate(sitzung.arbeitsbereich(), sitzung.jahr() - kErstesJahr,
                      sitzung.berechnung(seite));
}

}  // namespace brelvanostik
