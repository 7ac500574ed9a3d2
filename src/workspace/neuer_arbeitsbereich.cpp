#include "workspace/neuer_arbeitsbereich.h"

#include <array>
#include <string>

#include "workspace/datensaetze.h"

namespace brelvanostik {

namespace {

constexpr std::array<std::int32_t, kMonate> kTageImMonat = {31, 28, 31, 30, 31, 30,
                                                            31, 31, 30, 31, 30, 31};

constexpr std::array<const char*, kMonate> kKommentarMonate = {
    "Januar-Gehalt",    "Februar-Gehalt", "März-Gehalt",     "April-Gehalt",
    "Mai-Gehalt",       "Juni-Gehalt",    "Juli-Gehalt",     "August-Gehalt",
    "September-Gehalt", "Oktober-Gehalt", "November-Gehalt", "Dezember-Gehalt"};

constexpr std::int32_t kAnfangsWochenstunden = 4000;
constexpr std::int16_t kAnfangsGeburtsjahrgang = 4;  // "nach 1942"

}  // namespace

std::int32_t kalendertageHundertstel(int jahrIndex, int monat) {
    const std::int32_t tage = kTageImMonat.at(static_cast<std::size_t>(monat));
    // 2004 is the only leap year of the four.
    return (monat == 1 && jahrIndex == 0 ? 29 : tage) * 100;
}

std::int32_t anfangsKvSatz(int satznummer) {
    // 2004 and the green cases of 2005 start at 14.90 %, the blue cases of 2005 at
    // 14.00 %, 2006 and 2007 at 13.90 %. Every existing file was created this way, so the
    // ranges go by record number, not by year and side.
    if (satznummer <= 180) return 1490;
    if (satznummer <= 240) return 1400;
    return 1390;
}

std::string anfangsFallname(int berechnung) {
    if (berechnung < kFaelle) return "O R I G I N A L   " + std::to_string(berechnung + 1);
    return "A L T E R N A T I V E   " + std::to_string(berechnung - kFaelle + 1);
}

Monatssatz neuerMonatssatz(int jahrIndex, int berechnung, int monat) {
    Monatssatz satz;
    satz.Auswahl[1] = kAnfangsGeburtsjahrgang;
    satz.Auswahl[10] = static_cast<std::int16_t>(monat);
    satz.Betrag[0] = kAnfangsWochenstunden;
    satz.Betrag[1] = kAnfangsWochenstunden;
    satz.Betrag[2] = kalendertageHundertstel(jahrIndex, monat);
    satz.Betrag[3] = satz.Betrag[2];
    satz.Betrag[4] = anfangsKvSatz(monatssatzNummer(jahrIndex, berechnung, monat));
    satz.Kommentar =
        std::string("Kommentar zum ") + kKommentarMonate.at(static_cast<std::size_t>(monat));
    satz.Gemeinsam = true;
    return satz;
}

Fallkopf neuerFallkopf(int berechnung) {
    Fallkopf kopf;
    for (auto& zeile : kopf.InStundenquote) zeile.fill(true);
    for (auto& zeile : kopf.InTagesquote) zeile.fill(true);
    kopf.Fallname = anfangsFallname(berechnung);
    kopf.Versorgungsbeginn = 0;
    kopf.Reserviert = 12;
    return kopf;
}

Arbeitsbereich neuerArbeitsbereich() {
    Arbeitsbereich arbeitsbereich;
    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            for (int m = 0; m < kMonate; ++m) {
                arbeitsbereich.monat(j, b, m) = neuerMonatssatz(j, b, m);
            }
            arbeitsbereich.kopf(j, b) = neuerFallkopf(b);
        }
    }
    return arbeitsbereich;
}

Einstellungen neueEinstellungen(const Arbeitsbereich& arbeitsbereich) {
    Einstellungen einstellungen;
    einstellungen.Rest = kopfpufferRest(arbeitsbereich);
    return einstellungen;
}

}  // namespace brelvanostik
