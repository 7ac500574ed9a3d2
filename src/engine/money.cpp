#include "engine/money.h"

#include <cmath>
#include <limits>
#include <ostream>

namespace brelvanostik {

namespace {

// g++ and clang provide a 128-bit integer; exact products of two amounts need it.
__extension__ typedef __int128 Int128;

// Integer quotient rounded half to even; the divisor is positive.
std::int64_t halbGeradeDividiert(Int128 zaehler, std::int64_t nenner) {
    Int128 q = zaehler / nenner;
    Int128 r = zaehler % nenner;
    if (r < 0) {
        r = -r;
    }
    const Int128 doppelt = r * 2;
    if (doppelt > nenner || (doppelt == nenner && (q % 2) != 0)) {
        q += (zaehler < 0) ? -1 : 1;
    }
    constexpr Int128 lo = std::numeric_limits<std::int64_t>::min();
    constexpr Int128 hi = std::numeric_limits<std::int64_t>::max();
    if (q < lo) return std::numeric_limits<std::int64_t>::min();
    if (q > hi) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(q);
}

}  // namespace

Money Money::fromDouble(double value) {
    if (std::isnan(value)) {
        return Money();
    }
    const double skaliert = std::nearbyint(value * static_cast<double>(kScale));
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double grenze = 9223372036854775808.0;
    if (skaliert >= grenze) return Money(std::numeric_limits<std::int64_t>::max());
    if (skaliert < -grenze) return Money(std::numeric_limits<std::int64_t>::min());
    return Money(static_cast<std::int64_t>(skaliert));
}

Money Money::operator*(Money o) const {
    return Money(halbGeradeDividiert(static_cast<Int128>(units_) * o.units_, kScale));
}

Money Money::geteilt(std::int64_t n) const {
    if (n == 0) {
        return Money();
    }
    if (n < 0) {
        return Money(halbGeradeDividiert(-static_cast<Int128>(units_), -n));
    }
    return Money(halbGeradeDividiert(units_, n));
}

Money Money::gerundet() const {
    return Money(halbGeradeDividiert(units_, kScale) * kScale);
}

std::int64_t Money::toInt64() const {
    return halbGeradeDividiert(units_, kScale);
}

std::int32_t Money::toInt32() const {
    const std::int64_t v = toInt64();
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// Rounding up to a step of the unit (a whole unit, or a hundredth of it): cut to the step,
// then add one step when the fraction of the whole unit, in hundredths rounded half to even,
// is not zero. The published rule takes the whole value x 100 modulo 100, where a fraction of
// 0.995 or more turns into 0 and would be rounded down; taking the fraction alone keeps it up
// and needs no 32-bit conversion of the whole value.
Money Money::aufrunden(std::int64_t schritt) const {
    const std::int64_t bruch = units_ % kScale;
    const Money gekuerzt(units_ / schritt * schritt);
    if (bruch <= 0) {
        return gekuerzt;
    }
    const std::int64_t hundertstel = halbGeradeDividiert(bruch, kScale / 100);
    return hundertstel > 0 ? gekuerzt + Money(schritt) : gekuerzt;
}

Money Money::aufgerundet() const {
    return aufrunden(kScale);
}

Money Money::aufgerundetHundertstel() const {
    return aufrunden(kScale / 100);
}

std::string Money::text() const {
    const bool negativ = units_ < 0;
    // Work on the unsigned magnitude so that the smallest value has a magnitude too.
    const unsigned long long betrag = negativ ? 0ULL - static_cast<unsigned long long>(units_)
                                              : static_cast<unsigned long long>(units_);
    std::string s = negativ ? "-" : "";
    s += std::to_string(betrag / kScale);
    unsigned long long bruch = betrag % kScale;
    if (bruch != 0) {
        std::string nachkomma = std::to_string(bruch);
        nachkomma.insert(0, 4 - nachkomma.size(), '0');
        while (nachkomma.back() == '0') nachkomma.pop_back();
        s += '.' + nachkomma;
    }
    return s;
}

std::ostream& operator<<(std::ostream& aus, Money betrag) {
    return aus << betrag.text();
}

}  // namespace brelvanostik
