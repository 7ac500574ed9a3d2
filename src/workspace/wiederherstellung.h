#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "workspace/arbeitsbereich.h"
#include "workspace/datendateien.h"
#include "workspace/einstellungen.h"

namespace brelvanostik {

/// What one data file held: its length and checksum.
struct Dateistand {
    std::uint64_t laenge = 0;
    std::uint64_t pruefsumme = 0;
    bool operator==(const Dateistand&) const = default;
};

/// The data files a recovery file was based on: as the session found them at its start.
struct Datenstand {
    Dateistand monatsdatei;
    Dateistand kopfdatei;
    bool operator==(const Datenstand&) const = default;
};

/// The data files of `verzeichnis` as the next load reads them (a save stopped between the
/// two files counts as completed). Reads only; a file that cannot be read counts as empty.
Datenstand datenstandErmitteln(const std::filesystem::path& verzeichnis);

/// The workspace and settings in the data files' record layout, with the base and the time of
/// the last edit (seconds since 1970), and a checksum over all of it.
std::vector<std::uint8_t> wiederherstellungBytes(const Arbeitsbereich& arbeitsbereich,
                                                 const Einstellungen& einstellungen,
                                                 const Datenstand& basis,
                                                 std::int64_t letzteAenderung);

/// What an edit changes: every month record and case header, not the selection. A new
/// recovery file is written only when this differs from the last one's.
std::vector<std::uint8_t> arbeitsstand(const Arbeitsbereich& arbeitsbereich);

/// A recovery file read back.
struct Wiederherstellung {
    Arbeitsbereich arbeitsbereich;
    Einstellungen einstellungen;
    Datenstand basis;
    std::int64_t letzteAenderung = 0;
    /// The data files' bytes it holds, to compare with the data files on disk.
    std::vector<std::uint8_t> monatsdatei;
    std::vector<std::uint8_t> kopfdatei;
};

/// The bytes of a recovery file; nothing when they are not complete and intact.
std::optional<Wiederherstellung> wiederherstellungLesen(std::span<const std::uint8_t> bytes);

/// What the start finds in the directory.
struct Wiederherstellungsbefund {
    enum class Art {
        Keine,        ///< no recovery file, or one that holds just what the data files hold
        Ausstehend,   ///< edits the data files do not have: the user decides
        Beschaedigt,  ///< a recovery file that cannot be read; it is to be set aside
    };
    Art art = Art::Keine;
    std::optional<Wiederherstellung> inhalt;  ///< for Ausstehend
    /// The data files changed after the recovery file's base (another program wrote them).
    bool datenGeaendert = false;
    std::string grund;  ///< for Beschaedigt: why, in German
};

/// Looks at the recovery file of `verzeichnis`; reads only, never throws.
Wiederherstellungsbefund wiederherstellungPruefen(const std::filesystem::path& verzeichnis);

/// The question put to the user at start (German, several lines).
std::string wiederherstellungsfrage(const Wiederherstellungsbefund& befund);

/// Replaces the recovery file of the directory `sperre` holds, atomically: a stop at any point
/// leaves the previous recovery file or the new one, complete. Returns a German error text.
std::optional<std::string> wiederherstellungSchreiben(const Verzeichnissperre& sperre,
                                                      std::span<const std::uint8_t> bytes);

/// Keeps the recovery file aside under a dated name ("Brelvanostik.wiederherstellung.ANLASS-
/// JJJJMMTT-hhmmss"), never replacing another file; returns that name, or a German error text
/// in `fehler`.
std::optional<std::filesystem::path> wiederherstellungBeiseitelegen(const Verzeichnissperre& sperre,
                                                                    const std::string& anlass,
                                                                    std::string& fehler);

/// Removes the recovery file after a normal exit has written the data files, and the
/// temporary files of recovery writers that died.
void wiederherstellungEntfernen(const Verzeichnissperre& sperre);

/// Removes only the temporary files that recovery writers which died left behind.
void wiederherstellungAufraeumen(const Verzeichnissperre& sperre);

/// For the command-line tool: true when a recovery file waits for the window's decision (it
/// holds edits the data files do not have, or cannot be read).
bool wiederherstellungAusstehend(const std::filesystem::path& verzeichnis);

}  // namespace brelvanostik
