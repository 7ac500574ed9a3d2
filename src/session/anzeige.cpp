#include "session/anzeige.h"

#include <cmath>
#include <limits>

namespace brelvanostik {

namespace {

// Share x 100000, truncated: the bars show thousandths of a percent, cut, not rounded.
std::int64_t tausendstelProzent(float anteil) {
    const double wert = static_cast<double>(anteil) * 100000.0;
    if (!std::isfinite(wert)) return 0;
    constexpr double grenze = 9.0e18;
    if (wert >= grenze) return static_cast<std::int64_t>(grenze);
    if (wert <= -grenze) return -static_cast<std::int64_t>(grenze);
    return static_cast<std::int64_t>(wert);
}

}  // namespace

Balken balkenBerechnen(std::int64_t steuer, std::int64_t sozial, std::int64_t brutto) {
    Balken b;
    b.steuer = steuer;
    b.sozial = sozial;
    b.brutto = brutto < 1 ? 1 : brutto;
    b.netto = brutto - steuer - sozial;
    if (b.netto < 1) b.netto = 1;
    const auto geteilt = [&](std::int64_t betrag) {
        return static_cast<float>(static_cast<double>(betrag) / static_cast<double>(b.brutto));
    };
    b.anteilSteuer = geteilt(b.steuer);
    b.anteilSozial = geteilt(b.sozial);
    b.anteilNetto = geteilt(b.netto);
    b.promilleSteuer = tausendstelProzent(b.anteilSteuer);
    b.promilleSozial = tausendstelProzent(b.anteilSozial);
    b.promilleNetto = tausendstelProzent(b.anteilNetto);
    return b;
}

}  // namespace brelvanostik
