#pragma once

#include <filesystem>
#include <string>
#include <vector>

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

/// One text as it lands on paper: its page (0 = the first) and the box its visible
/// characters take (blanks at either end left out), in device units of the page after the
/// document's scale. `schmaler` is the factor by which a text was set narrower to keep clear
/// of the next item or of the page's edge (1 = its natural width).
struct GesetzterText {
    int seite = 0;
    double links = 0, rechts = 0, oben = 0, unten = 0;
    std::string text;
    double schmaler = 1.0;
};

/// The whole document set onto pages: the printable area's size in device units and every
/// text that is not blank.
struct Satzbild {
    double breite = 0, hoehe = 0;
    int seiten = 0;
    std::vector<GesetzterText> texte;
};

/// Lays the document out on the device's pages (A4, portrait or landscape as the document
/// asks) the way `zeichnen` prints it. Amounts in the monospaced font keep their places and
/// size; a document whose amounts reach past the printable area is scaled down as a whole.
/// Any other text that would run into the next item of its line or past the right edge is
/// set narrower instead, so no two items ever print over each other.
Satzbild setzen(const Dokument& dokument, QPagedPaintDevice& geraet);

/// Draws the document onto a paged device from its first page on, starting a new page when
/// a line does not fit, as `setzen` lays it out. False when painting cannot begin.
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
