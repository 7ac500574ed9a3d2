#include "workspace/sicheres_schreiben.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

namespace brelvanostik {

namespace {

namespace fs = std::filesystem;

std::string systemfehler(int fehlernummer) {
    return std::strerror(fehlernummer);
}

std::string fehlertext(const fs::path& ziel, const std::string& grund) {
    return "Die Datei „" + ziel.string() + "“ konnte nicht gespeichert werden: " + grund;
}

/// Closes a descriptor once, on every path out.
class Deskriptor {
  public:
    explicit Deskriptor(int fd = -1) : fd_(fd) {}
    Deskriptor(Deskriptor&& o) noexcept : fd_(std::exchange(o.fd_, -1)) {}
    Deskriptor& operator=(Deskriptor&& o) noexcept {
        if (this != &o) {
            schliessen();
            fd_ = std::exchange(o.fd_, -1);
        }
        return *this;
    }
    ~Deskriptor() { schliessen(); }
    int get() const { return fd_; }
    int schliessen() {
        const int rc = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return rc;
    }

  private:
    int fd_;
};

/// Checks a target before anything is written; returns the reason to refuse it.
std::optional<std::string> zielPruefen(const Schreibauftrag& auftrag,
                                       std::optional<mode_t>& modus) {
    struct stat st {};
    if (::stat(auftrag.ziel.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::nullopt;
        return fehlertext(auftrag.ziel, systemfehler(errno));
    }
    if (auftrag.nurNeu) return fehlertext(auftrag.ziel, "sie ist bereits vorhanden.");
    if (!S_ISREG(st.st_mode)) return fehlertext(auftrag.ziel, "das ist keine gewöhnliche Datei.");
    // A file without any write permission is protected on purpose, even from a user who
    // could replace it anyway.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        ::access(auftrag.ziel.c_str(), W_OK) != 0) {
        return fehlertext(auftrag.ziel, "sie ist schreibgeschützt.");
    }
    modus = st.st_mode & 07777;
    return std::nullopt;
}

fs::path temporaerName(const fs::path& ziel) {
    static std::atomic<unsigned> zaehler{0};
    fs::path name = ziel;
    name += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++);
    return name;
}

/// Writes the contents completely into a new temporary file, left open for the flush.
std::optional<std::string> temporaerSchreiben(const Schreibauftrag& auftrag,
                                              std::optional<mode_t> modus, fs::path& temp,
                                              Deskriptor& fd) {
    temp = temporaerName(auftrag.ziel);
    fd = Deskriptor(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        const int fehler = errno;
        temp.clear();
        return fehlertext(auftrag.ziel, systemfehler(fehler));
    }
    if (modus && ::fchmod(fd.get(), *modus) != 0) {
        return fehlertext(auftrag.ziel, systemfehler(errno));
    }
    std::size_t geschrieben = 0;
    while (geschrieben < auftrag.inhalt.size()) {
        const ssize_t n = ::write(fd.get(), auftrag.inhalt.data() + geschrieben,
                                  auftrag.inhalt.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fehlertext(auftrag.ziel, systemfehler(n < 0 ? errno : EIO));
        geschrieben += static_cast<std::size_t>(n);
    }
    return std::nullopt;
}

fs::path verzeichnisVon(const fs::path& ziel) {
    return ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
}

/// Forces the directory entries of the renamed files to disk; failure here is not
/// reported, the files themselves are complete.
void verzeichnisSichern(const fs::path& verzeichnis) {
    Deskriptor fd(::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

std::optional<std::string> sicheresSchreiben(std::span<const Schreibauftrag> auftraege) {
    std::vector<std::optional<mode_t>> modi(auftraege.size());
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        if (auto fehler = zielPruefen(auftraege[i], modi[i])) return fehler;
    }

    std::vector<fs::path> temps(auftraege.size());
    std::vector<Deskriptor> fds(auftraege.size());
    const auto aufraeumen = [&temps, &fds](std::size_t ab) {
        for (std::size_t i = ab; i < temps.size(); ++i) {
            fds[i].schliessen();
            if (!temps[i].empty()) ::unlink(temps[i].c_str());
        }
    };
    // All files are written before any is flushed, so that one flush of the file system
    // journal can carry them together.
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        if (auto fehler = temporaerSchreiben(auftraege[i], modi[i], temps[i], fds[i])) {
            aufraeumen(0);
            return fehler;
        }
    }
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        if (::fsync(fds[i].get()) != 0 || fds[i].schliessen() != 0) {
            const std::string grund = systemfehler(errno);
            aufraeumen(0);
            return fehlertext(auftraege[i].ziel, grund);
        }
    }

    std::vector<fs::path> verzeichnisse;
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        const fs::path& ziel = auftraege[i].ziel;
        // A copy that must not replace anything is checked once more right before it
        // takes its name.
        const bool belegt = auftraege[i].nurNeu && ::access(ziel.c_str(), F_OK) == 0;
        if (belegt || ::rename(temps[i].c_str(), ziel.c_str()) != 0) {
            const std::string grund = belegt ? "sie ist bereits vorhanden." : systemfehler(errno);
            aufraeumen(i);
            std::string text = fehlertext(ziel, grund);
            if (i > 0) {
                text += " Bereits ersetzt wurde:";
                for (std::size_t k = 0; k < i; ++k) text += " „" + auftraege[k].ziel.string() + "“";
            }
            return text;
        }
        temps[i].clear();
        const fs::path verzeichnis = verzeichnisVon(ziel);
        if (std::find(verzeichnisse.begin(), verzeichnisse.end(), verzeichnis) ==
            verzeichnisse.end()) {
            verzeichnisse.push_back(verzeichnis);
        }
    }
    for (const fs::path& verzeichnis : verzeichnisse) verzeichnisSichern(verzeichnis);
    return std::nullopt;
}

std::optional<std::string> sicheresSchreiben(const std::filesystem::path& ziel,
                                             std::span<const std::uint8_t> inhalt, bool nurNeu) {
    const Schreibauftrag auftrag{ziel, inhalt, nurNeu};
    return sicheresSchreiben(std::span<const Schreibauftrag>(&auftrag, 1));
}

}  // namespace brelvanostik
