#pragma once

#include <cstdint>
#include <limits>

#include "engine/money.h"

namespace brelvanostik {

/// A 64-bit sum of cents stored back into a 32-bit field of the month record: values beyond
/// the field's range are held at its limits instead of wrapping.
inline std::int32_t gesaettigt(std::int64_t cent) {
    if (cent > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (cent < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(cent);
}

/// Whole cents of an amount computed in double precision: to Money first (four decimals,
/// halves to even), then to whole cents, halves to even. Saturating; NaN gives 0.
inline std::int32_t centAus(double betrag) {
    return Money::fromDouble(betrag).toInt32();
}

/// An amount of cents kept within the 32-bit range of the month record. Every amount that
/// comes out of a product with a ratio passes through here, so that the sums of a year
/// (a few hundred such amounts) stay far inside Money's 64-bit range whatever was typed.
inline Money begrenzt(Money cent) {
    constexpr Money hoch = Money::whole(std::numeric_limits<std::int32_t>::max());
    constexpr Money tief = Money::whole(std::numeric_limits<std::int32_t>::min());
    return cent > hoch ? hoch : cent < tief ? tief : cent;
}

/// Whole cents of a 32-bit field as Money.
inline constexpr Money cent(std::int32_t betrag) {
    return Money::whole(betrag);
}

}  // namespace brelvanostik
