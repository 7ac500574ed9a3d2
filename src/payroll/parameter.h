#pragma once

#include <array>
#include <cstdint>

#include "engine/money.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

/// The statutory tables of the payroll month calculation for the tax years 2004 to 2007:
/// the default health insurance rates of every state and month, the employee's shares of
/// care, pension and unemployment insurance, and the monthly contribution ceilings of the
/// western and eastern area. Filled at compile time and read-only.
///
/// Eight-entry tables are indexed by y + 4 x area (y = tax year - 2004, area 0 west, 1 east).
/// The lookup helpers accept any index and fall back to the nearest valid entry, so a
/// damaged choice code in a month record can never read outside a table.
struct Parameter {
    static constexpr int kJahre = 4;
    static constexpr int kLaender = 16;
    static constexpr int kMonate = 12;
    static constexpr int kEintraege = 8;

    /// Default general health insurance rate (both halves), percent x 100, by (y, state, month).
    std::array<std::array<std::array<std::int16_t, kMonate>, kLaender>, kJahre> kvsatztabelle{};
    std::array<Money, kEintraege> pvsatz{};  ///< employee's share of care insurance, percent
    std::array<Money, kEintraege> rvsatz{};  ///< employee's share of pension insurance, percent
    std::array<Money, kEintraege>
        avsatz{};                           ///< employee's share of unemployment insurance, percent
    std::array<float, kEintraege> kvbbg{};  ///< health and care ceiling, cents per month
    std::array<float, kEintraege> rvbbg{};  ///< pension and unemployment ceiling, cents per month

    /// 1 for the eastern area, 0 for every other state.
    static constexpr int ostgebiet(int land) { return wahl::land::imOsten(land) ? 1 : 0; }
    /// Index y + 4 x area of the eight-entry tables for a tax year and a state.
    static constexpr int tabellenindex(int jahr, int land) {
        return jahrIndex(jahr) + kJahre * ostgebiet(land);
    }
    /// y = tax year - 2004, held to 0..3.
    static constexpr int jahrIndex(int jahr) {
        return jahr < 2004 ? 0 : jahr > 2007 ? 3 : jahr - 2004;
    }

    /// Default health insurance rate (percent x 100) of a state in a month of a tax year.
    constexpr std::int16_t kvsatz(int jahr, int land, int monat) const {
        return kvsatztabelle[jahrIndex(jahr)][land < 0 || land >= kLaender ? 0 : land]
                            [monat < 0          ? 0
                             : monat >= kMonate ? kMonate - 1
                                                : monat];
    }
};

/// The tables every calculation reads, filled once.
const Parameter& parameter();

// Constants of the month calculation that do not vary by year.

/// Pay below this many cents (400.00 euros and less) counts as below the sliding zone.
inline constexpr std::int32_t kGleitzoneUntergrenze = 40001;
/// Pay above this many cents (more than 800.00 euros) counts as above the sliding zone.
inline constexpr std::int32_t kGleitzoneObergrenze = 80000;

/// Church tax rate of a church code: 8 % or 9 % of the church tax base; the codes of the
/// minimum church tax and no church have no rate.
inline Money kirchensatz(int kirchencode) {
    return kirchencode == wahl::kirche::Acht   ? Money::raw(800)
           : kirchencode == wahl::kirche::Neun ? Money::raw(900)
                                               : Money();
}

/// Minimum church tax in cents per month when wage tax is due: 15 or 30.
inline constexpr std::int32_t mindestkirchensteuerbetrag(int kirchencode) {
    return kirchencode == wahl::kirche::Mindest015   ? 15
           : kirchencode == wahl::kirche::Mindest030 ? 30
                                                     : 0;
}

/// Saxony keeps the day of prayer as a holiday, so its employees carry more of the care
/// insurance: the employee's share and the employer's subsidy of the Saxon care codes, percent.
inline constexpr Money kPvSatzSachsen = Money::raw(13500);
inline constexpr Money kPvZuschussSachsen = Money::raw(3500);

/// Rate in percent of a surcharge code: 0.9 (dental cover), 0.25 (childless care
/// surcharge), 1.15 (both); no surcharge and unknown codes none.
inline constexpr Money zusatzbeitragssatz(int code) {
    using namespace wahl::zusatz;
    return code == Zahnersatz   ? Money::raw(9000)
           : code == Kinderlose ? Money::raw(2500)
           : code == KvUndPv    ? Money::raw(11500)
                                : Money();
}

/// Sliding-zone factor F of a tax year and month (0..11). In 2006 it changed with July and,
/// in the first half, differed for pay inside the zone and pay up to 400.00 euros. The zone
/// formula uses it as F x 400 and 2 - F, both exact in Money.
Money gleitzonenfaktor(int jahr, int monat, bool inDerZone);

}  // namespace brelvanostik
