#include "session/taschenrechner_uebergabe.h"

#include <cstdint>

#include "basis/eingabe.h"
#include "workspace/arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik {

namespace {

constexpr std::string_view kTitel = "Betrag übernehmen";

Uebergabe abgelehnt(std::string text) {
    return {std::nullopt,
            Meldung{std::string(kTitel), std::move(text), Meldung::Symbol::Ausrufezeichen}};
}

Uebergabe zuHoch() {
    return abgelehnt(
        "Der Betrag des Rechners ist zu hoch: ein Betragsfeld nimmt höchstens 290.000,00 Euro "
        "auf.\nEs wurde nichts übernommen.");
}

}  // namespace

Uebergabe taschenrechnerUebergabe(std::string_view anzeige, int zeile) {
    // The display holds a sign, digits with one decimal comma, or (for very large or
    // small results) an exponent. The cents are taken from the text itself, so that the
    // rounding sees the digits the user sees.
    std::string_view zahl = anzeige;
    const bool negativ = !zahl.empty() && zahl.front() == '-';
    if (negativ) zahl.remove_prefix(1);
    const auto exponent = zahl.find('E');
    std::string_view mantisse = zahl.substr(0, exponent);
    bool ziffern = false;
    int kommas = 0;
    for (const char c : mantisse) {
        if (c == ',') {
            ++kommas;
        } else if (c >= '0' && c <= '9') {
            ziffern = true;
        } else {
            return abgelehnt("Die Anzeige des Rechners „" + std::string(anzeige) +
                             "“ ist kein Betrag. Es wurde nichts übernommen.");
        }
    }
    if (!ziffern || kommas > 1) {
        return abgelehnt("Die Anzeige des Rechners „" + std::string(anzeige) +
                         "“ ist kein Betrag. Es wurde nichts übernommen.");
    }

    std::int64_t cent = 0;
    if (exponent != std::string_view::npos) {
        // Results are written with an exponent only from 1E+15 up and below 1E-4: far
        // above the limit, or less than half a cent.
        const std::string_view hoch = zahl.substr(exponent + 1);
        if (hoch.empty() || hoch.front() != '-') return zuHoch();
    } else {
        // Leading zeros say nothing; more integer digits than the limit has is too much.
        const auto erste = mantisse.find_first_not_of('0');
        mantisse.remove_prefix(erste == std::string_view::npos ? mantisse.size() : erste);
        const auto komma = mantisse.find(',');
        if ((komma == std::string_view::npos ? mantisse.size() : komma) > 12) return zuHoch();
        const auto wert =
            hundertstel(mantisse.empty() || mantisse.front() == ',' ? "0" + std::string(mantisse)
                                                                    : std::string(mantisse));
        if (!wert)
            return abgelehnt(
                "Die Anzeige des Rechners ist kein Betrag. Es wurde nichts übernommen.");
        cent = *wert;
    }
    if (cent > kMaxBetragHundertstel) return zuHoch();
    if (negativ && cent != 0 && zeile != zeile::Abzug) {
        return abgelehnt(
            "Ein negativer Betrag kann nur als Sparbetrag übernommen werden.\n"
            "Es wurde nichts übernommen.");
    }
    return {std::to_string(cent / 100) + ',' + (cent % 100 < 10 ? "0" : "") +
                std::to_string(cent % 100),
            std::nullopt};
}

Uebergabe memoEintrag(std::string_view text) {
    const std::string eintrag = text.empty() ? std::string("0") : std::string(text);
    const std::optional<std::int64_t> wert = hundertstel(eintrag);
    if (!wert || !feldtextZulaessig(eintrag)) {
        return {std::nullopt, Meldung{"Memofeld", "Das Memofeld nimmt nur einen Betrag auf.",
                                      Meldung::Symbol::Ausrufezeichen}};
    }
    if (*wert > kMaxBetragHundertstel) {
        return {std::nullopt,
                Meldung{"Memofeld", "Das Memofeld nimmt höchstens 290.000,00 Euro auf.",
                        Meldung::Symbol::Ausrufezeichen}};
    }
    return {eintrag, std::nullopt};
}

}  // namespace brelvanostik
