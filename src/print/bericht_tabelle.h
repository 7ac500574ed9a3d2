#pragma once

#include <string>

#include "print/dokument.h"
#include "session/sitzung.h"

namespace brelvanostik::druck {

/// One calculation's whole year as a table: a short header with the calculation's settings,
/// then one line per row of the all-months table with the twelve months and the year's sum.
/// `datum` is the day of printing in the short date form ("06.12.2026"), `adresse` the
/// footer's web address.
Dokument berichtTabelle(const Sitzung& sitzung, Seite seite, const std::string& datum,
                        const std::string& adresse);

}  // namespace brelvanostik::druck
