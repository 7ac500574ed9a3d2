#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "basis/verzeichnissperre.h"

namespace brelvanostik::cli {

/// Takes the lock of the data directory for a command that saves, the same lock the desktop
/// program holds while its window is open. When another process holds it, or it cannot be
/// taken at all, writes the one-line message for `befehl` and returns nothing.
std::optional<Verzeichnissperre> sperreNehmen(const std::string& verzeichnis,
                                              std::string_view befehl, std::ostream& fehler);

/// When the window left a recovery file that waits for the user's decision, a hint for the
/// commands that only read: what they read lacks the edits it holds.
void wiederherstellungshinweis(const std::string& verzeichnis, std::vector<std::string>& hinweise);

}  // namespace brelvanostik::cli
