#include "print/schrittvergleich_druck.h"

#include "basis/zahltext.h"
#include "print/berichtstexte.h"
#include "print/steuerschritte_druck.h"

namespace brelvanostik::druck {

namespace {

constexpr int kName = 400;
constexpr int kErklaerung = 2400;
constexpr int kGruen = 8400, kBlau = 10400, kDifferenz = 12400;
constexpr int kWertbreite = 18;  // "1.234,56 / 14.814,72" of the surcharge and church tax
constexpr std::size_t kErklaerungZeichen = 66;  // what fits before the value columns
// Eight points: with both provision allowance blocks the comparison still fits two pages.
constexpr double kPunkte = 8;

/// Cut to `zeichen` UTF-8 characters, "…" marking the cut.
std::string gekuerzt(const std::string& text, std::size_t zeichen) {
    std::size_t gezaehlt = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (gezaehlt++ == zeichen - 1) return text.substr(0, i) + "…";
    }
    return text;
}

}  // namespace

Dokument schrittvergleichDrucken(const Schrittvergleich& v, const std::string& ueberschrift) {
    Seitenaufbau aufbau("Lohnsteuervergleich", true);
    aufbau.schrift("Arial")
        .groesse(12)
        .fett(true)
        .text("Lohnsteuerberechnung: Grün und Blau im Vergleich")
        .zeilenende();
    aufbau.groesse(kPunkte).fett(false).text(ueberschrift).zeilenende().leerzeilen(1);
    aufbau.schrift("Courier New").fett(true);
    aufbau.bei(kGruen, textfeld("Grün", kWertbreite));
    aufbau.bei(kBlau, textfeld("Blau", kWertbreite));
    aufbau.bei(kDifferenz, textfeld("Blau - Grün", kWertbreite)).zeilenende();
    for (int zeile = 0; zeile < kSchrittzeilen; ++zeile) {
        if (!steuerschrittGedruckt(zeile, v.gruen) && !steuerschrittGedruckt(zeile, v.blau))
            continue;
        const Vergleichszeile& z = v.zeilen[static_cast<std::size_t>(zeile)];
        aufbau.schrift("Arial").fett(z.kopf);
        aufbau.bei(0, (z.abweichend ? "*" : " ") + std::to_string(zeile + 1));
        if (!z.name.empty()) aufbau.bei(kName, z.name);
        if (!z.text.empty()) aufbau.bei(kErklaerung, gekuerzt(z.text, kErklaerungZeichen));
        aufbau.schrift("Courier New").fett(z.kopf || z.abweichend);
        if (!z.gruen.empty()) aufbau.bei(kGruen, textfeld(z.gruen, kWertbreite));
        if (!z.blau.empty()) aufbau.bei(kBlau, textfeld(z.blau, kWertbreite));
        if (!z.differenz.empty()) aufbau.bei(kDifferenz, textfeld(z.differenz, kWertbreite));
        aufbau.schrift("Arial").fett(false).zeilenende();
    }
    return aufbau.fertig();
}

}  // namespace brelvanostik::druck
