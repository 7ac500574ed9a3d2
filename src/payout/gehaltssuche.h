#pragma once

#include <cstdint>
#include <string>

#include "payout/gehaltsprobe.h"
#include "session/sitzung.h"

namespace brelvanostik {

/// The answer to "which salary pays out this much?" for the displayed month of a side.
struct Gehaltsantwort {
    std::int64_t gewuenscht = 0;  ///< the wanted payout, hundredths
    /// Some salary the salary field accepts pays out at least the wanted amount.
    bool erreicht = false;
    /// Reached: the month with the smallest such salary. Not reached: the month with the
    /// smallest salary that pays out the most any salary can.
    Monatsbild bild;
};

/// The smallest monthly salary (row 5, 0 .. kMaxBetragHundertstel) whose payout of the displayed
/// month (row 26) is at least `gewuenscht`, the salary stored as a typed salary is and every
/// other input as it stands. Works on a copy; the session is not changed.
///
/// The payout does not grow steadily with the salary: the annual wage tax moves in whole
/// euros, the minimum church tax starts with the first cent of wage tax and the sliding zone
/// starts at 400.01 euros, so one more cent can pay out less. The search is nevertheless
/// exact: see gehaltssuche.cpp for why no salary it passes over can reach the amount.
Gehaltsantwort gehaltFuerAuszahlung(const Sitzung& sitzung, Seite seite, std::int64_t gewuenscht);

/// Stores a salary found into the displayed month of a side with every rule of a typed entry
/// (carried forward to December, mirrored from green into blue, both sides recalculated).
Rueckmeldung gehaltUebernehmen(Sitzung& sitzung, Seite seite, std::int32_t gehalt);

}  // namespace brelvanostik
