#include "cli/befehle.h"

namespace brelvanostik::cli {

std::string gebrauchsanweisung() {
    return "Usage: brelvanostik-cli COMMAND [ARGS...]\n"
           "\n"
           "Commands:\n"
           "  lohnsteuer [NAME=VALUE ...]   one run of the wage tax engine (JSON on stdout)\n"
           "      inputs: JAHR LZZ RE4 VBEZ WFundF HINZUR STKL ZKF KRV R Alter1 AJAHR VJAHR\n"
           "              VBEZM VBEZS ZMVB (amounts in cents, full stop as decimal separator)\n"
           "\n"
           "  berechnen [--dir DIR] [--jahr JAHR] [--fall N] [--ab MONAT] [--json]\n"
           "      recalculates the stored cases of the data files in DIR and saves them\n"
           "\n"
           "  eingeben [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] [--json] ACTION...\n"
           "      makes the edits of the main window, recalculates and saves; actions:\n"
           "      betrag ROW VALUE | auswahl ROW CODE | bru ROW | tei ROW | auf ROW | ab ROW |\n"
           "      versorgungsbeginn CODE | monatsbezug VALUE | sonderzahlung VALUE | modus |\n"
           "      name TEXT | kommentar TEXT   (VALUE as typed: digits and one comma, e.g. 1,5)\n"
           "\n"
           "  schritte [--jahr J] [--zeitraum jahr|monat] [--klasse 1-4] [--kinder 0-12] [--kirche "
           "0|8|9]\n"
           "           [--geburt 0-4] [--erstbezug J] [--bezugsmonate 1-12] [--rv-frei] [--brutto "
           "EUR]\n"
           "           [--karte EUR] [--versorgung EUR] [--monatsbezug EUR] [--sonderzahlung EUR]\n"
           "           [--json] [--pdf FILE]\n"
           "      the tax steps listing of the wage tax computation (plain text or JSON)\n"
           "\n"
           "  drucken [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] [--jahresansicht]\n"
           "          --bericht beide|einzeln --pdf FILE\n"
           "      writes the report of a print button of the main window as a PDF file\n"
           "\n"
           "  vergleichen [--dir DIR] --jahr JAHR --fall N --monat MONAT [--json] [--pdf FILE]\n"
           "      the wage tax steps of the green and the blue calculation of the month side by "
           "side\n"
           "\n"
           "  export [--dir DIR] --jahr JAHR --fall N [--blau | --beide] --csv FILE\n"
           "      the all-months table as CSV (semicolons, decimal comma, UTF-8 with BOM)\n"
           "\n"
           "  brutto [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] --auszahlung EUR\n"
           "         [--json]\n"
           "      the smallest monthly salary whose payout of that month reaches EUR\n"
           "\n"
           "  kurve [--dir DIR] --jahr JAHR --fall N --monat MONAT [--blau] [--von EUR] [--bis "
           "EUR]\n"
           "        [--schritt EUR] (--json | --csv FILE | --pdf FILE)\n"
           "      the burden curve: taxes, contributions and payout of the month over the salary\n"
           "\n"
           "  rechner KEY...\n"
           "      presses the pocket calculator's keys (0-9 , + - X / = +/- % C ende) and prints\n"
           "      display, tape and messages as JSON\n"
           "\n"
           "Exit status: 0 success, 2 bad usage or bad input, 1 any other failure.\n";
}

std::string zeigbar(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string sicher;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            sicher += "\\n";
        } else if (c == '\r') {
            sicher += "\\r";
        } else if (c == '\t') {
            sicher += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            sicher += "\\x";
            sicher += kHex[u >> 4];
            sicher += kHex[u & 0xF];
        } else {
            sicher += c;
        }
    }
    return sicher;
}

int ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler) {
    if (argumente.empty()) {
        // A refusal is one line on standard error; the full usage is what --help prints.
        fehler << "brelvanostik-cli: no command given (try --help)\n";
        return kFalscherAufruf;
    }
    const std::string& befehl = argumente.front();
    const std::vector<std::string> rest(argumente.begin() + 1, argumente.end());
    if (befehl == "--help" || befehl == "-h" || befehl == "help") {
        aus << gebrauchsanweisung();
        return kErfolg;
    }
    if (befehl == "lohnsteuer") return lohnsteuerBefehl(rest, aus, fehler);
    if (befehl == "berechnen") return berechnenBefehl(rest, aus, fehler);
    if (befehl == "eingeben") return eingebenBefehl(rest, aus, fehler);
    if (befehl == "schritte") return schritteBefehl(rest, aus, fehler);
    if (befehl == "drucken") return druckenBefehl(rest, aus, fehler);
    if (befehl == "vergleichen") return vergleichenBefehl(rest, aus, fehler);
    if (befehl == "export") return exportBefehl(rest, aus, fehler);
    if (befehl == "brutto") return bruttoBefehl(rest, aus, fehler);
    if (befehl == "kurve") return kurveBefehl(rest, aus, fehler);
    if (befehl == "rechner") return rechnerBefehl(rest, aus, fehler);
    fehler << "brelvanostik-cli: unknown command '" << zeigbar(befehl) << "' (try --help)\n";
    return kFalscherAufruf;
}

}  // namespace brelvanostik::cli
