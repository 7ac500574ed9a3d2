#include "help/hilfelinks.h"

#include <array>

namespace brelvanostik {

namespace {

constexpr std::string_view kProgrammpfad = "/Brelvanostik/";

bool beginntMit(std::string_view text, std::string_view anfang) {
    return text.size() >= anfang.size() && text.substr(0, anfang.size()) == anfang;
}

}  // namespace

std::optional<Hilfethema> hilfethema(int index) {
    // Rows 3 and 24 share the insurance page, rows 6 and 8 the pension page.
    static constexpr std::array<Hilfethema, 29> themen = {{
        {"Gehaltsberechnung", "Gehaltsberechnung.htm"},
        {"Altersfreibetrag", "Altersfreibetrag.htm"},
        {"Gehaltssoftware", "Gehaltssoftware.htm"},
        {"Sozialversicherung", "Sozialversicherung.htm"},
        {"Lohnsteuerjahresausgleich", "Lohnsteuerjahresausgleich.htm"},
        {"Gehaltstabellen", "Gehaltstabellen.htm"},
        {"Versorgungsbezüge", "Versorgungsbezug.htm"},
        {"Einmalige Bezüge", "Einmalbezug.htm"},
        {"Versorgungsbezüge", "Versorgungsbezug.htm"},
        {"Abfindungen", "Abfindung.htm"},
        {"Netto-Brutto-Rechnung", "Netto-Brutto-Rechnung.htm"},
        {"Teilzeitarbeit", "Teilzeitarbeit.htm"},
        {"Arbeitsbefreiung", "Arbeitsbefreiung.htm"},
        {"Steuerfreibeträge", "Steuerfreibetrag.htm"},
        {"Hinzurechnungsbeträge", "Hinzurechnungsbetrag.htm"},
        {"Sachbezüge", "Sachbezug.htm"},
        {"Sozialversicherungspflichtiges Entgelt", "SV-pflichtiges-Entgelt.htm"},
        {"Lohnsteuerklassen", "Lohnsteuerklasse.htm"},
        {"Solidaritätszuschlag", "Solidaritaetszuschlag.htm"},
        {"Kirchensteuer", "Kirchensteuer.htm"},
        {"Krankenversicherung", "Krankenversicherung.htm"},
        {"Pflegeversicherung", "Pflegeversicherung.htm"},
        {"Rentenversicherung", "Rentenversicherung.htm"},
        {"Arbeitslosenversicherung", "Arbeitslosenversicherung.htm"},
        {"Sozialversicherung", "Sozialversicherung.htm"},
        {"Entgeltumwandlung", "Entgeltumwandlung.htm"},
        {"Gehaltspfändung", "Gehaltspfaendung.htm"},
        {"Alterseinkünftegesetz", "Versorgungsfreibetrag.htm"},
        {"Kinderfreibeträge", "Kinderfreibetrag.htm"},
    }};
    if (index < 0 || index >= static_cast<int>(themen.size())) return std::nullopt;
    return themen[static_cast<std::size_t>(index)];
}

std::string hilfeadresseWaehlen(std::string_view eingestellt) {
    // Only web addresses: the shell would also open a file or start a program.
    const bool web = beginntMit(eingestellt, "https://") || beginntMit(eingestellt, "http://");
    bool sauber = true;
    for (const char c : eingestellt) {
        if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == '\x7f') sauber = false;
    }
    std::string adresse(web && sauber ? eingestellt : kStandardHilfeadresse);
    while (adresse.size() > 8 && adresse.back() == '/') adresse.pop_back();
    return adresse;
}

Hilfelinks::Hilfelinks(std::string basis) : basis_(std::move(basis)) {}

const std::string& Hilfelinks::merken(std::string adresse) {
    aktuell_ = std::move(adresse);
    return aktuell_;
}

void Hilfelinks::zeileMerken(int zeile) {
    if (hilfethema(zeile)) themenzeile_ = zeile;
}

Hilfethema Hilfelinks::thema() const {
    return *hilfethema(themenzeile_);
}

const std::string& Hilfelinks::themaOeffnen() {
    return merken(basis_ + std::string(kProgrammpfad) + std::string(thema().seite));
}

const std::string& Hilfelinks::startseite() {
    return merken(basis_);
}

const std::string& Hilfelinks::benachrichtigung() {
    return merken(basis_ + "/benachrichtigung.htm");
}

const std::string& Hilfelinks::produktseite() {
    return merken(basis_ + std::string(kProgrammpfad));
}

}  // namespace brelvanostik
