#pragma once

#include <string>

#include "print/dokument.h"
#include "workspace/sitzung.h"

namespace brelvanostik::druck {

/// The statutory deductions of the session's case, the green calculation and its blue twin
/// side by side with the yellow column's sum or difference: the month form while a month is
/// shown, the year form while the year's totals are shown. `adresse` is the footer's web
/// address.
Dokument berichtBeide(const Sitzung& sitzung, const std::string& adresse);

}  // namespace brelvanostik::druck
