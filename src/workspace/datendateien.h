#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "basis/verzeichnissperre.h"
#include "workspace/arbeitsbereich.h"
#include "workspace/einstellungen.h"
#include "workspace/speicherfuellen.h"

namespace brelvanostik {

inline constexpr const char* kMonatsdateiName = "Brelvanostik.da1";
inline constexpr const char* kKopfdateiName = "Brelvanostik.da2";
/// Commit record of a save of both files in progress (see gemeinsamSchreiben).
inline constexpr const char* kAbschlussName = "Brelvanostik.abschluss";

/// The recovery file: while the window is open it holds the workspace as last edited, so that
/// a crash, a power cut or a kill loses no edit (see wiederherstellung.h).
inline constexpr const char* kWiederherstellungName = "Brelvanostik.wiederherstellung";

/// The files of the data directory that belong to the program: no output of the program
/// (a PDF, a CSV, anything a save dialog or a command writes) may replace one of them. A file
/// belongs when its name is one of these or begins with one followed by a full stop (the
/// temporary files of a save, the copies of damaged files, records set aside).
inline constexpr std::array<std::string_view, 5> kGeschuetzteNamen = {
    kMonatsdateiName, kKopfdateiName, kAbschlussName, Verzeichnissperre::kDateiName,
    kWiederherstellungName};

/// Whether the program may write an output file at `ausgabe`: nothing when it may, else the
/// German reason. Refused is every path that reaches one of the files of `datenverzeichnis`
/// that belong to the program (compared by device and inode, so also through a hard link, a
/// symbolic link or another spelling of the directory), and any file named like one of them.
std::optional<std::string> ausgabeVerweigert(const std::filesystem::path& ausgabe,
                                             const std::filesystem::path& datenverzeichnis);

/// What a load leaves to the first save of its workspace: the files to keep unchanged
/// beside themselves before they are replaced (a damaged file, or the header file of months
/// that are gone). It goes to speichern() once, by moving it there.
class Erstsicherung {
  public:
    struct Kopie {
        Datendatei datei;
        /// The header file of a new workspace (its months were missing), not a damaged file.
        bool vorNeuemArbeitsbereich = false;
    };

    Erstsicherung() = default;
    Erstsicherung(Erstsicherung&&) = default;
    Erstsicherung& operator=(Erstsicherung&&) = default;
    Erstsicherung(const Erstsicherung&) = delete;
    Erstsicherung& operator=(const Erstsicherung&) = delete;

    /// Whether the first save has more to do than any save (copies, or new files to create).
    bool leer() const { return kopien.empty() && !neueDateien; }

    std::vector<Kopie> kopien;
    /// The workspace is a new one: no data files, or an empty month file.
    bool neueDateien = false;
};

/// What the start of the program gets from the data files.
struct Ladeergebnis {
    Arbeitsbereich arbeitsbereich;
    Einstellungen einstellungen;
    /// German texts for the user: what was mended, and what the first save will keep.
    std::vector<std::string> hinweise;
    /// True when the files were missing or the month file empty and the workspace is a new
    /// one (written by the first save).
    bool neuAngelegt = false;
    /// Set when the files cannot be used safely: the directory is missing, a data file exists
    /// but cannot be read (a link, a special file), or they cannot be read in time. The
    /// workspace then holds what could be read (or a new workspace); saving would replace a
    /// file the user may still need, so the caller shows this text and does not save.
    std::optional<std::string> lesefehler;
    /// For the first save.
    Erstsicherung erstsicherung;
};

/// Reads the data files of the working directory `verzeichnis` and writes nothing: while no
/// save replaces them, and with a save that was stopped after its commit record completed in
/// what is read. A missing or empty month file gives a new workspace. Damaged files are
/// mended in memory, and the hints say what was mended. Never throws.
Ladeergebnis laden(const std::filesystem::path& verzeichnis);

/// How a save ended.
struct Speicherergebnis {
    /// German text for the user; nothing when everything was saved.
    std::optional<std::string> fehler;
    /// With `fehler`: the new files count nevertheless (they are complete on disk; the next
    /// load reads them and the next save finishes the renaming). False: nothing changed.
    bool wirksam = false;
    /// About the copies the first save made.
    std::vector<std::string> hinweise;
    std::vector<std::filesystem::path> sicherungskopien;
};

/// Writes the whole workspace and the settings record into both data files of the locked
/// directory, both or neither, and completes or sets aside what a stopped save left there.
/// The first save of a loaded workspace gets the load's Erstsicherung: it first keeps each
/// file to keep unchanged beside itself ("Brelvanostik.da1.beschaedigt-JJJJMMTT-hhmmss"),
/// and writes nothing when one cannot be kept. Never throws.
Speicherergebnis speichern(const Verzeichnissperre& sperre, const Arbeitsbereich& arbeitsbereich,
                           const Einstellungen& einstellungen, Erstsicherung erst = {});

}  // namespace brelvanostik
