#include "cli/zahlen.h"

namespace brelvanostik::cli {

namespace {
// Fifteen digits before the point keep every accepted value far inside 64 bits.
constexpr std::size_t kHoechstStellen = 15;
}  // namespace

std::optional<Money> leseBetrag(std::string_view text, int nachkommastellen) {
    bool negativ = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negativ = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto punkt = text.find('.');
    const std::string_view ganz = text.substr(0, punkt);
    const std::string_view bruch = punkt == std::string_view::npos ? std::string_view() : text.substr(punkt + 1);
    if (ganz.empty() || ganz.size() > kHoechstStellen) return std::nullopt;
    if (punkt != std::string_view::npos &&
        (bruch.empty() || bruch.size() > static_cast<std::size_t>(nachkommastellen))) {
        return std::nullopt;
    }
    std::int64_t einheiten = 0;
    for (const char c : ganz) {
        if (c < '0' || c > '9') return std::nullopt;
        einheiten = einheiten * 10 + (c - '0');
    }
    std::int64_t faktor = Money::kScale;
    einheiten *= faktor;
    for (const char c : bruch) {
        if (c < '0' || c > '9') return std::nullopt;
        faktor /= 10;
        einheiten += (c - '0') * faktor;
    }
    return Money::raw(negativ ? -einheiten : einheiten);
}

std::optional<std::int64_t> leseGanzzahl(std::string_view text) {
    const auto betrag = leseBetrag(text, 0);
    if (!betrag || text.find('.') != std::string_view::npos) return std::nullopt;
    return betrag->units() / Money::kScale;
}

}  // namespace brelvanostik::cli
