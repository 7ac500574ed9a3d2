#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/lohnsteuer.h"
#include "engine/money.h"
#include "workspace/arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

/// Why the employer may not settle the year in December (section 42b of the income tax act).
enum class Ausgleichshindernis : std::uint8_t {
    Keines,
    Teilmonat,       ///< a month was not paid for all its days
    KlasseVoderVI,   ///< tax class V or VI in some month
    Klassenwechsel,  ///< the tax class is not the same in all twelve months
    Steuerkarte,     ///< a month holds a tax-card allowance or amount to add
};

/// The taxes of a one-time payment (negative cents, deductions).
struct Einmalsteuer {
    std::int64_t lohnsteuer = 0, soli = 0, kirchensteuer = 0;
};

/// The taxes of a one-time payment from the difference of the annual wage tax with and
/// without it (negative cents): the wage tax on the payment, never a refund; the solidarity
/// surcharge (5.5 %) and the church tax (`kirchensatz`, 0.08 or 0.09) as shares of that wage
/// tax, each cut to whole cents, without exemption limit and child allowances.
Einmalsteuer einmalsteuer(std::int64_t lohnsteuerdifferenz, Money kirchensatz);

/// The payroll month calculation: computes one calculation of a tax year from a start month
/// to December and writes every result into the month records and the case header.
///
/// For every month it reduces the income rows by the weekly-hours and the days ratio, runs
/// the wage tax engine on the current pay, taxes the one-time payments as the difference of
/// two annual runs, levies the contributions within the month's ceilings (and the one-time
/// payments within the ceiling left unused by earlier months), applies the minimum church
/// tax and, in December, the employer's annual adjustment, and sums up the payout.
///
/// The calculation keeps a wage tax engine of its own and sets every input its runs read,
/// so that nothing another window computes meanwhile (the tax steps window sets R, ZMVB and
/// the rest of the inputs as it likes) can change a stored case's result. R is always 1:
/// the church tax base is always produced and the church tax follows from the church code.
class Monatsberechnung {
  public:
    Monatsberechnung() { engine_.R = 1; }

    /// The engine as the last run of the last calculation left it.
    const Lohnsteuerrechner& engine() const { return engine_; }

    /// Computes calculation `berechnung` (0..9) of tax year `jahr` (2004..2007) from month
    /// `startMonat` (0..11) through December. Arguments outside these ranges change nothing.
    /// With `letzterMonat` (startMonat..11) the months after it are left as they are: what a
    /// month computes depends on earlier months only, so those up to `letzterMonat` come out
    /// as in the whole run (a salary search reads one month many times over).
    ///
    /// Returns why the December adjustment, switched on, may not be made: the choice is then
    /// off in all twelve months, and the front shows the reason and resets the adjustment
    /// row's label of the green side. `Keines` when December was settled or not asked for.
    Ausgleichshindernis berechne(Arbeitsbereich& bereich, int jahr, int berechnung, int startMonat,
                                 int letzterMonat = kMonate - 1);

    /// Called with the month (0..11) and the engine just before the wage tax run on that
    /// month's current pay, every input set: lets the tax steps explain the month's own run.
    using Monatslaufbeobachter = std::function<void(int monat, const Lohnsteuerrechner& engine)>;
    void beobachten(Monatslaufbeobachter beobachter) { beobachter_ = std::move(beobachter); }

  private:
    static constexpr int kEinkommenZeilen = zeile::MehrjahresVerguetung - zeile::Gehalt + 1;
    /// Index of an income row (salary to pay for several years) in the arrays of the five.
    static constexpr std::size_t einkommen(int z) {
        return static_cast<std::size_t>(z - zeile::Gehalt);
    }

    void anteileAktualisieren(int startMonat);
    void laufendeSteuern(int m);
    void einmalSteuern(int m);
    void mindestkirchensteuer(int m);
    /// Settles December, or switches the choice off in all twelve months and says why not.
    Ausgleichshindernis jahresausgleich();
    Ausgleichshindernis ausgleichshindernis() const;
    void beitragspflichtigesEntgelt(int m);
    void laufendeBeitraege(int m);
    void einmalBeitraege(int m);
    void auszahlung(int m);

    /// Wage tax, solidarity surcharge and church tax (negative cents) of an annual run.
    struct Jahressteuer {
        std::int64_t lohnsteuer = 0, soli = 0, kirchensteuer = 0;
    };
    Jahressteuer jahreslauf(Money jahreslohn, Money versorgungsbezuege);

    /// The annual wage as the annual runs take it (cents): months before `vollBis` with all
    /// their income, the later ones with the salary and pensions they are expected to bring;
    /// every month's additional taxable amount and tax-free salary conversion.
    struct Jahreslohn {
        Money bisher;      ///< what the months before `vollBis` brought
        Money lohn;        ///< the whole annual wage
        Money versorgung;  ///< the pensions in it
    };
    Jahreslohn jahreslohn(int vollBis) const;
    int versorgungsmonate() const;

    Lohnsteuerrechner engine_;

    // The calculation being computed.
    int jahr_ = 2004;
    std::array<Monatssatz*, kMonate> monate_{};
    Fallkopf* kopf_ = nullptr;

    // Ratios and reduced amounts of the income rows of every month from the start month on,
    // brought up to date before the first month is computed.
    std::array<float, kMonate> stundenquote_{};
    std::array<float, kMonate> tagesquote_{};
    std::array<std::array<Money, kEinkommenZeilen>, kMonate> reduziert_{};

    // Working values of the month being computed.
    int tabellenindex_ = 0;  // y + 4 x area of the month's state
    Money kirchensatz_;
    Money beitragsentgelt_;
    std::int32_t kvpflichtig_ = 0, rvpflichtig_ = 0;
    std::int32_t kvbbgmonat_ = 0, rvbbgmonat_ = 0;

    Monatslaufbeobachter beobachter_;
};

}  // namespace brelvanostik
