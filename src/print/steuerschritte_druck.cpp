#include "print/steuerschritte_druck.h"

#include <string>

#include "basis/zahltext.h"
#include "print/berichtstexte.h"
#include "taxsteps/steuerschritte.h"

namespace brelvanostik::druck {

namespace {

constexpr int kLetzteZeile = 111;  // the note on the minimum church tax is not printed
constexpr int kErklaerung = 3000;
constexpr int kWert = 11000;
constexpr int kErgebnis = 13000;
constexpr int kName = 600;
constexpr int kWertbreite = 10;
constexpr double kPunkte = 9;

// The heading of the provision allowance, and the headings before which the printout leaves
// a line free: the tariff and the surcharge with church tax. More would start a third page.
constexpr int kVorsorgeKopf = kKopfzeilen[8];
constexpr int kTarifKopf = kKopfzeilen[3];
constexpr int kSoliKopf = kKopfzeilen[9];

}  // namespace

bool steuerschrittGedruckt(int zeile, const Schrittliste& liste) {
    if (zeile < 0 || zeile > kLetzteZeile) return false;
    // Only the provision allowance block of the computed case: without pension insurance
    // its block and the line after it, then on from the other block's last line.
    if (liste.eingaben.KRV == 1)
        return zeile <= kBlockRvFreiEnde + 1 || zeile >= kBlockRvPflichtEnde;
    return zeile <= kVorsorgeKopf || zeile >= kBlockRvPflichtAnfang;
}

Dokument steuerschritteDrucken(const Schrittliste& liste) {
    Seitenaufbau aufbau("Lohnsteuerberechnung", true);
    aufbau.schrift("Arial")
        .groesse(12)
        .fett(true)
        .text(std::string(kSchritteDruckTitel))
        .zeilenende();
    aufbau.groesse(kPunkte).fett(false).leerzeilen(1);
    for (int zeile = 0; zeile <= kLetzteZeile; ++zeile) {
        if (!steuerschrittGedruckt(zeile, liste)) continue;
        const Schrittzeile& z = liste.zeilen[static_cast<std::size_t>(zeile)];
        if (zeile == kTarifKopf || zeile == kSoliKopf) aufbau.leerzeilen(1);
        aufbau.schrift("Arial").fett(z.kopf);
        aufbau.bei(0, std::to_string(zeile + 1));
        if (!z.name.empty()) aufbau.bei(kName, z.name);
        if (!z.text.empty()) aufbau.bei(kErklaerung, z.text);
        aufbau.schrift("Courier New");
        if (!z.wert.empty()) aufbau.bei(kWert, textfeld(z.wert, kWertbreite));
        if (!z.ergebnis.empty()) aufbau.bei(kErgebnis, textfeld(z.ergebnis, kWertbreite));
        aufbau.schrift("Arial").zeilenende();
    }
    aufbau.fett(false);
    return aufbau.fertig();
}

}  // namespace brelvanostik::druck
