#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

class Sitzung;
enum class Seite;

/// The intermediate values the month calculation used for one month of one calculation,
/// as the window lays them over the bar panel. Amounts in hundredths.
struct InterneWerte {
    static constexpr int kOben = 12;  ///< upper block: rows 0..11
    /// Upper block, column 0: the month's income amounts and gross (rows 0..5), empty below.
    std::array<std::optional<std::int64_t>, kOben> monatsbetraege{};
    /// Upper block, column 3: taxable pay, expected annual pay, ceiling remainders.
    std::array<std::int64_t, kOben> zwischenwerte{};
    static std::string_view beschriftung(int zeile);  ///< upper block, column 2

    /// Lower block: wage tax, surcharge, church tax, then the five contributions, from the
    /// current pay ("laufend"), from one-time payments ("einmalig"), the employer's December
    /// adjustment ("ausgleich": what the stored deduction holds beyond the other two) and
    /// the stored deduction itself ("gesamt").
    static constexpr int kAbzuege = 8;
    using Abzuege = std::array<std::int64_t, kAbzuege>;
    Abzuege laufend{}, einmalig{}, ausgleich{}, gesamt{};
    std::int64_t summeLaufend = 0, summeEinmalig = 0, summeAusgleich = 0, summeGesamt = 0;
    /// Pay of each part less its deductions, before any salary conversion.
    std::int64_t nettoLaufend = 0, nettoEinmalig = 0, nettoAusgleich = 0, nettoGesamt = 0;
    /// The month settles the employer's adjustment (December with the choice on, or any
    /// deduction that differs from its two parts): its column and the totals are shown.
    bool mitAusgleich = false;

    /// One column of the lower block as the window and the printout show it.
    struct Spalte {
        std::string_view kopf;
        const Abzuege* werte;
        std::int64_t summe, netto;
    };
    /// "laufend" and "einmalig"; in a month with the adjustment also "Jahresausgleich" and
    /// "gesamt", so that every line's parts add up to what the month stored.
    std::vector<Spalte> spalten() const;

    /// Grid row (13..25) of deduction i of the lower block; rows 17 and 23 stay empty.
    static int abzugszeile(int i) { return i < 3 ? 14 + i : 15 + i; }
};

/// `dezember`: the record is December's, where the employer's adjustment can happen.
InterneWerte interneWerte(const Monatssatz& satz, bool dezember = false);

/// The values of the displayed month of one side of the session's case.
InterneWerte interneWerte(const Sitzung& sitzung, Seite seite);

}  // namespace brelvanostik
