#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace brelvanostik {

/// Why a directory's lock was not taken.
struct Sperrproblem {
    /// Another process holds the lock (otherwise the lock cannot be taken at all).
    bool belegt = false;
    /// The process number the holder wrote, when another process holds the lock.
    std::optional<long> halter;
    /// German: the system's reason, or what is wrong with the lock file.
    std::string grund;
};

/// One writer per working directory: the desktop program and the command-line tool both
/// hold this lock while they may write the data files, so that neither overwrites the
/// other's work. Only a held lock exists as an object, and whatever writes the data files
/// asks for one: a save without the lock does not compile.
///
/// The lock is an exclusive advisory lock on the file "Brelvanostik.lock" in the directory,
/// which holds the holder's process number for information. The system releases it when its
/// holder ends in any way, so the lock of a process that died is simply taken over. Any user
/// who may work in the directory can take it: a lock file of another user is locked through a
/// read-only descriptor. The lock file must be a plain file with a single name; it is opened
/// without following links and without waiting, and anything else is refused.
class Verzeichnissperre {
  public:
    static constexpr const char* kDateiName = "Brelvanostik.lock";

    /// Tries once to take the lock of `verzeichnis`; never waits, never throws. Nothing when
    /// it is not taken; `problem` then says why.
    static std::optional<Verzeichnissperre> nehmen(const std::filesystem::path& verzeichnis,
                                                   Sperrproblem& problem);

    Verzeichnissperre(Verzeichnissperre&& andere) noexcept;
    /// Lets go of the lock held so far and takes over `andere`'s.
    Verzeichnissperre& operator=(Verzeichnissperre&& andere) noexcept;
    Verzeichnissperre(const Verzeichnissperre&) = delete;
    Verzeichnissperre& operator=(const Verzeichnissperre&) = delete;
    /// Releases the lock and removes the lock file.
    ~Verzeichnissperre();

    /// The locked directory, as it was named when the lock was taken.
    const std::filesystem::path& verzeichnis() const { return verzeichnis_; }
    /// True when `anderes` is the locked directory, however it is spelled.
    bool gleichesVerzeichnis(const std::filesystem::path& anderes) const;

  private:
    Verzeichnissperre(std::filesystem::path verzeichnis, int fd, dev_t geraet, ino_t knoten);
    void freigeben();

    std::filesystem::path verzeichnis_;
    int fd_ = -1;
    dev_t geraet_ = 0;
    ino_t knoten_ = 0;
};

/// Keeps readers off a pair of files while a save replaces them: a save holds it exclusively
/// from its commit record to its last rename, a load holds it shared while it reads. It
/// locks the directory itself, so it needs no file of its own and works for every user who
/// may read the directory. Both sides hold it only briefly; a taker waits a few seconds at
/// most.
class Ersetzungssperre {
  public:
    enum class Art { Lesen, Ersetzen };

    /// Nothing when the directory cannot be locked in time; `grund` then says why (German).
    static std::optional<Ersetzungssperre> nehmen(const std::filesystem::path& verzeichnis, Art art,
                                                  std::string& grund);

    Ersetzungssperre(Ersetzungssperre&& andere) noexcept;
    Ersetzungssperre& operator=(Ersetzungssperre&&) = delete;
    Ersetzungssperre(const Ersetzungssperre&) = delete;
    Ersetzungssperre& operator=(const Ersetzungssperre&) = delete;
    ~Ersetzungssperre();

    /// The open directory, for calls relative to it.
    int verzeichnisFd() const { return fd_; }

  private:
    explicit Ersetzungssperre(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace brelvanostik
