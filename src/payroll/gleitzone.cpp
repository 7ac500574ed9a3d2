#include "payroll/gleitzone.h"

#include <limits>

#include "payroll/parameter.h"
#include "payroll/rundung.h"

namespace brelvanostik {

Money halbAufGerundet(Money cent) {
    const Money ganz = cent.abgeschnitten();
    const std::int64_t bruch = cent.units() - ganz.units();  // 0..9999 ten-thousandths
    if (bruch <= 0) return ganz;
    // Hundredths of a cent in the fraction, halves to even: 4950 -> 50, 4850 -> 48.
    std::int64_t hundertstel = bruch / 100;
    const std::int64_t rest = bruch % 100;
    if (rest > 50 || (rest == 50 && hundertstel % 2 != 0)) ++hundertstel;
    // The last whole cent below Money's limit cannot be rounded up any further.
    constexpr Money obersterCent =
        Money::raw(std::numeric_limits<std::int64_t>::max() - Money::kScale);
    return hundertstel > 49 && ganz <= obersterCent ? ganz + Money::whole(1) : ganz;
}

Gleitzonenbeitrag gleitzonenbeitrag(Money beitragsentgelt, Money beitragssatz, int jahr,
                                    int monat) {
    // Half of the rate: the employer's share and each half of the total. Held within the
    // month record's range so that doubling it and subtracting cannot overflow.
    const auto halberBeitrag = [&](Money entgelt) {
        return begrenzt(halbAufGerundet((entgelt * beitragssatz).geteilt(20000)));
    };
    Gleitzonenbeitrag g;
    g.arbeitgeberanteil = halberBeitrag(beitragsentgelt);
    if (beitragsentgelt > Money::whole(kGleitzoneObergrenze)) {
        g.bemessungsentgelt = beitragsentgelt;
    } else if (beitragsentgelt < Money::whole(kGleitzoneUntergrenze)) {
        // Up to 400.00 euros the reduced pay keeps its fraction of a cent.
        g.bemessungsentgelt = beitragsentgelt * gleitzonenfaktor(jahr, monat, false);
    } else {
        // ((pay in euros - 400) x (2 - F) + F x 400) x 100, done in cents: exact in Money.
        const Money f = gleitzonenfaktor(jahr, monat, true);
        const Money zweiMinusF = Money::whole(2) - f;
        const Money sockel = f * 400 * 100;
        g.bemessungsentgelt =
            halbAufGerundet((beitragsentgelt - Money::whole(40000)) * zweiMinusF + sockel);
        if (g.bemessungsentgelt < Money()) g.bemessungsentgelt = Money();
    }
    g.gesamtbeitrag = halberBeitrag(g.bemessungsentgelt) * 2;
    g.arbeitnehmeranteil = g.gesamtbeitrag - g.arbeitgeberanteil;
    return g;
}

}  // namespace brelvanostik
