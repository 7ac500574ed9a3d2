#pragma once

#include <cstdint>

#include "cli/json.h"
#include "taxsteps/schrittliste.h"

namespace brelvanostik::cli {

/// The sixteen engine inputs as JSON fields, by their engine names and in the engine's order,
/// from anything that holds them under those names (the engine itself or a set of inputs).
template <class Eingaben>
void eingabefelderSchreiben(JsonSchreiber& j, const Eingaben& e) {
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
}

/// The sixteen engine inputs of a run as a JSON object.
void eingabenSchreiben(JsonSchreiber& j, const Steuereingaben& e);

}  // namespace brelvanostik::cli
