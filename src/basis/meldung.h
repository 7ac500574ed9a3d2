#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brelvanostik {

/// A message box the front shows: title, lines and icon.
struct Meldung {
    enum class Symbol { Information, Ausrufezeichen, Fehler };
    std::string titel;
    std::string text;  ///< lines separated by '\n'
    Symbol symbol = Symbol::Information;
};

/// The answer to one user action.
struct Rueckmeldung {
    /// The action was carried out (a correction in place still counts as carried out).
    bool angenommen = true;
    /// The field's text after the action, when the action corrected it ("40" for 120 hours).
    std::optional<std::string> feldtext;
    /// Messages to show, in order (a refused adjustment, an annual-mode refusal, a limit).
    std::vector<Meldung> meldungen;
};

}  // namespace brelvanostik
