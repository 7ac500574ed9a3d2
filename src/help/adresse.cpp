#include "help/adresse.h"

#include <cstdlib>

#include "help/hilfelinks.h"

namespace brelvanostik {

std::string basisadresse() {
    const char* eingestellt = std::getenv(kHilfeadresseVariable);
    return hilfeadresseWaehlen(eingestellt != nullptr ? eingestellt : "");
}

}  // namespace brelvanostik
