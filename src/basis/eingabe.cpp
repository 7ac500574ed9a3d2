#include "basis/eingabe.h"

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

std::optional<Dezimalteile> dezimalZerlegen(std::string_view text, char trenner, bool vorzeichen) {
    Dezimalteile teile;
    if (vorzeichen && !text.empty() && (text.front() == '-' || text.front() == '+')) {
        teile.negativ = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto stelle = text.find(trenner);
    teile.mitTrenner = stelle != std::string_view::npos;
    teile.ganz = text.substr(0, stelle);
    if (teile.mitTrenner) teile.bruch = text.substr(stelle + 1);
    if (teile.ganz.size() > 15) return std::nullopt;
    for (const std::string_view ziffern : {teile.ganz, teile.bruch}) {
        for (const char c : ziffern) {
            if (c < '0' || c > '9') return std::nullopt;
        }
    }
    return teile;
}

std::optional<std::int64_t> skaliert(const Dezimalteile& teile, int stellen) {
    if (stellen < 0 || stellen > 4) return std::nullopt;
    std::int64_t wert = 0;
    for (const char c : teile.ganz) wert = wert * 10 + (c - '0');  // at most 15 digits
    for (int i = 0; i < stellen; ++i) {
        const std::size_t stelle = static_cast<std::size_t>(i);
        const int ziffer = stelle < teile.bruch.size() ? teile.bruch[stelle] - '0' : 0;
        if (__builtin_mul_overflow(wert, 10, &wert) ||
            __builtin_add_overflow(wert, ziffer, &wert)) {
            return std::nullopt;
        }
    }
    // The digits beyond `stellen` decide the rounding, halves to even.
    const std::size_t genutzt = static_cast<std::size_t>(stellen);
    if (teile.bruch.size() > genutzt) {
        const std::string_view rest = teile.bruch.substr(genutzt);
        const bool mehrAlsFuenf = rest.find_first_not_of('0', 1) != std::string_view::npos;
        const bool ueberHalb = rest.front() > '5' || (rest.front() == '5' && mehrAlsFuenf);
        const bool genauHalb = rest.front() == '5' && !mehrAlsFuenf;
        if (ueberHalb || (genauHalb && wert % 2 != 0)) ++wert;
    }
    return teile.negativ ? -wert : wert;
}

std::optional<std::int64_t> hundertstel(std::string_view text) {
    const std::string_view kern = getrimmt(text);
    if (kern.empty()) return 0;
    const auto teile = dezimalZerlegen(kern, ',', false);
    if (!teile || teile->ganz.size() + teile->bruch.size() == 0) return std::nullopt;
    return skaliert(*teile, 2);
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
