#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>

#include "cli/befehle.h"
#include "cli/eingaben_json.h"
#include "cli/json.h"
#include "cli/pdf_ausgabe.h"
#include "cli/zahlen.h"
#include "print/steuerschritte_druck.h"
#include "taxsteps/steuerschritte.h"

namespace brelvanostik::cli {

namespace {

using Liste = Steuerschritte::Liste;

std::string eineZeile(std::string text) {
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

std::string json(const Steuerschritte& fenster) {
    const Schrittliste& liste = fenster.liste();
    JsonSchreiber j;
    j.objektAnfang();
    j.feldAnfang("eingaben");
    eingabenSchreiben(j, liste.eingaben);
    j.feldAnfang("zeilen");
    j.arrayAnfang();
    for (int i = 0; i < kSchrittzeilen; ++i) {
        const Schrittzeile& z = liste.zeilen[static_cast<std::size_t>(i)];
        j.objektAnfang();
        j.feld("zeile", std::int64_t{i + 1});
        j.feld("kopf", z.kopf);
        j.feld("offen", std::string_view(fenster.gliederung().markierung(i)));
        j.feld("name", std::string_view(z.name));
        j.feld("text", std::string_view(z.text));
        j.feld("wert", std::string_view(z.wert));
        j.feld("ergebnis", std::string_view(z.ergebnis));
        j.objektEnde();
    }
    j.arrayEnde();
    j.objektEnde();
    return j.text() + "\n";
}

std::string klartext(const Steuerschritte& fenster) {
    std::string text;
    for (int i = 0; i < kSchrittzeilen; ++i) {
        const Schrittzeile& z = fenster.liste().zeilen[static_cast<std::size_t>(i)];
        text += std::to_string(i + 1) + '\t' + fenster.gliederung().markierung(i) + '\t' + z.name +
                '\t' + z.text + '\t' + z.wert + '\t' + z.ergebnis + '\n';
    }
    return text;
}

}  // namespace

int schritteBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler) {
    const std::string vorsatz = "brelvanostik-cli schritte: ";
    static const std::vector<std::string> mitWert = {
        "--jahr",       "--zeitraum",    "--klasse",        "--kinder", "--kirche",
        "--geburt",     "--erstbezug",   "--bezugsmonate",  "--brutto", "--karte",
        "--versorgung", "--monatsbezug", "--sonderzahlung", "--pdf"};
    std::map<std::string, std::string> werte;
    bool json_ = false, rvFrei = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--json") {
            json_ = true;
        } else if (a == "--rv-frei") {
            rvFrei = true;
        } else if (std::find(mitWert.begin(), mitWert.end(), a) != mitWert.end()) {
            if (i + 1 >= argumente.size()) {
                fehler << vorsatz << "option " << zeigbar(a) << " needs a value\n";
                return kFalscherAufruf;
            }
            werte[a] = argumente[++i];
        } else {
            fehler << vorsatz << "unknown option '" << zeigbar(a) << "'\n";
            return kFalscherAufruf;
        }
    }

    // A whole number option within its range.
    std::string problem;
    const auto ganz = [&](const std::string& name, int min, int max) -> std::optional<int> {
        const auto it = werte.find(name);
        if (it == werte.end()) return std::nullopt;
        const auto n = leseGanzzahl(it->second);
        if (!n || *n < min || *n > max) {
            problem = name + " " + it->second + ": expected a whole number from " +
                      std::to_string(min) + " to " + std::to_string(max);
            return std::nullopt;
        }
        return static_cast<int>(*n);
    };

    Steuerschritte fenster;
    if (auto j = ganz("--jahr", 2004, 2008)) fenster.jahrVorgeben(*j);
    if (werte.count("--zeitraum")) {
        const std::string& z = werte["--zeitraum"];
        if (z != "jahr" && z != "monat")
            problem = "--zeitraum " + z + ": expected jahr or monat";
        else
            fenster.waehlen(Liste::Zeitraum, z == "jahr" ? 0 : 1);
    }
    if (auto k = ganz("--klasse", 1, 4)) fenster.waehlen(Liste::Klasse, *k - 1);
    if (auto k = ganz("--kinder", 0, 12)) fenster.waehlen(Liste::Kinder, *k);
    if (auto k = ganz("--kirche", 0, 9)) {
        if (*k != 0 && *k != 8 && *k != 9)
            problem = "--kirche " + werte["--kirche"] + ": expected 0, 8 or 9";
        else
            fenster.waehlen(Liste::Kisatz, *k == 0 ? 0 : *k == 8 ? 1 : 2);
    }
    if (auto g = ganz("--geburt", 0, 4)) fenster.waehlen(Liste::Geburt, *g);
    if (auto e = ganz("--erstbezug", 2005, 2008)) fenster.waehlen(Liste::Erstbezugsjahr, *e - 2005);
    if (auto m = ganz("--bezugsmonate", 1, 12)) {
        if (fenster.waehlen(Liste::Bezugsmonate, *m - 1)) {
            problem = eineZeile(std::string(kBezugsmonateText));
        }
    }
    if (rvFrei) fenster.rvPflichtSetzen(false);
    using Feld = Steuerschritte::Feld;
    const std::array<std::pair<const char*, Feld>, 5> felder = {
        {{"--brutto", Feld::Brutto},
         {"--karte", Feld::Steuerkarte},
         {"--versorgung", Feld::Versorgungsbezug},
         {"--monatsbezug", Feld::ErsterMonatsbezug},
         {"--sonderzahlung", Feld::Sonderzahlung}}};
    for (const auto& [name, feld] : felder) {
        const auto it = werte.find(name);
        if (it == werte.end() || !problem.empty()) continue;
        const auto betrag = leseBetrag(it->second, 2);
        // Only the tax card's field takes a negative amount (its allowance).
        const bool vorzeichen = feld == Feld::Steuerkarte;
        if (!betrag || (!vorzeichen && *betrag < Money())) {
            problem = std::string(name) + " " + it->second +
                      ": expected an amount in euros with at most two decimals" +
                      (!vorzeichen ? ", not negative" : "");
            continue;
        }
        fenster.feldAendern(feld, betrag->units() / 100);
    }
    if (!problem.empty()) {
        fehler << vorsatz << zeigbar(problem) << '\n';
        return kFalscherAufruf;
    }

    if (werte.count("--pdf")) {
        const int status = pdfSchreiben(druck::steuerschritteDrucken(fenster.liste()),
                                        werte["--pdf"], ".", vorsatz, fehler);
        if (status != kErfolg) return status;
    }
    aus << (json_ ? json(fenster) : klartext(fenster));
    return kErfolg;
}

}  // namespace brelvanostik::cli
