#pragma once

#include <string>
#include <vector>

#include "workspace/arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

/// Width of the fixed texts of the choice lists, in characters.
inline constexpr int kAuswahltextLaenge = 35;
/// Width of the entries of the pension start list, in characters.
inline constexpr int kVersorgungsbeginnTextLaenge = 47;

/// The choice list of a row, code 0 first; the position of an entry is the code stored in
/// `Auswahl`. Row 0 offers the ten case names of `jahr`, row 10 the months of `jahr` with
/// the annual entry last, row 27 the pension start. Rows without a choice give an empty
/// list. Texts are UTF-8 without trailing blanks.
std::vector<std::string> auswahlliste(int zeile, const Arbeitsbereich& arbeitsbereich, int jahr);

/// Number of entries of a row's fixed list (rows 1-4, 17-25, 27, 28); 0 for rows whose
/// list is not fixed (0, 10) or that have none. Codes 0 .. count-1 are valid.
int auswahlAnzahl(int zeile);

/// The ten case names of a year (row 0), as stored.
std::vector<std::string> fallnamenliste(const Arbeitsbereich& arbeitsbereich, int jahr);

/// Row 10: the twelve months and, as entry 12, the annual salary of `jahr`.
std::vector<std::string> monatsliste(int jahr);

/// The pension start list: entry n is the start in the year 2005 + n, entry 0 reads
/// "... 2005 oder vorher".
std::vector<std::string> versorgungsbeginnliste();

}  // namespace brelvanostik
