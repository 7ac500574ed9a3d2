#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "workspace/arbeitsbereich.h"
#include "workspace/einstellungen.h"

namespace brelvanostik {

/// Which of the two data files a finding concerns.
enum class Datendatei { Monatsdatei, Kopfdatei };

/// Kinds of damage that loading mends.
enum class Schadensart {
    Laenge,             ///< file too short, too long or cut inside a record
    Auswahlcode,        ///< choice code outside its list: set to the list's default
    Betrag,             ///< input amount beyond kMaxBetragHundertstel: cut to the limit
    Ergebnis,           ///< stored result beyond kMaxErgebnisHundertstel: set to 0
    Wochenstunden,      ///< weekly hours above 100 or negative: set to 40
    Tage,               ///< days above 31 or negative: set to the month's calendar days
    KvSatz,             ///< health rate above 16 % (set to 16 %) or negative (set to the default)
    Text,               ///< text bytes that are no character: replaced
    Versorgungsbeginn,  ///< pension start code outside 0-2: set to 0
    Einstellung,        ///< year, case or month of the settings record invalid: default
};

/// One thing found wrong and mended while loading.
struct Befund {
    Datendatei datei;
    Schadensart art;
    std::string ort;  ///< where, in the user's words ("2005, Fall 2 blau, März, Zeile 17")

    bool operator==(const Befund&) const = default;
};

/// The in-memory workspace built from the bytes of the two files.
struct Speicherinhalt {
    Arbeitsbereich arbeitsbereich;
    Einstellungen einstellungen;
    std::vector<Befund> befunde;  ///< empty when both files were sound
};

/// Loads the workspace from the contents of the month file and the header file
/// (`speicherfüllen`). Row 10's choice becomes the month index and any non-zero
/// `Gemeinsam` true, as always when loading. Records missing from a short month file
/// read as zero bytes; headers missing from a short header file get the defaults of a new
/// workspace, and a missing settings record the settings of a new file. Values outside
/// what the program can work with are mended and reported in `befunde`.
Speicherinhalt speicherFuellen(std::span<const std::uint8_t> monatsdatei,
                               std::span<const std::uint8_t> kopfdatei);

}  // namespace brelvanostik
