#include "tables/alle_monate.h"

#include "session/sitzung.h"
#include "workspace/zeilen.h"

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

// Where a table row's value comes from: an income row's amount after both ratios, a row's
// amount, an intermediate value, the tax card's balance, or the sums formed here.
enum class Quelle { Anteil, Betrag, Kennwert, Steuerkarte, Abzuege, Netto };
struct Herkunft {
    Quelle quelle;
    int index = 0;
};
constexpr std::array<Herkunft, AlleMonate::kZeilen> kHerkunft = {{
    {Quelle::Anteil, zeile::Gehalt},
    {Quelle::Anteil, zeile::Versorgungsbezug},
    {Quelle::Anteil, zeile::EinmaligerBezug},
    {Quelle::Anteil, zeile::EinmaligerVersorgungsbezug},
    {Quelle::Anteil, zeile::MehrjahresVerguetung},
    {Quelle::Betrag, zeile::Brutto},
    {Quelle::Betrag, zeile::Lohnsteuer},
    {Quelle::Betrag, zeile::Soli},
    {Quelle::Betrag, zeile::Kirchensteuer},
    {Quelle::Betrag, zeile::Krankenversicherung},
    {Quelle::Betrag, zeile::Pflegeversicherung},
    {Quelle::Betrag, zeile::Rentenversicherung},
    {Quelle::Betrag, zeile::Arbeitslosenversicherung},
    {Quelle::Betrag, zeile::Zusatzbeitrag},
    {Quelle::Abzuege},
    {Quelle::Netto},
    {Quelle::Betrag, zeile::Abzug},
    {Quelle::Betrag, zeile::Auszahlung},
    {Quelle::Kennwert, kennwert::SteuerpflichtigesEntgelt},
    {Quelle::Steuerkarte},
    {Quelle::Kennwert, kennwert::SvEntgelt},
    {Quelle::Kennwert, kennwert::KvEntgelt},
    {Quelle::Kennwert, kennwert::RvEntgelt},
}};

// The value of a table row in one month.
std::int64_t monatswert(const Monatssatz& s, Herkunft h) {
    const auto i = static_cast<std::size_t>(h.index);
    switch (h.quelle) {
        case Quelle::Anteil:
            return s.tagesanteil(h.index);
        case Quelle::Betrag:
            return s.Betrag[i];
        case Quelle::Kennwert:
            return s.Kennwert[i];
        case Quelle::Steuerkarte:
            return static_cast<std::int64_t>(s.Betrag[zeile::Hinzurechnung]) -
                   s.Betrag[zeile::Freibetrag];
        case Quelle::Abzuege: {
            // The deductions together.
            std::int64_t summe = 0;
            for (int z = zeile::Lohnsteuer; z <= zeile::Zusatzbeitrag; ++z) summe += s.Betrag[z];
            return summe;
        }
        case Quelle::Netto:
            // What is left of the gross pay after the deductions.
            return monatswert(s, {Quelle::Betrag, zeile::Brutto}) +
                   monatswert(s, {Quelle::Abzuege});
    }
    return 0;
}

}  // namespace

std::string_view AlleMonate::beschriftung(int tabellenzeile) {
    return kBeschriftungen.at(static_cast<std::size_t>(tabellenzeile));
}

std::string_view AlleMonate::spaltenkopf(int spalte) {
    return spalte == kSumme ? std::string_view("Summe")
                            : kMonatskuerzel.at(static_cast<std::size_t>(spalte));
}

AlleMonate alleMonate(const Arbeitsbereich& bereich, int jahrIndex, int berechnung) {
    AlleMonate t;
    for (int m = 0; m < kMonate; ++m) {
        const Monatssatz& s = bereich.monat(jahrIndex, berechnung, m);
        const auto spalte = static_cast<std::size_t>(m);
        for (std::size_t z = 0; z < kHerkunft.size(); ++z)
            t.werte[z][spalte] = monatswert(s, kHerkunft[z]);
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
