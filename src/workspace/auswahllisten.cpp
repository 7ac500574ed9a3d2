#include "workspace/auswahllisten.h"

#include <initializer_list>
#include <string_view>

namespace brelvanostik {

namespace {

using Liste = std::vector<std::string>;

Liste mitVorsatz(std::string_view vorsatz, std::initializer_list<std::string_view> teile) {
    Liste liste;
    for (const std::string_view teil : teile) {
        liste.push_back(std::string(vorsatz) + std::string(teil));
    }
    return liste;
}

const Liste& geburtsjahrgaenge() {
    static const Liste liste =
        mitVorsatz("Geburtsjahrgang ", {"vor 1940", "= 1940", "= 1941", "= 1942", "nach 1942"});
    return liste;
}

const Liste& bundeslaender() {
    static const Liste liste = {
        "Baden-Württemberg",
        "Bayern",
        "Berlin",
        "Brandenburg",
        "Bremen",
        "Hamburg",
        "Hessen",
        "Mecklenburg-Vorpommern",
        "Niedersachsen",
        "Nordrhein-Westfalen",
        "Rheinland-Pfalz",
        "Saarland",
        "Sachsen",
        "Sachsen-Anhalt",
        "Schleswig-Holstein",
        "Thüringen",
    };
    return liste;
}

const Liste& versicherungsstatus() {
    static const Liste liste = {
        "Sozialversicherungspflichtig",
        "Nicht sozialversicherungspflichtig",
        "Mini-Job bis 400 Euro",
        "SV-Gleitzone bis 800 Euro",
    };
    return liste;
}

const Liste& jahresausgleich() {
    static const Liste liste = {
        "Im Dez. ohne LSt-Jahresausgl.d. AG",
        "Im Dez. mit LSt-Jahresausgl.d. AG",
    };
    return liste;
}

const Liste& steuerklassen() {
    static const Liste liste = {
        "Steuerklasse EINS", "Steuerklasse ZWEI", "Steuerklasse DREI",
        "Steuerklasse VIER", "Steuerklasse FÜNF", "Steuerklasse SECHS",
    };
    return liste;
}

const Liste& solidaritaetszuschlag() {
    static const Liste liste = {"Solidaritätszuschlag"};
    return liste;
}

const Liste& kirchensteuer() {
    static const Liste liste = {
        "0 % Kirchensteuer",
        "8 % Kirchensteuer",
        "9 % Kirchensteuer",
        "0,15 Euro Mindestkirchensteuer",
        "0,30 Euro Mindestkirchensteuer",
    };
    return liste;
}

const Liste& krankenversicherung() {
    static const Liste liste = {
        "%/2 Beitrag zur Krankenvers.",
        "%/2 AG-Zuschuß z. Krankenvers.",
        "Krankenvers.-Gleitzonenbeitrag",
        "Keine Krankenversicherungspflicht",
    };
    return liste;
}

const Liste& pflegeversicherung() {
    static const Liste liste = {
        "%/2 Beitrag zur Pflegevers.",    "%/2 AG-Zuschuß z.Pflegevers.",
        "Pflegevers.-Gleitzonenbeitrag",  "Keine Pflegeversicherungspflicht",
        "% Pflegevers., 1,35 %AN-Anteil", "% Pflegevers., 0,35 %AG-Zuschuss",
    };
    return liste;
}

const Liste& rentenversicherung() {
    static const Liste liste = {
        "%/2 Beitrag zur Rentenvers.",
        "%/2 AG-Zuschuß z. Rentenvers.",
        "Rentenvers.-Gleitzonenbeitrag",
        "Keine Rentenversicherungspflicht",
    };
    return liste;
}

const Liste& arbeitslosenversicherung() {
    static const Liste liste = {
        "%/2 Beitrag z.Arbeitsl.Vers.",
        "Arb.losenvers.-Gleitzonenbeitrag",
        "Keine Arbeitslosenvers.pflicht",
    };
    return liste;
}

const Liste& zusatzbeitraege() {
    static const Liste liste = {
        "%    Soz.Vers.-Zusatzbeitrag",
        "%    KV-Zusatzbeitr.(Zahnersatz)",
        "%    PV-Zusatzbeitr.(Kinderlose)",
        "%    KV- u. PV-Zusatzbeitrag",
    };
    return liste;
}

const Liste& sparenUndAbzuege() {
    static const Liste liste = {
        "Gehaltsumwandlung Steuer- u.SV-frei",
        "Gehaltsumwandlung steuerfrei",
        "Gehaltsumwandlung SV-frei",
        "Beitrag für die Riesterrente",
        "Bausparrate",
        "Vermögenswirksame Anlage",
        "Sonstiger Abzug",
        "Einbehalt vom Brelvanostik",
    };
    return liste;
}

const Liste& kinderfreibetraege() {
    // Entry 10 has always been spelt without the hyphen; users know the list that way.
    static const Liste liste = {
        "0,0 Kinder-FB", "0,5 Kinder-FB", "1,0 Kinder-FB", "1,5 Kinder-FB", "2,0 Kinder-FB",
        "2,5 Kinder-FB", "3,0 Kinder-FB", "3,5 Kinder-FB", "4,0 Kinder-FB", "4,5 Kinder-FB",
        "5,0 KinderFB",  "5,5 Kinder-FB", "6,0 Kinder-FB",
    };
    return liste;
}

/// The fixed list of a row, or nullptr.
const Liste* festeListe(int zeile) {
    static const Liste versorgungsbeginn = versorgungsbeginnliste();
    switch (zeile) {
        case zeile::Geburtsjahrgang:
            return &geburtsjahrgaenge();
        case zeile::Bundesland:
            return &bundeslaender();
        case zeile::SvStatus:
            return &versicherungsstatus();
        case zeile::Jahresausgleich:
            return &jahresausgleich();
        case zeile::Steuerklasse:
            return &steuerklassen();
        case zeile::Soli:
            return &solidaritaetszuschlag();
        case zeile::Kirchensteuer:
            return &kirchensteuer();
        case zeile::Krankenversicherung:
            return &krankenversicherung();
        case zeile::Pflegeversicherung:
            return &pflegeversicherung();
        case zeile::Rentenversicherung:
            return &rentenversicherung();
        case zeile::Arbeitslosenversicherung:
            return &arbeitslosenversicherung();
        case zeile::Zusatzbeitrag:
            return &zusatzbeitraege();
        case zeile::Abzug:
            return &sparenUndAbzuege();
        case zeile::Versorgungsbeginn:
            return &versorgungsbeginn;
        case zeile::Kinderfreibetraege:
            return &kinderfreibetraege();
        default:
            return nullptr;
    }
}

}  // namespace

std::vector<std::string> auswahlliste(int zeile, const Arbeitsbereich& arbeitsbereich, int jahr) {
    if (zeile == zeile::Fall) return fallnamenliste(arbeitsbereich, jahr);
    if (zeile == zeile::Monatsgehalt) return monatsliste(jahr);
    const Liste* liste = festeListe(zeile);
    return liste != nullptr ? *liste : Liste{};
}

int auswahlAnzahl(int zeile) {
    const Liste* liste = festeListe(zeile);
    return liste != nullptr ? static_cast<int>(liste->size()) : 0;
}

std::vector<std::string> fallnamenliste(const Arbeitsbereich& arbeitsbereich, int jahr) {
    Liste namen;
    const int jahrIndex = jahr - kErstesJahr;
    if (jahrIndex < 0 || jahrIndex >= kJahre) return namen;
    for (int berechnung = 0; berechnung < kBerechnungen; ++berechnung) {
        namen.push_back(arbeitsbereich.kopf(jahrIndex, berechnung).Fallname);
    }
    return namen;
}

std::vector<std::string> monatsliste(int jahr) {
    Liste liste = mitVorsatz("MONATSGEHALT   ",
                             {"J A N U A R", "F E B R U A R", "M Ä R Z", "A P R I L", "M A I",
                              "J U N I", "J U L I", "A U G U S T", "S E P T E M B E R",
                              "O K T O B E R", "N O V E M B E R", "D E Z E M B E R"});
    // The year's last digit; the program only knows 2004-2007.
    const int letzteZiffer = ((jahr % 10) + 10) % 10;
    liste.push_back("J A H R E S G E H A L T   2 0 0 " + std::to_string(letzteZiffer));
    return liste;
}

std::vector<std::string> versorgungsbeginnliste() {
    Liste liste;
    for (int n = 0; n < 3; ++n) {
        liste.push_back("Beginn der Versorgung im Jahr " + std::to_string(2005 + n));
    }
    // The first entry stands for every start up to 2005: "Beginn der Versorgung " is kept
    // and the year replaced by the wider wording.
    liste[0] = liste[0].substr(0, 22) + "2005 oder vorher";
    return liste;
}

}  // namespace brelvanostik
