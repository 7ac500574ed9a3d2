#pragma once

#include <filesystem>
#include <ostream>

#include "print/dokument.h"

namespace brelvanostik::cli {

/// Writes a printout as a PDF file through the program's renderer. Fonts need a graphical
/// application object; without a display the tool uses Qt's offscreen platform. Returns the
/// exit status: 0, or 1 with a one-line message when the file cannot be written.
int pdfSchreiben(const druck::Dokument& dokument, const std::filesystem::path& datei,
                 std::ostream& fehler);

}  // namespace brelvanostik::cli
