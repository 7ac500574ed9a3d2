#include "cli/eingaben_json.h"

namespace brelvanostik::cli {

void eingabenSchreiben(JsonSchreiber& j, const Steuereingaben& e) {
    j.objektAnfang();
    eingabefelderSchreiben(j, e);
    j.objektEnde();
}

}  // namespace brelvanostik::cli
