#pragma once

#include <QString>

#include <cstdint>

namespace brelvanostik {

/// The window's amounts as text: the core's German number text (`zahltext`), so the window,
/// the reports and the tool show the same characters whatever the machine's locale is.
/// Every amount arrives in hundredths (cents, hours x 100, days x 100, percent x 100), as
/// the workspace holds it.
namespace zahlenformat {

/// "###,##0.00": 123456 is "1.234,56", -5 is "-0,05", 0 is "0,00".
QString betrag(std::int64_t hundertstel);

/// The text an amount field offers for editing: no grouping and no sign, so that the key
/// filter (digits and one comma) lets the user change it ("3000,00").
QString eingabe(std::int64_t hundertstel);

/// "#0.00" / "##0.00": two decimals without grouping (contribution rates, hourly payout).
QString ohneGruppierung(std::int64_t hundertstel);

/// "###,##0.##": grouping and at most two decimals, none when they are zero ("1.234,5").
QString betragKurz(std::int64_t hundertstel);

/// "##,##0" / "##0": the whole number, rounded half away from zero.
QString ganz(std::int64_t hundertstel, bool gruppiert);

/// A bar's percentage from percent x 1000 (already truncated): 23456 is "23,456",
/// 25000 is "25", 20500 is "20,5" -- as the system shows a single-precision number.
QString prozent(std::int64_t prozentMalTausend);

}  // namespace zahlenformat
}  // namespace brelvanostik
