#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "basis/meldung.h"

namespace brelvanostik {

/// The keys of the pocket calculator. The ten digit keys carry their digit as value.
enum class Taste {
    Ziffer0,
    Ziffer1,
    Ziffer2,
    Ziffer3,
    Ziffer4,
    Ziffer5,
    Ziffer6,
    Ziffer7,
    Ziffer8,
    Ziffer9,
    Komma,       ///< ","
    Geteilt,     ///< "/"
    Plus,        ///< "+"
    Mal,         ///< "X"
    Minus,       ///< "-": subtract, or start a negative entry
    Gleich,      ///< "="
    Vorzeichen,  ///< "+/-"
    Prozent,     ///< "%"
    Loeschen,    ///< "C": clears operands and tape, keeps the pending operation
    Ende,        ///< the close key: resets everything but the tape
};

/// The digit key of `ziffer` (0..9).
Taste zifferntaste(int ziffer);

/// A key by the caption it carries ("0".."9", ",", "+", "-", "X", "/", "=", "+/-", "%",
/// "C") or "ende" for the close key; nothing for any other text.
std::optional<Taste> tasteLesen(std::string_view name);

/// The title of the calculator's own messages.
inline constexpr std::string_view kTaschenrechnerTitel = "Rechner";

/// The small pocket calculator beside the payroll calculation. It works like a simple
/// pocket calculator: strictly left to right without precedence, with a percent key that
/// turns the entry into hundredths, a sign key, and a tape of the completed operations.
/// The display is text: while digits are typed it ends in the decimal comma ("12,"), a
/// computed result is shown with at most 15 significant digits, a decimal comma and no
/// thousands separator ("0,05", "-3"), whatever the machine's locale. Arithmetic is in
/// double precision, as a pocket calculator's.
///
/// A key that cannot be carried out (an operand that is no number, a result too large for
/// the calculator) leaves everything as it was before the key and says why.
class Taschenrechner {
  public:
    /// Presses a key. Returns the message box the key raises, if any.
    std::optional<Meldung> druecken(Taste taste);

    /// The display as shown.
    const std::string& anzeige() const { return z_.anzeige; }
    /// The tape: every completed operation on a line of its own, each line preceded by a
    /// carriage return.
    const std::string& verlauf() const { return z_.verlauf; }

    /// The memo field beside the keys: an amount parked there as a typed entry ("1234,5"),
    /// typed in or taken from the display. It survives closing and clearing.
    void memoSetzen(std::string text) {
        memo_ = std::move(text);
        memoZuletzt_ = true;
    }
    const std::string& memo() const { return memo_; }
    /// What a click on an amount field of the calculation hands over: the memo when it was
    /// filled after the last key press, otherwise the display.
    const std::string& uebergabetext() const {
        return memoZuletzt_ && !memo_.empty() ? memo_ : z_.anzeige;
    }

  private:
    enum class Eingabe { Keine, Ziffern, Negativ, Operator };
    enum class Operation { Keine, Geteilt, Plus, Mal, Minus, Gleich, Prozent, Vorzeichen };

    /// An operand: the display text it was taken from, or a computed number.
    struct Operand {
        bool istText = false;
        std::string text;
        double zahl = 0.0;
    };

    struct Zustand {
        std::string anzeige = "0,";
        Operand erster;   ///< left operand, later the result
        Operand zweiter;  ///< right operand of the pending operation
        bool kommaGetippt = false;
        int operanden = 0;  ///< operands collected for the pending operation
        Eingabe eingabe = Eingabe::Keine;
        Operation offen = Operation::Keine;
        std::string eingegeben;  ///< the display when the last operator key was pressed
        std::string verlauf;
    };

    void ziffer(int d);
    void komma();
    std::optional<Meldung> operatorTaste(Operation op);
    /// Carries out the pending operation; `abgelehnt` tells that it could not be done.
    std::optional<Meldung> ausfuehren(bool& abgelehnt);
    std::optional<Meldung> prozent();
    void loeschen();
    void schliessen();
    void operandZaehlen();

    Zustand z_;
    std::string memo_;
    bool memoZuletzt_ = false;
};

}  // namespace brelvanostik
