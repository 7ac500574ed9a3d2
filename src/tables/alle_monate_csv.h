#pragma once

#include <string>

#include "tables/alle_monate.h"
#include "tables/csv_tabelle.h"

namespace brelvanostik {

/// The all-months table as a spreadsheet table: the row captions, the month button
/// captions and "Summe" as column captions, the stored amounts.
Betragstabelle betragstabelle(const AlleMonate& tabelle);

/// The CSV file of the all-months table of green calculation `fallIndex` (0..4) of tax year
/// `jahr`: its own table (`gruen`), its blue twin's (`blau`), or both, green first.
std::string alleMonateCsv(const Arbeitsbereich& bereich, int jahr, int fallIndex, bool gruen,
                          bool blau);

}  // namespace brelvanostik
