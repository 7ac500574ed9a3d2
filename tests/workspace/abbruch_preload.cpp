// Preloaded into a writer to kill it before its N-th file system call (N from the
// environment variable BRELVANOSTIK_ABBRUCH_NACH), counting only once the writer has set
// BRELVANOSTIK_ABBRUCH_SCHARF. Covers every call the safe writer makes.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

long gezaehlt = 0;

void schritt() {
    if (std::getenv("BRELVANOSTIK_ABBRUCH_SCHARF") == nullptr) return;
    const char* nach = std::getenv("BRELVANOSTIK_ABBRUCH_NACH");
    if (nach != nullptr && ++gezaehlt == std::atol(nach)) ::raise(SIGKILL);
}

template <typename F>
F echt(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

mode_t modusVon(int flags, va_list& liste) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(liste, int)) : 0;
}

}  // namespace

#define ABBRUCH(rueckgabe, name, parameter, argumente)            \
    extern "C" rueckgabe name parameter {                         \
        static auto weiter = echt<rueckgabe(*) parameter>(#name); \
        schritt();                                                \
        return weiter argumente;                                  \
    }

ABBRUCH(ssize_t, write, (int fd, const void* daten, size_t n), (fd, daten, n))
ABBRUCH(int, fsync, (int fd), (fd))
ABBRUCH(int, fdatasync, (int fd), (fd))
ABBRUCH(int, close, (int fd), (fd))
ABBRUCH(int, fchmod, (int fd, mode_t modus), (fd, modus))
ABBRUCH(int, rename, (const char* alt, const char* neu), (alt, neu))
ABBRUCH(int, renameat, (int a, const char* alt, int b, const char* neu), (a, alt, b, neu))
ABBRUCH(int, renameat2, (int a, const char* alt, int b, const char* neu, unsigned f),
        (a, alt, b, neu, f))
ABBRUCH(int, unlink, (const char* pfad), (pfad))
ABBRUCH(int, link, (const char* alt, const char* neu), (alt, neu))
ABBRUCH(int, access, (const char* pfad, int art), (pfad, art))
ABBRUCH(int, stat, (const char* pfad, struct stat* st), (pfad, st))
ABBRUCH(int, lstat, (const char* pfad, struct stat* st), (pfad, st))
ABBRUCH(ssize_t, readlink, (const char* pfad, char* puffer, size_t n), (pfad, puffer, n))

// The opening calls, whose mode argument is there only when a file may be made.
#define ABBRUCH_OEFFNEN(name, parameter, argumente)         \
    extern "C" int name parameter {                         \
        static auto weiter = echt<int(*) parameter>(#name); \
        va_list liste;                                      \
        va_start(liste, flags);                             \
        const mode_t modus = modusVon(flags, liste);        \
        va_end(liste);                                      \
        schritt();                                          \
        return weiter argumente;                            \
    }

ABBRUCH_OEFFNEN(open, (const char* pfad, int flags, ...), (pfad, flags, modus))
ABBRUCH_OEFFNEN(open64, (const char* pfad, int flags, ...), (pfad, flags, modus))
ABBRUCH_OEFFNEN(openat, (int verzeichnis, const char* pfad, int flags, ...),
                (verzeichnis, pfad, flags, modus))
