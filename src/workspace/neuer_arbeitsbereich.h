#pragma once

#include <cstdint>
#include <string>

#include "workspace/arbeitsbereich.h"
#include "workspace/einstellungen.h"

namespace brelvanostik {

/// Calendar days of a month in hundredths, as a new workspace fills the days rows:
/// February has 29 days in 2004 and 28 in 2005-2007.
std::int32_t kalendertageHundertstel(int jahrIndex, int monat);

/// Health insurance rate (x 100) a new workspace gives the month record with this
/// record number (1-480) of the month file.
std::int32_t anfangsKvSatz(int satznummer);

/// Default name of a calculation: "O R I G I N A L   n" for the green cases,
/// "A L T E R N A T I V E   n" for their blue twins.
std::string anfangsFallname(int berechnung);

/// A month record with every default of a new workspace for this year, calculation and
/// month.
Monatssatz neuerMonatssatz(int jahrIndex, int berechnung, int monat);

/// A case header with every default of a new workspace for this calculation.
Fallkopf neuerFallkopf(int berechnung);

/// The workspace a first start creates: every month and header at its defaults.
Arbeitsbereich neuerArbeitsbereich();

/// The settings record of a new file (2007, case 1, January, default window), carrying
/// the header buffer's bytes of this workspace after its seven values.
Einstellungen neueEinstellungen(const Arbeitsbereich& arbeitsbereich);

}  // namespace brelvanostik
