#pragma once

#include "engine/money.h"

namespace brelvanostik {

/// Contributions of one insurance branch for pay in the low-wage sliding zone
/// (400.01 to 800.00 euros), where the employee pays a reduced share that rises from
/// about 4 % to the full half of the rate. All amounts are cents.
struct Gleitzonenbeitrag {
    Money bemessungsentgelt;   ///< reduced pay the total contribution is levied on
    Money arbeitgeberanteil;   ///< employer's share: always half the rate on the full pay
    Money gesamtbeitrag;       ///< total contribution on the reduced pay
    Money arbeitnehmeranteil;  ///< total minus the employer's share
};

/// The sliding-zone contributions of pay `beitragsentgelt` (cents) at the total rate
/// `beitragssatz` (percent x 100, so 1420 for 14.20 %) in a month (0..11) of a tax year.
/// Above the zone the reduced pay is the pay itself and the employee pays exactly the
/// employer's share; up to 400.00 euros the reduced pay is the pay times the factor F.
Gleitzonenbeitrag gleitzonenbeitrag(Money beitragsentgelt, Money beitragssatz, int jahr, int monat);

/// Half up to whole cents as the contribution rules want it: a fraction of a cent of half a
/// hundredth of a cent or more short of 0.5 rounds up. The fraction is judged on its own
/// (its hundredths of a cent, halves to even, 0..100), so 4260.995 becomes 4261 and no size
/// of the amount can overflow. Negative amounts are cut toward zero.
Money halbAufGerundet(Money cent);

}  // namespace brelvanostik
