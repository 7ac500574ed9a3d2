#pragma once

#include "print/dokument.h"

namespace brelvanostik {

class Meldungsanzeige;

/// Sends a printout straight to the default printer. When the system has no printer the
/// user is told so and may save the printout as a PDF file instead; a printer that refuses
/// the job is reported. Nothing in the workspace changes either way.
void druckenOderPdfAnbieten(const druck::Dokument& dokument, Meldungsanzeige& meldungen);

}  // namespace brelvanostik
