#pragma once

#include <cstdint>

#include "engine/money.h"

/// The statutory figures of the wage tax for the tax years 2004 to 2007: the income tax tariff
/// and the allowances the wage tax engine computes with. The tax steps listing and the help
/// texts print them from here, so that what they explain is what the engine computes.
/// Amounts are whole euros a year unless said otherwise; rates are fractions (0.16 = 16 %).
namespace brelvanostik::steuerwerte {

// Income tax tariff.

/// Basic allowance: an income up to this amount bears no tax.
inline constexpr std::int64_t kGrundfreibetrag = 7664;
/// Last euro of the first progression zone.
inline constexpr std::int64_t kErsteZoneBis = 12739;
/// Last euro of the second progression zone; above it the rate is linear.
inline constexpr std::int64_t kZweiteZoneBis = 52151;
/// Last euro taxed at the linear rate of 42 % before the top rate of 2007.
inline constexpr std::int64_t kSpitzensatzBis = 250000;

/// Where an income X (euros, after splitting) lies in the tariff of a year.
enum class Tarifzone { Frei, ErsteZone, ZweiteZone, Linear, Reichensteuer };

constexpr Tarifzone tarifzone(int jahr, Money X) {
    // X is not always whole: the class V/VI rule evaluates the tariff at fractions of it.
    if (X < Money::whole(kGrundfreibetrag + 1)) return Tarifzone::Frei;
    if (X < Money::whole(kErsteZoneBis + 1)) return Tarifzone::ErsteZone;
    if (X < Money::whole(kZweiteZoneBis + 1)) return Tarifzone::ZweiteZone;
    if (jahr >= 2007 && X >= Money::whole(kSpitzensatzBis + 1)) return Tarifzone::Reichensteuer;
    return Tarifzone::Linear;
}

/// Coefficients of the progression zones: first zone (a * Y + b) * Y with Y = (X - basic
/// allowance) / 10000, second zone (c * Y + d) * Y + e with Y = (X - end of the first
/// zone) / 10000.
struct Progression {
    double a, b, c, d, e;
};
constexpr Progression progression(int jahr) {
    return jahr == 2004 ? Progression{793.1, 1600, 265.78, 2405, 1016}
                        : Progression{883.74, 1500, 228.74, 2397, 989};
}

/// A linear zone: tax = X * satz - abzug.
struct Linearzone {
    double satz, abzug;
};
constexpr Linearzone linearzone(int jahr, Tarifzone zone) {
    if (jahr == 2004) return {0.45, 8845};
    return zone == Tarifzone::Reichensteuer ? Linearzone{0.45, 15414} : Linearzone{0.42, 7914};
}

// Allowances of the tax tables.

/// Employee lump sum for active wages.
inline constexpr std::int64_t kArbeitnehmerPauschbetrag = 920;
/// Lump sum for pensions, from 2005.
inline constexpr std::int64_t kVersorgungsPauschbetrag = 102;
/// Special-expenses lump sum; twice as much in class III.
inline constexpr std::int64_t kSonderausgabenPauschbetrag = 36;
/// Relief for single parents, class II.
inline constexpr std::int64_t kEntlastungsbetragAlleinerziehende = 1308;
/// Child allowances of one child for both parents: the allowance for the child's living and
/// the one for its care, upbringing or education. Each parent in class IV has half.
inline constexpr std::int64_t kKinderfreibetragSaechlich = 3648;
inline constexpr std::int64_t kBetreuungsfreibetrag = 2160;
inline constexpr std::int64_t kKinderfreibetrag =
    kKinderfreibetragSaechlich + kBetreuungsfreibetrag;

// Provision allowance (class III: every amount twice).

/// The percentage rule: 20 % of the wage, against a basic amount less 16 % of the wage and
/// two supplements up to their maximum amounts.
inline constexpr double kVorsorgeSatz = 0.2;
inline constexpr std::int64_t kVorsorgeGrundbetrag = 3068;
inline constexpr double kVorsorgeKuerzungssatz = 0.16;
inline constexpr std::int64_t kVorsorgeHoechstbetrag1 = 1334;
inline constexpr std::int64_t kVorsorgeHoechstbetrag2 = 667;
/// Maximum of the shortened allowance for employees free of pension insurance.
inline constexpr std::int64_t kVorsorgeKurzHoechstbetrag = 1134;
/// From 2005 the health and care share: 11 % of the wage, at most 1,500 euros.
inline constexpr double kKrankenPflegeSatz = 0.11;
inline constexpr std::int64_t kKrankenPflegeHoechstbetrag = 1500;

/// From 2005 the pension insurance share: the wage up to a ceiling, times the contribution
/// rate, times the share that counts in the year.
struct Rentenanteil {
    std::int64_t hoechstlohn;
    double beitragssatz, anteil;
};
constexpr Rentenanteil rentenanteil(int jahr) {
    return jahr == 2005   ? Rentenanteil{62400, 0.0975, 0.2}
           : jahr == 2006 ? Rentenanteil{63000, 0.0975, 0.24}
                          : Rentenanteil{63000, 0.0995, 0.28};
}

// Solidarity surcharge (the rate is the engine's kSolzSatz).

/// No surcharge up to this annual tax (class III: twice), and above it at most this percent
/// of the excess.
inline constexpr std::int64_t kSolzFreigrenze = 972;
inline constexpr std::int64_t kSolzUebergangProzent = 20;

// Pension allowance and age relief.

/// Share of the pensions (2004 and 2005) and of the wage without pensions (age relief up to
/// 2005) that stays free.
inline constexpr double kAltersanteil = 0.4;
/// 2004: maximum pension allowance and maximum age relief.
inline constexpr std::int64_t kVersorgungsHoechstbetrag2004 = 3072;
inline constexpr std::int64_t kAltersHoechstbetrag2004 = 1908;
/// 2005, and the start of the decline after it: maximum pension allowance, its supplement
/// and the maximum age relief.
inline constexpr std::int64_t kVersorgungsHoechstbetrag2005 = 3000;
inline constexpr std::int64_t kVersorgungsZuschlag2005 = 900;
inline constexpr std::int64_t kAltersHoechstbetrag2005 = 1900;

/// From 2005 the pension allowance falls with the year the pension started, the age relief
/// with the year after the 64th birthday, and each then holds for good.
struct Altersstufe {
    double anteil;         ///< free share
    double hoechstbetrag;  ///< maximum amount, euros a year
    double zuschlag;       ///< supplement to the pension allowance, euros a year
};
/// `stufe` counts the years after 2005 (0 for 2005 and before, 35 for 2040 and after): the
/// share falls by 1.6 points a year up to 2020 and by 0.8 points afterwards, the amounts in
/// step with it.
constexpr Altersstufe versorgungsstufe(int stufe) {
    if (stufe < 16) {
        return {kAltersanteil - stufe * 0.016,
                static_cast<double>(kVersorgungsHoechstbetrag2005 - stufe * 120),
                static_cast<double>(kVersorgungsZuschlag2005 - stufe * 36)};
    }
    return {0.16 - (stufe - 15) * 0.008, static_cast<double>(1200 - (stufe - 15) * 60),
            static_cast<double>(360 - (stufe - 15) * 18)};
}
constexpr Altersstufe altersstufe(int stufe) {
    if (stufe < 16) {
        return {kAltersanteil - stufe * 0.016,
                static_cast<double>(kAltersHoechstbetrag2005 - stufe * 76), 0};
    }
    return {0.16 - (stufe - 15) * 0.008, static_cast<double>(760 - (stufe - 15) * 38), 0};
}

}  // namespace brelvanostik::steuerwerte
