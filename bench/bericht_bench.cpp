// Speed of the printed reports' page content: a case with income in every month.
#include <benchmark/benchmark.h>

#include <memory>

#include "print/bericht_beide.h"
#include "print/bericht_einzeln.h"
#include "print/bericht_tabelle.h"
#include "session/sitzung.h"
#include "workspace/neuer_arbeitsbereich.h"

using namespace brelvanostik;

namespace {

std::unique_ptr<Sitzung> fall(bool jahr) {
    Einstellungen e;
    e.Jahr = 2007;
    e.Fall = 1;
    e.Monat = 3;
    auto s = std::make_unique<Sitzung>(neuerArbeitsbereich(), e);
    s->betragEingeben(Seite::Gruen, 5, "3000");
    s->betragEingeben(Seite::Gruen, 7, "1500");
    s->betragEingeben(Seite::Blau, 5, "3600");
    if (jahr) s->jahresgehaltZeigen();
    return s;
}

void BM_BerichtBeideMonat(benchmark::State& state) {
    const auto s = fall(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(druck::berichtBeide(*s, "https://www.example.org"));
}
BENCHMARK(BM_BerichtBeideMonat)->Unit(benchmark::kMicrosecond);

void BM_BerichtBeideJahr(benchmark::State& state) {
    const auto s = fall(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(druck::berichtBeide(*s, "https://www.example.org"));
}
BENCHMARK(BM_BerichtBeideJahr)->Unit(benchmark::kMicrosecond);

void BM_BerichtEinzeln(benchmark::State& state) {
    const auto s = fall(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(druck::berichtEinzeln(*s, Seite::Blau, "https://www.example.org"));
}
BENCHMARK(BM_BerichtEinzeln)->Unit(benchmark::kMicrosecond);

void BM_BerichtTabelle(benchmark::State& state) {
    const auto s = fall(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            druck::berichtTabelle(*s, Seite::Gruen, "06.12.2026", "https://www.example.org"));
}
BENCHMARK(BM_BerichtTabelle)->Unit(benchmark::kMicrosecond);

}  // namespace
