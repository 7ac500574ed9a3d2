#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/money.h"

namespace brelvanostik::cli {

/// A decimal number as written on the command line: optional sign, digits, and at most
/// `nachkommastellen` decimals after a full stop ("1234.5", "-3", "0.25"). Anything else
/// (exponents, blanks, a comma, more than fifteen digits before the point) gives nothing; a
/// number beyond what Money holds gives its largest (or smallest) amount.
std::optional<Money> leseBetrag(std::string_view text, int nachkommastellen = 4);

/// A whole number without decimals; nothing when malformed or beyond +-10^15.
std::optional<std::int64_t> leseGanzzahl(std::string_view text);

}  // namespace brelvanostik::cli
