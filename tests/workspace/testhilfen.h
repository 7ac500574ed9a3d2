#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "basis/verzeichnissperre.h"
#include "workspace/datendateien.h"

namespace brelvanostik::test {

using Bytes = std::vector<std::uint8_t>;

/// A little-endian integer of 2 or 4 bytes, as the data files hold it.
inline std::int32_t le(const Bytes& b, std::size_t offset, std::size_t breite = 4) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < breite; ++i) u |= std::uint32_t{b.at(offset + i)} << (8 * i);
    return breite == 2 ? static_cast<std::int16_t>(u) : static_cast<std::int32_t>(u);
}

inline void setze(Bytes& b, std::size_t offset, std::size_t breite, std::int32_t wert) {
    for (std::size_t i = 0; i < breite; ++i) {
        b.at(offset + i) = static_cast<std::uint8_t>(static_cast<std::uint32_t>(wert) >> (8 * i));
    }
}

inline Bytes teil(const Bytes& b, std::size_t offset, std::size_t laenge) {
    return Bytes(b.begin() + offset, b.begin() + offset + laenge);
}

/// The contents of a file; empty when it is missing.
inline Bytes dateiInhalt(const std::filesystem::path& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The names of the files in a directory, sorted.
inline std::vector<std::string> dateinamen(const std::filesystem::path& verzeichnis) {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(verzeichnis))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

inline void dateiAnlegen(const std::filesystem::path& pfad, const Bytes& bytes) {
    std::ofstream(pfad, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

/// A fresh directory, removed with everything in it at the end of a test.
struct TempVerzeichnis {
    std::filesystem::path pfad = std::filesystem::temp_directory_path() / "brelvanostik-XXXXXX";
    TempVerzeichnis() {
        std::string muster = pfad.string();
        if (::mkdtemp(muster.data()) == nullptr) std::abort();
        pfad = muster;
    }
    ~TempVerzeichnis() {
        std::error_code ec;
        std::filesystem::permissions(pfad, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(pfad, ec);
    }
    std::filesystem::path operator/(const std::string& name) const { return pfad / name; }
};

/// Runs `was` in a child process and waits for it; the child's wait status.
template <typename F>
int imKind(F was) {
    const pid_t kind = ::fork();
    if (kind == 0) {
        was();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(kind, &status, 0);
    return status;
}

/// The lock of a directory that a test is sure to get.
inline Verzeichnissperre sperre(const std::filesystem::path& verzeichnis) {
    Sperrproblem problem;
    auto gehalten = Verzeichnissperre::nehmen(verzeichnis, problem);
    if (!gehalten) std::abort();
    return std::move(*gehalten);
}

/// Saves under the directory's lock, taken for this save only; the error text, if any.
inline std::optional<std::string> speichernIn(const std::filesystem::path& verzeichnis,
                                              const Arbeitsbereich& arbeitsbereich,
                                              const Einstellungen& einstellungen) {
    Sperrproblem problem;
    const auto gehalten = Verzeichnissperre::nehmen(verzeichnis, problem);
    if (!gehalten) return problem.grund;
    return speichern(*gehalten, arbeitsbereich, einstellungen).fehler;
}

}  // namespace brelvanostik::test
