#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelvanostik {

/// The help texts of the main window: the one-line tooltip of every row label, the long
/// explanation that the info area shows when a row label is clicked, and the one-line texts
/// of the other controls. Row r + 30 (blue side) carries the texts of row r.

/// Tooltip of a row label (0-59). Rows 13, 14, 17 and 26 have none; row 29 explains the
/// hourly payout and is written by the window from the displayed values, so it is empty here.
std::string_view zeilentipp(int zeile);

/// The two pension amounts of the case header that row 27's text shows (hundredths).
struct Versorgungsangaben {
    std::int64_t ersterVollerMonatsbezug = 0;
    std::int64_t versorgungsSonderzahlung = 0;
};

/// The long text of a row as lines, with the statutory figures of tax year `jahr` (years
/// before 2005 read as 2004, years after 2007 as 2007). Rows 0-14 and 16-28 have one, and
/// index 57 (the blue pension inputs) shows row 27's; every other index gives no lines, and
/// the info area then keeps what it shows.
std::vector<std::string> infotext(int zeile, int jahr, const Versorgungsangaben& versorgung = {});

/// The lines joined with line breaks, as the info area shows them.
std::string infotextAlsText(int zeile, int jahr, const Versorgungsangaben& versorgung = {});

/// The insurance rows 20-24 explain nothing while the displayed month's insurance status
/// (choice of row 3) excludes contributions: "Nicht sozialversicherungspflichtig" (1) or
/// "Mini-Job bis 400 Euro" (2).
bool infotextGesperrt(int zeile, int versicherungsstatus);

/// Tip line text of a command button by its index (0-10, 30, 31); other indexes give none.
std::string_view befehlstipp(int knopf);

/// Tip line text of the command that shows or hides the pocket calculator.
inline constexpr std::string_view kRechnerBefehlTipp =
    "Taschenrechner. Das berechnete Ergebnis wird in die Gehaltsberechnung übernommen, wenn Sie "
    "dort ein "
    "Betragsfeld anklicken.";

/// Tip line text over the pocket calculator.
inline constexpr std::string_view kRechnerTipp =
    "Taschenrechner. Der angezeigte Betrag wird in die Berechnung übertragen, wenn dort ein "
    "Betragsfeld angeklickt wird.";

/// Tip line text over a value of the yellow column.
inline constexpr std::string_view kGelbeSpalteTipp =
    "Die Anzeige ist abhängig von der Einstellung der Schaltfläche \"Gemeinsam/Unterschied\".";

}  // namespace brelvanostik
