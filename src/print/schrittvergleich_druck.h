#pragma once

#include <string>

#include "print/dokument.h"
#include "taxsteps/schrittvergleich.h"

namespace brelvanostik::druck {

/// The printout of the comparison of the green and the blue tax steps: a title, the line
/// `ueberschrift` (case and month), then the lines the single listing prints for either
/// side, each with the green and the blue value and their difference; differing lines are
/// marked with "*" and their values printed bold.
Dokument schrittvergleichDrucken(const Schrittvergleich& vergleich,
                                 const std::string& ueberschrift);

}  // namespace brelvanostik::druck
