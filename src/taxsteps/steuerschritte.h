#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lohnsteuer.h"
#include "session/sitzung.h"
#include "taxsteps/schrittliste.h"

namespace brelvanostik {

inline constexpr std::string_view kSchritteTitel =
    "Schrittweise Berechnung der Lohnsteuer nach dem Programmablaufplan des BMF";
inline constexpr std::string_view kSchritteDruckTitel =
    "Lohnsteuerberechnung nach dem Programmablaufplan des Bundesfinanzministeriums";
inline constexpr std::string_view kBezugsmonateTitel = "12 Monate";
inline constexpr std::string_view kBezugsmonateText =
    "Die Anzahl der Bezugsmonate ist nur erforderlich,\n"
    "wenn die Versorgungsbezüge als Jahresbetrag eingegeben worden sind.\n"
    "Bei der Eingabe als Monatsbetrag ist die Auswahl >12 Monate<\n"
    "erforderlich.";

/// Largest gross wage of the amount fields, in hundredths: per year and per month.
inline constexpr std::int64_t kHoechstJahresbrutto = 30'000'000;
inline constexpr std::int64_t kHoechstMonatsbrutto = 2'500'000;

/// The outline of the listing: the thirteen headings are always shown; a click on a
/// closed heading opens its section (and closes the others), a click on the open one
/// closes it.
class Schrittgliederung {
  public:
    /// A click on a line; only heading lines react. True when something changed.
    bool klicken(int zeile);
    /// Opens the section of a heading (closing the others), whatever its state was.
    void oeffnen(int kopfzeile);
    /// The heading whose section is open, or -1.
    int offen() const { return offen_; }
    /// "+" or "-" on heading lines, "" elsewhere.
    std::string markierung(int zeile) const;
    /// Whether a line is shown. Of the two provision allowance blocks only the one that
    /// carries the values (the one of `liste`'s pension insurance case) is shown.
    bool sichtbar(int zeile, const Schrittliste& liste) const;

  private:
    int offen_ = -1;
};

/// The tax steps window without its widgets: the controls' state, the presets from the
/// main window's case, the events that recompute, and the listing. It runs its own engine,
/// so nothing it sets reaches the payroll calculation of the stored cases.
class Steuerschritte {
  public:
    enum class Liste {
        Jahr,
        Zeitraum,
        Klasse,
        Kinder,
        Kisatz,
        Geburt,
        Erstbezugsjahr,
        Bezugsmonate
    };

    /// The amount fields, in hundredths of a euro.
    enum class Feld {
        Brutto,             ///< the gross wage of the year or the month, pensions included
        Steuerkarte,        ///< the tax card's amount to add, or its allowance as a negative
        Versorgungsbezug,   ///< the pensions within the gross wage
        ErsterMonatsbezug,  ///< the pension of the first full month of the starting year
        Sonderzahlung,      ///< the pension's one-time payment of the starting year
    };
    /// Every amount field, in the order of the window.
    static constexpr std::array<Feld, 5> kFelder = {Feld::Brutto, Feld::Steuerkarte,
                                                    Feld::Versorgungsbezug, Feld::ErsterMonatsbezug,
                                                    Feld::Sonderzahlung};

    /// The items of a list, as the window shows them.
    static const std::vector<std::string>& eintraege(Liste liste);
    /// The caption beside a list or field.
    static std::string_view beschriftung(Liste liste);
    /// The caption beside an amount field; the gross wage's changes with the period
    /// (`bruttoBeschriftung`).
    static std::string_view feldbeschriftung(Feld feld);

    /// A window opened on a new workspace's case 1 in January 2007: year 2007, month mode,
    /// class I, no child allowance, 0 % church tax, born after 1942, first pension year 2005,
    /// 12 months, liable to pension insurance, all amounts 0. Ready, listing computed.
    Steuerschritte();

    /// Opening the window: presets from the current case and month of the session, then
    /// the first listing.
    void vorbelegen(const Sitzung& sitzung);

    // --- The controls ---------------------------------------------------------------
    /// Selected item of a list; -1 when none is selected (the year list for 2004).
    int index(Liste liste) const;
    int steuerjahr() const { return steuerjahr_; }
    bool monatsmodus() const { return index(Liste::Zeitraum) == 1; }
    bool rvPflicht() const { return rvPflicht_; }
    std::int64_t feld(Feld feld) const { return felder_.at(static_cast<std::size_t>(feld)); }
    bool bereit() const { return bereit_; }

    // --- Events (each recomputes the listing when the window is ready) --------------
    /// A list item was clicked. A number of months below 12 in month mode is refused with
    /// the returned message; the list then shows "12 Monate" again.
    std::optional<Meldung> waehlen(Liste liste, int index);
    /// Sets the tax year as the main window's year would preset it: 2005-2008 select their
    /// item, 2004 (not offered) selects none and computes for 2004. Always recomputes.
    void jahrVorgeben(int jahr);
    /// The check box "RV- Pflicht JA"; opens the provision allowance section.
    void rvPflichtSetzen(bool pflicht);
    /// An amount field changed to `hundertstel`. The field's limits apply (gross wage per
    /// year or month, pensions at most the gross, the tax-card entry within the gross
    /// limit); the fields show the corrected values. True when a value was corrected.
    bool feldAendern(Feld feld, std::int64_t hundertstel);

    // --- What the window shows --------------------------------------------------------
    /// "Jahresbrutto" or "Monatsbrutto".
    std::string bruttoBeschriftung() const;
    /// The pension-start frame and the months list are shown while there are pensions.
    bool versorgungsbeginnSichtbar() const { return feld(Feld::Versorgungsbezug) > 0; }
    /// The engine inputs as the controls set them before the main run.
    Steuereingaben eingaben() const;
    Listenangaben angaben() const;
    const Schrittliste& liste() const { return liste_; }
    const Schrittgliederung& gliederung() const { return gliederung_; }
    Schrittgliederung& gliederung() { return gliederung_; }

  private:
    void darstellen();
    bool begrenzen();
    std::int64_t& wert(Feld feld) { return felder_.at(static_cast<std::size_t>(feld)); }

    std::array<int, 8> index_{};
    int steuerjahr_ = 2007;
    bool rvPflicht_ = true;
    std::array<std::int64_t, 5> felder_{};
    bool bereit_ = false;
    Lohnsteuerrechner engine_;  // the window's own, never the payroll's
    Schrittliste liste_;
    Schrittgliederung gliederung_;
};

}  // namespace brelvanostik
