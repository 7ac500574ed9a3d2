#pragma once

#include <filesystem>
#include <string>

#include "print/dokument.h"

class QFont;
class QPagedPaintDevice;
class QPainter;
class QPointF;

namespace brelvanostik::druck {

/// The one place where page content becomes paint: every report and the tax steps listing
/// go through here, onto a PDF file or the default printer.

/// The machine's font for a font name of a report: Arial, Arial narrow, Courier New and
/// Times New Roman become the metric-compatible Liberation fonts (with the generic family as
/// fallback), so column positions come out as the reports were laid out.
QFont schriftFuer(const Schrift& schrift);

/// Paints a drawing of the page content with its top left corner at `ecke`; `proTwip` is the
/// device units per twip. The printout and the window that shows a drawing both paint here.
void zeichnungMalen(const Zeichnung& zeichnung, QPainter& maler, QPointF ecke, double proTwip);

/// Draws the document onto a paged device from its first page on, starting a new page when
/// a line does not fit. A document wider than the printable area is scaled down as a whole,
/// so long amounts stay readable and columns stay aligned. False when painting cannot begin.
bool zeichnen(const Dokument& dokument, QPagedPaintDevice& geraet);

/// Writes the document as a PDF file (A4). The file is replaced only when it was written
/// completely; on failure `fehler` holds a German reason.
bool alsPdfSchreiben(const Dokument& dokument, const std::filesystem::path& datei,
                     std::string& fehler);

enum class Druckergebnis { Gedruckt, KeinDrucker, Fehler };

/// Sends the document to the system's default printer without a dialog. `KeinDrucker` when
/// the system has none; `Fehler` with a German reason when the printer refuses.
Druckergebnis aufStandarddrucker(const Dokument& dokument, std::string& fehler);

}  // namespace brelvanostik::druck
