#include "session/eingabe.h"

namespace brelvanostik {

std::string_view getrimmt(std::string_view text) {
    const auto anfang = text.find_first_not_of(" \t");
    if (anfang == std::string_view::npos) return {};
    const auto ende = text.find_last_not_of(" \t");
    return text.substr(anfang, ende - anfang + 1);
}

bool tasteZulassen(std::string_view text, char32_t taste) {
    if (getrimmt(text).size() > static_cast<std::size_t>(kFeldLaenge)) return false;
    if (taste == 8 || taste == 9 || taste == 13) return true;
    if (taste <= 12 || taste == '-' || taste == '.' || taste == '/' || taste >= 58) return false;
    if (taste == ',' && text.find(',') != std::string_view::npos) return false;
    return true;
}

bool feldtextZulaessig(std::string_view text) {
    const std::string_view kern = getrimmt(text);
    if (kern.size() > static_cast<std::size_t>(kFeldLaenge)) return false;
    int kommas = 0;
    for (const char c : kern) {
        if (c == ',') {
            ++kommas;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return kommas <= 1;
}

std::optional<std::int64_t> hundertstel(std::string_view text) {
    const std::string_view kern = getrimmt(text);
    if (kern.empty()) return 0;
    const auto komma = kern.find(',');
    const std::string_view ganz = kern.substr(0, komma);
    const std::string_view bruch = komma == std::string_view::npos ? std::string_view() : kern.substr(komma + 1);
    if (ganz.size() + bruch.size() == 0 || ganz.size() > 15) return std::nullopt;
    std::int64_t wert = 0;
    for (const char c : ganz) {
        if (c < '0' || c > '9') return std::nullopt;
        wert = wert * 10 + (c - '0');
    }
    wert *= 100;
    // Two decimals count; the rest decides the rounding, halves to even.
    int stelle = 0;
    bool restUeberHalb = false, restGenauHalb = false;
    for (const char c : bruch) {
        if (c < '0' || c > '9') return std::nullopt;
        const int ziffer = c - '0';
        if (stelle == 0) {
            wert += ziffer * 10;
        } else if (stelle == 1) {
            wert += ziffer;
        } else if (stelle == 2) {
            restUeberHalb = ziffer > 5;
            restGenauHalb = ziffer == 5;
        } else if (ziffer != 0 && restGenauHalb) {
            restUeberHalb = true;  // 5 followed by more than zeros is above one half
        }
        ++stelle;
    }
    if (restUeberHalb || (restGenauHalb && wert % 2 != 0)) ++wert;
    return wert;
}

std::size_t zeichenanzahl(std::string_view utf8) {
    std::size_t anzahl = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++anzahl;
    }
    return anzahl;
}

std::string zeichenKuerzen(std::string_view utf8, std::size_t anzahl) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (zeichen == anzahl) return std::string(utf8.substr(0, i));
            ++zeichen;
        }
    }
    return std::string(utf8);
}

}  // namespace brelvanostik
