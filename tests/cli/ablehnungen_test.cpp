// Every command's refusals: the status, nothing on standard output, one line on standard error
// that names the problem, and the directory as it was — whether it holds data files or none.
#include <gtest/gtest.h>

#include "befehlstest.h"
#include "cli/befehle.h"

namespace brelvanostik::cli {
namespace {

namespace fs = std::filesystem;

const std::string E = "eingeben --dir @ --jahr 2007 --fall 1 --monat 2 ";
const std::string B = "brutto --dir @ --jahr 2006 --fall 2 --monat 12 ";
const std::string K = "kurve --dir @ --jahr 2006 --fall 2 --monat 12 --von 300 --bis 900 ";
const std::string D = "drucken --dir @ --jahr 2007 --fall 1 --monat 1 ";

// clang-format off
// {call, status, a part of the message}
const std::tuple<std::string, int, std::string> kAblehnungen[] = {
    {"", 2, "no command given"},
    {"rechnen", 2, "unknown command 'rechnen'"},
    {"lohnsteuer FOO=1", 2, "unknown variable 'FOO'"},
    {"lohnsteuer RE4", 2, "expected NAME=VALUE"},
    {"lohnsteuer RE4=1,5", 2, "malformed number '1,5'"},
    {"lohnsteuer RE4=1e5", 2, "malformed number"},
    {"lohnsteuer RE4=1.23456", 2, "malformed number"},
    {"lohnsteuer STKL=1.0", 2, "(a whole number)"},
    {"lohnsteuer STKL=7", 2, "1 to 6"},
    {"lohnsteuer JAHR=2003", 2, "2004 to 2008"},
    {"lohnsteuer LZZ=0", 2, "1 to 4"},
    {"lohnsteuer ZMVB=13", 2, "0 to 12"},
    {"lohnsteuer ZKF=-0.5", 2, "0 to 100"},
    {"lohnsteuer RE4=100000000000.01", 2, "-100000000000 to 100000000000"},
    {"lohnsteuer KRV=40000", 2, "-32768 to 32767"},
    {"lohnsteuer RE4=", 2, "malformed number"},
    {"lohnsteuer RE4=99999999999999999999", 2, "malformed number"},
    {E + "auswahl 3 2 auswahl 20 0", 2, "row 20 takes no choice while the social insurance status"},
    {E + "betrag 5 100 betrag 5 1.5", 2, "'1.5' is not what the amount field admits"},
    {E + "betrag 5 290000,01", 2, "betrag: '290000,01' is above the largest amount a field takes"},
    {E + "betrag 17 100", 2, "row 17 has no amount field"},
    {E + "betrag 5", 2, "needs 2 value(s)"},
    {E + "auswahl 17 6", 2, "auswahl: row 17 has no entry 6"},
    {E + "auswahl 31 0", 2, "row '31' does not exist"},
    {E + "auswahl 5 0", 2, "auswahl: row 5 has no choice list"},
    {E + "bru 4", 2, "bru: row 4 has no days-ratio toggle"},
    {E + "auf 6", 2, "auf: row 6 has no 1-euro arrows"},
    {E + "ab 5", 2, "ab: the salary cannot go below 0"},
    {E + "versorgungsbeginn 3", 2, "pension start code '3' does not exist"},
    {E + "springen", 2, "unknown action 'springen'"},
    {E + "name Tab\there", 2, "name: the data files cannot hold the character U+0009 of the name"},
    {E + "kommentar zwei\nZeilen", 2, "kommentar: the data files cannot hold the character U+000A"},
    {E + "name \xCE\xA9", 2, "U+03A9"},
    {"eingeben --dir @ --jahr 2007 --fall 6 --monat 2 modus", 2, "1 to 5, not '6'"},
    {"eingeben --dir @ --jahr 2007 --fall 1 modus", 2, "are required"},
    {"eingeben --dir @ --jahr 2003 --fall 1 --monat 2 modus", 2, "2004 to 2007, not '2003'"},
    {"eingeben --dir @/tipp\nfehler --jahr 2007 --fall 1 --monat 1 modus", 2, "tipp\\nfehler"},
    {"berechnen --dir @ --ab 13", 2, "1 to 12, not '13'"},
    {"berechnen --dir @ --fall 11", 2, "1 to 10, not '11'"},
    {"berechnen --dir @ --jahr 2007x", 2, "not '2007x'"},
    {"berechnen --dir @ --schnell", 2, "unknown option '--schnell'"},
    {"berechnen --dir @ extra", 2, "unexpected argument 'extra'"},
    {"berechnen --dir @/tipp\nfehler", 2, "tipp\\nfehler"},
    {"berechnen --dir @/keinverzeichnis --json", 2, "ist kein Verzeichnis"},
    {B + "--auszahlung 1000000", 1, "largest payout reachable is "},
    {B + "--auszahlung 12.505", 2, "--auszahlung takes euros"},
    {B, 2, "are required"},
    {B + "--auszahlung 100 --bis 5", 2, "unknown option '--bis'"},
    {K + "--json --csv @/x.csv", 2, "exactly one of"},
    {K, 2, "exactly one of"},
    {K + "--json --schritt 0", 2, "--schritt must be positive"},
    {K + "--json --bis 100", 2, "--bis must not be below --von"},
    {K + "--json --bis 2000 --schritt 0.01", 2, "at most 100000 points"},
    {D + "--pdf @/x.pdf", 2, "are required"},
    {D + "--bericht alle --pdf @/x.pdf", 2, "not 'alle'"},
    {D + "--bericht beide --json --pdf @/x.pdf", 2, "unknown option '--json'"},
    {D + "--bericht beide --pdf", 2, "--pdf needs a value"},
    {"drucken --dir @ --jahr 2007 --fall 6 --monat 1 --bericht beide --pdf @/x.pdf", 2, "not '6'"},
    {D + "--bericht beide --pdf @/fehlt/x.pdf", 1, "drucken: Die PDF-Datei"},
    {D + "--bericht beide --pdf @/tipp\nfehler/x.pdf", 1, "tipp\\nfehler"},
    {"drucken --dir @/tipp\nfehler --jahr 2007 --fall 1 --monat 1 --bericht beide --pdf @/x.pdf",
     2, "tipp\\nfehler"},
    {"vergleichen --dir @ --jahr 2006 --fall 6 --monat 5", 2, "not '6'"},
    {"vergleichen --dir @ --jahr 2006 --fall 3", 2, "are required"},
    {"vergleichen --dir @/tipp\nfehler --jahr 2007 --fall 1 --monat 1", 2, "tipp\\nfehler"},
    {"export --dir @ --jahr 2006 --fall 3 --blau --beide --csv @/x.csv", 2, "exclude each other"},
    {"export --dir @ --jahr 2006 --fall 3 --csv @/Brelvanostik.da1", 2, "zu den Datendateien"},
    {"export --dir @ --jahr 2006 --fall 3", 2, "are required"},
    {"export --dir @/tipp\nfehler --jahr 2007 --fall 1 --csv @/x.csv", 2, "tipp\\nfehler"},
    {"schritte --bezugsmonate 6", 2, "Die Anzahl der Bezugsmonate ist nur erforderlich, wenn"},
    {"schritte --jahr 2009", 2, "2004 to 2008"},
    {"schritte --klasse 5", 2, "1 to 4"},
    {"schritte --kirche 7", 2, "0, 8 or 9"},
    {"schritte --brutto -3", 2, "not negative"},
    {"schritte --brutto 1.234", 2, "--brutto 1.234: expected an amount in euros"},
    {"schritte --zeitraum woche", 2, "expected jahr or monat"},
    {"schritte --foo", 2, "unknown option '--foo'"},
    {"schritte --kinder", 2, "--kinder needs a value"},
    {"rechner 1 * 2", 2, "'*'"},
    {"rechner 1\n2", 2, "unknown key '1\\n2'"},
};
// clang-format on

class Ablehnungen : public Verzeichnistest {};

TEST_F(Ablehnungen, NichtsAufStdoutEineZeileAufStderrUndKeineDateiGeaendert) {
    std::ofstream(dir / "keinverzeichnis") << "x";  // a file where a directory is expected
    for (const bool mitDaten : {false, true}) {
        SCOPED_TRACE(mitDaten ? "mit Datendateien" : "ohne Datendateien");
        if (mitDaten) {
            ASSERT_EQ(starte("berechnen").status, 0);
        }
        const auto vorher = alleDateien(dir);
        for (const auto& [aufruf, status, grund] : kAblehnungen) {
            const Lauf l = lauf(worte(aufruf, dir));
            EXPECT_EQ(l.status, status) << aufruf << "\n" << l.fehler;
            EXPECT_EQ(l.aus, "") << aufruf;
            EXPECT_EQ(l.fehler.find('\n'), l.fehler.size() - 1) << aufruf << l.fehler;
            EXPECT_NE(l.fehler.find(grund), std::string::npos) << aufruf << "\n" << l.fehler;
        }
        EXPECT_EQ(alleDateien(dir), vorher);
    }
}

}  // namespace
}  // namespace brelvanostik::cli
