#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace brelvanostik::cli {

/// Exit status of the command-line tool.
enum Status : int { kErfolg = 0, kFehler = 1, kFalscherAufruf = 2 };

/// Runs `brelvanostik-cli ARGS...` (ARGS without the program name). Output and messages go
/// to the given streams; on a failure nothing is written to `aus`.
int ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

/// `lohnsteuer [NAME=VALUE ...]`: one run of the wage tax engine on a fresh state.
int lohnsteuerBefehl(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

/// Text shown for --help and for a call without a command.
std::string gebrauchsanweisung();

}  // namespace brelvanostik::cli
