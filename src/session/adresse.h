#pragma once

#include <string>

namespace brelvanostik {

/// The maker's web address: the footer of every printout and the base of the help pages.
std::string basisadresse();

}  // namespace brelvanostik
