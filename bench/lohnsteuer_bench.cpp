// Speed of one monthly wage tax run (target: at least 2,000,000 runs a second on one core).
#include <benchmark/benchmark.h>

#include "engine/lohnsteuer.h"

namespace {

using brelvanostik::Lohnsteuerrechner;
using brelvanostik::Money;

void monatslauf(benchmark::State& state, int klasse) {
    Lohnsteuerrechner e;
    e.JAHR = 2007;
    e.LZZ = 2;
    e.STKL = klasse;
    e.R = 1;
    e.ZKF = Money::whole(1);
    std::int64_t lohn = 300000;
    for (auto _ : state) {
        e.RE4 = Money::whole(lohn);
        e.lohnsteuer();
        benchmark::DoNotOptimize(e.LSTPERIODE);
        lohn = lohn == 300000 ? 300100 : 300000;  // keep the optimiser from folding the run
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_LohnsteuerMonatKlasse1(benchmark::State& state) {
    monatslauf(state, 1);
}
void BM_LohnsteuerMonatKlasse5(benchmark::State& state) {
    monatslauf(state, 5);
}

BENCHMARK(BM_LohnsteuerMonatKlasse1);
BENCHMARK(BM_LohnsteuerMonatKlasse5);

}  // namespace
