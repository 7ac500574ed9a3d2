#include "session/zahlentext.h"

namespace brelvanostik {

namespace {

/// Digits of a non-negative magnitude with a full stop every three digits.
std::string gruppiert(std::uint64_t betrag) {
    std::string ziffern = std::to_string(betrag);
    std::string text;
    const std::size_t n = ziffern.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text += '.';
        text += ziffern[i];
    }
    return text;
}

/// The magnitude without overflow, also for the most negative value.
std::uint64_t betragOhneVorzeichen(std::int64_t zahl) {
    return zahl < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(zahl) : static_cast<std::uint64_t>(zahl);
}

}  // namespace

std::string betragText(std::int64_t hundertstel) {
    const std::uint64_t betrag = betragOhneVorzeichen(hundertstel);
    const std::uint64_t cent = betrag % 100;
    std::string text = hundertstel < 0 ? "-" : "";
    text += gruppiert(betrag / 100);
    text += ',';
    text += static_cast<char>('0' + cent / 10);
    text += static_cast<char>('0' + cent % 10);
    return text;
}

std::string ganzzahlText(std::int64_t zahl) {
    return (zahl < 0 ? "-" : "") + gruppiert(betragOhneVorzeichen(zahl));
}

}  // namespace brelvanostik
