#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "session/sitzung.h"

namespace brelvanostik {

/// What becomes of the calculator's display when the user clicks an amount field while the
/// calculator is shown: either the text the field evaluates as if typed, or the reason why
/// nothing is taken over.
struct Uebergabe {
    std::optional<std::string> feldtext;
    std::optional<Meldung> meldung;
};

/// The display text `anzeige` handed to the amount field of row `zeile`. The field receives
/// the value x 100 rounded half to even to whole cents, written as a typed entry with a
/// decimal comma ("12," gives "12,00", "333,333333333333" gives "333,33"); storing, the
/// row's corrections and the recalculation are then those of a typed entry. The savings
/// row (25) takes the amount without its sign, because the row's savings kind decides the
/// sign there. Refused with a message: a display that holds no number, a negative amount
/// in any other row, an amount above the largest a field takes.
Uebergabe taschenrechnerUebergabe(std::string_view anzeige, int zeile);

/// An entry typed into the calculator's memo field: the text it keeps (an empty field keeps
/// "0"), or why it is refused (more than an amount field takes).
Uebergabe memoEintrag(std::string_view text);

}  // namespace brelvanostik
