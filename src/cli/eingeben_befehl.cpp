#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "basis/cp1252.h"
#include "basis/eingabe.h"
#include "cli/befehle.h"
#include "cli/berechnung_json.h"
#include "cli/optionen.h"
#include "cli/schreibsperre.h"
#include "cli/zahlen.h"
#include "session/sitzung.h"
#include "workspace/auswahllisten.h"
#include "workspace/datendateien.h"
#include "workspace/zeilen.h"

namespace brelvanostik::cli {

namespace {

std::optional<int> zeileLesen(const std::string& text) {
    const auto zahl = leseGanzzahl(text);
    if (!zahl || *zahl < 0 || *zahl >= kZeilen) return std::nullopt;
    return static_cast<int>(*zahl);
}

struct Aktion {
    int parameter;
    // Carries the action out; returns nothing on success, else why it was refused.
    std::function<std::optional<std::string>(Sitzung&, Seite, const std::vector<std::string>&)>
        ausfuehren;
};

// The reason of a refusal is checked here beforehand wherever it can be named; `warum` is
// what the program's own refusal means in the remaining cases.
std::optional<std::string> ergebnis(const Rueckmeldung& r, std::ostream& fehler,
                                    const std::string& warum) {
    if (!r.angenommen) return warum;
    for (const Meldung& m : r.meldungen) fehler << "brelvanostik-cli: " << einzeilig(m) << "\n";
    return std::nullopt;
}

std::string zeichenName(char32_t c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "U+";
    for (int stelle = c > 0xFFFF ? 20 : 12; stelle >= 0; stelle -= 4)
        text += kHex[(c >> stelle) & 0xF];
    return text;
}

std::optional<std::string> textPruefen(const std::string& text, const char* feld) {
    const auto c = erstesFremdzeichen(text);
    if (!c) return std::nullopt;
    return std::string("the data files cannot hold the character ") + zeichenName(*c) + " of the " +
           feld + " (Windows-1252 characters only, no tabs or line breaks)";
}

const std::string kZuHoch = "above the largest amount a field takes (290000,00)";

}  // namespace

int eingebenBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                   std::ostream& fehler) {
    std::string problem;
    const auto optionen =
        optionenLesen(argumente, {{"--dir", "--jahr", "--fall", "--monat"}, {"--json", "--blau"}},
                      kFaelle, problem);
    if (!optionen) {
        fehler << "brelvanostik-cli eingeben: " << zeigbar(problem) << "\n";
        return kFalscherAufruf;
    }
    if (!optionen->jahr || !optionen->fall || !optionen->monat) {
        fehler << "brelvanostik-cli eingeben: --jahr, --fall and --monat are required\n";
        return kFalscherAufruf;
    }
    if (optionen->rest.empty()) {
        fehler << "brelvanostik-cli eingeben: no action given\n";
        return kFalscherAufruf;
    }

    std::ostringstream meldungen;  // messages of accepted actions, shown only when all succeed
    // `feld` is a row or one of the two pension amounts.
    const auto betrag = [&](auto feld) {
        return [&, feld](Sitzung& s, Seite seite,
                         const std::vector<std::string>& p) -> std::optional<std::string> {
            return ergebnis(s.betragEingeben(seite, feld, p[0]), meldungen,
                            "'" + p[0] + "' is " + kZuHoch);
        };
    };
    const auto mitZeile = [&](auto handlung) {
        return [&, handlung](Sitzung& s, Seite seite,
                             const std::vector<std::string>& p) -> std::optional<std::string> {
            const auto zeile = zeileLesen(p[0]);
            if (!zeile) return "row '" + p[0] + "' does not exist";
            return handlung(s, seite, *zeile, p);
        };
    };
    const std::map<std::string, Aktion> aktionen = {
        {"betrag", {2, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>& p)
                                    -> std::optional<std::string> {
             if (!hatBetragsfeld(zeile)) return "row " + p[0] + " has no amount field";
             if (!feldtextZulaessig(p[1])) return "'" + p[1] + "' is not what the amount field admits";
             return ergebnis(s.betragEingeben(seite, zeile, p[1]), meldungen, "'" + p[1] + "' is " + kZuHoch);
         })}},
        {"auswahl", {2, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>& p)
                                     -> std::optional<std::string> {
             const auto code = leseGanzzahl(p[1]);
             const int anzahl = zeile == zeile::Fall ? 2 * kFaelle : auswahlAnzahl(zeile);
             if (anzahl <= 0) return "row " + p[0] + " has no choice list";
             if (!code || *code < 0 || *code >= anzahl) return "row " + p[0] + " has no entry " + p[1];
             if (zeile != zeile::Fall && !s.auswahlMoeglich(seite, zeile)) {
                 return "row " + p[0] + " takes no choice while the social insurance status excludes it";
             }
             return ergebnis(s.auswahlTreffen(seite, zeile, static_cast<int>(*code)), meldungen,
                             "row " + p[0] + " takes no choice now");
         })}},
        {"bru", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>& p) {
             return ergebnis(s.tagesquoteUmschalten(seite, zeile), meldungen,
                             "row " + p[0] + " has no days-ratio toggle (rows 5-9)");
         })}},
        {"tei", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>& p) {
             return ergebnis(s.stundenquoteUmschalten(seite, zeile), meldungen,
                             "row " + p[0] + " has no hours-ratio toggle (rows 5-9)");
         })}},
        {"auf", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>& p) {
             if (!zeilenregel(zeile).pfeile) return std::optional<std::string>("row " + p[0] + " has no 1-euro arrows");
             return ergebnis(s.pfeilAuf(seite, zeile), meldungen, "one euro more would be " + kZuHoch);
         })}},
        {"ab", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>& p) {
             if (!zeilenregel(zeile).pfeile) return std::optional<std::string>("row " + p[0] + " has no 1-euro arrows");
             return ergebnis(s.pfeilAb(seite, zeile), meldungen,
                             zeile == zeile::Gehalt ? "the salary cannot go below 0" : "the deduction cannot become a payment");
         })}},
        {"versorgungsbeginn", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p)
                                      -> std::optional<std::string> {
             const auto code = leseGanzzahl(p[0]);
             if (!code || *code < 0 || *code > wahl::beginn::Im2007) return "pension start code '" + p[0] + "' does not exist";
             return ergebnis(s.auswahlTreffen(seite, zeile::Versorgungsbeginn, static_cast<int>(*code)),
                             meldungen, "pension start code '" + p[0] + "' does not exist");
         }}},
        {"monatsbezug", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p) {
             return feldtextZulaessig(p[0]) ? betrag(Versorgungsfeld::ErsterMonatsbezug)(s, seite, p)
                                            : std::optional<std::string>("'" + p[0] + "' is not an amount");
         }}},
        {"sonderzahlung", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p) {
             return feldtextZulaessig(p[0]) ? betrag(Versorgungsfeld::Sonderzahlung)(s, seite, p)
                                            : std::optional<std::string>("'" + p[0] + "' is not an amount");
         }}},
        {"modus", {0, [&](Sitzung& s, Seite, const std::vector<std::string>&) -> std::optional<std::string> {
             s.modusUmschalten();
             return std::nullopt;
         }}},
        {"name", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p) -> std::optional<std::string> {
             if (auto warum = textPruefen(p[0], "name")) return warum;
             return ergebnis(s.umbenennen(seite, p[0]), meldungen, "the name cannot be stored");
         }}},
        {"kommentar", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p)
                              -> std::optional<std::string> {
             if (auto warum = textPruefen(p[0], "comment")) return warum;
             return ergebnis(s.kommentarSetzen(seite, p[0]), meldungen, "the comment cannot be stored");
         }}},
    };

    // Check the whole list of actions before anything is loaded or changed.
    struct Geplant {
        const Aktion* aktion;
        std::string name;
        std::vector<std::string> parameter;
    };
    std::vector<Geplant> plan;
    for (std::size_t i = 0; i < optionen->rest.size();) {
        const auto gefunden = aktionen.find(optionen->rest[i]);
        if (gefunden == aktionen.end()) {
            fehler << "brelvanostik-cli eingeben: unknown action '" << zeigbar(optionen->rest[i])
                   << "'\n";
            return kFalscherAufruf;
        }
        const auto n = static_cast<std::size_t>(gefunden->second.parameter);
        if (i + n >= optionen->rest.size()) {
            fehler << "brelvanostik-cli eingeben: action '" << gefunden->first << "' needs " << n
                   << " value(s)\n";
            return kFalscherAufruf;
        }
        plan.push_back(
            {&gefunden->second, gefunden->first,
             std::vector<std::string>(optionen->rest.begin() + static_cast<long>(i) + 1,
                                      optionen->rest.begin() + static_cast<long>(i + 1 + n))});
        i += 1 + n;
    }

    // Loading writes nothing: a refused call changes nothing.
    const auto sperre = sperreNehmen(optionen->verzeichnis, "eingeben", fehler);
    if (!sperre) return kFalscherAufruf;
    Ladeergebnis geladen = laden(optionen->verzeichnis);
    if (geladen.lesefehler) {
        fehler << "brelvanostik-cli eingeben: " << zeigbar(*geladen.lesefehler)
               << "; nothing was changed\n";
        return kFalscherAufruf;
    }
    const Einstellungen gelesen = geladen.einstellungen;
    Einstellungen auswahl = gelesen;
    auswahl.Jahr = *optionen->jahr;
    auswahl.Fall = *optionen->fall;
    auswahl.Monat = *optionen->monat;
    Sitzung sitzung(std::move(geladen.arbeitsbereich), auswahl);
    for (const Meldung& m : sitzung.startmeldungen())
        meldungen << "brelvanostik-cli: " << einzeilig(m) << "\n";
    const Seite seite = optionen->blau ? Seite::Blau : Seite::Gruen;
    for (const Geplant& g : plan) {
        if (const auto abgelehnt = g.aktion->ausfuehren(sitzung, seite, g.parameter)) {
            fehler << "brelvanostik-cli eingeben: " << g.name << ": " << zeigbar(*abgelehnt)
                   << "\n";
            return kFalscherAufruf;
        }
    }

    // The one save writes the edited workspace together with what the load left to keep.
    const Speicherergebnis gespeichert =
        speichern(*sperre, sitzung.arbeitsbereich(), gelesen, std::move(geladen.erstsicherung));
    if (!speicherungMelden(gespeichert, "eingeben", fehler)) return kFalscherAufruf;
    hinweiseMelden(geladen.hinweise, fehler);
    hinweiseMelden(gespeichert.hinweise, fehler);
    fehler << meldungen.str();
    if (optionen->json) {
        JsonSchreiber json;
        json.objektAnfang();
        json.feldAnfang("berechnungen");
        json.arrayAnfang();
        berechnungSchreiben(json, sitzung.arbeitsbereich(), *optionen->jahr, *optionen->fall - 1);
        berechnungSchreiben(json, sitzung.arbeitsbereich(), *optionen->jahr,
                            zwilling(*optionen->fall - 1));
        json.arrayEnde();
        json.objektEnde();
        aus << json.text() << "\n";
    }
    return kErfolg;
}

}  // namespace brelvanostik::cli
