#pragma once

#include <cstdint>
#include <string>

namespace brelvanostik {

/// German number texts for what the core writes itself (info texts, listings): thousands
/// grouped with a full stop, a decimal comma, a leading minus. The window formats its fields
/// with the user's locale at the edge; texts that the core composes use these two.

/// Hundredths as "##,##0.00": 525000 gives "5.250,00", -5 gives "-0,05".
std::string betragText(std::int64_t hundertstel);

/// A whole number with thousands grouping: 63000 gives "63.000".
std::string ganzzahlText(std::int64_t zahl);

}  // namespace brelvanostik
