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

// Intermediate values of column 3; the tax card's annual amount (-1) is formed here.
constexpr int kSteuerkarte = -1;
constexpr std::array<int, InterneWerte::kOben> kKennwerte = {
    kennwert::SteuerpflichtigBisher,
    kennwert::SteuerpflichtigesEntgelt,
    kennwert::JahreslohnOhneEinmal,
    kennwert::JahreslohnMitEinmal,
    kSteuerkarte,
    kennwert::SvEntgelt,
    kennwert::KvBbgOffen,
    kennwert::KvBbgGenutzt,
    kennwert::KvBbgUebrig,
    kennwert::RvBbgOffen,
    kennwert::RvBbgGenutzt,
    kennwert::RvBbgUebrig,
};

// The deductions on the current pay and on one-time payments.
constexpr std::array<int, InterneWerte::kAbzuege> kLaufend = {
    kennwert::LohnsteuerLaufend, kennwert::SoliLaufend,   kennwert::KirchensteuerLaufend,
    kennwert::KvLaufend,         kennwert::PvLaufend,     kennwert::RvLaufend,
    kennwert::AvLaufend,         kennwert::ZusatzLaufend,
};
constexpr std::array<int, InterneWerte::kAbzuege> kEinmalig = {
    kennwert::LohnsteuerEinmal, kennwert::SoliEinmal,   kennwert::KirchensteuerEinmal,
    kennwert::KvEinmal,         kennwert::PvEinmal,     kennwert::RvEinmal,
    kennwert::AvEinmal,         kennwert::ZusatzEinmal,
};

}  // namespace

std::string_view InterneWerte::beschriftung(int zeile) {
    return kBeschriftungen.at(static_cast<std::size_t>(zeile));
}

InterneWerte interneWerte(const Monatssatz& s) {
    InterneWerte w;
    // The income rows after both ratios, then the gross pay.
    for (int z = zeile::Gehalt; z <= zeile::MehrjahresVerguetung; ++z)
        w.monatsbetraege[static_cast<std::size_t>(z - zeile::Gehalt)] = s.tagesanteil(z);
    w.monatsbetraege[kQuotenZeilen] = s.Betrag[zeile::Brutto];
    for (std::size_t z = 0; z < kKennwerte.size(); ++z) {
        if (kKennwerte[z] == kSteuerkarte) {
            // The tax card states a monthly amount; over the year it counts twelve times.
            w.zwischenwerte[z] = (static_cast<std::int64_t>(s.Betrag[zeile::Hinzurechnung]) -
                                  s.Betrag[zeile::Freibetrag]) *
                                 kMonate;
        } else {
            w.zwischenwerte[z] = s.Kennwert[static_cast<std::size_t>(kKennwerte[z])];
        }
    }
    for (std::size_t i = 0; i < kLaufend.size(); ++i) {
        w.laufend[i] = s.Kennwert[static_cast<std::size_t>(kLaufend[i])];
        w.einmalig[i] = s.Kennwert[static_cast<std::size_t>(kEinmalig[i])];
        w.summeLaufend += w.laufend[i];
        w.summeEinmalig += w.einmalig[i];
    }
    w.nettoLaufend = s.tagesanteil(zeile::Gehalt) + w.summeLaufend;
    w.nettoEinmalig = static_cast<std::int64_t>(s.tagesanteil(zeile::EinmaligerBezug)) +
                      s.tagesanteil(zeile::EinmaligerVersorgungsbezug) + w.summeEinmalig;
    return w;
}

InterneWerte interneWerte(const Sitzung& sitzung, Seite seite) {
    return interneWerte(sitzung.arbeitsbereich().monat(sitzung.jahr() - kErstesJahr,
                                                       sitzung.berechnung(seite), sitzung.monat()));
}

}  // namespace brelvanostik
