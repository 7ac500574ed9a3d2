#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "workspace/arbeitsbereich.h"
#include "workspace/einstellungen.h"
#include "workspace/speicherfuellen.h"

namespace brelvanostik {

inline constexpr const char* kMonatsdateiName = "Brelvanostik.da1";
inline constexpr const char* kKopfdateiName = "Brelvanostik.da2";
/// Commit record of a save of both files in progress (see gemeinsamSchreiben).
inline constexpr const char* kAbschlussName = "Brelvanostik.abschluss";

/// What the start of the program gets from the data files.
struct Ladeergebnis {
    Arbeitsbereich arbeitsbereich;
    Einstellungen einstellungen;
    /// German texts for the user: what was mended, and where the original file is kept.
    std::vector<std::string> hinweise;
    /// True when the files were missing or the month file empty and a new workspace was
    /// created (and written, unless a hint says it could not be).
    bool neuAngelegt = false;
    /// Unchanged copies of damaged files, made before anything could overwrite them.
    std::vector<std::filesystem::path> sicherungskopien;
    /// Set when the files cannot be used safely: a data file exists but cannot be read, or
    /// an old header file could not be kept before a new workspace would replace it. The
    /// workspace then holds what could be read (or a new workspace); saving would replace
    /// a file the user may still need, so the caller shows this text and should not save.
    std::optional<std::string> lesefehler;
};

/// Opens the data files of the working directory `verzeichnis`. A missing or empty month
/// file gives a new workspace, written to both files at once. Damaged files are mended
/// in memory; each damaged file is first copied unchanged beside itself under a fresh
/// name ("Brelvanostik.da1.beschaedigt-JJJJMMTT-hhmmss"), and the hints say what was
/// mended. Nothing else is written. Never throws.
Ladeergebnis laden(const std::filesystem::path& verzeichnis);

/// Writes the whole workspace and the settings record into both data files of
/// `verzeichnis`, both or neither: on failure the previous files stay as they were, and a
/// writer stopped between the two files leaves a commit record from which the next load
/// reads the complete new pair. Removes what writers that died left behind, so the caller
/// must hold the directory's Verzeichnissperre. Returns a German error text for the user on
/// failure. Never throws.
std::optional<std::string> speichern(const std::filesystem::path& verzeichnis,
                                     const Arbeitsbereich& arbeitsbereich,
                                     const Einstellungen& einstellungen);

/// The user's hints for the findings of a load: one line per file and kind of damage,
/// with the number of places and the first of them.
std::vector<std::string> hinweistexte(std::span<const Befund> befunde);

}  // namespace brelvanostik
