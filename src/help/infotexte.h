#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelvanostik {

/// The help texts of the main window: the one-line tooltip of every row label, the long
/// explanation that the info area shows when a row label is clicked, and the one-line texts
/// of the other controls. Row r + 30 (blue side) carries the texts of row r.

/// Tooltip of a row label (0-59). Rows 13, 14, 17 and 26 have none; row 29 explains the
/// hourly payout and is written by the window from the displayed values, so it is empty here.
std::string_view zeilentipp(int zeile);

/// The two pension amounts of the case header that row 27's text shows (hundredths).
struct Versorgungsangaben {
    std::int64_t ersterVollerMonatsbezug = 0;
    std::int64_t versorgungsSonderzahlung = 0;
};

/// The long text of a row as lines, with the statutory figures of tax year `jahr` (years
/// before 2005 read as 2004, years after 2007 as 2007). Rows 0-14 and 16-28 have one, and
/// index 57 (the blue pension inputs) shows row 27's; every other index gives no lines, and
/// the info area then keeps what it shows.
std::vector<std::string> infotext(int zeile, int jahr, const Versorgungsangaben& versorgung = {});

/// The lines joined with line breaks, as the info area shows them.
std::string infotextAlsText(int zeile, int jahr, const Versorgungsangaben& versorgung = {});

/// The insurance rows 20-24 explain nothing while the displayed month's insurance status
/// (choice of row 3) excludes contributions: "Nicht sozialversicherungspflichtig" (1) or
/// "Mini-Job bis 400 Euro" (2).
bool infotextGesperrt(int zeile, int versicherungsstatus);

/// The command buttons at the foot of the main window. The numbers are the buttons' own
/// (their object names in the window carry them); 7 was never used.
enum class Befehl {
    GruenDrucken = 0,
    Standardgroesse = 1,
    Taschenrechner = 2,
    Steuerschritte = 3,
    Programminfo = 4,
    InterneWerteBlau = 5,
    InterneWerteGruen = 6,
    BeideDrucken = 8,
    VersorgungGruen = 9,
    VersorgungBlau = 10,
    BlauDrucken = 30,
    Bildschirmgroesse = 31,
};

/// Tip line text of a command button.
std::string_view befehlstipp(Befehl befehl);

/// Tip line text of the command that shows or hides the pocket calculator.
inline constexpr std::string_view kTaschenrechnerBefehlTipp =
    "Taschenrechner. Das berechnete Ergebnis wird in die Gehaltsberechnung übernommen, wenn Sie "
    "dort ein "
    "Betragsfeld anklicken.";

/// What the farewell window lists under "Hier einige Pluspunkte:", and its closing line.
inline constexpr std::array<std::string_view, 8> kPluspunkte = {
    "Lohnsteuer, Solidaritätszuschlag, Kirchensteuer und Sozialversicherung 2004 bis 2007",
    "fünf Personalfälle, jeder als grüne Berechnung und als blaue Alternative",
    "Summe oder Unterschied beider Berechnungen in der gelben Spalte",
    "Änderungen gelten vom gezeigten Monat bis Dezember",
    "Einmalzahlungen, Versorgungsbezüge und der Lohnsteuer-Jahresausgleich des Arbeitgebers",
    "die Lohnsteuerberechnung Schritt für Schritt mit den Werten des Programmablaufplans",
    "Ausdruck eines Monats, des ganzen Jahres oder beider Berechnungen nebeneinander",
    "ein Taschenrechner, der sein Ergebnis in ein Betragsfeld übergibt",
};
inline constexpr std::string_view kPluspunkteSchluss =
    "Alle Angaben bleiben in den beiden Datendateien auf Ihrem Rechner.";

/// Tip line text over the pocket calculator.
inline constexpr std::string_view kTaschenrechnerTipp =
    "Taschenrechner. Der angezeigte Betrag wird in die Berechnung übertragen, wenn dort ein "
    "Betragsfeld angeklickt wird.";

/// The instruction panel's text.
inline constexpr std::string_view kAnleitung =
    "So arbeiten Sie mit Brelvanostik\n\n"
    "Links steht die grüne Berechnung, rechts ihre blaue Alternative. Was Sie links eingeben, "
    "gilt auch rechts; rechts können Sie davon abweichen und in der gelben Spalte die Summe "
    "oder den Unterschied beider Seiten lesen.\n\n"
    "Tippen Sie einen Betrag in ein weißes Feld und verlassen Sie das Feld mit der Eingabe- "
    "oder Tabulatortaste: Er gilt vom gezeigten Monat bis Dezember, und alle Ergebnisse "
    "werden neu berechnet.\n\n"
    "Ein Klick auf eine Zeilenbeschriftung erklärt die Zeile und öffnet, wo es eine gibt, "
    "die Auswahlliste der Zeile. Unten führt der Link zur Hilfeseite der Zeile.\n\n"
    "Oben wählen Sie Monat, Jahresgehalt, die Tabelle aller Monate und das Jahr; die Knöpfe "
    "am unteren Rand drucken, zeigen interne Werte, Versorgungsangaben und den "
    "Taschenrechner.\n\n"
    "Ein Klick auf diesen Text schließt ihn; der Link „Anleitung“ zeigt ihn wieder.";

/// The tip line's text when the browser could not be started for `adresse`.
std::string browserFehlerText(std::string_view adresse);

/// Tip line text over the calculator's memo field.
inline constexpr std::string_view kMemoTipp =
    "Memofeld. Sein Inhalt wird in ein Betragsfeld der Berechnung übertragen, wenn das "
    "Betragsfeld angeklickt wird.";

/// Tip line text over a value of the yellow column.
inline constexpr std::string_view kGelbeSpalteTipp =
    "Die Anzeige ist abhängig von der Einstellung der Schaltfläche \"Gemeinsam/Unterschied\".";

}  // namespace brelvanostik
