#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "workspace/arbeitsbereich.h"
#include "workspace/einstellungen.h"

namespace brelvanostik {

/// Byte layout of the two data files: little-endian, packed, texts in Windows-1252
/// padded with blanks, booleans as int16 -1/0. Records are numbered from 1.

inline constexpr std::size_t kMonatssatzLaenge = 496;
inline constexpr int kMonatssaetze = 480;
inline constexpr std::size_t kMonatsdateiLaenge = kMonatssatzLaenge * kMonatssaetze;

inline constexpr std::size_t kKopfsatzLaenge = 406;
inline constexpr int kFallkoepfe = 40;
inline constexpr int kEinstellungssatzNummer = 401;
inline constexpr int kKopfdateiSaetze = 401;
inline constexpr std::size_t kKopfdateiLaenge = kKopfsatzLaenge * kKopfdateiSaetze;

/// Field offsets of a month record.
namespace monatsfeld {
inline constexpr std::size_t Auswahl = 0;
inline constexpr std::size_t Betrag = 62;
inline constexpr std::size_t Stundenanteil = 186;
inline constexpr std::size_t Tagesanteil = 218;
inline constexpr std::size_t Kennwert = 250;
inline constexpr std::size_t Kommentar = 374;
inline constexpr std::size_t Gemeinsam = 494;
}  // namespace monatsfeld

/// Field offsets of a case header.
namespace kopffeld {
inline constexpr std::size_t KvBbgRest = 0;
inline constexpr std::size_t RvBbgRest = 48;
inline constexpr std::size_t InStundenquote = 96;
inline constexpr std::size_t InTagesquote = 216;
inline constexpr std::size_t Fallname = 336;
inline constexpr std::size_t Versorgungsbeginn = 371;
inline constexpr std::size_t Reserviert = 373;
inline constexpr std::size_t ErsterVollerMonatsbezug = 375;
inline constexpr std::size_t VersorgungsSonderzahlung = 379;
inline constexpr std::size_t ReservierterText = 383;
}  // namespace kopffeld

/// The part of the settings record the program reads: seven int32 from offset 0.
inline constexpr std::size_t kEinstellungsWerteLaenge = 28;

using Monatssatzbytes = std::span<std::uint8_t, kMonatssatzLaenge>;
using Kopfsatzbytes = std::span<std::uint8_t, kKopfsatzLaenge>;

/// Record number (1-480) of a month in the month file.
int monatssatzNummer(int jahrIndex, int berechnung, int monat);
/// Record number (1-40) of a case header in the header file.
int kopfsatzNummer(int jahrIndex, int berechnung);

/// Month record to bytes. Texts are cut to their field and padded with blanks.
void monatssatzSchreiben(const Monatssatz& satz, Monatssatzbytes bytes);
/// Bytes to a month record, as stored: no value is checked or corrected; any non-zero
/// `Gemeinsam` reads as true.
Monatssatz monatssatzLesen(std::span<const std::uint8_t, kMonatssatzLaenge> bytes);

/// Case header to bytes; the pension amounts are rounded to whole hundredths.
void kopfsatzSchreiben(const Fallkopf& kopf, Kopfsatzbytes bytes);
/// Bytes to a case header, as stored; any non-zero flag reads as true.
Fallkopf kopfsatzLesen(std::span<const std::uint8_t, kKopfsatzLaenge> bytes);

/// Settings to the bytes of record 401 (the seven values and `Rest`).
void einstellungssatzSchreiben(const Einstellungen& einstellungen, Kopfsatzbytes bytes);
/// Record 401 to settings, as stored, `Rest` included.
Einstellungen einstellungssatzLesen(std::span<const std::uint8_t, kKopfsatzLaenge> bytes);

/// Bytes 28-405 of the header of record 40 (2007, last blue case): what the settings
/// record carries after its seven values when it is written together with the headers.
std::array<std::uint8_t, kEinstellungsRestLaenge> kopfpufferRest(
    const Arbeitsbereich& arbeitsbereich);

/// The whole month file (480 records).
std::vector<std::uint8_t> monatsdateiBytes(const Arbeitsbereich& arbeitsbereich);
/// The whole header file: 40 headers, records 41-400 zero bytes, record 401 the settings.
std::vector<std::uint8_t> kopfdateiBytes(const Arbeitsbereich& arbeitsbereich,
                                         const Einstellungen& einstellungen);

}  // namespace brelvanostik
