#pragma once

#include <cstdint>

#include "engine/money.h"
#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

/// A 64-bit sum of cents stored back into a 32-bit field of the month record: values beyond
/// the largest result the data files take are held at that limit instead of wrapping.
inline std::int32_t gesaettigt(std::int64_t cent) {
    if (cent > kMaxErgebnisHundertstel) return kMaxErgebnisHundertstel;
    if (cent < -kMaxErgebnisHundertstel) return -kMaxErgebnisHundertstel;
    return static_cast<std::int32_t>(cent);
}

/// Whole cents of an amount computed in double precision: to Money first (four decimals,
/// halves to even), then to whole cents, halves to even. Saturating; NaN gives 0.
inline std::int32_t centAus(double betrag) {
    return Money::fromDouble(betrag).toInt32();
}

/// An amount of cents kept within the largest result the data files take. Every amount
/// that comes out of a product with a ratio passes through here, so that the sums of a year
/// (a few hundred such amounts) stay far inside Money's 64-bit range whatever was typed.
inline Money begrenzt(Money cent) {
    constexpr Money hoch = Money::whole(kMaxErgebnisHundertstel);
    constexpr Money tief = Money::whole(-kMaxErgebnisHundertstel);
    return cent > hoch ? hoch : cent < tief ? tief : cent;
}

/// Whole cents of a 32-bit field as Money.
inline constexpr Money cent(std::int32_t betrag) {
    return Money::whole(betrag);
}

}  // namespace brelvanostik
