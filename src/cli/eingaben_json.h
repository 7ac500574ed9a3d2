#pragma once

#include "cli/json.h"
#include "session/schrittliste.h"

namespace brelvanostik::cli {

/// The sixteen engine inputs of a run as a JSON object, by their engine names.
void eingabenSchreiben(JsonSchreiber& j, const Steuereingaben& e);

}  // namespace brelvanostik::cli
