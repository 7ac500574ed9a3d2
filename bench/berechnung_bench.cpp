// Speed of the month calculation and of the data files.
//   Full recalculation of all 40 calculations from January (480 months): target <= 2 ms.
//   Loading and saving both data files: target <= 20 ms.
//   The recovery file after an edit (compare, build, write and force to disk), and the
//   compare alone when nothing changed.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "basis/verzeichnissperre.h"
#include "payroll/monatsberechnung.h"
#include "workspace/datendateien.h"
#include "workspace/neuer_arbeitsbereich.h"
#include "workspace/wiederherstellung.h"

namespace {

using namespace brelvanostik;

// A workspace with work in it: salaries, a one-time payment, a pension, part months.
Arbeitsbereich belegterArbeitsbereich() {
    Arbeitsbereich a = neuerArbeitsbereich();
    for (int j = 0; j < kJahre; ++j) {
        for (int b = 0; b < kBerechnungen; ++b) {
            for (int m = 0; m < kMonate; ++m) {
                Monatssatz& s = a.monat(j, b, m);
                s.Betrag[5] = 250000 + 10000 * b;
                s.Betrag[6] = b % 3 == 0 ? 50000 : 0;
                s.Betrag[7] = m == 5 ? 300000 : 0;
                s.Auswahl[17] = static_cast<std::int16_t>(b % 6);
                s.Auswahl[19] = 2;
                s.Auswahl[28] = static_cast<std::int16_t>(b % 4);
            }
        }
    }
    return a;
}

void BM_AlleBerechnungenAbJanuar(benchmark::State& state) {
    Arbeitsbereich a = belegterArbeitsbereich();
    Monatsberechnung rechner;
    for (auto _ : state) {
        for (int jahr = 2004; jahr <= 2007; ++jahr) {
            for (int b = 0; b < kBerechnungen; ++b) rechner.berechne(a, jahr, b, 0);
        }
        benchmark::DoNotOptimize(a.monat(3, 9, 11).Betrag[26]);
    }
    state.SetItemsProcessed(state.iterations() * 480);
}
BENCHMARK(BM_AlleBerechnungenAbJanuar)->Unit(benchmark::kMillisecond);

void BM_LadenUndSpeichern(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "brelvanostik-bench";
    std::filesystem::create_directories(dir);
    Sperrproblem problem;
    const auto sperre = Verzeichnissperre::nehmen(dir, problem);
    const Arbeitsbereich a = belegterArbeitsbereich();
    speichern(*sperre, a, neueEinstellungen(a));
    for (auto _ : state) {
        Ladeergebnis l = laden(dir);
        if (speichern(*sperre, l.arbeitsbereich, l.einstellungen).fehler)
            state.SkipWithError("speichern");
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LadenUndSpeichern)->Unit(benchmark::kMillisecond);

/// What the window does shortly after an edit: compare the workspace with the last state
/// written and, when it changed (range 1), write the recovery file.
void BM_Wiederherstellungsdatei(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "brelvanostik-bench-wh";
    std::filesystem::create_directories(dir);
    Sperrproblem problem;
    const auto sperre = Verzeichnissperre::nehmen(dir, problem);
    Arbeitsbereich a = belegterArbeitsbereich();
    const Einstellungen e = neueEinstellungen(a);
    speichern(*sperre, a, e);
    const Datenstand basis = datenstandErmitteln(dir);
    std::vector<std::uint8_t> geschrieben = arbeitsstand(a);
    for (auto _ : state) {
        if (state.range(0) == 1) ++a.monat(3, 0, 0).Betrag[5];
        std::vector<std::uint8_t> stand = arbeitsstand(a);
        if (stand == geschrieben) continue;
        if (wiederherstellungSchreiben(*sperre, wiederherstellungBytes(a, e, basis, 1)))
            state.SkipWithError("schreiben");
        geschrieben = std::move(stand);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_Wiederherstellungsdatei)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
