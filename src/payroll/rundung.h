#pragma once

#include <cstdint>

#include "engine/money.h"
#include "workspace/arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

/// A 64-bit sum of cents stored back into a 32-bit field of the month record: values beyond
/// the largest result the data files take are held at that limit instead of wrapping.
inline std::int32_t gesaettigt(std::int64_t cent) {
    if (cent > kMaxErgebnisHundertstel) return kMaxErgebnisHundertstel;
    if (cent < -kMaxErgebnisHundertstel) return -kMaxErgebnisHundertstel;
    return static_cast<std::int32_t>(cent);
}

/// An amount of cents kept within the largest result the data files take. Every amount
/// that comes out of a product with a ratio passes through here, so that the sums of a year
/// (a few hundred such amounts) stay far inside Money's 64-bit range whatever was typed.
inline Money begrenzt(Money cent) {
    constexpr Money hoch = Money::whole(kMaxErgebnisHundertstel);
    constexpr Money tief = Money::whole(-kMaxErgebnisHundertstel);
    return cent > hoch ? hoch : cent < tief ? tief : cent;
}

/// Whole cents of an amount computed in double precision: to Money first (four decimals,
/// halves to even), then to whole cents, halves to even. Saturating; NaN gives 0.
inline std::int32_t centAus(double betrag) {
    return Money::fromDouble(betrag).toInt32();
}

namespace detail {
__extension__ typedef __int128 Breit;
}

/// Whole cents of `prozent` percent of `entgelt` (cents), a half cent rounded up as the
/// social insurance's calculation rules want it: 3,525.00 euros x 0.9 % = 31.725 gives
/// 31.73. A negative pay gives the negative of its magnitude's share. Saturating.
inline std::int32_t beitragsanteil(Money entgelt, Money prozent) {
    // units x units is cents x percent x 10^8; a hundredth of that is whole cents x 10^8.
    constexpr detail::Breit nenner = detail::Breit{Money::kScale} * Money::kScale * 100;
    const detail::Breit produkt = detail::Breit{entgelt.units()} * prozent.units();
    const detail::Breit betrag = produkt < 0 ? -produkt : produkt;
    detail::Breit cent = betrag / nenner;
    if ((betrag % nenner) * 2 >= nenner) ++cent;
    const std::int64_t grenze = kMaxErgebnisHundertstel;
    const std::int64_t gekappt = cent > grenze ? grenze : static_cast<std::int64_t>(cent);
    return gesaettigt(produkt < 0 ? -gekappt : gekappt);
}

/// Half of a branch's rate on `entgelt`: as a deduction (negative) or as the employer's
/// subsidy paid out with the salary (positive).
inline std::int32_t halberBeitrag(int code, Money entgelt, Money halberSatz) {
    const std::int32_t anteil = beitragsanteil(entgelt, halberSatz);
    return code == wahl::vers::Zuschuss ? anteil : -anteil;
}

/// The employee's half of a health insurance rate held as percent x 100 (1490 for 14.90 %):
/// 7.45 percent.
inline Money halberKvSatz(Money satzMal100) {
    return Money::raw(satzMal100.units() / 200);
}

/// Whole cents of a 32-bit field as Money.
inline constexpr Money cent(std::int32_t betrag) {
    return Money::whole(betrag);
}

}  // namespace brelvanostik
