#include "help/infotexte.h"

#include <array>
#include <cmath>

#include "basis/zahltext.h"
#include "engine/lohnsteuer.h"
#include "engine/tarifwerte.h"
#include "payroll/parameter.h"
#include "workspace/arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

using Zeilen = std::vector<std::string>;

constexpr int kLetztesJahr = kErstesJahr + kJahre - 1;

/// The tax year whose figures a text shows: the payroll tables' year for any year.
int steuerjahr(int jahr) {
    return kErstesJahr + Parameter::jahrIndex(jahr);
}

/// Compulsory health insurance limit (Versicherungspflichtgrenze), euros a year, 2004-2007.
/// The month calculation does not need it, so it is not among the payroll tables.
constexpr std::array<std::int64_t, 4> kVersicherungspflichtgrenze = {46350, 46800, 47250, 47700};

/// A whole number with thousands' dots: 63000 is "63.000".
std::string ganzzahl(std::int64_t zahl) {
    return zahltext::zahl(Money::whole(zahl), 0);
}

/// A monthly ceiling of the payroll tables (cents) as whole cents.
std::int64_t monatsgrenze(float cent) {
    return static_cast<std::int64_t>(std::lround(cent));
}

/// "2004 = 46.350 Euro jährlich, 3.862,50 Euro monatl." from a monthly amount in cents.
std::string grenzzeile(int jahr, std::int64_t monatCent, const char* ende) {
    return "(" + std::to_string(jahr) + " = " + ganzzahl(monatCent * 12 / 100) +
           " Euro jährlich, " + zahltext::betrag(monatCent) + " Euro monatl.)" + ende;
}

std::string rvZeile(int jahr, const char* gebiet, std::int64_t monatCent) {
    return std::to_string(jahr) + gebiet + ganzzahl(monatCent * 12 / 100) + " jährlich, " +
           zahltext::betrag(monatCent) + " monatlich.";
}

/// A rate in percent (Money) with one decimal: 6.5 gives "6,5".
std::string prozentText(Money satz) {
    return zahltext::zahl(satz, 1, false);
}

/// A rate the payroll keeps in percent, without trailing zeros: 1.35 is "1,35", 0.9 is "0,9".
std::string satzText(Money prozent) {
    return zahltext::dezimal(prozent);
}
/// The church tax rate of a church code in whole percent: "9".
std::string kirchenProzent(int kirchencode) {
    return satzText(kirchensatz(kirchencode) * 100);
}
/// The surcharge rate of a surcharge code: "0,25".
std::string zusatzText(int code) {
    return satzText(zusatzbeitragssatz(code));
}

/// The solidarity surcharge's rate: "5,5".
std::string solzProzent() {
    return zahltext::dezimal(Lohnsteuerrechner::kSolzSatz * 100);
}

/// Both halves of an employee's share: the whole rate.
Money gesamtsatz(Money anteil) {
    return anteil + anteil;
}

/// A share of the old-age tables in tenths of a percent: 0.384 is 384.
int zehntelProzent(double anteil) {
    return static_cast<int>(std::lround(anteil * 1000));
}

/// A rate as whole percent: 0.4 is "40".
std::string prozent(double satz) {
    return std::to_string(std::lround(satz * 100));
}

/// One line of the pension allowance table, aligned for the info area's font.
std::string versorgungsfreibetragZeile(int beginn) {
    const steuerwerte::Altersstufe werte = steuerwerte::versorgungsstufe(beginn - 2005);
    const int anteil = zehntelProzent(werte.anteil);
    const int betrag = static_cast<int>(std::lround(werte.hoechstbetrag));
    std::string zeile = beginn == 2005   ? "bis 2005"
                        : beginn == 2006 ? "ab  2006"
                                         : "      " + std::to_string(beginn);
    zeile += anteil >= 100 ? std::string(20, ' ') : std::string(22, ' ');
    zeile += std::to_string(anteil / 10) + "," + std::to_string(anteil % 10) + " % max.";
    const int stellen = static_cast<int>(std::to_string(betrag).size());
    zeile += std::string(static_cast<std::size_t>(1 + (4 - stellen) * 5 / 3), ' ');
    zeile += std::to_string(betrag) + " Euro";
    return zeile;
}

Zeilen spiegelung() {
    return {"1. Spiegelung von links nach rechts :",
            "    Jede Eingabe auf der grünen (linken) Seite wird",
            "    in die blaue (rechte) Berechnung übernommen.",
            "2. Keine Spiegelung von rechts nach links :",
            "    Eingaben auf der blauen Seite gelten nur für die",
            "    blaue Berechnung. So lassen sich Varianten prüfen.",
            "3. Anzeige der Unterschiede :",
            "    Blaue Werte, die vom grünen Wert abweichen, sind gelb",
            "    hinterlegt. Die gelbe Spalte zeigt die Summe oder",
            "    den Unterschied beider Berechnungen.",
            "4. Umbenennung :",
            "    Ein Klick mit der rechten Maustaste auf den Namen",
            "    eines Personalfalles erlaubt seine Umbenennung.",
            "5. Hochrechnung bis Dezember :",
            "    Eine Änderung gilt ab dem angezeigten Monat für alle",
            "    folgenden Monate bis einschließlich Dezember.",
            "Das Programm hat 5 Personalfälle mit je 2 Berechnungen."};
}

Zeilen altersentlastung() {
    Zeilen z = {"Altersentlastungsbetrag",
                "Wer vor dem Beginn des Kalenderjahres das 64. Lebensjahr",
                "vollendet hat, erhält auf seinen Arbeitslohn (ohne die",
                "Versorgungsbezüge) einen Altersentlastungsbetrag.",
                "Bis 2004 betrug er " + prozent(steuerwerte::kAltersanteil) +
                    " % des Arbeitslohns, höchstens",
                ganzzahl(steuerwerte::kAltersHoechstbetrag2004) + " Euro im Jahr.",
                "Ab 2005 hängen Prozentsatz und Höchstbetrag von dem",
                "Kalenderjahr ab, das auf die Vollendung des 64. Lebens-",
                "jahres folgt, und gelten dann auf Dauer:"};
    for (int jahr = 2005; jahr <= kLetztesJahr; ++jahr) {
        const steuerwerte::Altersstufe werte = steuerwerte::altersstufe(jahr - 2005);
        const int anteil = zehntelProzent(werte.anteil);
        z.push_back("      " + std::to_string(jahr) + "        " + std::to_string(anteil / 10) +
                    "," + std::to_string(anteil % 10) + " % max. " +
                    std::to_string(std::lround(werte.hoechstbetrag)) + " Euro");
    }
    z.push_back("Deshalb braucht die Lohnsteuerberechnung den Geburtsjahrgang.");
    return z;
}

Zeilen voreinstellungen() {
    return {"Im Programm sind folgende Voreinstellungen",
            "vom gewählten Bundesland abhängig:",
            "- die Kirchensteuer (" + kirchenProzent(wahl::kirche::Neun) + " %, für BW und BY " +
                kirchenProzent(wahl::kirche::Acht) + " %),",
            "- der allgemeine Beitragssatz der AOK des Landes",
            "  zur Krankenversicherung,",
            "- die Pflegeversicherung",
            "  (" + prozentText(gesamtsatz(parameter().pvsatz[0])) + " % / 2, Sachsen  AN=" +
                satzText(kPvSatzSachsen) + "%, AG=" + satzText(kPvZuschussSachsen) + "%).",
            "Außerdem bestimmt das Bundesland, ob die Beitragsbemessungs-",
            "grenzen West oder Ost gelten; Berlin rechnet das Programm",
            "zum Westen.",
            "Jede Voreinstellung kann danach geändert werden."};
}

Zeilen svStatus() {
    return {"1. Unsichtbare Wirkung",
            "Bei der Einstellung \"Nicht sozialversicherungspflichtig\"",
            "(z. B. Beamte) wird die Lohnsteuer nach der Besonderen",
            "Lohnsteuertabelle mit der gekürzten Vorsorgepauschale",
            "berechnet.",
            "2. Sichtbare Wirkung",
            "Ohne Versicherungspflicht und beim Mini-Job werden keine",
            "Arbeitnehmerbeiträge berechnet, in der Gleitzone ermäßigte.",
            "3. Grenzen",
            "Ob die Grenzen von " + std::to_string((kGleitzoneUntergrenze - 1) / 100) +
                " Euro (Mini-Job) und " + std::to_string(kGleitzoneObergrenze / 100) + " Euro",
            "(Gleitzone) eingehalten sind, prüft das Programm nicht.",
            "Bitte achten Sie selbst darauf."};
}

Zeilen jahresausgleich() {
    return {"Der Lohnsteuer-Jahresausgleich durch den",
            "Arbeitgeber ist in § 42b EStG geregelt. Er ist möglich für",
            "Arbeitnehmer, die das ganze Jahr bei ihm beschäftigt waren.",
            "Wer am 31. Dezember mindestens 10 Arbeitnehmer beschäftigt,",
            "ist dazu verpflichtet. Nicht durchgeführt werden darf er,",
            "wenn der Arbeitnehmer",
            "- es beantragt,",
            "- im Jahr ganz oder teilweise nach den Steuerklassen",
            "  V oder VI zu besteuern war,",
            "- nur für einen Teil des Jahres nach den Steuerklassen",
            "  II, III oder IV zu besteuern war,",
            "- einen Freibetrag oder Hinzurechnungsbetrag hatte,",
            "- Kurzarbeitergeld, einen Zuschuss zum Mutterschaftsgeld",
            "  oder Aufstockungsbeträge zur Altersteilzeit bezogen hat.",
            "Das Programm führt den Ausgleich im Dezember durch, wenn er",
            "in dieser Zeile gewählt ist."};
}

Zeilen personalfaelle() {
    return {"Das Programm umfasst 5 Personalfälle",
            "mit je einer grünen und einer blauen Berechnung.",
            "Der Personalfall wird in der obersten Zeile gewählt.",
            "Jede Berechnung besteht für alle 12 Monate des Jahres.",
            "In dieser Zeile wird das laufende steuer- und sozial-",
            "versicherungspflichtige Monatsgehalt eingegeben. Es gilt",
            "ab dem angezeigten Monat bis zum Dezember."};
}

Zeilen versorgungsbezuege() {
    Zeilen z = {"Versorgungsbezüge sind nach § 19 EStG",
                "Bezüge aus früheren Dienstleistungen, z. B. Beamten-",
                "pensionen, Witwen- und Waisengelder oder Betriebsrenten",
                "aus einer Direktzusage. Bezüge wegen Erreichens einer",
                "Altersgrenze gelten erst als Versorgungsbezüge, wenn der",
                "Empfänger das 63. Lebensjahr, als schwerbehinderter",
                "Mensch das 60. Lebensjahr vollendet hat.",
                "Bis 2004 blieben " + prozent(steuerwerte::kAltersanteil) + " %, höchstens " +
                    ganzzahl(steuerwerte::kVersorgungsHoechstbetrag2004) + " Euro im Jahr, als",
                "Versorgungsfreibetrag steuerfrei. Ab 2005 richtet sich",
                "der Freibetrag nach dem Jahr des Versorgungsbeginns:"};
    for (int beginn = 2005; beginn <= 2040; ++beginn)
        z.push_back(versorgungsfreibetragZeile(beginn));
    z.push_back("Dazu kommt ein Zuschlag zum Versorgungsfreibetrag");
    z.push_back("(" + std::to_string(steuerwerte::kVersorgungsZuschlag2005) +
                " Euro bei Beginn bis 2005, danach entsprechend weniger).");
    return z;
}

Zeilen einmalbezug() {
    return {"Die Berechnungsgrößen für die Lohnsteuer und die",
            "Sozialversicherung aus einmaligen Bezügen (z. B. Weih-",
            "nachts- oder Urlaubsgeld) werden in fünf Schritten ermittelt:",
            "1. Jahreslohnsteuer auf das Zwölffache des Monatsgehalts,",
            "2. Jahreslohnsteuer auf das voraussichtliche Jahresentgelt",
            "    einschließlich des einmaligen Bezugs,",
            "3. der Unterschied beider Beträge ist die Lohnsteuer auf",
            "    den einmaligen Bezug,",
            "4. die Monatslohnsteuer ist ein Zwölftel der ersten",
            "    Jahreslohnsteuer,",
            "5. einbehalten wird die Monatslohnsteuer zuzüglich des",
            "    Unterschieds.",
            "Solidaritätszuschlag (" + solzProzent() + " %) und Kirchensteuer werden",
            "allein von der Lohnsteuer auf den Bezug berechnet, ohne",
            "Freigrenze und ohne Kinderfreibeträge.",
            "Beiträge fallen auf den einmaligen Bezug nur an, soweit die",
            "anteilige Beitragsbemessungsgrenze des Jahres in den",
            "bisherigen Monaten nicht ausgeschöpft ist."};
}

Zeilen einmaligeVersorgung() {
    return {"Für die korrekte Berechnung der Lohnsteuer",
            "aus einmaligen Versorgungsbezügen (z. B. Sterbegeld oder",
            "Nachzahlungen von Versorgungsbezügen) werden diese wie",
            "andere einmalige Bezüge über das voraussichtliche Jahres-",
            "entgelt besteuert. Der Versorgungsfreibetrag wird dabei",
            "berücksichtigt, soweit ihn die laufenden Versorgungsbezüge",
            "nicht schon ausschöpfen.",
            "Auf Versorgungsbezüge berechnet das Programm keine",
            "Beiträge zur Sozialversicherung."};
}

Zeilen mehrjaehrig() {
    return {"Wird eine Vergütung für eine mehrjährige",
            "Tätigkeit gezahlt, z. B. eine Jubiläumszuwendung oder eine",
            "Nachzahlung für mehrere Jahre, wird die Lohnsteuer nach der",
            "Fünftelregelung (§ 34 EStG) ermäßigt: ein Fünftel der",
            "Vergütung wird dem Jahresarbeitslohn hinzugerechnet und",
            "die darauf entfallende Mehrsteuer verfünffacht.",
            "Diese Berechnung steht im Programm noch nicht zur Verfügung."};
}

Zeilen pfeiltasten() {
    return {"Am rechten Ende der Zeile für das Monats-",
            "gehalt befinden sich zwei Pfeiltasten. Jeder Klick erhöht",
            "oder vermindert das laufende Gehalt um 1 Euro. So lässt",
            "sich das Bruttogehalt anpassen, bis die Auszahlung einen",
            "gewünschten Nettobetrag erreicht.",
            "Die Zeile für die Gehaltsumwandlung hat die gleiche Funktion.",
            "Wer häufig vom Netto- auf das Bruttogehalt zurückrechnen",
            "muss, findet dafür eigene Netto-Brutto-Rechner."};
}

Zeilen teilzeit() {
    return {"Bei einer Reduzierung der Wochen-",
            "arbeitszeit wird das Gehalt im Verhältnis der vereinbarten",
            "zur normalen tariflichen Wochenarbeitszeit gekürzt.",
            "Beispiel: Was kostet eine Stunde weniger in der Woche?",
            "Geben Sie auf der grünen Seite",
            "(40 Stunden von normal 40 Stunden)",
            "und auf der blauen Seite",
            "(39 Stunden von normal 40 Stunden)",
            "ein und kennzeichnen Sie das Gehalt mit \"T\" als Teilzeit-",
            "gehalt. Den Unterschied lesen Sie in der gelben Spalte ab."};
}

Zeilen teilmonat() {
    return {"Wechselt ein Beschäftigter am 16. April",
            "den Arbeitgeber, erhält er für April nur ein anteiliges",
            "Gehalt. Geben Sie dann in dieser Zeile",
            "15 Tage von normal 30",
            "ein und kennzeichnen Sie das Gehalt mit \"B\". Die Lohn-",
            "steuer wird mit entsprechend gekürzten Freibeträgen",
            "berechnet."};
}

Zeilen steuerfreibetrag() {
    return {"Nach § 39a EStG können in die Lohnsteuer-",
            "karte folgende Freibeträge eingetragen werden:",
            "1. Werbungskosten, soweit sie den Arbeitnehmer-Pauschbetrag",
            "    von " + std::to_string(steuerwerte::kArbeitnehmerPauschbetrag) +
                " Euro (bei Versorgungsbezügen ab 2005 den",
            "    Pauschbetrag von " + std::to_string(steuerwerte::kVersorgungsPauschbetrag) +
                " Euro) übersteigen,",
            "2. Sonderausgaben außer Vorsorgeaufwendungen, soweit sie",
            "    den Sonderausgaben-Pauschbetrag von " +
                std::to_string(steuerwerte::kSonderausgabenPauschbetrag) + " Euro übersteigen,",
            "3. außergewöhnliche Belastungen,",
            "4. Pauschbeträge für behinderte Menschen und Hinterbliebene,",
            "5. Verluste aus anderen Einkunftsarten, z. B. aus Vermietung,",
            "6. Kinderfreibeträge für Kinder ohne Anspruch auf Kindergeld,",
            "7. ein Freibetrag für ein weiteres Dienstverhältnis,",
            "8. der Entlastungsbetrag für Alleinerziehende bei Verwitweten.",
            "Für 1. bis 3. gilt eine Antragsgrenze von 600 Euro im Jahr.",
            "Einzugeben ist der monatliche Freibetrag."};
}

Zeilen hinzurechnung() {
    using steuerwerte::kArbeitnehmerPauschbetrag;
    using steuerwerte::kGrundfreibetrag;
    return {"Nach § 39a EStG können die Freibeträge bei",
            "mehreren Dienstverhältnissen übertragen werden: Bleibt der",
            "Lohn des ersten Dienstverhältnisses unter dem Betrag, ab dem",
            "dort Lohnsteuer anfällt, kann für das zweite Dienstverhältnis",
            "(Steuerklasse VI) ein Freibetrag bis zu diesem Betrag ein-",
            "getragen werden. Für das erste Dienstverhältnis wird dann",
            "ein Hinzurechnungsbetrag in gleicher Höhe eingetragen, der",
            "dem Arbeitslohn hinzugerechnet wird.",
            "Zum Vergleich:",
            "Grundfreibetrag                       " + zahltext::betrag(kGrundfreibetrag * 100) +
                " Euro jährlich, " + zahltext::betrag((kGrundfreibetrag * 100 + 6) / 12) +
                " Euro monatlich",
            "Arbeitnehmer-Pauschbetrag           " +
                zahltext::betrag(kArbeitnehmerPauschbetrag * 100) + " Euro jährlich, " +
                zahltext::betrag((kArbeitnehmerPauschbetrag * 100 + 6) / 12) + " Euro monatlich",
            "Einzugeben ist der monatliche Hinzurechnungsbetrag."};
}

Zeilen sachbezug() {
    return {"Nach § 8 EStG gelten als Einnahmen alle Güter,",
            "die in Geld oder Geldeswert bestehen und dem Arbeitnehmer",
            "im Rahmen seines Dienstverhältnisses zufließen. Sachbezüge",
            "gehören deshalb zum Arbeitslohn, soweit sie nicht aus-",
            "drücklich steuerfrei sind. Ihr Wert ist im Bruttogehalt",
            "nicht enthalten und muss gesondert eingegeben werden.",
            "Bewertet werden sie nach § 8 EStG und den Lohnsteuer-",
            "Richtlinien; für Unterkunft und Verpflegung gelten die",
            "amtlichen Sachbezugswerte des Jahres.",
            "Einige Beispiele für Sachbezüge:",
            "- Firmenwagen für private Nutzung",
            "- Unentgeltliche Unterkunft und Verpflegung",
            "- Firmenkindergarten",
            "- Personalrabatte",
            "- Gutscheine",
            "- Unentgeltliche Übertragung von Beteiligungen",
            "Ist ein Sachbezug steuer- und beitragspflichtig, gehört er",
            "in beide Zeilen."};
}

Zeilen steuerklassen() {
    return {"E I N S",
            "Ledige, Geschiedene, dauernd getrennt Lebende und Verwitwete",
            "ab dem übernächsten Jahr nach dem Tod des Ehegatten.",
            "Z W E I",
            "Arbeitnehmer der Klasse I, denen der Entlastungsbetrag für",
            "Alleinerziehende zusteht.",
            "D R E I",
            "Verheiratete, nicht dauernd getrennt lebende Arbeitnehmer,",
            "deren Ehegatte keinen Arbeitslohn bezieht oder in Klasse V",
            "eingereiht ist; Verwitwete im Todesjahr und im Folgejahr.",
            "V I E R",
            "Verheiratete, nicht dauernd getrennt lebende Arbeitnehmer,",
            "die beide Arbeitslohn beziehen.",
            "F Ü N F",
            "Der Ehegatte eines Arbeitnehmers der Klasse III.",
            "S E C H S",
            "Arbeitnehmer mit einem zweiten oder weiteren Dienstverhältnis."};
}

Zeilen solidaritaetszuschlag() {
    return {"Aufgrund des Solidaritätszuschlagsgesetzes",
            "wird ein Zuschlag von " + solzProzent() + " % der Lohnsteuer erhoben. Kinder-",
            "freibeträge mindern ihn: die Lohnsteuer wird dafür in einer",
            "Nebenrechnung mit den Kinderfreibeträgen ermittelt. Bei",
            "kleinen Beträgen bleibt er ganz oder teilweise frei.",
            "Der Zuschlag bringt dem Bund jährlich etwa 10 Milliarden",
            "Euro ein."};
}

Zeilen kirchensteuer() {
    return {"Öffentlich-rechtliche Religionsgemeinschaften",
            "dürfen von ihren Mitgliedern Kirchensteuer erheben. Sie",
            "beträgt in Baden-Württemberg und Bayern " + kirchenProzent(wahl::kirche::Acht) +
                " %, in allen",
            "anderen Bundesländern " + kirchenProzent(wahl::kirche::Neun) +
                " % der Lohnsteuer. Wie beim",
            "Solidaritätszuschlag wird die Lohnsteuer dafür mit den",
            "Kinderfreibeträgen berechnet.",
            "Eine Kappung auf rund 3 bis 4 % des zu versteuernden",
            "Einkommens gibt es nur bei der Einkommensteuer, nicht",
            "beim Lohnsteuerabzug."};
}

Zeilen krankenversicherung(int jahr) {
    const int y = jahr - kErstesJahr;
    const std::int64_t pflicht =
        kVersicherungspflichtgrenze[static_cast<std::size_t>(y)] * 100 / 12;
    const std::int64_t grenze = monatsgrenze(parameter().kvbbg[static_cast<std::size_t>(y)]);
    return {"Beschäftigte sind krankenversicherungspflichtig,",
            "solange ihr regelmäßiges Jahresarbeitsentgelt die",
            "Versicherungspflichtgrenze nicht übersteigt",
            grenzzeile(jahr, pflicht, ""),
            "Beiträge werden höchstens bis zur Beitragsbemessungsgrenze",
            "erhoben",
            grenzzeile(jahr, grenze, "."),
            "Die Grenze gilt über das ganze Jahr: Einmalige Bezüge sind",
            "beitragspflichtig, soweit die anteilige Jahresgrenze in den",
            "bisherigen Monaten nicht ausgeschöpft ist.",
            "Der Beitragssatz kann geändert werden; voreingestellt ist",
            "der allgemeine Beitragssatz der AOK des Bundeslandes."};
}

Zeilen pflegeversicherung(int jahr) {
    const Money satz = gesamtsatz(parameter().pvsatz[static_cast<std::size_t>(jahr - kErstesJahr)]);
    return {"Die Pflegeversicherung läuft bezüglich",
            "der Versicherungspflicht und der Beitragsbemessungsgrenze",
            "parallel zur Krankenversicherung. Der Beitragssatz beträgt",
            prozentText(satz) + " %; Arbeitnehmer und Arbeitgeber tragen je die Hälfte.",
            "Seit dem 1.1.2005 zahlen kinderlose Mitglieder nach",
            "Vollendung des 23. Lebensjahres einen Zuschlag von " +
                zusatzText(wahl::zusatz::Kinderlose) + " %,",
            "den sie allein tragen; ausgenommen sind vor dem 1.1.1940",
            "Geborene.",
            "In Sachsen trägt der Arbeitnehmer " + satzText(kPvSatzSachsen) + " % und der Arbeit-",
            "geber " + satzText(kPvZuschussSachsen) +
                " %, weil dort der Buß- und Bettag Feiertag blieb."};
}

Zeilen rentenversicherung(int jahr) {
    const Parameter& p = parameter();
    const auto y = static_cast<std::size_t>(jahr - kErstesJahr);
    return {
        "Beschäftigte sind rentenversicherungspflichtig,",
        "unabhängig von der Höhe ihres Entgelts (ausgenommen",
        "geringfügig Beschäftigte). Beiträge werden höchstens bis",
        "zur Beitragsbemessungsgrenze erhoben:",
        rvZeile(jahr, " West = ", monatsgrenze(p.rvbbg[y])),
        rvZeile(jahr, " Ost   = ", monatsgrenze(p.rvbbg[y + Parameter::kJahre])),
        "Der Beitragssatz beträgt " + prozentText(gesamtsatz(p.rvsatz[y])) + " %; Arbeitnehmer und",
        "Arbeitgeber tragen je die Hälfte.",
        "Dieselben Grenzen gelten für die Arbeitslosenversicherung."};
}

Zeilen arbeitslosenversicherung(int jahr) {
    const Parameter& p = parameter();
    const std::string frueher = prozentText(gesamtsatz(p.avsatz[0]));
    const std::string jetzt =
        prozentText(gesamtsatz(p.avsatz[static_cast<std::size_t>(jahr - kErstesJahr)]));
    Zeilen z = {"Die Arbeitslosenversicherung läuft bezüglich",
                "der Versicherungspflicht und der Beitragsbemessungsgrenze",
                "parallel zur Rentenversicherung."};
    if (jahr < 2007) {
        z.push_back("Der Beitragssatz beträgt seit dem 1.1.1993 " + jetzt + " %.");
    } else {
        z.push_back("Der Beitragssatz von " + frueher + " % (seit dem 1.1.1993) wurde");
        z.push_back("zum 1.1.2007 auf " + jetzt + " % gesenkt.");
    }
    z.push_back("Arbeitnehmer und Arbeitgeber tragen je die Hälfte.");
    return z;
}

Zeilen zusatzbeitrag() {
    using namespace wahl::zusatz;
    return {zusatzText(Kinderlose) + " %",
            "Seit dem 1.1.2005 zahlen kinderlose Mitglieder der Pflege-",
            "versicherung nach Vollendung des 23. Lebensjahres einen",
            "Beitragszuschlag von " + zusatzText(Kinderlose) + " %, den sie allein tragen.",
            zusatzText(Zahnersatz) + " %",
            "Seit dem 1.7.2005 zahlen Mitglieder der gesetzlichen",
            "Krankenversicherung einen zusätzlichen Beitrag von " + zusatzText(Zahnersatz) + " %,",
            "den sie allein tragen. Die allgemeinen Beitragssätze",
            "wurden zugleich um " + zusatzText(Zahnersatz) + " Prozentpunkte gesenkt.",
            zusatzText(KvUndPv) + " %",
            "Beide Zuschläge zusammen."};
}

Zeilen entgeltumwandlung(int jahr) {
    const auto y = static_cast<std::size_t>(jahr - kErstesJahr);
    const std::int64_t grenzeJahr = monatsgrenze(parameter().rvbbg[y]) * 12 / 100;  // euros
    const std::string steuerfrei = "Steuerfrei sind jährlich bis zu 4 % der Beitragsbemessungs-";
    const std::string grenze = "grenze der Rentenversicherung (West), " + std::to_string(jahr) +
                               " also " + ganzzahl(grenzeJahr * 4 / 100) + " Euro.";
    if (jahr < 2005) {
        // The additional 1,800 euros began with the pledges of 2005.
        return {"Voraussetzung für die Steuerfreiheit von",
                "Beiträgen an einen Pensionsfonds oder eine Pensionskasse",
                "nach § 3 Nr. 63 EStG ist eine kapitalgedeckte betriebliche",
                "Altersversorgung.",
                steuerfrei,
                grenze,
                "Ebenso viel ist in der Sozialversicherung beitragsfrei."};
    }
    return {"Voraussetzung für die Steuerfreiheit von",
            "Beiträgen an einen Pensionsfonds, eine Pensionskasse oder",
            "(ab 2005) eine Direktversicherung nach § 3 Nr. 63 EStG ist",
            "eine kapitalgedeckte betriebliche Altersversorgung.",
            steuerfrei,
            grenze,
            "Für Zusagen nach dem 31.12.2004 kommen 1.800 Euro hinzu.",
            "Beitragsfrei in der Sozialversicherung sind nur die 4 %,",
            "nicht die zusätzlichen 1.800 Euro."};
}

Zeilen auszahlung() {
    return {"In den wenigsten Fällen erscheint der hier aus-",
            "gewiesene Betrag auch auf dem Kontoauszug. Zahlungen",
            "zwischen Arbeitgeber und Arbeitnehmer, die sich auf die",
            "gesetzlichen Abzüge nicht auswirken, gehören nicht zur",
            "Berechnung, zum Beispiel:",
            "- Ersatz von Aufwendungen",
            "- Reisekostenersätze",
            "- Abzug für private Telefongespräche",
            "- Gehaltsvorschüsse",
            "- Gehaltspfändungen",
            "Der pfändbare Teil eines Gehalts richtet sich nach dem",
            "Nettolohn und den Unterhaltspflichten; ein Pfändungsrechner",
            "ermittelt ihn."};
}

Zeilen versorgungsfreibetrag(const Versorgungsangaben& v) {
    return {"Ab 2005 kommt es bei der Berechnung des",
            "Versorgungsfreibetrags auf das Jahr des Versorgungsbeginns",
            "und auf den ersten vollen Monatsbezug an. Prozentsatz,",
            "Höchstbetrag und Zuschlag werden für jedes Jahr, um das der",
            "Beginn nach 2005 liegt, vermindert und gelten dann auf",
            "Dauer. Bemessungsgrundlage ist das Zwölffache des ersten",
            "vollen Monatsbezugs zuzüglich der Sonderzahlungen, auf die",
            "im Jahr des Versorgungsbeginns ein Anspruch besteht.",
            "erster voller Monatsbezug : " + zahltext::betrag(v.ersterVollerMonatsbezug),
            "Versorgungs-Sonderzahlung : " + zahltext::betrag(v.versorgungsSonderzahlung)};
}

Zeilen kinderfreibetrag() {
    return {"Die Betreuung, Erziehung und Ausbildung von",
            "Kindern wird nach § 32 EStG steuerlich berücksichtigt:",
            "Kinderfreibetrag                                   " +
                ganzzahl(steuerwerte::kKinderfreibetragSaechlich) + " Euro",
            "Freibetrag für Betreuung, Erziehung",
            "oder Ausbildung                                     " +
                ganzzahl(steuerwerte::kBetreuungsfreibetrag) + " Euro",
            "zusammen                                              " +
                std::to_string(steuerwerte::kKinderfreibetrag) + " Euro",
            "je Kind und Jahr für zusammen veranlagte Eltern (Zähler 1,0);",
            "jedem Elternteil steht die Hälfte zu (Zähler 0,5).",
            "Auf die Lohnsteuer wirken sich die Kinderfreibeträge nicht",
            "aus, wohl aber auf den Solidaritätszuschlag und die",
            "Kirchensteuer. Das Kindergeld ist nicht Teil der Berechnung."};
}

}  // namespace

std::string_view zeilentipp(int zeile) {
    // The wording is the program's own and is kept as users know it, slips included.
    static constexpr std::array<std::string_view, 29> texte = {
        "Auswahl des Personalfalles. Umbenennung mit der rechten Maustaste.",
        "Erforderlich für die Lohnsteuerberechnung wegen des Altersfreibetrags",
        "Nach dem Bundesland richten die die Voreinstellungen für die Kirchensteuer und den "
        "AOK-Beitragssatz",
        "Einstellungen für die Sozialversicherung. Bei SV-Freiheit wird die Besondere "
        "Lohnsteuertabelle verwendet.",
        "Der Arbeitgeber darf nur unter eng begrenzten Voraussetzungen einen "
        "Lohnsteuerjahresausgleich im Dezember vornehmen.",
        "Zeile für das reguläre steuer- und SV-pflichtige Gehalt.",
        "Zeile für die Versorgungsbezüge. Diese sind SV-beitragsfrei und werden bei der "
        "Lohnsteuerberechnung gesondert behandelt.",
        "Die Steuern und SV-Beiträge aus einmaligen Bezügen werden auf der Basis eines "
        "voraussichtliches Jahresentgelts berechnet.",
        "Die Steuern aus einmaligen Versorgungsbezügen werden auf der Basis eines "
        "voraussichtlichen Jahresentgelts berechnet.",
        "Diese Funktion steht in noch nicht zur Verfügung.",
        "Mit den Richtungspeilen kann das laufende Gehalt in 1 Euro-Schritten erhöht oder "
        "vermindert werden.",
        "Ein Teilzeitgehalt wird nach dem Verhältnis der Wochenstundenzahl zu der normalen "
        "tariflichen Wochenarbeitszeit berechnet.",
        "Wird das Gehalt nicht für einen vollen Monat bezahlt, werden die entsprechend "
        "gekürnzten Freibeträge verwendet.",
        "",
        "",
        "Ist ein Sachbezug gleichzeitig steuer- und SV-Beitragspflichtig, ist er in der Zeile "
        "darunter einzugeben.",
        "Ist ein Sachbezug gleichzeitig steuer- und SV-Beitragspflichtig, ist er auch in der "
        "Zeile darüber einzugeben.",
        "",
        "5,5 % der Lohnsteuer unter Berücksichtigung der Kinderfreibeträge",
        "Außer in Bayern und Ba-Wü (8 %) beträgt die Kirchenst. 9 % der Lohnsteuer unter "
        "Berücksichtigung der Kinderfreibeträge. ",
        "Der KV-Beitragssatz kann verändert werden, Die Beitragsbemessungsgrenze wird "
        "automatisch berücksichtigt.",
        "Bei Auswahl von Minijob oder Gleitzeit werden alle 5 SV-Zeilen gleichgeschaltet.",
        "Bei Auswahl von Minijob oder Gleitzeit werden alle 5 SV-Zeilen gleichgeschaltet.",
        "Bei Auswahl von Minijob oder Gleitzeit werden alle 5 SV-Zeilen gleichgeschaltet.",
        "Der Beitragssatz ist von der gewählten Einstellung der Auswahlbox abhängig.",
        "Je nach Einstellung wirkt sich der Betrag auch auf die Berechnung der Abzüge aus.",
        "",
        "Der Versorgungsfreibetrag jährlich reduziert, abhängig vom Beginnjahr der "
        "Versorgungsbezüge.",
        "Kinderfreibeträge wirken sich nur auf den Solidaritätszuschlag und die Kirchensteuer "
        "aus.",
    };
    if (zeile >= 30) zeile -= 30;
    if (zeile < 0 || zeile >= static_cast<int>(texte.size())) return {};
    return texte[static_cast<std::size_t>(zeile)];
}

std::vector<std::string> infotext(int zeile, int jahr, const Versorgungsangaben& versorgung) {
    jahr = steuerjahr(jahr);
    // The blue pension inputs record their row as 57; other blue indexes come from amount
    // fields and explain nothing.
    if (zeile == 30 + zeile::Versorgungsbeginn) zeile = zeile::Versorgungsbeginn;
    switch (zeile) {
        case zeile::Fall:
            return spiegelung();
        case zeile::Geburtsjahrgang:
            return altersentlastung();
        case zeile::Bundesland:
            return voreinstellungen();
        case zeile::SvStatus:
            return svStatus();
        case zeile::Jahresausgleich:
            return jahresausgleich();
        case zeile::Gehalt:
            return personalfaelle();
        case zeile::Versorgungsbezug:
            return versorgungsbezuege();
        case zeile::EinmaligerBezug:
            return einmalbezug();
        case zeile::EinmaligerVersorgungsbezug:
            return einmaligeVersorgung();
        case zeile::MehrjahresVerguetung:
            return mehrjaehrig();
        case zeile::Monatsgehalt:
            return pfeiltasten();
        case zeile::NachWochenstunden:
            return teilzeit();
        case zeile::Brutto:
            return teilmonat();
        case zeile::Freibetrag:
            return steuerfreibetrag();
        case zeile::Hinzurechnung:
            return hinzurechnung();
        case zeile::ZusaetzlichSvPflichtig:
            return sachbezug();
        case zeile::Steuerklasse:
            return steuerklassen();
        case zeile::Soli:
            return solidaritaetszuschlag();
        case zeile::Kirchensteuer:
            return kirchensteuer();
        case zeile::Krankenversicherung:
            return krankenversicherung(jahr);
        case zeile::Pflegeversicherung:
            return pflegeversicherung(jahr);
        case zeile::Rentenversicherung:
            return rentenversicherung(jahr);
        case zeile::Arbeitslosenversicherung:
            return arbeitslosenversicherung(jahr);
        case zeile::Zusatzbeitrag:
            return zusatzbeitrag();
        case zeile::Abzug:
            return entgeltumwandlung(jahr);
        case zeile::Auszahlung:
            return auszahlung();
        case zeile::Versorgungsbeginn:
            return versorgungsfreibetrag(versorgung);
        case zeile::Kinderfreibetraege:
            return kinderfreibetrag();
        default:
            return {};
    }
}

std::string infotextAlsText(int zeile, int jahr, const Versorgungsangaben& versorgung) {
    std::string text;
    for (const std::string& z : infotext(zeile, jahr, versorgung)) {
        if (!text.empty()) text += '\n';
        text += z;
    }
    return text;
}

bool infotextGesperrt(int zeile, int versicherungsstatus) {
    return zeile >= zeile::Krankenversicherung && zeile <= zeile::Zusatzbeitrag &&
           (versicherungsstatus == wahl::sv::NichtPflichtig ||
            versicherungsstatus == wahl::sv::MiniJob);
}

std::string browserFehlerText(std::string_view adresse) {
    return "Der Browser konnte nicht gestartet werden; die Seite " + std::string(adresse) +
           " wurde nicht geöffnet.";
}

std::string_view befehlstipp(Befehl befehl) {
    switch (befehl) {
        case Befehl::GruenDrucken:
            return "Sendet die grüne Gehaltsberechnung direkt zum Standarddrucker.";
        case Befehl::BlauDrucken:
            return "Sendet die blaue Gehaltsberechnung direkt zum Standarddrucker.";
        case Befehl::BeideDrucken:
            return "Sendet die grüne und die blaue Gehaltsberechnung gemeinsam direkt zum "
                   "Standarddrucker.";
        case Befehl::InterneWerteGruen:
            return "Zeigt einige interne Berechnungswerte für die grüne Berechnung an.";
        case Befehl::InterneWerteBlau:
            return "Zeigt einige interne Berechnungswerte für die blaue Berechnung an.";
        case Befehl::VersorgungGruen:
        case Befehl::VersorgungBlau:
            return "Notwendige Zusatzangaben bei Versorgungsbezügen zur Berechnung des "
                   "Versorgungsfreibetrags";
        case Befehl::Taschenrechner:
            return " ";
        case Befehl::Steuerschritte:
            return "Verlinkt ins Internet zu den dortigen Hilfetexten.";
        case Befehl::Programminfo:
            return "Zeigt die Programminformationen an";
        case Befehl::Standardgroesse:
            return "Verkleinert das Bild auf die Standardgröße.";
        case Befehl::Bildschirmgroesse:
            return "Vergrößert das Programmfenster auf Bildschirmgröße.";
    }
    return {};
}

}  // namespace brelvanostik
