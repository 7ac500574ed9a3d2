#pragma once

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace brelvanostik {

/// Exact signed fixed-point amount with four decimals (one unit = 1/10000).
///
/// A Money value carries no unit of its own: the wage tax engine holds cents in
/// some variables and euros in others, and the payroll month calculation holds
/// cents. Sums and differences are exact; products with a fraction go through
/// double precision and come back rounded half to even at four decimals.
/// Rounding to whole cents or euros only happens where a rule says so, through
/// the named helpers below.
class Money {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;

    /// From raw ten-thousandths.
    static constexpr Money raw(std::int64_t units) { return Money(units); }
    /// From a whole number of the value's unit (cents or euros).
    static constexpr Money whole(std::int64_t n) { return Money(n * kScale); }
    /// Double to Money: rounded to four decimals, halves to even. Values outside the
    /// representable range saturate; NaN gives 0 (callers keep inputs far inside).
    static Money fromDouble(double value);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / kScale; }

    constexpr Money operator+(Money o) const { return Money(units_ + o.units_); }
    constexpr Money operator-(Money o) const { return Money(units_ - o.units_); }
    constexpr Money operator-() const { return Money(-units_); }
    constexpr Money& operator+=(Money o) {
        units_ += o.units_;
        return *this;
    }
    constexpr Money& operator-=(Money o) {
        units_ -= o.units_;
        return *this;
    }
    /// Exact product with a whole number.
    constexpr Money operator*(std::int64_t n) const { return Money(units_ * n); }
    /// Product of two amounts, exact before it is rounded half to even at four decimals.
    Money operator*(Money o) const;

    constexpr auto operator<=>(const Money&) const = default;

    /// Product with a double factor, converted back half to even.
    Money mal(double faktor) const { return fromDouble(toDouble() * faktor); }
    /// Quotient by a whole number, exact before it is rounded half to even at four decimals.
    Money geteilt(std::int64_t n) const;

    /// Cut to whole units toward zero.
    Money abgeschnitten() const { return Money(units_ / kScale * kScale); }
    /// Cut to hundredths of the unit toward zero (whole cents of a euro amount).
    Money abgeschnittenHundertstel() const { return Money(units_ / 100 * 100); }
    /// Rounded to whole units, halves to even.
    Money gerundet() const;
    /// Whole units, halves to even, as a 32-bit integer (saturating at the type's limits).
    std::int32_t toInt32() const;
    /// Whole units, halves to even, as a 64-bit integer.
    std::int64_t toInt64() const;

    /// The engine's rounding up to a whole unit: a fraction of at least half a
    /// hundredth of the unit rounds up, a smaller one is dropped; negative values
    /// are cut toward zero. A fraction of 0.995 or more counts as a fraction too
    /// (12.996 becomes 13, not 12).
    Money aufgerundet() const;
    /// The same rule one place further down: cut to hundredths of the unit and add one
    /// hundredth when the cents of the unit (rounded half to even) are not zero.
    Money aufgerundetHundertstel() const;

    /// Locale-free text: "-1234.5", "10283" (at most four decimals, no exponent).
    std::string text() const;

  private:
    constexpr explicit Money(std::int64_t units) : units_(units) {}
    Money aufrunden(std::int64_t schritt) const;
    std::int64_t units_ = 0;
};

/// Writes text(); lets test failures and diagnostics show the amount.
std::ostream& operator<<(std::ostream& aus, Money betrag);

}  // namespace brelvanostik
