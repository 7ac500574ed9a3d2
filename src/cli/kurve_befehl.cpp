#include <span>
#include <string>

#include "basis/sicheres_schreiben.h"
#include "cli/befehle.h"
#include "cli/json.h"
#include "cli/optionen.h"
#include "cli/pdf_ausgabe.h"
#include "cli/sitzung_lesen.h"
#include "cli/zahlen.h"
#include "curve/belastungskurve.h"
#include "print/bericht_kurve.h"
#include "workspace/datendateien.h"

namespace brelvanostik::cli {

namespace {

constexpr const char* kName = "brelvanostik-cli kurve: ";

std::string json(const Belastungskurve& k) {
    JsonSchreiber j;
    j.objektAnfang();
    j.feldAnfang("punkte");
    j.arrayAnfang();
    for (const Kurvenpunkt& p : k.punkte) {
        j.objektAnfang();
        j.feld("gehalt", std::int64_t{p.gehalt});
        j.feld("steuern", p.steuern);
        j.feld("sozialversicherung", p.sozialversicherung);
        j.feld("auszahlung", std::int64_t{p.auszahlung});
        j.objektEnde();
    }
    j.arrayEnde();
    j.feldAnfang("marken");
    j.objektAnfang();
    j.feldAnfang("gleitzone");
    j.arrayAnfang();
    j.wert(std::int64_t{k.marken.gleitzoneVon});
    j.wert(std::int64_t{k.marken.gleitzoneBis});
    j.arrayEnde();
    j.feld("kv_bbg", std::int64_t{k.marken.kvBbg});
    j.feld("rv_bbg", std::int64_t{k.marken.rvBbg});
    j.feld("gehalt_des_falls", std::int64_t{k.marken.gehaltDesFalls});
    j.objektEnde();
    j.objektEnde();
    return j.text() + "\n";
}

// An amount option in euros with at most two decimals, as hundredths.
bool betragLesen(const Optionen& o, const char* name, std::int64_t& ziel, std::ostream& fehler) {
    const auto wert = o.werte.find(name);
    if (wert == o.werte.end()) return true;
    const auto betrag = leseBetrag(wert->second, 2);
    constexpr std::int64_t kGrenze = 1'000'000'000'000;
    if (!betrag || *betrag > Money::whole(kGrenze) || *betrag < Money::whole(-kGrenze)) {
        fehler << kName << name << " takes euros with at most two decimals after a full stop, not '"
               << zeigbar(wert->second) << "'\n";
        return false;
    }
    ziel = (*betrag * 100).abgeschnitten().toInt64();
    return true;
}

}  // namespace

int kurveBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                std::ostream& fehler) {
    const auto optionen = optionenOhneRest(
        argumente,
        {{"--dir", "--jahr", "--fall", "--monat", "--von", "--bis", "--schritt", "--csv", "--pdf"},
         {"--blau", "--json"}},
        kFaelle, kName, fehler);
    if (!optionen) return kFalscherAufruf;
    if (!optionen->jahr || !optionen->fall || !optionen->monat) {
        fehler << kName << "--jahr, --fall and --monat are required\n";
        return kFalscherAufruf;
    }
    const auto csv = optionen->werte.find("--csv");
    const auto pdf = optionen->werte.find("--pdf");
    const int ausgaben = (optionen->json ? 1 : 0) + (csv != optionen->werte.end() ? 1 : 0) +
                         (pdf != optionen->werte.end() ? 1 : 0);
    if (ausgaben != 1) {
        fehler << kName << "exactly one of --json, --csv FILE and --pdf FILE is required\n";
        return kFalscherAufruf;
    }
    const auto datei = csv != optionen->werte.end() ? csv : pdf;
    if (datei != optionen->werte.end() && datei->second.empty()) {
        fehler << kName << datei->first << " needs a file name\n";
        return kFalscherAufruf;
    }
    Kurvenbereich bereich = standardbereich(*optionen->jahr);
    if (!betragLesen(*optionen, "--von", bereich.von, fehler) ||
        !betragLesen(*optionen, "--bis", bereich.bis, fehler) ||
        !betragLesen(*optionen, "--schritt", bereich.schritt, fehler)) {
        return kFalscherAufruf;
    }
    if (const auto grund = bereichFehler(bereich)) {
        fehler << kName << *grund << "\n";
        return kFalscherAufruf;
    }

    if (csv != optionen->werte.end()) {
        if (const auto verweigert = ausgabeVerweigert(csv->second, optionen->verzeichnis)) {
            fehler << kName << zeigbar(*verweigert) << "\n";
            return kFalscherAufruf;
        }
    }
    std::vector<std::string> hinweise;
    std::string problem;
    const auto sitzung = sitzungLesen(optionen->verzeichnis, *optionen->jahr, *optionen->fall,
                                      *optionen->monat, hinweise, problem);
    if (!sitzung) {
        fehler << kName << zeigbar(problem) << "\n";
        return kFalscherAufruf;
    }
    const Seite seite = optionen->blau ? Seite::Blau : Seite::Gruen;
    const Belastungskurve kurve = kurveBerechnen(*sitzung, seite, bereich);

    if (optionen->json) {
        aus << json(kurve);
    } else if (csv != optionen->werte.end()) {
        const std::string text = kurvenCsv(kurve);
        const auto* anfang = reinterpret_cast<const std::uint8_t*>(text.data());
        if (const auto fehlertext =
                sicheresSchreiben(csv->second, std::span(anfang, text.size()))) {
            fehler << kName << zeigbar(*fehlertext) << "\n";
            return kFehler;
        }
    } else {
        // The window draws the twin over the curve where the two differ; so does its printout.
        const Belastungskurve zwilling =
            kurveBerechnen(*sitzung, seite == Seite::Gruen ? Seite::Blau : Seite::Gruen, bereich);
        const int status = pdfSchreiben(druck::kurvenbericht(kurve, &zwilling), pdf->second,
                                        optionen->verzeichnis, kName, fehler);
        if (status != kErfolg) return status;
    }
    hinweiseMelden(hinweise, fehler);
    return kErfolg;
}

}  // namespace brelvanostik::cli
