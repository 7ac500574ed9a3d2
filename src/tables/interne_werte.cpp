#include "tables/interne_werte.h"

#include "session/sitzung.h"

namespace brelvanostik {

namespace {

constexpr std::array<std::string_view, InterneWerte::kOben> kBeschriftungen = {
    "Steuerpflichtiges Entgelt bis Vormonat",
    "Steuerpflichtiges Entgelt lfd. Monat",
    "Jahresentgelt  o h n e   Einmalzahlung",
    "Jahresentgelt   m i t    Einmalzahlung",
    "+/- lt. Steuerkarte Jahresbetrag",
    "SV-pflichtiges Entgelt dieses Monats",
    "Nicht verbeitragter Betrag unter KV-BBG bisher",
    "Davon verwendet für Einmalzahlung",
    "Weiterhin übrig für die KV",
    "Nicht verbeitragter Betrag unter RV-BBG bisher",
    "Davon verwendet für Einmalzahlung",
    "Weiterhin übrig für die RV",
};

// Kennwert rows of column 3; -1 where the value is formed here.
constexpr std::array<int, InterneWerte::kOben> kKennwerte = {0,  29, 1,  2,  -1, 26,
                                                             19, 20, 21, 22, 23, 24};

// Kennwert rows of the deductions on the current pay and on one-time payments.
constexpr std::array<int, InterneWerte::kAbzuege> kLaufend = {3, 4, 5, 9, 10, 11, 12, 13};
constexpr std::array<int, InterneWerte::kAbzuege> kEinmalig = {6, 7, 8, 14, 15, 16, 17, 18};

}  // namespace

std::string_view InterneWerte::beschriftung(int zeile) {
    return kBeschriftungen.at(static_cast<std::size_t>(zeile));
}

InterneWerte interneWerte(const Monatssatz& s) {
    InterneWerte w;
    for (int z = 0; z < 5; ++z)
        w.monatsbetraege[static_cast<std::size_t>(z)] = s.tagesanteil(z + 5);
    w.monatsbetraege[5] = s.Betrag[12];
    for (std::size_t z = 0; z < kKennwerte.size(); ++z) {
        if (kKennwerte[z] >= 0)
            w.zwischenwerte[z] = s.Kennwert[static_cast<std::size_t>(kKennwerte[z])];
    }
    // The tax card states a monthly amount; over the year it counts twelve times.
    w.zwischenwerte[4] = (static_cast<std::int64_t>(s.Betrag[14]) - s.Betrag[13]) * kMonate;
    for (std::size_t i = 0; i < kLaufend.size(); ++i) {
        w.laufend[i] = s.Kennwert[static_cast<std::size_t>(kLaufend[i])];
        w.einmalig[i] = s.Kennwert[static_cast<std::size_t>(kEinmalig[i])];
        w.summeLaufend += w.laufend[i];
        w.summeEinmalig += w.einmalig[i];
    }
    w.nettoLaufend = s.tagesanteil(5) + w.summeLaufend;
    w.nettoEinmalig =
        static_cast<std::int64_t>(s.tagesanteil(7)) + s.tagesanteil(8) + w.summeEinmalig;
    return w;
}

InterneWerte interneWerte(const Sitzung& sitzung, Seite seite) {
    return interneWerte(sitzung.arbeitsbereich().monat(sitzung.jahr() - kErstesJahr,
                                                       sitzung.berechnung(seite), sitzung.monat()));
}

}  // namespace brelvanostik
