#pragma once

#include <string>

namespace brelvanostik {

/// The environment variable that sets the base address of every help link.
inline constexpr const char* kHilfeadresseVariable = "BRELVANOSTIK_HILFEADRESSE";

/// The base address of the help links and of the printouts' footer: the environment
/// variable's value when it is a web address, otherwise the default. The window's links, its
/// printouts and the command-line tool all take it from here.
std::string basisadresse();

}  // namespace brelvanostik
