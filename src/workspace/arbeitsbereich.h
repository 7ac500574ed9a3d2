#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/money.h"

namespace brelvanostik {

inline constexpr int kErstesJahr = 2004;
inline constexpr int kJahre = 4;          ///< tax years 2004..2007
inline constexpr int kBerechnungen = 10;  ///< 0..4 green cases, 5..9 their blue twins
inline constexpr int kFaelle = 5;
inline constexpr int kMonate = 12;
inline constexpr int kZeilen = 31;       ///< rows 0..30 of a month record
inline constexpr int kAnteilZeilen = 8;  ///< Stundenanteil/Tagesanteil hold rows 5..12
inline constexpr int kErsteAnteilZeile = 5;
inline constexpr int kQuotenZeilen = 5;  ///< ratio flags of income rows 5..9

inline constexpr int kKommentarLaenge = 120;
inline constexpr int kFallnameLaenge = 35;
inline constexpr int kReserviertTextLaenge = 23;

/// Largest amount an input row (rows 5-9, 13-16, 25 and the two pension amounts) may
/// hold, in hundredths: 290,000.00 euros. The largest sum the month calculation stores is
/// the annual wage with one-time payments: twelve months of the five income rows and of the
/// additional taxable amount, 72 amounts. 72 x 290,000.00 euros plus the largest employer
/// subsidies still fits a 32-bit count of cents, and so does every twelve-month total of a
/// row the year view shows.
inline constexpr std::int32_t kMaxBetragHundertstel = 29'000'000;

/// Number of amounts the largest stored sum adds up: the annual wage with one-time
/// payments, twelve months of the five income rows and of the additional taxable amount.
inline constexpr std::int32_t kJahresbetraege = 72;

/// Largest magnitude of anything the month calculation stores (result rows, Stundenanteil,
/// Tagesanteil, Kennwert, the carried ceiling remainders): 20,880,000.00 euros, the annual
/// wage that the largest amounts in every month give. The calculation holds every result
/// within it and a load takes every value within it, so whatever the program stored itself
/// loads unchanged. Year totals and the green and blue sum are added in 64 bits.
inline constexpr std::int32_t kMaxErgebnisHundertstel = kJahresbetraege * kMaxBetragHundertstel;

/// One month of one calculation: five row-indexed banks, the comment and the
/// yellow column's mode. Amounts are hundredths (cents, hours x 100, days x 100,
/// percent x 100); deductions negative.
struct Monatssatz {
    std::array<std::int16_t, kZeilen> Auswahl{};              ///< bank 0: choice codes
    std::array<std::int32_t, kZeilen> Betrag{};               ///< bank 1: amounts
    std::array<std::int32_t, kAnteilZeilen> Stundenanteil{};  ///< bank 2: rows 5..12
    std::array<std::int32_t, kAnteilZeilen> Tagesanteil{};    ///< bank 3: rows 5..12
    std::array<std::int32_t, kZeilen> Kennwert{};             ///< bank 4: auxiliary results
    std::string Kommentar;  ///< UTF-8 in memory, at most 120 characters
    bool Gemeinsam = true;  ///< yellow column: true = sum, false = difference

    std::int32_t& stundenanteil(int zeile) { return Stundenanteil.at(zeile - kErsteAnteilZeile); }
    std::int32_t& tagesanteil(int zeile) { return Tagesanteil.at(zeile - kErsteAnteilZeile); }
    std::int32_t stundenanteil(int zeile) const {
        return Stundenanteil.at(zeile - kErsteAnteilZeile);
    }
    std::int32_t tagesanteil(int zeile) const { return Tagesanteil.at(zeile - kErsteAnteilZeile); }

    bool operator==(const Monatssatz&) const = default;
};

/// The header of one calculation of one year.
struct Fallkopf {
    std::array<std::int32_t, kMonate> KvBbgRest{};
    std::array<std::int32_t, kMonate> RvBbgRest{};
    /// [row - 5][month]: the income row takes part in the weekly-hours ratio.
    std::array<std::array<bool, kMonate>, kQuotenZeilen> InStundenquote{};
    /// [row - 5][month]: the income row takes part in the days ratio.
    std::array<std::array<bool, kMonate>, kQuotenZeilen> InTagesquote{};
    std::string Fallname;                ///< UTF-8 in memory, at most 35 characters
    std::int16_t Versorgungsbeginn = 0;  ///< 0 = 2005 or earlier, 1 = 2006, 2 = 2007
    std::int16_t Reserviert = 12;        ///< kept as read, never used
    Money ErsterVollerMonatsbezug;       ///< hundredths
    Money VersorgungsSonderzahlung;      ///< hundredths
    std::string ReservierterText;        ///< kept as read, never used

    bool inStundenquote(int zeile, int monat) const {
        return InStundenquote.at(zeile - kErsteAnteilZeile).at(monat);
    }
    bool inTagesquote(int zeile, int monat) const {
        return InTagesquote.at(zeile - kErsteAnteilZeile).at(monat);
    }

    bool operator==(const Fallkopf&) const = default;
};

/// The whole workspace: four years x ten calculations x twelve months, and forty headers.
/// Indexes are zero-based: year index 0..3 (2004..2007), calculation 0..9, month 0..11.
class Arbeitsbereich {
  public:
    Monatssatz& monat(int jahrIndex, int berechnung, int monat) {
        return monate_.at(jahrIndex).at(berechnung).at(monat);
    }
    const Monatssatz& monat(int jahrIndex, int berechnung, int monat) const {
        return monate_.at(jahrIndex).at(berechnung).at(monat);
    }
    Fallkopf& kopf(int jahrIndex, int berechnung) { return koepfe_.at(jahrIndex).at(berechnung); }
    const Fallkopf& kopf(int jahrIndex, int berechnung) const {
        return koepfe_.at(jahrIndex).at(berechnung);
    }

    bool operator==(const Arbeitsbereich&) const = default;

  private:
    std::array<std::array<std::array<Monatssatz, kMonate>, kBerechnungen>, kJahre> monate_{};
    std::array<std::array<Fallkopf, kBerechnungen>, kJahre> koepfe_{};
};

/// Blue twin of a green calculation index (0..4 -> 5..9).
inline constexpr int zwilling(int gruenIndex) {
    return gruenIndex + kFaelle;
}

}  // namespace brelvanostik
