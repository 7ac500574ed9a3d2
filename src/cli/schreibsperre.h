#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "basis/verzeichnissperre.h"

namespace brelvanostik::cli {

/// Takes the lock of the data directory for a command that saves, the same lock the desktop
/// program holds while its window is open. When another process holds it, or it cannot be
/// taken at all, writes the one-line message for `befehl` and returns nothing.
std::optional<Verzeichnissperre> sperreNehmen(const std::string& verzeichnis,
                                              std::string_view befehl, std::ostream& fehler);

}  // namespace brelvanostik::cli
