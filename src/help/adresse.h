#pragma once

#include <string>

namespace brelvanostik {

/// The maker's web address for the footer of the printouts: the base address of the help
/// links, as set in the environment variable BRELVANOSTIK_HILFEADRESSE (the window's help
/// links read the same setting), otherwise the default address.
std::string basisadresse();

}  // namespace brelvanostik
