#pragma once

#include <array>
#include <cstdint>

namespace brelvanostik {

/// The main window's standard size, in twips.
inline constexpr std::int32_t kStandardHoeheTwips = 9885;
inline constexpr std::int32_t kStandardBreiteTwips = 11145;

/// Bytes 28-405 of the settings record: the program ignores them when reading.
inline constexpr int kEinstellungsRestLaenge = 378;

/// The settings record (record 401 of the header file): the selection and the main
/// window's place at the last exit. Geometry is in twips.
struct Einstellungen {
    std::int32_t Jahr = 2007;  ///< tax year 2004-2007
    std::int32_t Fall = 1;     ///< calculation number 1-10
    std::int32_t Monat = 1;    ///< month 1-12 (month button index + 1)
    std::int32_t Oben = 0;
    std::int32_t Links = 0;
    std::int32_t Hoehe = kStandardHoeheTwips;
    std::int32_t Breite = kStandardBreiteTwips;
    /// Bytes 28-405 of the record, kept so that a record can be written back exactly as
    /// read. A new file holds there what the header buffer last held: the header of
    /// record 40 from byte 28 on.
    std::array<std::uint8_t, kEinstellungsRestLaenge> Rest{};

    bool operator==(const Einstellungen&) const = default;
};

}  // namespace brelvanostik
