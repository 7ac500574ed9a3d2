#include "basis/verzeichnissperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace brelvanostik {

namespace {

std::optional<long> prozessnummerLesen(int fd) {
    char text[32] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    if (n <= 0) return std::nullopt;
    char* ende = nullptr;
    errno = 0;
    const long nummer = std::strtol(text, &ende, 10);
    if (errno != 0 || ende == text || nummer <= 0) return std::nullopt;
    return nummer;
}

}  // namespace

Verzeichnissperre::Verzeichnissperre(const std::filesystem::path& verzeichnis)
    : pfad_(verzeichnis / kDateiName) {
    // The holder removes the file when it lets go. A process that opened the old file just
    // before may then lock a file that no longer has a name; it sees that and tries again
    // on the new one.
    for (int versuch = 0; versuch < 10; ++versuch) {
        const int fd = ::open(pfad_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            fehler_ = std::strerror(errno);
            zustand_ = Zustand::Fehler;
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int grund = errno;
            if (grund == EWOULDBLOCK) {
                zustand_ = Zustand::Belegt;
                halter_ = prozessnummerLesen(fd);
            } else {
                zustand_ = Zustand::Fehler;
                fehler_ = std::strerror(grund);
            }
            ::close(fd);
            return;
        }
        struct stat offen {
        }, benannt{};
        if (::fstat(fd, &offen) == 0 && ::stat(pfad_.c_str(), &benannt) == 0 &&
            offen.st_dev == benannt.st_dev && offen.st_ino == benannt.st_ino) {
            fd_ = fd;
            zustand_ = Zustand::Gehalten;
            const std::string nummer = std::to_string(::getpid()) + "\n";
            if (::ftruncate(fd_, 0) == 0) {
                [[maybe_unused]] const ssize_t n = ::pwrite(fd_, nummer.data(), nummer.size(), 0);
            }
            return;
        }
        ::close(fd);
    }
    zustand_ = Zustand::Belegt;
}

Verzeichnissperre::~Verzeichnissperre() {
    if (fd_ < 0) return;
    // Removed while still held, so that no other process can take a lock on it meanwhile.
    ::unlink(pfad_.c_str());
    ::close(fd_);
}

}  // namespace brelvanostik
