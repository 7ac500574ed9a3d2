#pragma once

#include <filesystem>

#include "workspace/datendateien.h"

namespace brelvanostik::cli {

/// The data files of `verzeichnis` as the program loads them at start, for a command that
/// changes none of them: where the program would create new files (month file missing or
/// empty) the new workspace is taken in memory only.
Ladeergebnis lesenOhneAnlegen(const std::filesystem::path& verzeichnis);

}  // namespace brelvanostik::cli
