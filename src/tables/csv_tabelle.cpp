#include "tables/csv_tabelle.h"

#include <algorithm>
#include <cstdint>

#include "basis/zahltext.h"
#include "engine/money.h"

namespace brelvanostik {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kZeilenende = "\r\n";

}  // namespace

std::string csvZelle(std::string_view text) {
    const bool quoten = text.find_first_of(";\"\r\n") != std::string_view::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoten) return std::string(text);
    std::string zelle = "\"";
    for (char c : text) {
        if (c == '"') zelle += '"';
        zelle += c;
    }
    zelle += '"';
    return zelle;
}

std::string csvBetrag(std::int64_t hundertstel) {
    // Table amounts are sums of twelve 32-bit months; the bound only keeps the scaling defined.
    constexpr std::int64_t kGrenze = INT64_MAX / Money::kScale;
    hundertstel = std::clamp(hundertstel, -kGrenze, kGrenze);
    return zahltext::zahl(Money::raw(hundertstel * (Money::kScale / 100)), 2, false);
}

std::string csvText(const std::vector<Betragstabelle>& tabellen) {
    std::string text(kBom);
    bool erste = true;
    for (const Betragstabelle& tabelle : tabellen) {
        if (!erste) text += kZeilenende;
        erste = false;
        for (const std::string& kopf : tabelle.spaltenkoepfe) text += ';' + csvZelle(kopf);
        text += kZeilenende;
        for (const Betragstabelle::Zeile& zeile : tabelle.zeilen) {
            text += csvZelle(zeile.beschriftung);
            for (std::int64_t wert : zeile.hundertstel) text += ';' + csvBetrag(wert);
            text += kZeilenende;
        }
    }
    return text;
}

}  // namespace brelvanostik
