#pragma once

#include "print/dokument.h"
#include "taxsteps/schrittliste.h"

namespace brelvanostik::druck {

/// The printout of the tax steps listing: the title, then one printed line per listing line
/// up to the church tax, headings in bold. Of the two provision allowance blocks only the
/// one of the computed pension insurance case is printed.
Dokument steuerschritteDrucken(const Schrittliste& liste);

/// Whether a listing line is printed.
bool steuerschrittGedruckt(int zeile, const Schrittliste& liste);

}  // namespace brelvanostik::druck
