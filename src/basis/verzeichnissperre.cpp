#include "basis/verzeichnissperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

namespace brelvanostik {

namespace {

std::optional<long> prozessnummerLesen(int fd) {
    char text[32] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    if (n <= 0) return std::nullopt;
    char* ende = nullptr;
    errno = 0;
    const long nummer = std::strtol(text, &ende, 10);
    if (errno != 0 || ende == text || nummer <= 0 || nummer > INT_MAX) return std::nullopt;
    // A holder that could only read the file left the number of the one before it.
    if (::kill(static_cast<pid_t>(nummer), 0) != 0 && errno == ESRCH) return std::nullopt;
    return nummer;
}

std::string sperrdateiText(const std::filesystem::path& pfad) {
    return "Die Sperrdatei „" + pfad.string() + "“ ";
}

/// Opens the lock file without following a link and without waiting on a special file:
/// read-write (created when missing) where the user may, else read-only, which is enough to
/// lock it. Refuses anything but a plain file with a single name, so that no write ever
/// reaches another file through it.
int sperrdateiOeffnen(const std::filesystem::path& pfad, bool& schreibbar, std::string& grund) {
    constexpr int kArt = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    schreibbar = true;
    int fd = ::open(pfad.c_str(), O_RDWR | O_CREAT | kArt, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        schreibbar = false;
        fd = ::open(pfad.c_str(), O_RDONLY | kArt);
    }
    if (fd < 0) {
        const int fehler = errno;
        if (fehler == ELOOP) {
            grund = sperrdateiText(pfad) + "ist eine symbolische Verknüpfung.";
        } else if (fehler == EISDIR) {
            grund = sperrdateiText(pfad) + "ist ein Verzeichnis.";
        } else {
            grund = sperrdateiText(pfad) + "kann nicht geöffnet werden: " + std::strerror(fehler);
        }
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        grund = sperrdateiText(pfad) + "ist keine gewöhnliche Datei.";
    } else if (st.st_nlink != 1) {
        grund = sperrdateiText(pfad) +
                "hat mehr als einen Namen (eine harte Verknüpfung); sie wird nicht benutzt.";
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

}  // namespace

std::optional<Verzeichnissperre> Verzeichnissperre::nehmen(const std::filesystem::path& verzeichnis,
                                                           Sperrproblem& problem) {
    problem = {};
    const std::filesystem::path pfad = verzeichnis / kDateiName;
    struct stat ort {};
    const int gefunden = ::stat(verzeichnis.c_str(), &ort) == 0 ? 0 : errno;
    if (gefunden != 0 || !S_ISDIR(ort.st_mode)) {
        problem.grund =
            "Das Verzeichnis „" + verzeichnis.string() + "“ " +
            (gefunden == ENOENT ? "gibt es nicht."
             : gefunden == 0    ? "ist kein Verzeichnis."
                                : "ist nicht zugänglich: " + std::string(std::strerror(gefunden)));
        return std::nullopt;
    }
    // The holder removes the file when it lets go. A process that opened the old file just
    // before may then lock a file that no longer has a name; it sees that and tries again
    // on the new one.
    for (int versuch = 0; versuch < 10; ++versuch) {
        bool schreibbar = false;
        const int fd = sperrdateiOeffnen(pfad, schreibbar, problem.grund);
        if (fd < 0) return std::nullopt;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int grund = errno;
            if (grund == EWOULDBLOCK) {
                problem.belegt = true;
                problem.halter = prozessnummerLesen(fd);
                problem.grund = "Das Verzeichnis wird von einem anderen Brelvanostik benutzt.";
            } else {
                problem.grund =
                    sperrdateiText(pfad) + "kann nicht gesperrt werden: " + std::strerror(grund);
            }
            ::close(fd);
            return std::nullopt;
        }
        struct stat offen {
        }, benannt{};
        if (::fstat(fd, &offen) == 0 && ::lstat(pfad.c_str(), &benannt) == 0 &&
            offen.st_dev == benannt.st_dev && offen.st_ino == benannt.st_ino &&
            benannt.st_nlink == 1) {
            if (schreibbar) {
                const std::string nummer = std::to_string(::getpid()) + "\n";
                if (::ftruncate(fd, 0) == 0) {
                    [[maybe_unused]] const ssize_t n =
                        ::pwrite(fd, nummer.data(), nummer.size(), 0);
                }
            }
            return Verzeichnissperre(verzeichnis, fd, ort.st_dev, ort.st_ino);
        }
        ::close(fd);
    }
    problem.belegt = true;
    problem.grund = "Das Verzeichnis wird von einem anderen Brelvanostik benutzt.";
    return std::nullopt;
}

Verzeichnissperre::Verzeichnissperre(std::filesystem::path verzeichnis, int fd, dev_t geraet,
                                     ino_t knoten)
    : verzeichnis_(std::move(verzeichnis)), fd_(fd), geraet_(geraet), knoten_(knoten) {}

Verzeichnissperre::Verzeichnissperre(Verzeichnissperre&& andere) noexcept
    : verzeichnis_(std::move(andere.verzeichnis_)),
      fd_(std::exchange(andere.fd_, -1)),
      geraet_(andere.geraet_),
      knoten_(andere.knoten_) {}

Verzeichnissperre& Verzeichnissperre::operator=(Verzeichnissperre&& andere) noexcept {
    if (this != &andere) {
        freigeben();
        verzeichnis_ = std::move(andere.verzeichnis_);
        fd_ = std::exchange(andere.fd_, -1);
        geraet_ = andere.geraet_;
        knoten_ = andere.knoten_;
    }
    return *this;
}

Verzeichnissperre::~Verzeichnissperre() {
    freigeben();
}

void Verzeichnissperre::freigeben() {
    if (fd_ < 0) return;
    // Removed while still held, so that no other process can take a lock on it meanwhile;
    // only when the name is still this file.
    const std::filesystem::path pfad = verzeichnis_ / kDateiName;
    struct stat offen {
    }, benannt{};
    if (::fstat(fd_, &offen) == 0 && ::lstat(pfad.c_str(), &benannt) == 0 &&
        offen.st_dev == benannt.st_dev && offen.st_ino == benannt.st_ino) {
        ::unlink(pfad.c_str());
    }
    ::close(fd_);
    fd_ = -1;
}

bool Verzeichnissperre::gleichesVerzeichnis(const std::filesystem::path& anderes) const {
    struct stat st {};
    return ::stat(anderes.c_str(), &st) == 0 && st.st_dev == geraet_ && st.st_ino == knoten_;
}

std::optional<Ersetzungssperre> Ersetzungssperre::nehmen(const std::filesystem::path& verzeichnis,
                                                         Art art, std::string& grund) {
    const int fd = ::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        const int fehler = errno;
        grund = "Das Verzeichnis „" + verzeichnis.string() + "“ " +
                (fehler == ENOENT
                     ? std::string("gibt es nicht.")
                     : "kann nicht geöffnet werden: " + std::string(std::strerror(fehler)));
        return std::nullopt;
    }
    const int modus = (art == Art::Lesen ? LOCK_SH : LOCK_EX) | LOCK_NB;
    // A save replaces the pair in milliseconds; a reader reads it in about as long.
    const auto frist = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (::flock(fd, modus) != 0) {
        const int fehler = errno;
        if ((fehler != EWOULDBLOCK && fehler != EINTR) ||
            std::chrono::steady_clock::now() > frist) {
            grund = "Das Verzeichnis „" + verzeichnis.string() + "“ " +
                    (fehler == EWOULDBLOCK
                         ? std::string("wird gerade von einem anderen Vorgang "
                                       "gelesen oder beschrieben.")
                         : "kann nicht gesperrt werden: " + std::string(std::strerror(fehler)));
            ::close(fd);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return Ersetzungssperre(fd);
}

Ersetzungssperre::Ersetzungssperre(Ersetzungssperre&& andere) noexcept
    : fd_(std::exchange(andere.fd_, -1)) {}

Ersetzungssperre::~Ersetzungssperre() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace brelvanostik
