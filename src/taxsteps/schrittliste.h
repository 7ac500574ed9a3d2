#pragma once

#include <array>
#include <string>

#include "engine/lohnsteuer.h"

namespace brelvanostik {

/// The sixteen inputs of one wage tax run, by the flowchart's names. The tax steps window
/// sets them from its controls; the month calculation's own runs can be captured the same
/// way, so that one listing explains either.
struct Steuereingaben {
    int JAHR = 2007;
    int LZZ = 1;
    Money RE4, VBEZ, WFundF, HINZUR;
    int STKL = 1;
    Money ZKF;
    int KRV = 0;
    int R = 0;
    int AJAHR = 0;
    int Alter1 = 0;
    int VJAHR = 0;
    Money VBEZM, VBEZS, ZMVB;

    /// Writes every input into the engine (nothing of an earlier run is left behind).
    void setzen(Lohnsteuerrechner& engine) const;
    /// The inputs an engine holds now.
    static Steuereingaben aus(const Lohnsteuerrechner& engine);
    bool operator==(const Steuereingaben&) const = default;
};

/// What the explanations need beyond the engine inputs.
struct Listenangaben {
    bool monatsmodus = false;  ///< the amounts were entered as monthly amounts
    int kirchensatz = 0;       ///< church tax rate in percent (0, 8, 9)
};

inline constexpr int kSchrittzeilen = 113;
/// The heading lines (row indexes): each opens the section up to the next heading.
inline constexpr std::array<int, 13> kKopfzeilen = {0,  18, 28, 38, 45,  49, 52,
                                                    55, 58, 89, 90, 101, 108};
/// The two provision allowance blocks: without pension insurance (KRV = 1) and with it.
inline constexpr int kBlockRvFreiAnfang = 59, kBlockRvFreiEnde = 67;
inline constexpr int kBlockRvPflichtAnfang = 78, kBlockRvPflichtEnde = 88;

bool istKopfzeile(int zeile);

/// One line of the listing, as the grid shows it (empty strings for empty cells).
struct Schrittzeile {
    bool kopf = false;
    std::string name;      ///< flowchart name or section name
    std::string text;      ///< explanation with formula and constants
    std::string wert;      ///< value of the line (on two headings: the monthly amount)
    std::string ergebnis;  ///< on headings: the section's result
    bool operator==(const Schrittzeile&) const = default;
};

/// The whole listing of one set of inputs: 113 lines in the order of the flowchart.
struct Schrittliste {
    std::array<Schrittzeile, kSchrittzeilen> zeilen;
    Steuereingaben eingaben;  ///< as set before the main run
    /// Whether the block of a row belongs to the other provision allowance case than the
    /// one computed (it then carries texts but no values).
    bool fremderBlock(int zeile) const;
};

/// Computes the listing: the main run for the input and allowance lines, a run without
/// child allowances for the tax lines, and the main run again for the surcharge and church
/// tax lines, all on `engine` (its state afterwards is that of the last run).
Schrittliste schrittlisteBerechnen(const Steuereingaben& eingaben, const Listenangaben& angaben,
                                   Lohnsteuerrechner& engine);
/// The same on an engine of its own.
Schrittliste schrittlisteBerechnen(const Steuereingaben& eingaben, const Listenangaben& angaben);

}  // namespace brelvanostik
