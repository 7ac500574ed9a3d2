#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

class Sitzung;
enum class Seite;

/// The table of all twelve months of one calculation: one row per result line, one column
/// per month and the year's sum. The window shows it, the printout prints it, and exports
/// read it; the values are what the month calculation stored, only the row sums, the two
/// derived rows and the year sums are formed here.
struct AlleMonate {
    static constexpr int kZeilen = 23;   ///< table rows 1..23 (row 0 is the heading)
    static constexpr int kSpalten = 13;  ///< months 0..11, then the year's sum
    static constexpr int kSumme = 12;

    /// The table rows; row 0 heads the caption column.
    enum Tabellenzeile : int {
        Kopf = 0,
        LaufendesGehalt,
        Versorgungsbezug,
        EinmaligerBezug,
        EinmaligerVersorgungsbezug,
        MehrjahresVerguetung,
        Brutto,
        Lohnsteuer,
        Soli,
        Kirchensteuer,
        Krankenversicherung,
        Pflegeversicherung,
        Rentenversicherung,
        Arbeitslosenversicherung,
        Zusatzbeitrag,
        SummeAbzuege,
        Netto,
        Sparleistung,
        Auszahlung,
        Steuerpflichtig,
        Steuerkarte,
        SvPflichtig,
        KvVerbeitragt,
        RvVerbeitragt,
    };

    /// Amounts in hundredths: [table row - 1][month 0..11 or kSumme].
    std::array<std::array<std::int64_t, kSpalten>, kZeilen> werte{};

    std::int64_t wert(int tabellenzeile, int spalte) const {
        return werte.at(static_cast<std::size_t>(tabellenzeile - 1))
            .at(static_cast<std::size_t>(spalte));
    }

    /// Caption of a table row 0..23 (row 0 "Gehalt", the heading of the caption column).
    static std::string_view beschriftung(int tabellenzeile);
    /// Heading of a value column: the month button captions "JAN." .. "DEZ.", then "Summe".
    static std::string_view spaltenkopf(int spalte);
};

/// The table of calculation `berechnung` (0..9) of the year with index `jahrIndex` (0..3).
AlleMonate alleMonate(const Arbeitsbereich& bereich, int jahrIndex, int berechnung);

/// The table of one side of the case the session shows.
AlleMonate alleMonate(const Sitzung& sitzung, Seite seite);

}  // namespace brelvanostik
