#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "payroll/monatsberechnung.h"
#include "session/sitzung.h"
#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

/// What one month of a calculation pays out and withholds, in hundredths as the month record
/// holds them (deductions negative).
struct Monatsbild {
    std::int32_t gehalt = 0;                                   ///< row 5 as typed
    std::int32_t auszahlung = 0;                               ///< row 26
    std::int32_t lohnsteuer = 0, soli = 0, kirchensteuer = 0;  ///< rows 17-19
    std::int64_t sozialversicherung = 0;                       ///< rows 20-24 together

    std::int64_t steuern() const {
        return static_cast<std::int64_t>(lohnsteuer) + soli + kirchensteuer;
    }
};

/// Tries salaries on a copy of the displayed case: each salary is stored into the displayed
/// month of a side the way a typed salary is stored (that month and every later one through
/// December) and the month is calculated as the program calculates it. The session and its
/// workspace are never touched.
class Gehaltsprobe {
  public:
    Gehaltsprobe(const Sitzung& sitzung, Seite seite);

    /// The displayed month with `gehalt` hundredths (0..kMaxBetragHundertstel) as its salary.
    /// Only the months up to the displayed one are calculated: nothing a later month computes
    /// flows back into it.
    Monatsbild mit(std::int32_t gehalt);
    /// The same, with the year calculated through December, as the program stores it.
    Monatsbild mitGanzemJahr(std::int32_t gehalt);

    /// The most by which the payout can rise per hundredth of salary, apart from roundings.
    /// The salary reaches the payout through the month's weekly-hours and days ratios; the
    /// contributions can fall by at most half their rate (the employer's half of the sliding
    /// zone); a one-time payment of the month is taxed on an annual wage that takes the salary
    /// of every month to December, and its taxes can fall by less than that annual wage
    /// grows (no marginal burden reaches 100 %).
    double steigungsgrenze() const { return steigungsgrenze_; }

    int jahr() const { return jahr_; }
    int monat() const { return monat_; }
    std::int32_t gespeichertesGehalt() const { return gespeichert_; }

  private:
    Monatsbild rechnen(std::int32_t gehalt, int bisMonat);

    std::unique_ptr<Arbeitsbereich> kopie_;
    std::array<Monatssatz, kMonate> urbild_{};
    Fallkopf urkopf_;
    Monatsberechnung monatsberechnung_;
    int jahr_ = kErstesJahr;
    int berechnung_ = 0;
    int monat_ = 0;
    std::int32_t gespeichert_ = 0;
    double steigungsgrenze_ = 1.0;
};

}  // namespace brelvanostik
