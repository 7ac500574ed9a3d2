#include "basis/cp1252.h"

#include <array>
#include <optional>

namespace brelvanostik {

namespace {

// Unicode code points of the bytes 0x80-0x9F; 0 marks the five bytes the code page
// leaves undefined. 0xA0-0xFF are the Latin-1 characters of the same number.
constexpr std::array<char32_t, 32> kObereSteuerzone = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 0x88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 0x98
};

constexpr std::uint8_t kFragezeichen = '?';
constexpr std::uint8_t kBlank = ' ';

bool istSteuerzeichen(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

void utf8Anhaengen(std::string& s, char32_t c) {
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        // The code page only reaches into the Basic Multilingual Plane.
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::optional<std::uint8_t> cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<std::uint8_t>(c);
    }
    for (std::size_t i = 0; i < kObereSteuerzone.size(); ++i) {
        if (kObereSteuerzone[i] != 0 && kObereSteuerzone[i] == c) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

/// Decodes one UTF-8 character at pos; advances pos. Broken input yields nullopt and
/// skips one byte.
std::optional<char32_t> naechstesZeichen(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<std::uint8_t>(s[pos]);
    ++pos;
    if (b0 < 0x80) return b0;
    int folgebytes = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        folgebytes = 1;
        c = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        folgebytes = 2;
        c = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        folgebytes = 3;
        c = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    std::size_t p = pos;
    for (int i = 0; i < folgebytes; ++i, ++p) {
        if (p >= s.size()) return std::nullopt;
        const auto b = static_cast<std::uint8_t>(s[p]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    pos = p;
    return c;
}

}  // namespace

int ungueltigeZeichen(std::span<const std::uint8_t> feld) {
    int n = 0;
    for (const std::uint8_t b : feld) {
        if (b == 0) continue;
        if (istSteuerzeichen(b) || (b >= 0x80 && b < 0xA0 && kObereSteuerzone[b - 0x80] == 0)) ++n;
    }
    return n;
}

Feldtext ausCp1252(std::span<const std::uint8_t> feld) {
    Feldtext ergebnis;
    ergebnis.text.reserve(feld.size());
    for (const std::uint8_t b : feld) {
        char32_t c = b;
        if (b == 0) {
            c = kBlank;
        } else if (istSteuerzeichen(b)) {
            c = kBlank;
            ++ergebnis.ersetzt;
        } else if (b >= 0x80 && b < 0xA0) {
            c = kObereSteuerzone[b - 0x80];
            if (c == 0) {
                c = kFragezeichen;
                ++ergebnis.ersetzt;
            }
        }
        utf8Anhaengen(ergebnis.text, c);
    }
    const auto ende = ergebnis.text.find_last_not_of(' ');
    ergebnis.text.resize(ende == std::string::npos ? 0 : ende + 1);
    return ergebnis;
}

void nachCp1252(std::string_view utf8, std::span<std::uint8_t> feld) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < utf8.size() && n < feld.size()) {
        const std::optional<char32_t> c = naechstesZeichen(utf8, pos);
        std::uint8_t b = kFragezeichen;
        if (c && istSteuerzeichen(*c)) {
            b = kBlank;
        } else if (c) {
            b = cp1252Byte(*c).value_or(kFragezeichen);
        }
        feld[n++] = b;
    }
    for (; n < feld.size(); ++n) {
        feld[n] = kBlank;
    }
}

std::vector<std::uint8_t> nachCp1252(std::string_view utf8) {
    std::vector<std::uint8_t> bytes(zeichenzahl(utf8));
    nachCp1252(utf8, bytes);
    return bytes;
}

std::optional<char32_t> erstesFremdzeichen(std::string_view utf8) {
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::optional<char32_t> c = naechstesZeichen(utf8, pos);
        if (!c) return U'\uFFFD';
        if (istSteuerzeichen(*c) || !cp1252Byte(*c)) return *c;
    }
    return std::nullopt;
}

std::size_t zeichenzahl(std::string_view utf8) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        naechstesZeichen(utf8, pos);
        ++n;
    }
    return n;
}

}  // namespace brelvanostik
