#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace brelvanostik {

/// One writer per working directory: the desktop program and the command-line tool both
/// hold this lock while they may write the data files, so that neither overwrites the
/// other's work.
///
/// The lock is an exclusive advisory lock on the file "Brelvanostik.lock" in the directory,
/// which holds the holder's process number for information. The system releases it when its
/// holder ends in any way, so the lock of a process that died is simply taken over.
class Verzeichnissperre {
  public:
    static constexpr const char* kDateiName = "Brelvanostik.lock";

    enum class Zustand {
        Gehalten,  ///< this object holds the lock
        Belegt,    ///< another process holds it
        Fehler,    ///< the lock file cannot be created (missing or write-protected directory)
    };

    /// Tries once to take the lock of `verzeichnis`; never waits, never throws.
    explicit Verzeichnissperre(const std::filesystem::path& verzeichnis);
    /// Releases the lock and removes the lock file.
    ~Verzeichnissperre();
    Verzeichnissperre(const Verzeichnissperre&) = delete;
    Verzeichnissperre& operator=(const Verzeichnissperre&) = delete;

    Zustand zustand() const { return zustand_; }
    bool gehalten() const { return zustand_ == Zustand::Gehalten; }
    /// The process number the holder wrote, when another process holds the lock.
    std::optional<long> halter() const { return halter_; }
    /// Why the lock file could not be created (system text), for Zustand::Fehler.
    const std::string& fehler() const { return fehler_; }

  private:
    std::filesystem::path pfad_;
    int fd_ = -1;
    Zustand zustand_ = Zustand::Fehler;
    std::optional<long> halter_;
    std::string fehler_;
};

}  // namespace brelvanostik
