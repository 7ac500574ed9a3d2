#pragma once

#include "curve/belastungskurve.h"
#include "print/dokument.h"

namespace brelvanostik::druck {

/// The burden curve as a drawing of `breite` x `hoehe` twips: above, the month's taxes,
/// contributions and payout over the salary; below, what a further 100 euros costs in
/// taxes and contributions (the marginal burden in percent). The sliding zone, the two
/// contribution ceilings and the case's own salary are marked. With a twin the green curve
/// is drawn first and the blue one over it wherever the two differ. The window shows this
/// drawing, the printout and the PDF file hold the same one.
Zeichnung kurvenzeichnung(const Belastungskurve& kurve, const Belastungskurve* zwilling, int breite,
                          int hoehe);

/// The printout of the curve window: a heading and the drawing on one landscape page.
Dokument kurvenbericht(const Belastungskurve& kurve, const Belastungskurve* zwilling);

}  // namespace brelvanostik::druck
