#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basis/meldung.h"
#include "help/infotexte.h"
#include "payroll/monatsberechnung.h"
#include "session/anzeige.h"
#include "workspace/arbeitsbereich.h"
#include "workspace/einstellungen.h"

namespace brelvanostik {

/// Which side an action concerns: the green calculation or its blue twin.
enum class Seite { Gruen, Blau };

/// What the month buttons have put on screen: one month, the year's totals in the amount
/// fields ("Jahresgehalt"), or the table of all twelve months of one side ("Alle Monate").
enum class Ansicht { Monat, Jahresgehalt, AlleMonateGruen, AlleMonateBlau };

/// The months as their buttons, the tables and the printouts name them.
inline constexpr std::array<std::string_view, kMonate> kMonatskuerzel = {
    "JAN.", "FEB.", "MRZ.", "APR.", "MAI", "JUNI", "JULI", "AUG.", "SEP.", "OKT.", "NOV.", "DEZ."};

/// The two pension amounts of the case header, which the pension panel shows for either
/// side: the first full monthly pension and the special pension payment.
enum class Versorgungsfeld { ErsterMonatsbezug, Sonderzahlung };

/// The side a command button belongs to (printing, internal values and pension data of a
/// side); the others serve both sides.
std::optional<Seite> seiteDesBefehls(Befehl befehl);
/// While the all-months table of a side is shown, the other side's commands are hidden.
bool befehlSichtbar(Befehl befehl, std::optional<Seite> alleMonateTabelle);

/// The texts of the annual-mode refusal.
inline constexpr std::string_view kJahresmodusTitel = "Jahresgehalt ändern";
inline constexpr std::string_view kJahresmodusText =
    "Während das JAHRESGEHALT eingestellt ist, können keine Änderungen vorgenommen werden. "
    "Bitte stellen Sie ein Monatsgehalt ein.";

/// Recalculates calculation `berechnung` (0..9) of tax year `jahr` from month `ab` (0..11)
/// to December with `monatsberechnung`, as every edit does for the displayed case. A refused
/// December adjustment (not every day of the year paid) adds its message, as the window shows it.
/// The command-line tool recalculates stored cases through it.
Rueckmeldung neuBerechnen(Monatsberechnung& monatsberechnung, Arbeitsbereich& bereich, int jahr,
                          int berechnung, int ab);

/// One session of work on the workspace: the current selection (year, case, side, month,
/// annual mode) and every edit and move the main window offers, with the rules by which
/// an edit is stored, carried forward through December, mirrored from green into blue and
/// recalculated. The window forwards what the user did and draws what the session says;
/// the command-line tool drives the same object.
class Sitzung {
  public:
    /// Takes over the loaded workspace and restores the selection from the settings record.
    /// Runs the recalculation of the restored case once, as the program does at start.
    Sitzung(Arbeitsbereich bereich, const Einstellungen& einstellungen);
    Sitzung(const Sitzung&) = delete;
    Sitzung& operator=(const Sitzung&) = delete;

    // --- The selection -------------------------------------------------------------
    int jahr() const { return jahr_; }                 ///< 2004..2007
    int fallIndex() const { return gruen_; }           ///< green calculation index 0..4
    int monat() const { return monat_; }               ///< displayed month 0..11
    bool jahresmodus() const { return jahresmodus_; }  ///< "Jahresgehalt" or all-months shown
    Ansicht ansicht() const { return ansicht_; }
    /// The month last chosen since the start (the displayed month, also under the year's
    /// totals); the settings record keeps it.
    int letzterMonat() const { return letzterMonat_; }
    int jahresknopf() const { return jahr_ - kErstesJahr; }
    /// Calculation index of a side of the displayed case.
    int berechnung(Seite s) const { return s == Seite::Gruen ? gruen_ : zwilling(gruen_); }

    const Arbeitsbereich& arbeitsbereich() const { return bereich_; }
    Arbeitsbereich& arbeitsbereich() { return bereich_; }
    /// The settings record to write at exit: year, case, last month button + 1, and the
    /// window geometry the front sets with fensterMerken().
    Einstellungen einstellungen() const;
    void fensterMerken(int oben, int links, int hoehe, int breite);

    // --- Edits (each ends in the recalculation of both sides) ------------------------
    /// An amount field of a side was left or confirmed with `text` as typed (digits and one
    /// decimal comma). Result rows store nothing.
    Rueckmeldung betragEingeben(Seite s, int zeile, std::string_view text);
    /// A pension amount of the pension panel, opened for side `s`.
    Rueckmeldung betragEingeben(Seite s, Versorgungsfeld feld, std::string_view text);
    /// An entry of a row's choice list was picked (rows 0-4, 17, 19-25, 28; 27 = pension start).
    Rueckmeldung auswahlTreffen(Seite s, int zeile, int code);
    /// Would a click on the row's label open its choice list? (Not in annual mode, not for
    /// rows without a list, not for the insurance rows while the status excludes insurance.)
    bool auswahlMoeglich(Seite s, int zeile) const;
    /// The "bru" (days ratio) and "tei" (hours ratio) toggles of rows 5-9.
    Rueckmeldung tagesquoteUmschalten(Seite s, int zeile);
    Rueckmeldung stundenquoteUmschalten(Seite s, int zeile);
    /// The 1-euro arrows of rows 5 and 25.
    Rueckmeldung pfeilAuf(Seite s, int zeile);
    Rueckmeldung pfeilAb(Seite s, int zeile);
    /// The yellow column's "Gemeinsam"/"Unterschied" button.
    void modusUmschalten();
    /// Renames the case of a side (not mirrored; cut to 35 characters). A character the data
    /// files cannot hold (outside Windows-1252, tab, line break) is refused with a message.
    Rueckmeldung umbenennen(Seite s, std::string_view name);
    /// Sets the displayed month's comment of a side (cut to 120 characters); refused as above.
    Rueckmeldung kommentarSetzen(Seite s, std::string_view text);

    // --- Navigation --------------------------------------------------------------------
    /// The month buttons: a month (0-11), the year's totals, the all-months table of a
    /// side. Each shows stored results; nothing is recalculated.
    void monatWaehlen(int monat);
    void jahresgehaltZeigen();
    void alleMonateZeigen(Seite seite);
    /// Year buttons 0-3 (2004-2007); nothing is recalculated.
    void jahresknopfKlicken(int knopf);
    /// Picks a case (green index 0-4) and recalculates it.
    Rueckmeldung fallWaehlen(int gruenIndex);

    // --- What the window shows --------------------------------------------------------
    Seitenanzeige anzeige(Seite s) const;
    GelbeSpalte gelbeSpalte() const;
    /// The long text of row `zeile` of a side, lines joined, with the figures of the year
    /// and, for the pension inputs (row 27), the side's pension amounts as they are now.
    /// Empty for a row without a text and for the insurance rows while the displayed
    /// month's status excludes insurance.
    std::string infotext(Seite s, int zeile) const;
    /// Caption of rows 10 and 40: "Monatsgehalt MRZ. 2007" or "Jahresgehalt 2007".
    std::string periodentext() const;
    /// Side shown by the all-months table, while it is the view.
    std::optional<Seite> alleMonateSeite() const;

    /// Recalculates both sides of the displayed case from the displayed month.
    Rueckmeldung berechnungAusloesen();
    /// Messages of the recalculation made when the session started.
    const std::vector<Meldung>& startmeldungen() const { return startmeldungen_; }

  private:
    Monatssatz& satz(int berechnung, int m) {
        return bereich_.monat(jahr_ - kErstesJahr, berechnung, m);
    }
    const Monatssatz& satz(int berechnung, int m) const {
        return bereich_.monat(jahr_ - kErstesJahr, berechnung, m);
    }
    Fallkopf& kopf(int berechnung) { return bereich_.kopf(jahr_ - kErstesJahr, berechnung); }
    const Fallkopf& kopf(int berechnung) const {
        return bereich_.kopf(jahr_ - kErstesJahr, berechnung);
    }
    /// Calculations an edit of a side reaches: green also reaches its blue twin.
    std::vector<int> empfaenger(Seite s) const;
    Rueckmeldung jahresmodusAblehnen() const;
    void abhaengigeAuswahl(int berechnung, int m, int zeile, int code);
    Rueckmeldung quoteUmschalten(Seite s, int zeile, bool tage);
    void namenTrimmen();

    Arbeitsbereich bereich_;
    Einstellungen einstellungen_;
    Monatsberechnung monatsberechnung_;  // with its own engine, which no other window touches

    int jahr_ = 2007;
    int gruen_ = 0;
    int monat_ = 0;
    bool jahresmodus_ = false;
    Ansicht ansicht_ = Ansicht::Monat;
    int letzterMonat_ = 0;
    std::vector<Meldung> startmeldungen_;
};

}  // namespace brelvanostik
