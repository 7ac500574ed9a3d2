#include "workspace/neuer_arbeitsbereich.h"

#include <array>
#include <string>

#include "workspace/datensaetze.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

constexpr std::array<std::int32_t, kMonate> kTageImMonat = {31, 28, 31, 30, 31, 30,
                                                            31, 31, 30, 31, 30, 31};

constexpr std::array<const char*, kMonate> kKommentarMonate = {
    "Januar-Gehalt",    "Februar-Gehalt", "März-Gehalt",     "April-Gehalt",
    "Mai-Gehalt",       "Juni-Gehalt",    "Juli-Gehalt",     "August-Gehalt",
    "September-Gehalt", "Oktober-Gehalt", "November-Gehalt", "Dezember-Gehalt"};

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
    satz.Auswahl[zeile::Geburtsjahrgang] = kAnfangsGeburtsjahrgang;
    satz.Auswahl[zeile::Monatsgehalt] = static_cast<std::int16_t>(monat);
    satz.Betrag[zeile::NormalWochenstunden] = kAnfangsWochenstunden;
    satz.Betrag[zeile::Wochenstunden] = kAnfangsWochenstunden;
    satz.Betrag[zeile::NormalTage] = kalendertageHundertstel(jahrIndex, monat);
    satz.Betrag[zeile::Tage] = satz.Betrag[zeile::NormalTage];
    satz.Betrag[zeile::KvSatz] = anfangsKvSatz(monatssatzNummer(jahrIndex, berechnung, monat));
    satz.Kommentar =
        std::string("Kommentar zum ") + kKommentarMonate.at(static_cast<std::size_t>(monat));
    satz.Gemeinsam = true;
    return satz;
}

Fallkopf neuerFallkopf(int berechnung) {
    Fallkopf kopf;
    for (auto& flags : kopf.InStundenquote) flags.fill(true);
    for (auto& flags : kopf.InTagesquote) flags.fill(true);
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
