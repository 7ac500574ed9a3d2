// The salary for a wanted payout and the burden curve.
//   Salary for a wanted payout, a December with the annual adjustment: target <= 50 ms.
//   Burden curve of 1,000 points (each with the point 100 euros further): target <= 100 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "curve/belastungskurve.h"
#include "payout/gehaltssuche.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/zeilen.h"

namespace {

using namespace brelvanostik;

// Case 1 of 2006 with the December adjustment, 9 % church tax, class III with two child
// allowances and a one-time payment in the month shown (`monat`, 0..11).
std::unique_ptr<Sitzung> fall(int monat) {
    Einstellungen e;
    e.Jahr = 2006;
    e.Monat = monat + 1;
    auto s = std::make_unique<Sitzung>(neuerArbeitsbereich(), e);
    s->auswahlTreffen(Seite::Gruen, zeile::Jahresausgleich, wahl::ausgleich::Mit);
    s->auswahlTreffen(Seite::Gruen, zeile::Kirchensteuer, wahl::kirche::Neun);
    s->auswahlTreffen(Seite::Gruen, zeile::Steuerklasse, 2);
    s->auswahlTreffen(Seite::Gruen, zeile::Kinderfreibetraege, 2);
    s->betragEingeben(Seite::Gruen, zeile::Gehalt, "3187,45");
    s->betragEingeben(Seite::Gruen, zeile::EinmaligerBezug, "2500");
    return s;
}

void BM_GehaltZurAuszahlung(benchmark::State& state) {
    const auto sitzung = fall(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Gehaltsantwort a = gehaltFuerAuszahlung(*sitzung, Seite::Gruen, 250000);
        benchmark::DoNotOptimize(a.bild.gehalt);
    }
}
// December (the adjustment month) and January (the month calculation runs furthest).
BENCHMARK(BM_GehaltZurAuszahlung)->Arg(11)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Belastungskurve1000Punkte(benchmark::State& state) {
    const auto sitzung = fall(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const Belastungskurve k = kurveBerechnen(*sitzung, Seite::Gruen, {0, 999000, 1000});
        benchmark::DoNotOptimize(k.punkte.back().auszahlung);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_Belastungskurve1000Punkte)->Arg(11)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
