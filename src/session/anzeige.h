#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "workspace/arbeitsbereich.h"

namespace brelvanostik {

/// Colours the main window uses: palette colours of the classic sixteen-colour palette and
/// the panel colours of the two sides.
enum class Farbe {
    Schwarz,    ///< palette 0
    Hellrot,    ///< palette 12: negative results, the "Unterschied" mode
    Hellgelb,   ///< palette 14: blue values that differ from green
    Weiss,      ///< palette 15
    Hellgruen,  ///< 192, 255, 192: the green side's panels
    Hellcyan,   ///< 192, 255, 255: the blue side's panels
};

/// What one row of one side shows. Amounts are hundredths; the window formats them.
struct Zeilenanzeige {
    /// Caption of the row's label button (choice text, fixed text or case name).
    std::string beschriftung;
    /// A rate put in front of a choice text that begins with "%" (hundredths of a percent).
    std::optional<std::int64_t> beschriftungSatz;
    /// Label background: light yellow on the blue side when its caption differs from green's.
    Farbe beschriftungHintergrund = Farbe::Weiss;
    /// Amount of the row's field (input rows) or of its result label (result rows).
    std::int64_t betrag = 0;
    /// The row has an amount field (true) or a result label (false).
    bool istEingabe = false;
    /// The row shows an amount at all (rows 27-30 do not).
    bool hatBetrag = false;
    /// Background of an amount field: light yellow on the blue side when it differs from green.
    Farbe feldHintergrund = Farbe::Weiss;
    /// Text colour of a result label: light red for negative amounts.
    Farbe textFarbe = Farbe::Schwarz;
    /// Ratio toggles of rows 5-9: 'B' or '-' (days), 'T' or '-' (hours), and their backgrounds.
    char bru = ' ', tei = ' ';
    Farbe bruHintergrund = Farbe::Weiss, teiHintergrund = Farbe::Weiss;
};

/// The deduction share bars of one side: shares truncated to thousandths of a percent.
struct Balken {
    std::int64_t steuer = 0, sozial = 0, netto = 0, brutto = 1;  ///< hundredths
    float anteilSteuer = 0, anteilSozial = 0, anteilNetto = 0;   ///< 0..1
    /// Percent x 1000, truncated (23456 is shown as "23,456").
    std::int64_t promilleSteuer = 0, promilleSozial = 0, promilleNetto = 0;
};

/// Everything one side of the main window shows for the displayed month or year.
struct Seitenanzeige {
    std::array<Zeilenanzeige, kZeilen> zeilen{};
    /// Rate labels of rows 21-24 (hundredths of a percent); row 24 has none for an unknown code.
    std::array<std::optional<std::int64_t>, 4> saetze{};
    std::string kommentar;
    /// Hourly payout in hundredths, with the parts of its explanation.
    std::int64_t stundenlohn = 0, wochenlohn = 0, auszahlung = 0, tage = 0, wochenstunden = 0;
    Balken balken;
    /// Blue side: the pension base values differ from green's.
    bool versorgungAbweichend = false;
    std::int16_t versorgungsbeginn = 0;
    std::int64_t ersterVollerMonatsbezug = 0, versorgungsSonderzahlung = 0;
};

/// The yellow column between the two sides.
struct GelbeSpalte {
    std::array<std::int64_t, kZeilen> werte{};  ///< rows 5-26, hundredths
    std::array<Farbe, kZeilen> farben{};
    bool gemeinsam = true;
    std::string modusText;  ///< "gemeinsam" or "Unterschied" (month view), as the button reads
    Farbe modusFarbe = Farbe::Schwarz;
};

/// Shares of the bars from tax, insurance and gross (hundredths): the net amount is raised
/// to 1 when below 1, a gross of 0 counts as 1.
Balken balkenBerechnen(std::int64_t steuer, std::int64_t sozial, std::int64_t brutto);

}  // namespace brelvanostik
