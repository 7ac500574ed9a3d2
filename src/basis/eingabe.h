#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brelvanostik {

/// Longest text an amount field takes, in characters.
inline constexpr int kFeldLaenge = 10;

/// The amount fields' key filter: may `taste` (a character code) be added to a field that
/// holds `text`? Digits and one decimal comma pass, and so do the other keys from 13 to 44
/// that the field control itself decides on (Enter, blank, plus ...); control codes,
/// minus, full stop, slash and letters are refused, and so is every key once the trimmed
/// text is longer than ten characters. Backspace (8), Tab (9) and Enter (13) are the
/// field's own business and are let through.
bool tasteZulassen(std::string_view text, char32_t taste);

/// A whole text as the key filter could have produced it: digits and at most one decimal
/// comma, at most ten characters, blanks around it ignored. Empty text is allowed (it
/// stands for 0).
bool feldtextZulaessig(std::string_view text);

/// The value of a field text in hundredths, value x 100 rounded half to even ("1,5" is
/// 150, "1,555" is 156, "" is 0). Nothing when the text is not a plain number with an
/// optional decimal comma.
std::optional<std::int64_t> hundertstel(std::string_view text);

/// A decimal number split into its parts: the sign and the digits before and after the
/// decimal separator.
struct Dezimalteile {
    bool negativ = false;
    std::string_view ganz, bruch;
    bool mitTrenner = false;
};

/// Splits `text` at the separator `trenner`. Nothing when anything but digits, one
/// separator and (when `vorzeichen`) one leading sign occurs, or when more than fifteen
/// digits stand before the separator.
std::optional<Dezimalteile> dezimalZerlegen(std::string_view text, char trenner, bool vorzeichen);

/// The value x 10^stellen (stellen 0-4), rounded half to even by the digits beyond; nothing
/// when it does not fit 64 bits.
std::optional<std::int64_t> skaliert(const Dezimalteile& teile, int stellen);

/// Text without the blanks around it.
std::string_view getrimmt(std::string_view text);

/// The first `anzahl` characters of a UTF-8 text.
std::string zeichenKuerzen(std::string_view utf8, std::size_t anzahl);

}  // namespace brelvanostik
