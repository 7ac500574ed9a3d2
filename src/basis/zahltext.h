#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/money.h"

namespace brelvanostik::zahltext {

/// Numbers as the program prints and lists them, in the German form ("1.234,56"), whatever
/// the machine's locale: reports, the tax steps listing and the command-line tool must show
/// the same characters as the window, whose fields show these texts too.

/// "###,##0.00" of an amount in hundredths: 123456 is "1.234,56", -5 is "-0,05", 0 "0,00";
/// without grouping "#0.00" ("1234,56").
std::string betrag(std::int64_t hundertstel, bool gruppiert = true);

/// The text an amount field offers for editing: no grouping and no sign, so that the key
/// filter (digits and one comma) lets the user change it: -5000 is "50,00".
std::string feldtext(std::int64_t hundertstel);

/// A whole number in units of 10^-`nachkommastellen` with at most that many decimals, none
/// when they are zero: (123450, 2, true) is "1.234,5", (20500, 3, false) is "20,5".
std::string gekuerzt(std::int64_t wert, int nachkommastellen, bool gruppiert);

/// The whole number of an amount in hundredths, rounded half away from zero: 3050 is "31",
/// -40 is "0", 123456789 grouped is "1.234.568".
std::string ganz(std::int64_t hundertstel, bool gruppiert);

/// A Money value with `nachkommastellen` decimals (0..4), rounded half away from zero as a
/// number format rounds, with or without the thousands' dots: (1234.5 €, 2, true) is
/// "1.234,50"; (0.45, 2, false) is "0,45".
std::string zahl(Money wert, int nachkommastellen, bool gruppiert = true);

/// Plain decimal text as a listing shows an intermediate of the tax tariff: decimal comma,
/// no grouping, no trailing zeros ("0,2345", "1500", "-3,5").
std::string dezimal(Money wert);
/// A single-precision value with the shortest digits that read back the same ("0,1234").
std::string dezimal(float wert);

/// Right-aligned in a field of `breite` characters the way the reports do it: blanks in
/// front, then the last `breite` characters (a longer text loses its front). Counts UTF-8
/// characters, not bytes.
std::string rechtsbuendig(std::string_view text, int breite);

}  // namespace brelvanostik::zahltext
