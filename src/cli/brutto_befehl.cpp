#include <string>

#include "basis/zahltext.h"
#include "cli/befehle.h"
#include "cli/json.h"
#include "cli/optionen.h"
#include "cli/sitzung_lesen.h"
#include "cli/zahlen.h"
#include "payout/gehaltssuche.h"

namespace brelvanostik::cli {

namespace {

constexpr const char* kName = "brelvanostik-cli brutto: ";

std::string json(const Gehaltsantwort& a) {
    JsonSchreiber j;
    j.objektAnfang();
    j.feld("gehalt", std::int64_t{a.bild.gehalt});
    j.feld("auszahlung", std::int64_t{a.bild.auszahlung});
    j.feld("gewuenscht", a.gewuenscht);
    j.feld("lohnsteuer", std::int64_t{a.bild.lohnsteuer});
    j.feld("solidaritaetszuschlag", std::int64_t{a.bild.soli});
    j.feld("kirchensteuer", std::int64_t{a.bild.kirchensteuer});
    j.feld("sozialversicherung", a.bild.sozialversicherung);
    j.objektEnde();
    return j.text() + "\n";
}

// "3456,78": the amount as the window shows it, without the thousands' dots.
std::string euroText(std::int64_t hundertstel) {
    return zahltext::zahl(Money::whole(hundertstel).geteilt(100), 2, false);
}

}  // namespace

int bruttoBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                 std::ostream& fehler) {
    const auto optionen = optionenOhneRest(
        argumente, {{"--dir", "--jahr", "--fall", "--monat", "--auszahlung"}, {"--blau", "--json"}},
        kFaelle, kName, fehler);
    if (!optionen) return kFalscherAufruf;
    const auto wert = optionen->werte.find("--auszahlung");
    if (!optionen->jahr || !optionen->fall || !optionen->monat || wert == optionen->werte.end()) {
        fehler << kName << "--jahr, --fall, --monat and --auszahlung are required\n";
        return kFalscherAufruf;
    }
    const auto betrag = leseBetrag(wert->second, 2);
    // Far beyond any payout, yet small enough that its hundredths stay exact in 64 bits.
    constexpr std::int64_t kGrenze = 1'000'000'000'000;
    if (!betrag || *betrag > Money::whole(kGrenze) || *betrag < Money::whole(-kGrenze)) {
        fehler << kName
               << "--auszahlung takes euros with at most two decimals after a full stop, not '"
               << zeigbar(wert->second) << "'\n";
        return kFalscherAufruf;
    }
    const std::int64_t gewuenscht = (*betrag * 100).abgeschnitten().toInt64();

    std::vector<std::string> hinweise;
    std::string problem;
    const auto sitzung = sitzungLesen(optionen->verzeichnis, *optionen->jahr, *optionen->fall,
                                      *optionen->monat, hinweise, problem);
    if (!sitzung) {
        fehler << kName << zeigbar(problem) << "\n";
        return kFalscherAufruf;
    }
    const Gehaltsantwort antwort =
        gehaltFuerAuszahlung(*sitzung, optionen->blau ? Seite::Blau : Seite::Gruen, gewuenscht);
    if (!antwort.erreicht) {
        fehler << kName << "no salary up to " << euroText(kMaxBetragHundertstel) << " pays out "
               << euroText(gewuenscht) << "; the largest payout reachable is "
               << euroText(antwort.bild.auszahlung) << " (salary " << euroText(antwort.bild.gehalt)
               << ")\n";
        return kFehler;
    }
    aus << (optionen->json ? json(antwort) : euroText(antwort.bild.gehalt) + "\n");
    hinweiseMelden(hinweise, fehler);
    return kErfolg;
}

}  // namespace brelvanostik::cli
