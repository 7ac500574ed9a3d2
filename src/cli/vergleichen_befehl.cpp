#include <string>

#include "basis/zahltext.h"
#include "cli/befehle.h"
#include "cli/eingaben_json.h"
#include "cli/json.h"
#include "cli/optionen.h"
#include "cli/pdf_ausgabe.h"
#include "cli/sitzung_lesen.h"
#include "print/schrittvergleich_druck.h"
#include "session/sitzung.h"
#include "taxsteps/schrittvergleich.h"

namespace brelvanostik::cli {

namespace {

constexpr const char* kName = "brelvanostik-cli vergleichen: ";

std::string json(const Schrittvergleich& v) {
    JsonSchreiber j;
    j.objektAnfang();
    j.feldAnfang("gruen");
    eingabenSchreiben(j, v.gruen.eingaben);
    j.feldAnfang("blau");
    eingabenSchreiben(j, v.blau.eingaben);
    j.feldAnfang("erste_abweichung");
    if (v.ersteAbweichung) {
        j.wert(std::int64_t{*v.ersteAbweichung + 1});
    } else {
        j.nichts();
    }
    j.feldAnfang("zeilen");
    j.arrayAnfang();
    for (int r = 0; r < kSchrittzeilen; ++r) {
        const Vergleichszeile& z = v.zeilen[static_cast<std::size_t>(r)];
        j.objektAnfang();
        j.feld("zeile", std::int64_t{r + 1});
        j.feld("kopf", z.kopf);
        j.feld("name", std::string_view(z.name));
        j.feld("text", std::string_view(z.text));
        j.feld("gruen", std::string_view(z.gruen));
        j.feld("blau", std::string_view(z.blau));
        j.feld("differenz", std::string_view(z.differenz));
        j.feld("abweichend", z.abweichend);
        j.objektEnde();
    }
    j.arrayEnde();
    j.objektEnde();
    return j.text() + "\n";
}

// Left-aligned in `breite` characters (UTF-8), never cut.
std::string linksbuendig(const std::string& text, int breite) {
    int zeichen = 0;
    for (char c : text) zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return zeichen >= breite ? text
                             : text + std::string(static_cast<std::size_t>(breite - zeichen), ' ');
}

std::string klartext(const Schrittvergleich& v, const std::string& ueberschrift) {
    constexpr int kBreite = 20;
    std::string text = "Lohnsteuerberechnung: Grün und Blau im Vergleich\n" + ueberschrift + "\n\n";
    text += "Zeile   " + linksbuendig("Name", 10) + zahltext::rechtsbuendig("Grün", kBreite) +
            zahltext::rechtsbuendig("Blau", kBreite) +
            zahltext::rechtsbuendig("Blau - Grün", kBreite) + "  Erläuterung\n";
    for (int r = 0; r < kSchrittzeilen; ++r) {
        const Vergleichszeile& z = v.zeilen[static_cast<std::size_t>(r)];
        text += zahltext::rechtsbuendig(std::to_string(r + 1), 5) + (z.abweichend ? " * " : "   ") +
                linksbuendig(z.name, 10) + zahltext::rechtsbuendig(z.gruen, kBreite) +
                zahltext::rechtsbuendig(z.blau, kBreite) +
                zahltext::rechtsbuendig(z.differenz, kBreite) + "  " + z.text;
        while (!text.empty() && text.back() == ' ') text.pop_back();
        text += '\n';
    }
    return text;
}

}  // namespace

int vergleichenBefehl(const std::vector<std::string>& argumente, std::ostream& aus,
                      std::ostream& fehler) {
    const auto optionen =
        optionenOhneRest(argumente, {{"--dir", "--jahr", "--fall", "--monat", "--pdf"}, {"--json"}},
                         kFaelle, kName, fehler);
    if (!optionen) return kFalscherAufruf;
    if (!optionen->jahr || !optionen->fall || !optionen->monat) {
        fehler << kName << "--jahr, --fall and --monat are required\n";
        return kFalscherAufruf;
    }
    const auto pdf = optionen->werte.find("--pdf");
    if (pdf != optionen->werte.end() && pdf->second.empty()) {
        fehler << kName << "--pdf needs a file name\n";
        return kFalscherAufruf;
    }

    // Both sides recalculated from the month, as the program does when it starts there.
    std::vector<std::string> hinweise;
    std::string problem;
    const auto sitzung = sitzungLesen(optionen->verzeichnis, *optionen->jahr, *optionen->fall,
                                      *optionen->monat, hinweise, problem);
    if (!sitzung) {
        fehler << kName << zeigbar(problem) << "\n";
        return kFalscherAufruf;
    }
    const Schrittvergleich vergleich = monatslaeufeVergleichen(*sitzung);
    const std::string ueberschrift = vergleichsueberschrift(*sitzung);

    if (pdf != optionen->werte.end()) {
        const int status = pdfSchreiben(druck::schrittvergleichDrucken(vergleich, ueberschrift),
                                        pdf->second, optionen->verzeichnis, kName, fehler);
        if (status != kErfolg) return status;
    }
    aus << (optionen->json ? json(vergleich) : klartext(vergleich, ueberschrift));
    hinweiseMelden(hinweise, fehler);
    return kErfolg;
}

}  // namespace brelvanostik::cli
