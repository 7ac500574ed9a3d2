// Speed of the tax steps window: one recomputation of the listing in the core (three
// engine runs and 113 lines), opening the window from the main window, and a field change
// in the window with the grid redrawn. Target: 20 ms each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include "taxsteps/steuerschritte.h"
#include "ui/hauptfenster.h"
#include "ui/meldungen.h"
#include "ui/programm.h"
#include "ui/steuerschrittefenster.h"

using namespace brelvanostik;

namespace {

class StilleMeldungen final : public Meldungsanzeige {
  public:
    void zeigen(const Meldung&) override {}
    Entscheidung speicherproblem(const QString&, bool) override {
        return Entscheidung::NichtSpeichern;
    }
    std::optional<std::filesystem::path> verzeichnisWaehlen() override { return std::nullopt; }
    bool bestaetigen(const QString&, const QString&) override { return false; }
    bool wiederherstellen(const QString&) override { return true; }
    std::optional<std::filesystem::path> pdfDateiWaehlen(const QString&) override {
        return std::nullopt;
    }
};

StilleMeldungen stille;

void BM_ListeNeuBerechnen(benchmark::State& state) {
    Steuerschritte schritte;
    schritte.waehlen(Steuerschritte::Liste::Kinder, 2);
    std::int64_t lohn = 300000;
    for (auto _ : state) {
        schritte.feldAendern(0, lohn);
        benchmark::DoNotOptimize(schritte.liste().zeilen[90].ergebnis);
        lohn = lohn == 300000 ? 300100 : 300000;
    }
}
BENCHMARK(BM_ListeNeuBerechnen)->Unit(benchmark::kMicrosecond);

struct Hauptprogramm {
    QTemporaryDir verzeichnis;
    Programm programm{verzeichnis.path().toStdString(), stille};
    bool bereit = programm.starten();
};

void BM_FensterOeffnen(benchmark::State& state) {
    Hauptprogramm p;
    if (!p.bereit) {
        state.SkipWithError("Programmstart");
        return;
    }
    Hauptfenster* haupt = p.programm.fenster();
    haupt->show();
    for (auto _ : state) {
        haupt->steuerschritteOeffnen();
        auto* fenster = haupt->findChild<SteuerschritteFenster*>();
        QApplication::processEvents();
        fenster->repaint();
        state.PauseTiming();
        fenster->hide();
        state.ResumeTiming();
    }
    haupt->hide();
}
BENCHMARK(BM_FensterOeffnen)->Unit(benchmark::kMillisecond);

void BM_FeldAendernImFenster(benchmark::State& state) {
    Hauptprogramm p;
    if (!p.bereit) {
        state.SkipWithError("Programmstart");
        return;
    }
    Hauptfenster* haupt = p.programm.fenster();
    haupt->show();
    haupt->steuerschritteOeffnen();
    auto* fenster = haupt->findChild<SteuerschritteFenster*>();
    auto* feld = fenster->findChild<QLineEdit*>(QStringLiteral("feld_0"));
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        feld->setText(i++ % 2 == 0 ? QStringLiteral("3000") : QStringLiteral("3100"));
        feld->setModified(true);
        QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(feld, &verlassen);
        QApplication::processEvents();
        fenster->repaint();
    }
    fenster->hide();
    haupt->hide();
}
BENCHMARK(BM_FeldAendernImFenster)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication anwendung(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
