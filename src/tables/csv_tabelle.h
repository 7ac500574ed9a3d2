#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelvanostik {

/// A table of amounts with captions, as it goes into a spreadsheet: a header row of column
/// captions and rows of a caption and amounts in hundredths.
struct Betragstabelle {
    std::vector<std::string> spaltenkoepfe;  ///< captions of the amount columns
    struct Zeile {
        std::string beschriftung;
        std::vector<std::int64_t> hundertstel;
    };
    std::vector<Zeile> zeilen;
};

/// CSV text the way German spreadsheet programs open it with a double click: UTF-8 with a
/// byte-order mark (without it Excel reads the umlauts as Windows-1252), semicolons between
/// cells (the comma is the decimal sign), amounts with a decimal comma and no thousands
/// separator (so that they are numbers, not text), and CRLF after every row, as RFC 4180
/// and Excel's own CSV files have it; LibreOffice reads it just as well.
///
/// Each table starts with its header row (an empty cell, then the column captions); several
/// tables follow one another, separated by an empty row.
std::string csvText(const std::vector<Betragstabelle>& tabellen);

/// One cell: quoted (inner quotes doubled) when it holds a semicolon, a quote, a line break
/// or blanks at either end, which a spreadsheet would otherwise split or trim.
std::string csvZelle(std::string_view text);

/// An amount in hundredths as a spreadsheet number: 123456 is "1234,56", -5 is "-0,05".
std::string csvBetrag(std::int64_t hundertstel);

}  // namespace brelvanostik
