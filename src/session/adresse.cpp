#include "session/adresse.h"

namespace brelvanostik {

std::string basisadresse() { return "https://www.brelvanostik.de/"; }

}  // namespace brelvanostik
