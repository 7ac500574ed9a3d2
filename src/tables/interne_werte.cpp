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

// Captions of the deductions in the lower block, in the order of `laufend` and `einmalig`.
constexpr std::array<std::string_view, InterneWerte::kAbzuege> kAbzugsbeschriftungen = {
    "Lohnsteuer",
    "Solidaritätszuschlag",
    "Kirchensteuer",
    "Krankenversicherung",
    "Pflegeversicherung",
    "Rentenversicherung",
    "Arbeitslosenversicherung",
    "SV-Zusatzbeitrag",
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

std::vector<std::vector<InterneWerteZelle>> interneWerteRaster(const InterneWerte& w) {
    // Columns: amount of the month or "laufend", "einmalig", caption, intermediate value.
    constexpr std::size_t kSpalten = 4;
    constexpr int kKopfzeile = 13;
    constexpr int kSummenzeile = 24;
    std::vector<std::vector<InterneWerteZelle>> raster(kSummenzeile + 2,
                                                       std::vector<InterneWerteZelle>(kSpalten));
    const auto text = [](std::string_view t, bool fett = false) {
        return InterneWerteZelle{std::string(t), std::nullopt, fett};
    };
    const auto wert = [](std::int64_t betrag, bool fett = false) {
        return InterneWerteZelle{{}, betrag, fett};
    };
    for (int z = 0; z < InterneWerte::kOben; ++z) {
        const auto zz = static_cast<std::size_t>(z);
        auto& zeile = raster[zz];
        if (w.monatsbetraege[zz]) zeile[0] = wert(*w.monatsbetraege[zz]);
        zeile[2] = text(InterneWerte::beschriftung(z));
        zeile[3] = wert(w.zwischenwerte[zz]);
    }
    raster[kKopfzeile][0] = text("laufend", true);
    raster[kKopfzeile][1] = text("einmalig", true);
    for (std::size_t i = 0; i < InterneWerte::kAbzuege; ++i) {
        auto& zeile =
            raster[static_cast<std::size_t>(InterneWerte::abzugszeile(static_cast<int>(i)))];
        zeile[0] = wert(w.laufend[i]);
        zeile[1] = wert(w.einmalig[i]);
        zeile[2] = text(kAbzugsbeschriftungen[i]);
    }
    auto& summe = raster[kSummenzeile];
    summe[0] = wert(w.summeLaufend, true);
    summe[1] = wert(w.summeEinmalig, true);
    summe[2] = text("Summe der gesetzlichen Abzüge");
    auto& netto = raster[kSummenzeile + 1];
    netto[0] = wert(w.nettoLaufend);
    netto[1] = wert(w.nettoEinmalig);
    netto[2] = text("Netto ohne Gehaltsumwandlung");
    return raster;
}

InterneWerte interneWerte(const Sitzung& sitzung, Seite seite) {
    return interneWerte(sitzung.arbeitsbereich().monat(sitzung.jahr() - kErstesJahr,
                                                       sitzung.berechnung(seite), sitzung.monat()));
}

}  // namespace brelvanostik
