#include "workspace/datensaetze.h"

#include <algorithm>

#include "basis/cp1252.h"

namespace brelvanostik {

namespace {

constexpr std::int16_t kWahr = -1;
constexpr std::int16_t kFalsch = 0;

void int16Schreiben(std::span<std::uint8_t> ziel, std::size_t offset, std::int16_t wert) {
    const auto u = static_cast<std::uint16_t>(wert);
    ziel[offset] = static_cast<std::uint8_t>(u & 0xFF);
    ziel[offset + 1] = static_cast<std::uint8_t>(u >> 8);
}

void int32Schreiben(std::span<std::uint8_t> ziel, std::size_t offset, std::int32_t wert) {
    const auto u = static_cast<std::uint32_t>(wert);
    for (std::size_t i = 0; i < 4; ++i) {
        ziel[offset + i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
    }
}

std::int16_t int16Lesen(std::span<const std::uint8_t> quelle, std::size_t offset) {
    const auto u = static_cast<std::uint16_t>(quelle[offset] | (quelle[offset + 1] << 8));
    return static_cast<std::int16_t>(u);
}

std::int32_t int32Lesen(std::span<const std::uint8_t> quelle, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        u |= static_cast<std::uint32_t>(quelle[offset + i]) << (8 * i);
    }
    return static_cast<std::int32_t>(u);
}

template <std::size_t N>
void int32FeldSchreiben(std::span<std::uint8_t> ziel, std::size_t offset,
                        const std::array<std::int32_t, N>& werte) {
    for (std::size_t i = 0; i < N; ++i) int32Schreiben(ziel, offset + 4 * i, werte[i]);
}

template <std::size_t N>
void int32FeldLesen(std::span<const std::uint8_t> quelle, std::size_t offset,
                    std::array<std::int32_t, N>& werte) {
    for (std::size_t i = 0; i < N; ++i) werte[i] = int32Lesen(quelle, offset + 4 * i);
}

/// Ratio flags in file order: element (row - 5) x 12 + month.
void quotenSchreiben(std::span<std::uint8_t> ziel, std::size_t offset,
                     const std::array<std::array<bool, kMonate>, kQuotenZeilen>& flags) {
    for (std::size_t z = 0; z < kQuotenZeilen; ++z) {
        for (std::size_t m = 0; m < kMonate; ++m) {
            int16Schreiben(ziel, offset + 2 * (z * kMonate + m), flags[z][m] ? kWahr : kFalsch);
        }
    }
}

void quotenLesen(std::span<const std::uint8_t> quelle, std::size_t offset,
                 std::array<std::array<bool, kMonate>, kQuotenZeilen>& flags) {
    for (std::size_t z = 0; z < kQuotenZeilen; ++z) {
        for (std::size_t m = 0; m < kMonate; ++m) {
            flags[z][m] = int16Lesen(quelle, offset + 2 * (z * kMonate + m)) != 0;
        }
    }
}

}  // namespace

int monatssatzNummer(int jahrIndex, int berechnung, int monat) {
    return jahrIndex * kBerechnungen * kMonate + berechnung * kMonate + monat + 1;
}

int kopfsatzNummer(int jahrIndex, int berechnung) {
    return jahrIndex * kBerechnungen + berechnung + 1;
}

void monatssatzSchreiben(const Monatssatz& satz, Monatssatzbytes bytes) {
    for (std::size_t z = 0; z < kZeilen; ++z) {
        int16Schreiben(bytes, monatsfeld::Auswahl + 2 * z, satz.Auswahl[z]);
    }
    int32FeldSchreiben(bytes, monatsfeld::Betrag, satz.Betrag);
    int32FeldSchreiben(bytes, monatsfeld::Stundenanteil, satz.Stundenanteil);
    int32FeldSchreiben(bytes, monatsfeld::Tagesanteil, satz.Tagesanteil);
    int32FeldSchreiben(bytes, monatsfeld::Kennwert, satz.Kennwert);
    nachCp1252(satz.Kommentar, bytes.subspan(monatsfeld::Kommentar, kKommentarLaenge));
    int16Schreiben(bytes, monatsfeld::Gemeinsam, satz.Gemeinsam ? kWahr : kFalsch);
}

Monatssatz monatssatzLesen(std::span<const std::uint8_t, kMonatssatzLaenge> bytes) {
    Monatssatz satz;
    for (std::size_t z = 0; z < kZeilen; ++z) {
        satz.Auswahl[z] = int16Lesen(bytes, monatsfeld::Auswahl + 2 * z);
    }
    int32FeldLesen(bytes, monatsfeld::Betrag, satz.Betrag);
    int32FeldLesen(bytes, monatsfeld::Stundenanteil, satz.Stundenanteil);
    int32FeldLesen(bytes, monatsfeld::Tagesanteil, satz.Tagesanteil);
    int32FeldLesen(bytes, monatsfeld::Kennwert, satz.Kennwert);
    satz.Kommentar = ausCp1252(bytes.subspan(monatsfeld::Kommentar, kKommentarLaenge)).text;
    satz.Gemeinsam = int16Lesen(bytes, monatsfeld::Gemeinsam) != 0;
    return satz;
}

void kopfsatzSchreiben(const Fallkopf& kopf, Kopfsatzbytes bytes) {
    int32FeldSchreiben(bytes, kopffeld::KvBbgRest, kopf.KvBbgRest);
    int32FeldSchreiben(bytes, kopffeld::RvBbgRest, kopf.RvBbgRest);
    quotenSchreiben(bytes, kopffeld::InStundenquote, kopf.InStundenquote);
    quotenSchreiben(bytes, kopffeld::InTagesquote, kopf.InTagesquote);
    nachCp1252(kopf.Fallname, bytes.subspan(kopffeld::Fallname, kFallnameLaenge));
    int16Schreiben(bytes, kopffeld::Versorgungsbeginn, kopf.Versorgungsbeginn);
    int16Schreiben(bytes, kopffeld::Reserviert, kopf.Reserviert);
    // In memory the pension amounts are Money counting hundredths; the file holds whole
    // hundredths.
    int32Schreiben(bytes, kopffeld::ErsterVollerMonatsbezug,
                   kopf.ErsterVollerMonatsbezug.toInt32());
    int32Schreiben(bytes, kopffeld::VersorgungsSonderzahlung,
                   kopf.VersorgungsSonderzahlung.toInt32());
    nachCp1252(kopf.ReservierterText,
               bytes.subspan(kopffeld::ReservierterText, kReserviertTextLaenge));
}

Fallkopf kopfsatzLesen(std::span<const std::uint8_t, kKopfsatzLaenge> bytes) {
    Fallkopf kopf;
    int32FeldLesen(bytes, kopffeld::KvBbgRest, kopf.KvBbgRest);
    int32FeldLesen(bytes, kopffeld::RvBbgRest, kopf.RvBbgRest);
    quotenLesen(bytes, kopffeld::InStundenquote, kopf.InStundenquote);
    quotenLesen(bytes, kopffeld::InTagesquote, kopf.InTagesquote);
    kopf.Fallname = ausCp1252(bytes.subspan(kopffeld::Fallname, kFallnameLaenge)).text;
    kopf.Versorgungsbeginn = int16Lesen(bytes, kopffeld::Versorgungsbeginn);
    kopf.Reserviert = int16Lesen(bytes, kopffeld::Reserviert);
    kopf.ErsterVollerMonatsbezug =
        Money::whole(int32Lesen(bytes, kopffeld::ErsterVollerMonatsbezug));
    kopf.VersorgungsSonderzahlung =
        Money::whole(int32Lesen(bytes, kopffeld::VersorgungsSonderzahlung));
    kopf.ReservierterText =
        ausCp1252(bytes.subspan(kopffeld::ReservierterText, kReserviertTextLaenge)).text;
    return kopf;
}

void einstellungssatzSchreiben(const Einstellungen& einstellungen, Kopfsatzbytes bytes) {
    const std::array<std::int32_t, 7> werte = {
        einstellungen.Jahr,  einstellungen.Fall,  einstellungen.Monat, einstellungen.Oben,
        einstellungen.Links, einstellungen.Hoehe, einstellungen.Breite};
    int32FeldSchreiben(bytes, 0, werte);
    std::copy(einstellungen.Rest.begin(), einstellungen.Rest.end(),
              bytes.begin() + kEinstellungsWerteLaenge);
}

Einstellungen einstellungssatzLesen(std::span<const std::uint8_t, kKopfsatzLaenge> bytes) {
    std::array<std::int32_t, 7> werte{};
    int32FeldLesen(bytes, 0, werte);
    Einstellungen einstellungen;
    einstellungen.Jahr = werte[0];
    einstellungen.Fall = werte[1];
    einstellungen.Monat = werte[2];
    einstellungen.Oben = werte[3];
    einstellungen.Links = werte[4];
    einstellungen.Hoehe = werte[5];
    einstellungen.Breite = werte[6];
    std::copy(bytes.begin() + kEinstellungsWerteLaenge, bytes.end(), einstellungen.Rest.begin());
    return einstellungen;
}

std::array<std::uint8_t, kEinstellungsRestLaenge> kopfpufferRest(
    const Arbeitsbereich& arbeitsbereich) {
    std::array<std::uint8_t, kKopfsatzLaenge> puffer{};
    kopfsatzSchreiben(arbeitsbereich.kopf(kJahre - 1, kBerechnungen - 1), puffer);
    std::array<std::uint8_t, kEinstellungsRestLaenge> rest{};
    std::copy(puffer.begin() + kEinstellungsWerteLaenge, puffer.end(), rest.begin());
    return rest;
}

std::vector<std::uint8_t> monatsdateiBytes(const Arbeitsbereich& arbeitsbereich) {
    std::vector<std::uint8_t> datei(kMonatsdateiLaenge);
    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            for (int m = 0; m < kMonate; ++m) {
                const auto beginn =
                    static_cast<std::size_t>(monatssatzNummer(j, b, m) - 1) * kMonatssatzLaenge;
                monatssatzSchreiben(arbeitsbereich.monat(j, b, m),
                                    Monatssatzbytes(datei.data() + beginn, kMonatssatzLaenge));
            }
        }
    }
    return datei;
}

std::vector<std::uint8_t> kopfdateiBytes(const Arbeitsbereich& arbeitsbereich,
                                         const Einstellungen& einstellungen) {
    std::vector<std::uint8_t> datei(kKopfdateiLaenge);  // records 41-400 stay zero bytes
    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            const auto beginn =
                static_cast<std::size_t>(kopfsatzNummer(j, b) - 1) * kKopfsatzLaenge;
            kopfsatzSchreiben(arbeitsbereich.kopf(j, b),
                              Kopfsatzbytes(datei.data() + beginn, kKopfsatzLaenge));
        }
    }
    const std::size_t beginn = (kEinstellungssatzNummer - 1) * kKopfsatzLaenge;
    einstellungssatzSchreiben(einstellungen, Kopfsatzbytes(datei.data() + beginn, kKopfsatzLaenge));
    return datei;
}

}  // namespace brelvanostik
