#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "print/dokument.h"

namespace brelvanostik::cli {

/// Writes a printout as a PDF file through the program's renderer. Fonts need a graphical
/// application object; without a display the tool uses Qt's offscreen platform. Returns the
/// exit status: 0; 2 when `datei` would replace a file of the data directory
/// `datenverzeichnis` (or another name of one), and nothing is written; 1 when the file cannot
/// be written. A one-line message, opened by `vorsatz` (the tool and the command), says why.
int pdfSchreiben(const druck::Dokument& dokument, const std::filesystem::path& datei,
                 const std::filesystem::path& datenverzeichnis, std::string_view vorsatz,
                 std::ostream& fehler);

}  // namespace brelvanostik::cli
