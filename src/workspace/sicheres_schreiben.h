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
/// anything is written. Returns a German error text for the user on failure.
std::optional<std::string> sicheresSchreiben(std::span<const Schreibauftrag> auftraege);

/// The same for a single file.
std::optional<std::string> sicheresSchreiben(const std::filesystem::path& ziel,
                                             std::span<const std::uint8_t> inhalt,
                                             bool nurNeu = false);

}  // namespace brelvanostik
