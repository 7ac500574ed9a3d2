#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace brelvanostik::cli {

/// Options of the data-file commands, read from the arguments in any order.
struct Optionen {
    std::string verzeichnis = ".";
    std::optional<int> jahr, fall, monat, ab;
    bool json = false;
    bool blau = false;
    std::vector<std::string> rest;  ///< arguments that are no option (the actions)
    /// Further options of a command with their values ("--pdf" -> "a.pdf").
    std::map<std::string, std::string> werte;
    /// Further flags of a command that were given ("--beide").
    std::set<std::string> gesetzt;
};

/// Which options a command takes: the names with a value and the flags.
struct Optionsliste {
    std::vector<std::string> mitWert;
    std::vector<std::string> schalter;
};

/// Reads the options; on a fault returns nothing and sets `fehler` to a one-line message.
/// Numeric options are checked against their ranges (--jahr 2004-2007, --fall, --monat, --ab).
std::optional<Optionen> optionenLesen(const std::vector<std::string>& argumente,
                                      const Optionsliste& erlaubt, int hoechsterFall,
                                      std::string& fehler);

/// Reads the options of a command that takes no further arguments; on a fault or a leftover
/// argument writes the one-line message after `name` ("brelvanostik-cli export: ") to
/// `fehler` and returns nothing.
std::optional<Optionen> optionenOhneRest(const std::vector<std::string>& argumente,
                                         const Optionsliste& erlaubt, int hoechsterFall,
                                         const char* name, std::ostream& fehler);

}  // namespace brelvanostik::cli
