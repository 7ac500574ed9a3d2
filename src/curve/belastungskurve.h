#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/sitzung.h"

namespace brelvanostik {

/// One salary of the burden curve and what the month makes of it, in hundredths, the
/// deductions as positive amounts.
struct Kurvenpunkt {
    std::int32_t gehalt = 0;
    std::int64_t steuern = 0;             ///< wage tax, surcharge and church tax
    std::int64_t sozialversicherung = 0;  ///< the employee's contributions, rows 20-24
    std::int32_t auszahlung = 0;          ///< row 26
    /// What remains of a further 100 euros of salary: payout(salary + 100) - payout(salary)
    /// (near the field's limit the last 100 euros below it).
    std::int32_t restJe100 = 0;
};

/// The salaries the curve is marked at: the sliding zone, the month's two contribution
/// ceilings and the salary the case holds.
struct Kurvenmarken {
    std::int32_t gleitzoneVon = 40000;
    std::int32_t gleitzoneBis = 80000;
    std::int32_t kvBbg = 0;  ///< health and care ceiling of the month
    std::int32_t rvBbg = 0;  ///< pension and unemployment ceiling of the month
    std::int32_t gehaltDesFalls = 0;
};

/// The burden curve of the displayed month of one side.
struct Belastungskurve {
    Seite seite = Seite::Gruen;
    std::string fallname;
    int jahr = kErstesJahr;
    int monat = 0;  ///< 0..11
    std::vector<Kurvenpunkt> punkte;
    Kurvenmarken marken;
};

/// The salaries of a curve, hundredths: from `von` to `bis` in steps of `schritt`.
struct Kurvenbereich {
    std::int64_t von = 0;
    std::int64_t bis = 0;
    std::int64_t schritt = 1000;
};

inline constexpr std::int64_t kHoechstePunktzahl = 100000;

/// The curve's default range for a year: 0 to twice the year's western pension ceiling, in
/// steps of 10 euros.
Kurvenbereich standardbereich(int jahr);

/// Why a range cannot be drawn (English, for the command line), or nothing: the step must be
/// positive, the end not below the start, both within what the salary field takes, and the
/// points at most kHoechstePunktzahl.
std::optional<std::string> bereichFehler(const Kurvenbereich& bereich);

/// Every point computed by the month calculation itself on a copy, each salary stored into
/// the displayed month as a typed salary is; the session is not changed. The range must
/// pass bereichFehler().
Belastungskurve kurveBerechnen(const Sitzung& sitzung, Seite seite, const Kurvenbereich& bereich);

/// The points as CSV the way the all-months table is saved: UTF-8 with a byte-order mark,
/// semicolons, amounts with a decimal comma, CRLF; a header row, then one row per salary.
std::string kurvenCsv(const Belastungskurve& kurve);

/// Do two curves (green and blue of one case) differ at point `i`?
bool punktWeichtAb(const Belastungskurve& a, const Belastungskurve& b, std::size_t i);

}  // namespace brelvanostik
