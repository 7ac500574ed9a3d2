#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>

namespace brelvanostik {

class Meldungsanzeige;

/// The argument the desktop entry passes: the program was started from the menu, where the
/// working directory is the home directory or anywhere, not a place the user chose for the
/// data files.
inline constexpr const char* kMenueArgument = "--menue";

/// The folder below the home directory that holds the data files of a menu start.
inline constexpr const char* kMenueVerzeichnisName = "Brelvanostik";

/// Where the program keeps its data files: the working directory when started from a
/// terminal; with `--menue` the folder ~/Brelvanostik, created when missing. Empty when that
/// folder cannot be created; `fehler` then says why, in German.
std::optional<std::filesystem::path> datenverzeichnis(const QStringList& argumente,
                                                      QString& fehler);

/// The data directory the program works in, for the check that no file the user saves (a
/// PDF, a CSV) replaces one of its data files. Set when the program starts; the working
/// directory before.
const std::filesystem::path& laufendesDatenverzeichnis();
void laufendesDatenverzeichnisSetzen(std::filesystem::path verzeichnis);

/// Whether a file the user chose in a save dialog may be written: false, after telling the
/// user why under `titel`, when it would replace a file of the data directory or another name
/// of one. Every save dialog of the window asks this before it writes.
bool ausgabeZulassen(const std::filesystem::path& ziel, const std::string& titel,
                     Meldungsanzeige& meldungen);

}  // namespace brelvanostik
