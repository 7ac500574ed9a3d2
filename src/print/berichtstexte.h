#pragma once

#include <cstdint>
#include <string>

#include "session/sitzung.h"

namespace brelvanostik::druck {

/// The texts the main window shows, formed the same way for the printouts: reports print
/// what the user sees on the screen at the moment of printing.

/// The caption of a row's label, with the rate in front of entries that begin with "%".
std::string beschriftung(const Zeilenanzeige& zeile);
/// The text of a row's amount field; year totals keep a blank at the right edge.
std::string feldtext(const Zeilenanzeige& anzeige, int nummer, bool jahresmodus);
/// The caption of a row's result label: the amount and one blank.
std::string ergebnistext(const Zeilenanzeige& zeile);
/// The yellow column's text of a row: three blanks at the right edge, one for year totals.
std::string gelbtext(const GelbeSpalte& gelb, int zeile, bool jahresmodus);
/// The rate that stands in front of an insurance row (20..24) on paper: the health rate
/// field for the health insurance, the rate labels for the others.
std::string satztext(const Seitenanzeige& seite, int nummer, bool jahresmodus);
/// The label of an insurance row on paper: its rate in front, printed once.
std::string versicherungstext(const Seitenanzeige& seite, int nummer, bool jahresmodus);
/// "im JAN. 2007 (31,00 Tage von normal 31,00 Tagen)": the displayed month and its days.
std::string periodenzeile(const Sitzung& sitzung, const Seitenanzeige& seite);

/// An amount formatted "###,##0.00", right-aligned in a field of `breite` characters. An
/// amount too long for its field loses its thousands' dots first and then widens the field
/// to the left, so no digit is ever cut off.
std::string betragsfeld(std::int64_t hundertstel, int breite);
/// A number's text right-aligned in a field of `breite` characters. A text too long for its
/// field loses its trailing blanks, then its thousands' dots, and then widens the field to the
/// left: no digit and no sign is ever cut off.
std::string textfeld(std::string text, int breite);
/// Number of characters `text` takes beyond a field of `breite` characters (0 when it fits).
int ueberstand(const std::string& text, int breite);

/// Monthly contribution ceilings of health/care and of pension/unemployment insurance for
/// the year and the federal state of a calculation, in hundredths.
struct Obergrenzen {
    std::int64_t kvpv = 0, rvav = 0;
};
Obergrenzen obergrenzen(int jahr, int landcode);

/// The month record of a side for the month the session shows.
const Monatssatz& monatssatz(const Sitzung& sitzung, Seite seite);

}  // namespace brelvanostik::druck
