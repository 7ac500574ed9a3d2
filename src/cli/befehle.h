#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "basis/meldung.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

/// Exit status of the command-line tool.
enum Status : int { kErfolg = 0, kFehler = 1, kFalscherAufruf = 2 };

/// Runs `brelvanostik-cli ARGS...` (ARGS without the program name). Output and messages go
/// to the given streams; on a failure nothing is written to `aus`.
int ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

/// `lohnsteuer [NAME=VALUE ...]`: one run of the wage tax engine on a fresh state.
int lohnsteuerBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                     std::ostream& fehler);

/// `berechnen [--dir DIR] [--jahr JAHR] [--fall N] [--ab MONAT] [--json]`: recalculates stored
/// cases.
int berechnenBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                    std::ostream& fehler);

/// `eingeben [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] [--json] AKTION ...`: the
/// edits of the main window with its storing, mirroring and recalculation rules.
int eingebenBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler);

/// `schritte [OPTION ...] [--json] [--pdf DATEI]`: the tax steps listing without a window.
int schritteBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler);
/// `drucken [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] [--jahresansicht]
/// --bericht beide|einzeln --pdf DATEI`: a print button's report as a PDF file.
int druckenBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                  std::ostream& fehler);

/// `vergleichen [--dir DIR] --jahr JAHR --fall N --monat MONAT [--json] [--pdf DATEI]`: the
/// month calculation's own wage tax runs of the green and the blue calculation, line by line.
int vergleichenBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                      std::ostream& fehler);

/// `export [--dir DIR] --jahr JAHR --fall N [--blau | --beide] --csv DATEI`: the all-months
/// table as a CSV file for German spreadsheets.
int exportBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                 std::ostream& fehler);
/// `brutto [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] --auszahlung BETRAG
/// [--json]`: the smallest monthly salary whose payout of that month reaches BETRAG.
int bruttoBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                 std::ostream& fehler);
/// `kurve [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] [--von B] [--bis B]
/// [--schritt B] (--json | --csv DATEI | --pdf DATEI)`: the burden curve of the month.
int kurveBefehl(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);
/// `rechner TASTE ...`: presses the pocket calculator's keys and prints display, tape and messages.
int rechnerBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                  std::ostream& fehler);

/// `text` with every control character escaped (a line break as "\n"), so that a message
/// that repeats an argument, a path or a text of the core stays one line.
std::string zeigbar(std::string_view text);

/// Writes the data files' load hints (repairs, backups) to the message stream, one line each.
void hinweiseMelden(const std::vector<std::string>& hinweise, std::ostream& fehler);
/// A message of the session in one line: "Title: text", line breaks as blanks.
std::string einzeilig(const Meldung& m);

/// Reports a save that did not go through completely, in one line. True when the save took
/// effect (the call succeeded; a rename left for the next load is reported); false when
/// nothing was changed and the call fails.
bool speicherungMelden(const Speicherergebnis& ergebnis, std::string_view befehl,
                       std::ostream& fehler);

/// Text shown for --help and for a call without a command.
std::string gebrauchsanweisung();

}  // namespace brelvanostik::cli
