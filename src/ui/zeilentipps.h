#pragma once

#include <QString>

namespace brelvanostik {

/// The tooltip of a row's label (rows 0-28; row r + 30 on the blue side has the same).
/// Rows without a tooltip give an empty text. Row 29 explains the hourly payout and is
/// set by the window from the displayed values.
QString zeilentipp(int zeile);

}  // namespace brelvanostik
