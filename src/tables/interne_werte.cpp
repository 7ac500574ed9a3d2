#include "tables/interne_werte.h"

#include "session/sitzung.h"
#include "workspace/zeilen.h"

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

// The slots of column 3; -1 where the value is formed here.
constexpr int kGebildet = -1;
constexpr std::array<int, InterneWerte::kOben> kKennwerte = {
    kennwert::SteuerpflichtigBisher,
    kennwert::SteuerpflichtigesEntgelt,
    kennwert::JahreslohnOhneEinmal,
    kennwert::JahreslohnMitEinmal,
    kGebildet,
    kennwert::SvEntgelt,
    kennwert::KvBbgOffen,
    kennwert::KvBbgGenutzt,
    kennwert::KvBbgUebrig,
    kennwert::RvBbgOffen,
    kennwert::RvBbgGenutzt,
    kennwert::RvBbgUebrig,
};
constexpr int kSteuerkarte = 4;
static_assert(kKennwerte[kSteuerkarte] == kGebildet);
static_assert(kAbzugsteile.size() == InterneWerte::kAbzuege);

}  // namespace

std::string_view InterneWerte::beschriftung(int zeile) {
    return kBeschriftungen.at(static_cast<std::size_t>(zeile));
}

std::vector<InterneWerte::Spalte> InterneWerte::spalten() const {
    std::vector<Spalte> s = {{"laufend", &laufend, summeLaufend, nettoLaufend},
                             {"einmalig", &einmalig, summeEinmalig, nettoEinmalig}};
    if (mitAusgleich) {
        s.push_back({"Jahresausgleich", &ausgleich, summeAusgleich, nettoAusgleich});
        s.push_back({"gesamt", &gesamt, summeGesamt, nettoGesamt});
    }
    return s;
}

InterneWerte interneWerte(const Monatssatz& s, bool dezember) {
    InterneWerte w;
    // The five income rows, then the gross.
    for (int z = zeile::Gehalt; z <= zeile::MehrjahresVerguetung; ++z)
        w.monatsbetraege[static_cast<std::size_t>(z - zeile::Gehalt)] = s.tagesanteil(z);
    w.monatsbetraege[zeile::MehrjahresVerguetung - zeile::Gehalt + 1] = s.Betrag[zeile::Brutto];
    for (std::size_t z = 0; z < kKennwerte.size(); ++z) {
        if (kKennwerte[z] != kGebildet)
            w.zwischenwerte[z] = s.Kennwert[static_cast<std::size_t>(kKennwerte[z])];
    }
    // The tax card states a monthly amount; over the year it counts twelve times.
    w.zwischenwerte[kSteuerkarte] =
        (static_cast<std::int64_t>(s.Betrag[zeile::Hinzurechnung]) - s.Betrag[zeile::Freibetrag]) *
        kMonate;
    for (std::size_t i = 0; i < kAbzugsteile.size(); ++i) {
        w.laufend[i] = s.Kennwert[kAbzugsteile[i].laufend];
        w.einmalig[i] = s.Kennwert[kAbzugsteile[i].einmalig];
        w.gesamt[i] = s.Betrag[kAbzugsteile[i].zeile];
        // The adjustment rewrites December's stored taxes and leaves the parts as they were.
        w.ausgleich[i] = w.gesamt[i] - w.laufend[i] - w.einmalig[i];
        w.summeLaufend += w.laufend[i];
        w.summeEinmalig += w.einmalig[i];
        w.summeAusgleich += w.ausgleich[i];
        w.summeGesamt += w.gesamt[i];
        if (w.ausgleich[i] != 0) w.mitAusgleich = true;
    }
    if (dezember && s.Auswahl[zeile::Jahresausgleich] == wahl::ausgleich::Mit)
        w.mitAusgleich = true;
    w.nettoLaufend = s.tagesanteil(zeile::Gehalt) + w.summeLaufend;
    w.nettoEinmalig = static_cast<std::int64_t>(s.tagesanteil(zeile::EinmaligerBezug)) +
                      s.tagesanteil(zeile::EinmaligerVersorgungsbezug) + w.summeEinmalig;
    w.nettoAusgleich = w.summeAusgleich;
    w.nettoGesamt = w.nettoLaufend + w.nettoEinmalig + w.nettoAusgleich;
    return w;
}

InterneWerte interneWerte(const Sitzung& sitzung, Seite seite) {
    return interneWerte(sitzung.arbeitsbereich().monat(sitzung.jahr() - kErstesJahr,
                                                       sitzung.berechnung(seite), sitzung.monat()),
                        sitzung.monat() == kMonate - 1);
}

}  // namespace brelvanostik
