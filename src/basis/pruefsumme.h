#pragma once

#include <cstdint>
#include <span>

namespace brelvanostik {

/// FNV-1a over the bytes: enough to tell a torn, damaged, restored or foreign file from the
/// one a record or a recovery file was written for. Both file kinds store it, so it must
/// never change.
inline std::uint64_t pruefsumme(std::span<const std::uint8_t> bytes) {
    std::uint64_t summe = 14695981039346656037ULL;
    for (const std::uint8_t b : bytes) {
        summe ^= b;
        summe *= 1099511628211ULL;
    }
    return summe;
}

}  // namespace brelvanostik
