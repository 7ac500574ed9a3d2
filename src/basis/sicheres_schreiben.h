#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brelvanostik {

/// One file to be written: its place and its complete new contents.
struct Schreibauftrag {
    std::filesystem::path ziel;
    std::span<const std::uint8_t> inhalt;
    /// Refuse when the file already exists (for copies that must never replace anything).
    bool nurNeu = false;
};

/// Writes files so that a failure at any point leaves the previous files readable: each
/// file first goes completely to a temporary file beside it and is forced to disk; only
/// when every temporary file is complete are they renamed over the originals, in order.
/// A file that exists but is write-protected, or is no plain file, is refused before
/// anything is written. A target that is a symbolic link is written through the link: the
/// file it points to gets the new contents and the link stays. Returns a German error text
/// for the user on failure.
std::optional<std::string> sicheresSchreiben(std::span<const Schreibauftrag> auftraege);

/// Writes several files all or nothing. As sicheresSchreiben, and in addition, once every
/// temporary file is complete and on disk, the commit record `abschluss` names each target
/// with its temporary file before the first rename; it is removed after the last. A writer
/// stopped between the renames thus leaves a record from which abschlussLesen() finds the
/// complete new set. After a successful save the leftovers of writers that died before
/// (their temporary files and records) are removed: the caller must be the directory's only
/// writer, i.e. hold its Verzeichnissperre.
std::optional<std::string> gemeinsamSchreiben(std::span<const Schreibauftrag> auftraege,
                                              const std::filesystem::path& abschluss);

/// For each of `ziele`, the file that holds its current contents: the target itself, or
/// the new version that a writer named in the commit record `abschluss` had not yet renamed
/// when it was stopped. Reads only; a missing or unreadable record means the targets.
std::vector<std::filesystem::path> abschlussLesen(std::span<const std::filesystem::path> ziele,
                                                  const std::filesystem::path& abschluss);

/// The file a write to `pfad` reaches: `pfad` itself, or the end of its chain of symbolic
/// links (which need not exist yet).
std::filesystem::path schreibziel(const std::filesystem::path& pfad);

/// For tests that stop a writer at a chosen point of gemeinsamSchreiben: called with 0 when
/// the commit record is on disk and with i after the i-th rename. Null in the program.
extern void (*abschlussSchritt)(int schritt);

/// The same for a single file.
std::optional<std::string> sicheresSchreiben(const std::filesystem::path& ziel,
                                             std::span<const std::uint8_t> inhalt,
                                             bool nurNeu = false);

}  // namespace brelvanostik
