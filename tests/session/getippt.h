#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "basis/zahltext.h"
#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace brelvanostik::getippt {

/// A case as the user builds it: choices and amounts typed into a month (1..12) of a case.
struct Aufbau {
    int jahr = 2007, monat = 1;
    std::vector<std::pair<int, int>> gruen;             // row, choice code
    std::vector<std::pair<int, std::string>> betraege;  // row, green text as typed
    std::vector<std::pair<int, int>> blau = {};         // row, choice code
    int fall = 1;
};

inline std::unique_ptr<Sitzung> sitzung(const Aufbau& a) {
    Einstellungen e;
    e.Jahr = a.jahr;
    e.Monat = a.monat;
    e.Fall = a.fall;
    auto s = std::make_unique<Sitzung>(neuerArbeitsbereich(), e);
    for (const auto& [zeile, code] : a.gruen) s->auswahlTreffen(Seite::Gruen, zeile, code);
    for (const auto& [zeile, text] : a.betraege) s->betragEingeben(Seite::Gruen, zeile, text);
    for (const auto& [zeile, code] : a.blau) s->auswahlTreffen(Seite::Blau, zeile, code);
    return s;
}

/// The amounts the window shows for the displayed month after `gehalt` is typed into a side
/// of a copy of the session's case.
inline std::array<std::int32_t, kZeilen> monat(const Sitzung& vorlage, Seite seite,
                                               std::int64_t gehalt) {
    Sitzung s(vorlage.arbeitsbereich(), vorlage.einstellungen());
    EXPECT_TRUE(s.betragEingeben(seite, zeile::Gehalt, zahltext::feldtext(gehalt)).angenommen);
    return s.arbeitsbereich().monat(s.jahresknopf(), s.berechnung(seite), s.monat()).Betrag;
}

/// The month's payout the window shows after `gehalt` is typed in.
inline std::int32_t auszahlung(const Sitzung& vorlage, Seite seite, std::int64_t gehalt) {
    return monat(vorlage, seite, gehalt)[zeile::Auszahlung];
}

}  // namespace brelvanostik::getippt
