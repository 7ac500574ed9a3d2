#pragma once

#include "engine/lohnsteuer.h"
#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

/// The wage tax engine as the month calculation prepares it for the run on month `monat`'s
/// (0..11) current pay of calculation `berechnung` (0..9) of tax year `jahr`: every input
/// set as its own recalculation of the year sets it, not yet run. The workspace stays
/// untouched (the year is recalculated on a copy). Arguments outside their ranges give a
/// fresh engine.
Lohnsteuerrechner monatslaufVorbereiten(const Arbeitsbereich& bereich, int jahr, int berechnung,
                                        int monat);

}  // namespace brelvanostik
