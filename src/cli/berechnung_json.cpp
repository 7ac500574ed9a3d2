#include "cli/berechnung_json.h"

namespace brelvanostik::cli {

namespace {

template <typename Feld>
void zahlen(JsonSchreiber& json, std::string_view name, const Feld& feld) {
    json.feldAnfang(name);
    json.arrayAnfang();
    for (const auto wert : feld) json.wert(static_cast<std::int64_t>(wert));
    json.arrayEnde();
}

}  // namespace

void berechnungSchreiben(JsonSchreiber& json, const Arbeitsbereich& bereich, int jahr,
                         int berechnung) {
    const int j = jahr - kErstesJahr;
    const Fallkopf& kopf = bereich.kopf(j, berechnung);
    json.objektAnfang();
    json.feld("jahr", std::int64_t{jahr});
    json.feld("fall", std::int64_t{berechnung + 1});
    json.feld("Fallname", std::string_view(kopf.Fallname));
    zahlen(json, "KvBbgRest", kopf.KvBbgRest);
    zahlen(json, "RvBbgRest", kopf.RvBbgRest);
    json.feldAnfang("monate");
    json.arrayAnfang();
    for (int m = 0; m < kMonate; ++m) {
        const Monatssatz& satz = bereich.monat(j, berechnung, m);
        json.objektAnfang();
        json.feld("monat", std::int64_t{m + 1});
        zahlen(json, "Auswahl", satz.Auswahl);
        zahlen(json, "Betrag", satz.Betrag);
        zahlen(json, "Stundenanteil", satz.Stundenanteil);
        zahlen(json, "Tagesanteil", satz.Tagesanteil);
        zahlen(json, "Kennwert", satz.Kennwert);
        json.feld("Kommentar", std::string_view(satz.Kommentar));
        json.feld("Gemeinsam", satz.Gemeinsam);
        json.objektEnde();
    }
    json.arrayEnde();
    json.objektEnde();
}

}  // namespace brelvanostik::cli
