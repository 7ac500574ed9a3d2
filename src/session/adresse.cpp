#include "session/adresse.h"

#include <cstdlib>

#include "session/hilfelinks.h"

namespace brelvanostik {

std::string basisadresse() {
    // The same setting as the window's help links, so printouts name the same site.
    const char* eingestellt = std::getenv("BRELVANOSTIK_HILFEADRESSE");
    return hilfeadresseWaehlen(eingestellt != nullptr ? eingestellt : "");
}

}  // namespace brelvanostik
