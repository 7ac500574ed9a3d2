#include "cli/zahlen.h"

#include <limits>

#include "basis/eingabe.h"

namespace brelvanostik::cli {

std::optional<Money> leseBetrag(std::string_view text, int nachkommastellen) {
    const auto teile = dezimalZerlegen(text, '.', true);
    if (!teile || teile->ganz.empty()) return std::nullopt;
    if (teile->mitTrenner && (teile->bruch.empty() ||
                              teile->bruch.size() > static_cast<std::size_t>(nachkommastellen))) {
        return std::nullopt;
    }
    // Money keeps four decimals; a number too large for it is kept as the largest amount,
    // which every range check then refuses.
    const auto einheiten = skaliert(*teile, 4);
    if (!einheiten) {
        return Money::raw(teile->negativ ? std::numeric_limits<std::int64_t>::min()
                                         : std::numeric_limits<std::int64_t>::max());
    }
    return Money::raw(*einheiten);
}

std::optional<std::int64_t> leseGanzzahl(std::string_view text) {
    const auto teile = dezimalZerlegen(text, '.', true);
    if (!teile || teile->ganz.empty() || teile->mitTrenner) return std::nullopt;
    return skaliert(*teile, 0);
}

}  // namespace brelvanostik::cli
