#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace brelvanostik {

class Meldungsanzeige;
class Sitzung;

/// "Als CSV speichern …" of the all-months table: asks for a file and writes the table of
/// the side the table shows (or of both sides, green first) for a spreadsheet. A file that
/// cannot be written is reported; the previous file then stays as it was. Returns the
/// written file's name, nothing when abandoned or failed.
std::optional<std::string> alleMonateAlsCsvSpeichern(const Sitzung& sitzung, bool beide,
                                                     Meldungsanzeige& meldungen);

/// Writes `text` whole into `ziel` through QSaveFile, so a failed write leaves the previous
/// file as it was; a failure is reported under `titel`. Returns the file's name, nothing when
/// it failed.
std::optional<std::string> textSpeichern(const std::filesystem::path& ziel, const std::string& text,
                                         const char* titel, Meldungsanzeige& meldungen);

}  // namespace brelvanostik
