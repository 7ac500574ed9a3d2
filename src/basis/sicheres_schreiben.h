#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brelvanostik {

class Verzeichnissperre;

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

/// The same for a single file.
std::optional<std::string> sicheresSchreiben(const std::filesystem::path& ziel,
                                             std::span<const std::uint8_t> inhalt,
                                             bool nurNeu = false);

/// The file a write to `pfad` reaches: `pfad` itself, or the end of its chain of symbolic
/// links (which need not exist yet).
std::filesystem::path schreibziel(const std::filesystem::path& pfad);

/// One file of a set that is saved together: its plain name in the locked directory (no
/// slash) and its complete new contents.
struct Satzdatei {
    std::string name;
    std::span<const std::uint8_t> inhalt;
};

/// How a save of several files together ended.
struct Ersetzung {
    /// German text for the user; nothing when every file was replaced.
    std::optional<std::string> fehler;
    /// The new set counts: always without `fehler`; with it, when the commit record was on
    /// disk before the failure, so that the next load reads the new set and the next save
    /// completes it. False with `fehler`: nothing of this save took effect.
    bool wirksam = false;
};

/// Writes several plain files of the locked directory all or nothing. Every new file goes
/// completely to a temporary file beside its target and is forced to disk; then the commit
/// record `abschluss` names, by plain names, each target with its temporary file and the
/// size and checksum of the old and the new contents; then the temporary files are renamed
/// over the targets and the record is removed. A writer stopped after the record leaves a
/// set that every load completes, however it spells the directory, and only over the files
/// the record was written for. Before it writes, the save completes a record a stopped writer
/// left, or sets a record that does not fit the files aside under a dated name; after it, it
/// removes the temporary files that stopped writers left. Readers (gemeinsamLesen) are kept
/// off while the files are replaced. Targets must be missing or plain, writable files.
Ersetzung gemeinsamSchreiben(const Verzeichnissperre& sperre, std::span<const Satzdatei> dateien,
                             const std::string& abschluss);

/// A file as gemeinsamLesen found it.
struct Gelesen {
    bool vorhanden = false;
    /// Its contents, at most kLesegrenze bytes of it.
    std::vector<std::uint8_t> bytes;
    /// Its full size.
    std::uint64_t groesse = 0;
    /// Why it cannot be used (a link, no plain file, unreadable); German.
    std::optional<std::string> fehler;
};

/// Files larger than this are not read beyond it.
inline constexpr std::size_t kLesegrenze = std::size_t{1} << 20;

/// Reads the files `namen` of `verzeichnis`, which gemeinsamSchreiben saves together with the
/// commit record `abschluss`, as one consistent set: while no save replaces them, and with a
/// record that a stopped writer left completed in what is read. Every file is opened without
/// following links and without waiting; a link or special file is reported as such. A record
/// that does not fit the files is ignored and reported in `hinweise` (the next save sets it
/// aside). Writes nothing. `fehler` when the set cannot be read in time or at all.
struct Satzlesung {
    std::vector<Gelesen> dateien;
    std::vector<std::string> hinweise;
    std::optional<std::string> fehler;
};
Satzlesung gemeinsamLesen(const std::filesystem::path& verzeichnis,
                          std::span<const std::string> namen, const std::string& abschluss);

/// For tests that stop or fail a save at a chosen system call: called by gemeinsamSchreiben
/// with 1, 2, 3 ... before each system call that changes or syncs files; a non-zero return is
/// taken as that call's error number. Null in the program.
extern int (*schreibschritt)(int schritt);

/// Forces the directory's entries (renamed, linked or removed files) to disk; a failure here is
/// not reported, the files themselves are complete.
void verzeichnisSichern(const std::filesystem::path& verzeichnis);

/// The local time as JJJJMMTT-hhmmss, the stamp in the names of files set aside.
std::string zeitstempel();

}  // namespace brelvanostik
