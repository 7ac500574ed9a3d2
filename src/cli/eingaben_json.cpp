#include "cli/eingaben_json.h"

namespace brelvanostik::cli {

void eingabenSchreiben(JsonSchreiber& j, const Steuereingaben& e) {
    j.objektAnfang();
    j.feld("JAHR", std::int64_t{e.JAHR});
    j.feld("LZZ", std::int64_t{e.LZZ});
    j.feld("RE4", e.RE4);
    j.feld("VBEZ", e.VBEZ);
    j.feld("WFundF", e.WFundF);
    j.feld("HINZUR", e.HINZUR);
    j.feld("STKL", std::int64_t{e.STKL});
    j.feld("ZKF", e.ZKF);
    j.feld("KRV", std::int64_t{e.KRV});
    j.feld("R", std::int64_t{e.R});
    j.feld("AJAHR", std::int64_t{e.AJAHR});
    j.feld("Alter1", std::int64_t{e.Alter1});
    j.feld("VJAHR", std::int64_t{e.VJAHR});
    j.feld("VBEZM", e.VBEZM);
    j.feld("VBEZS", e.VBEZS);
    j.feld("ZMVB", e.ZMVB);
    j.objektEnde();
}

}  // namespace brelvanostik::cli
