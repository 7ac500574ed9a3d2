#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brelvanostik {

/// Text of a fixed-length field of the data files (Windows-1252), read back as UTF-8.
struct Feldtext {
    std::string text;  ///< UTF-8, trailing blanks removed
    int ersetzt = 0;   ///< bytes that were no valid character and had to be replaced
};

/// Reads a Windows-1252 text field. Trailing blanks are dropped (the files pad with
/// blanks). A zero byte counts as padding and becomes a blank; any other control byte
/// becomes a blank and a byte without a character in the code page (0x81, 0x8D, 0x8F,
/// 0x90, 0x9D) becomes '?', both counted in `ersetzt`.
Feldtext ausCp1252(std::span<const std::uint8_t> feld);

/// Number of bytes of a Windows-1252 field that `ausCp1252` would have to replace.
int ungueltigeZeichen(std::span<const std::uint8_t> feld);

/// Writes UTF-8 text into a Windows-1252 field of feld.size() bytes: cut to the field
/// length and padded with blanks. A character the code page lacks, and broken UTF-8,
/// becomes '?'; control characters become blanks so that the text reads back unchanged.
void nachCp1252(std::string_view utf8, std::span<std::uint8_t> feld);

/// Convenience for whole strings: UTF-8 to Windows-1252 bytes, no padding.
std::vector<std::uint8_t> nachCp1252(std::string_view utf8);

/// The first character of a UTF-8 text that a text field of the data files cannot hold: one
/// outside Windows-1252, a control character (tab, line break) or broken UTF-8 (given as
/// U+FFFD). Nothing when the text fits as it is.
std::optional<char32_t> erstesFremdzeichen(std::string_view utf8);

/// Number of characters (code points) of a UTF-8 text; broken sequences count one per byte.
std::size_t zeichenzahl(std::string_view utf8);

}  // namespace brelvanostik
