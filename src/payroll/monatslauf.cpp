#include "payroll/monatslauf.h"

#include <memory>

#include "payroll/monatsberechnung.h"

namespace brelvanostik {

Lohnsteuerrechner monatslaufVorbereiten(const Arbeitsbereich& bereich, int jahr, int berechnung,
                                        int monat) {
    Lohnsteuerrechner vorbereitet;
    if (jahr < kErstesJahr || jahr >= kErstesJahr + kJahre || berechnung < 0 ||
        berechnung >= kBerechnungen || monat < 0 || monat >= kMonate) {
        return vorbereitet;
    }
    // The month's inputs depend only on its own record and the case header, so a run of
    // the year on a copy sets exactly what the stored run set; starting in January carries
    // the engine's state into the month as a whole year's run does.
    auto kopie = std::make_unique<Arbeitsbereich>(bereich);
    Monatsberechnung monatsberechnung;
    monatsberechnung.beobachten([&](int m, const Lohnsteuerrechner& e) {
        if (m == monat) vorbereitet = e;
    });
    monatsberechnung.berechne(*kopie, jahr, berechnung, 0);
    return vorbereitet;
}

}  // namespace brelvanostik
