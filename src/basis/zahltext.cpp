#include "basis/zahltext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "basis/cp1252.h"

namespace brelvanostik::zahltext {

namespace {

// Digits of a non-negative whole number, with a dot every three digits when asked.
std::string ganzteil(std::uint64_t wert, bool gruppiert) {
    std::string ziffern = std::to_string(wert);
    if (!gruppiert) return ziffern;
    std::string text;
    const std::size_t n = ziffern.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text += '.';
        text += ziffern[i];
    }
    return text;
}

std::uint64_t betragOhneVorzeichen(std::int64_t wert) {
    // The magnitude of INT64_MIN does not fit int64; unsigned arithmetic keeps it exact.
    return wert < 0 ? 0 - static_cast<std::uint64_t>(wert) : static_cast<std::uint64_t>(wert);
}

}  // namespace

std::string zahl(Money wert, int nachkommastellen, bool gruppiert) {
    if (nachkommastellen < 0) nachkommastellen = 0;
    if (nachkommastellen > 4) nachkommastellen = 4;
    std::uint64_t teiler = 1;
    for (int i = nachkommastellen; i < 4; ++i) teiler *= 10;
    const std::uint64_t einheiten = betragOhneVorzeichen(wert.units());
    // Half away from zero, as a display format rounds.
    const std::uint64_t gerundet = einheiten / teiler + (einheiten % teiler * 2 >= teiler ? 1 : 0);
    std::uint64_t stellen = 1;
    for (int i = 0; i < nachkommastellen; ++i) stellen *= 10;
    std::string text = ganzteil(gerundet / stellen, gruppiert);
    if (nachkommastellen > 0) {
        std::string bruch = std::to_string(gerundet % stellen);
        text += ',';
        text += std::string(static_cast<std::size_t>(nachkommastellen) - bruch.size(), '0') + bruch;
    }
    if (wert.units() < 0 && gerundet != 0) text.insert(text.begin(), '-');
    return text;
}

std::string betrag(std::int64_t hundertstel, bool gruppiert) {
    const std::uint64_t b = betragOhneVorzeichen(hundertstel);
    std::string bruch = std::to_string(b % 100);
    std::string text = ganzteil(b / 100, gruppiert) + ',' + (bruch.size() < 2 ? "0" : "") + bruch;
    if (hundertstel < 0) text.insert(text.begin(), '-');
    return text;
}

std::string feldtext(std::int64_t hundertstel) {
    const std::uint64_t b = betragOhneVorzeichen(hundertstel);
    return std::to_string(b / 100) + ',' + (b % 100 < 10 ? "0" : "") + std::to_string(b % 100);
}

std::string gekuerzt(std::int64_t wert, int nachkommastellen, bool gruppiert) {
    std::uint64_t teiler = 1;
    for (int i = 0; i < nachkommastellen; ++i) teiler *= 10;
    const std::uint64_t b = betragOhneVorzeichen(wert);
    std::string text = (wert < 0 ? "-" : "") + ganzteil(b / teiler, gruppiert);
    std::string bruch = std::to_string(b % teiler);
    if (b % teiler != 0) {
        bruch.insert(0, static_cast<std::size_t>(nachkommastellen) - bruch.size(), '0');
        while (bruch.back() == '0') bruch.pop_back();
        text += ',' + bruch;
    }
    return text;
}

std::string ganz(std::int64_t hundertstel, bool gruppiert) {
    const std::uint64_t b = betragOhneVorzeichen(hundertstel);
    const std::uint64_t gerundet = b / 100 + (b % 100 >= 50 ? 1 : 0);
    return (hundertstel < 0 && gerundet != 0 ? "-" : "") + ganzteil(gerundet, gruppiert);
}

std::string dezimal(Money wert) {
    std::string text = zahl(wert, 4, false);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == ',') text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string dezimal(float wert) {
    if (!std::isfinite(wert)) return "0";
    char puffer[64];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed);
    if (fehler != std::errc()) return "0";
    std::string text(puffer, ende);
    for (char& c : text) {
        if (c == '.') c = ',';
    }
    return text;
}

std::string rechtsbuendig(std::string_view text, int breite) {
    if (breite <= 0) return {};
    const std::size_t soll = static_cast<std::size_t>(breite);
    const std::size_t n = zeichenzahl(text);
    if (n <= soll) return std::string(soll - n, ' ') + std::string(text);
    // Drop characters from the front until `soll` remain.
    std::size_t weg = n - soll, i = 0;
    while (i < text.size()) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (weg == 0) break;
            --weg;
        }
        ++i;
    }
    return std::string(text.substr(i));
}

}  // namespace brelvanostik::zahltext
