#include "help/adresse.h"

#include <cstdlib>

#include "help/hilfelinks.h"

namespace brelvanostik {

std::string basisadresse() {
    // The same setting as the window's help links, so printouts name the same site.
    const char* eingestellt = std::getenv("BRELVANOSTIK_HILFEADRESSE");
    return hilfeadresseWaehlen(eingestellt != nullptr ? eingestellt : "");
}

}  // namespace brelvanostik
