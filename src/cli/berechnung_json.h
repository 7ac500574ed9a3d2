#pragma once

#include "cli/json.h"
#include "workspace/arbeitsbereich.h"

namespace brelvanostik::cli {

/// One calculation of a year as `berechnen --json` and `eingeben --json` print it: the
/// header values and all twelve months with every bank in stored hundredths.
void berechnungSchreiben(JsonSchreiber& json, const Arbeitsbereich& bereich, int jahr,
                         int berechnung);

}  // namespace brelvanostik::cli
