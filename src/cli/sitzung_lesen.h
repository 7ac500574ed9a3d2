#pragma once

#include <memory>
#include <string>
#include <vector>

#include "session/sitzung.h"

namespace brelvanostik::cli {

/// For the commands that only read: the data files of `verzeichnis` loaded without writing
/// anything (missing files give a new workspace in memory), and a session showing year,
/// case (1-5) and month (1-12) as the program does right after starting there, both sides
/// recalculated from that month. Nothing when the files cannot be read; `fehler` then holds
/// the reason. The load's hints are left in `hinweise` for the caller to print once the
/// call has succeeded.
/// The hint of a reading command on a directory without data files.
std::string ohneDatendateien(const std::string& verzeichnis);

std::unique_ptr<Sitzung> sitzungLesen(const std::string& verzeichnis, int jahr, int fall, int monat,
                                      std::vector<std::string>& hinweise, std::string& fehler);

}  // namespace brelvanostik::cli
