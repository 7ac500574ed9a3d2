#include <functional>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "cli/befehle.h"
#include "cli/berechnung_json.h"
#include "cli/optionen.h"
#include "cli/schreibsperre.h"
#include "cli/zahlen.h"
#include "workspace/datendateien.h"
#include "workspace/eingabe.h"
#include "workspace/sitzung.h"

namespace brelvanostik::cli {

namespace {

// Rows with an amount field on a side of the main window.
bool hatBetragsfeld(int zeile) { return (zeile >= 0 && zeile <= 9) || (zeile >= 13 && zeile <= 16) || zeile == 25; }

std::optional<int> zeileLesen(const std::string& text) {
    const auto zahl = leseGanzzahl(text);
    if (!zahl || *zahl < 0 || *zahl > 30) return std::nullopt;
    return static_cast<int>(*zahl);
}

std::string einzeilig(const Meldung& m) {
    std::string text = m.titel + ": " + m.text;
    for (char& c : text) {
        if (c == '\n') c = ' ';
    }
    return text;
}

struct Aktion {
    int parameter;
    // Carries the action out; returns nothing on success, else why it was refused.
    std::function<std::optional<std::string>(Sitzung&, Seite, const std::vector<std::string>&)> ausfuehren;
};

std::optional<std::string> ergebnis(const Rueckmeldung& r, std::ostream& fehler) {
    if (!r.angenommen) {
        return r.meldungen.empty() ? std::string("refused by the program") : einzeilig(r.meldungen.front());
    }
    for (const Meldung& m : r.meldungen) fehler << "brelvanostik-cli: " << einzeilig(m) << "\n";
    return std::nullopt;
}

}  // namespace

int eingebenBefehl(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler) {
    std::string problem;
    const auto optionen = optionenLesen(argumente, {{"--dir", "--jahr", "--fall", "--monat"}, {"--json", "--blau"}},
                                        kFaelle, problem);
    if (!optionen) {
        fehler << "brelvanostik-cli eingeben: " << problem << "\n";
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
    const auto betrag = [&](int zeile) {
        return [&, zeile](Sitzung& s, Seite seite, const std::vector<std::string>& p) -> std::optional<std::string> {
            return ergebnis(s.betragEingeben(seite, zeile, p[0]), meldungen);
        };
    };
    const auto mitZeile = [&](auto handlung) {
        return [&, handlung](Sitzung& s, Seite seite, const std::vector<std::string>& p) -> std::optional<std::string> {
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
             return ergebnis(s.betragEingeben(seite, zeile, p[1]), meldungen);
         })}},
        {"auswahl", {2, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>& p)
                                     -> std::optional<std::string> {
             const auto code = leseGanzzahl(p[1]);
             if (!code || *code < 0 || *code > 99) return "code '" + p[1] + "' does not exist";
             if (zeile != 0 && !s.auswahlMoeglich(seite, zeile)) return "row " + p[0] + " takes no choice now";
             return ergebnis(s.auswahlTreffen(seite, zeile, static_cast<int>(*code)), meldungen);
         })}},
        {"bru", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>&) {
             return ergebnis(s.tagesquoteUmschalten(seite, zeile), meldungen);
         })}},
        {"tei", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>&) {
             return ergebnis(s.stundenquoteUmschalten(seite, zeile), meldungen);
         })}},
        {"auf", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>&) {
             return ergebnis(s.pfeilAuf(seite, zeile), meldungen);
         })}},
        {"ab", {1, mitZeile([&](Sitzung& s, Seite seite, int zeile, const std::vector<std::string>&) {
             return ergebnis(s.pfeilAb(seite, zeile), meldungen);
         })}},
        {"versorgungsbeginn", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p)
                                      -> std::optional<std::string> {
             const auto code = leseGanzzahl(p[0]);
             if (!code || *code < 0 || *code > 2) return "pension start code '" + p[0] + "' does not exist";
             return ergebnis(s.auswahlTreffen(seite, 27, static_cast<int>(*code)), meldungen);
         }}},
        {"monatsbezug", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p) {
             return feldtextZulaessig(p[0]) ? betrag(11)(s, seite, p)
                                            : std::optional<std::string>("'" + p[0] + "' is not an amount");
         }}},
        {"sonderzahlung", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p) {
             return feldtextZulaessig(p[0]) ? betrag(12)(s, seite, p)
                                            : std::optional<std::string>("'" + p[0] + "' is not an amount");
         }}},
        {"modus", {0, [&](Sitzung& s, Seite, const std::vector<std::string>&) -> std::optional<std::string> {
             s.modusUmschalten();
             return std::nullopt;
         }}},
        {"name", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p) -> std::optional<std::string> {
             s.umbenennen(seite, p[0]);
             return std::nullopt;
         }}},
        {"kommentar", {1, [&](Sitzung& s, Seite seite, const std::vector<std::string>& p)
                              -> std::optional<std::string> {
             s.kommentarSetzen(seite, p[0]);
             return std::nullopt;
         }}},
    };

    // Check the whole list of actions before anything is loaded or changed.
    struct Geplant { const Aktion* aktion; std::string name; std::vector<std::string> parameter; };
    std::vector<Geplant> plan;
    for (std::size_t i = 0; i < optionen->rest.size();) {
        const auto gefunden = aktionen.find(optionen->rest[i]);
        if (gefunden == aktionen.end()) {
            fehler << "brelvanostik-cli eingeben: unknown action '" << optionen->rest[i] << "'\n";
            return kFalscherAufruf;
        }
        const auto n = static_cast<std::size_t>(gefunden->second.parameter);
        if (i + n >= optionen->rest.size()) {
            fehler << "brelvanostik-cli eingeben: action '" << gefunden->first << "' needs " << n << " value(s)\n";
            return kFalscherAufruf;
        }
        plan.push_back({&gefunden->second, gefunden->first,
                        std::vector<std::string>(optionen->rest.begin() + static_cast<long>(i) + 1,
                                                 optionen->rest.begin() + static_cast<long>(i + 1 + n))});
        i += 1 + n;
    }

    // Files that the load creates are taken away again when the call fails: a refused
    // call changes nothing.
    const auto sperre = sperreNehmen(optionen->verzeichnis, "eingeben", fehler);
    if (!sperre) return kFalscherAufruf;
    const std::filesystem::path verzeichnis(optionen->verzeichnis);
    std::error_code ec;
    const bool warenDa = std::filesystem::exists(verzeichnis / kMonatsdateiName, ec) ||
                         std::filesystem::exists(verzeichnis / kKopfdateiName, ec);
    const auto scheitern = [&] {
        if (!warenDa) {
            std::filesystem::remove(verzeichnis / kMonatsdateiName, ec);
            std::filesystem::remove(verzeichnis / kKopfdateiName, ec);
        }
        return kFalscherAufruf;
    };
    Ladeergebnis geladen = laden(verzeichnis);
    if (geladen.lesefehler) {
        fehler << "brelvanostik-cli eingeben: " << *geladen.lesefehler << "\n";
        return kFalscherAufruf;
    }
    const Einstellungen gelesen = geladen.einstellungen;
    Einstellungen auswahl = gelesen;
    auswahl.Jahr = *optionen->jahr;
    auswahl.Fall = *optionen->fall;
    auswahl.Monat = *optionen->monat;
    Sitzung sitzung(std::move(geladen.arbeitsbereich), auswahl);
    for (const Meldung& m : sitzung.startmeldungen()) meldungen << "brelvanostik-cli: " << einzeilig(m) << "\n";
    const Seite seite = optionen->blau ? Seite::Blau : Seite::Gruen;
    for (const Geplant& g : plan) {
        if (const auto abgelehnt = g.aktion->ausfuehren(sitzung, seite, g.parameter)) {
            fehler << "brelvanostik-cli eingeben: " << g.name << ": " << *abgelehnt << "\n";
            return scheitern();
        }
    }

    if (const auto fehlertext = speichern(verzeichnis, sitzung.arbeitsbereich(), gelesen)) {
        fehler << "brelvanostik-cli eingeben: " << *fehlertext << "\n";
        return scheitern();
    }
    hinweiseMelden(geladen.hinweise, fehler);
    fehler << meldungen.str();
    if (optionen->json) {
        JsonSchreiber json;
        json.objektAnfang();
        json.feldAnfang("berechnungen");
        json.arrayAnfang();
        berechnungSchreiben(json, sitzung.arbeitsbereich(), *optionen->jahr, *optionen->fall - 1);
        berechnungSchreiben(json, sitzung.arbeitsbereich(), *optionen->jahr, zwilling(*optionen->fall - 1));
        json.arrayEnde();
        json.objektEnde();
        aus << json.text() << "\n";
    }
    return kErfolg;
}

}  // namespace brelvanostik::cli
