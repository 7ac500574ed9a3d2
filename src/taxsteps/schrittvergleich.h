#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "taxsteps/schrittliste.h"
#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

class Sitzung;

/// One line of the comparison of two tax steps listings.
struct Vergleichszeile {
    bool kopf = false;
    std::string name;   ///< the flowchart name (both names when the two differ)
    std::string text;   ///< the green explanation; the blue one added when it differs
    std::string gruen;  ///< the line's value; on headings the section's result
    std::string blau;
    std::string differenz;  ///< blue minus green where both are amounts or shares, else empty
    bool abweichend = false;
};

/// The tax steps of the green and the blue calculation line by line: what the blue variant
/// changes, and where in the flowchart it starts.
struct Schrittvergleich {
    Schrittliste gruen, blau;
    std::array<Vergleichszeile, kSchrittzeilen> zeilen;
    /// Row (0..112) of the first line whose values differ.
    std::optional<int> ersteAbweichung;
    /// The headings whose sections hold a differing line, in order.
    std::vector<int> abweichendeKoepfe;
};

Schrittvergleich schritteVergleichen(Schrittliste gruen, Schrittliste blau);

/// The outline of the comparison: the headings are always shown, the sections that hold a
/// difference start open, and a click on a heading opens or closes its section alone. Of
/// the two provision allowance blocks, those shown are the ones that carry values on
/// either side.
class Vergleichsgliederung {
  public:
    explicit Vergleichsgliederung(const Schrittvergleich& vergleich);

    /// A click on a line; only heading lines react. True when something changed.
    bool klicken(int zeile);
    bool offen(int kopfzeile) const;
    /// "+" (closed) or "-" (open) on heading lines, "" elsewhere.
    std::string markierung(int zeile) const;
    bool sichtbar(int zeile) const;

  private:
    std::array<bool, kSchrittzeilen> offen_{};
    std::array<bool, kSchrittzeilen> ohneWerte_{};  // a block that carries no values on either side
};

/// The listing of the month calculation's own wage tax run on the current pay of month
/// `monat` (0..11) of calculation `berechnung` (0..9) of tax year `jahr`.
Schrittliste monatslaufListe(const Arbeitsbereich& bereich, int jahr, int berechnung, int monat);

/// The green calculation of case `fallIndex` (0..4) against its blue twin, each with its
/// month calculation's own run of month `monat`.
Schrittvergleich monatslaeufeVergleichen(const Arbeitsbereich& bereich, int jahr, int fallIndex,
                                         int monat);

/// The same for the case and month the session shows.
Schrittvergleich monatslaeufeVergleichen(const Sitzung& sitzung);

/// What the comparison of the session's case shows: "Fall 1, MRZ. 2007: „…“ (grün) und „…“ (blau)".
std::string vergleichsueberschrift(const Sitzung& sitzung);

/// The text of a difference blue - green of two listing values, both German numbers with a
/// decimal comma ("1.234,56", "0,384"); empty when one of them is no such number. A
/// positive difference carries a "+".
std::string wertdifferenz(const std::string& gruen, const std::string& blau);

}  // namespace brelvanostik
