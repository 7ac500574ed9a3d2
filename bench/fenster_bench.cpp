// Speed of the main window: leaving an amount field (store, recalculate both sides, redraw
// and paint the window), opening the all-months table, and the start of the program up to
// the painted window.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

#include "ui/hauptfenster.h"
#include "ui/meldungen.h"
#include "ui/programm.h"

using namespace brelvanostik;

namespace {

/// No dialogs in a measurement.
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

/// The window is drawn completely: pending layouts done, every control painted.
void fertigZeichnen(QWidget* fenster) {
    QApplication::processEvents();
    fenster->repaint();
}

void BM_BetragsfeldVerlassen(benchmark::State& state) {
    QTemporaryDir verzeichnis;
    Programm programm(verzeichnis.path().toStdString(), stille);
    if (!programm.starten()) {
        state.SkipWithError("Programmstart");
        return;
    }
    Hauptfenster* fenster = programm.fenster();
    fenster->resize(1024, 740);
    fenster->show();
    fertigZeichnen(fenster);
    auto* feld = fenster->findChild<QLineEdit*>(QStringLiteral("betrag_5"));
    // January: the recalculation runs through all twelve months of both calculations.
    int i = 0;
    for (auto _ : state) {
        feld->setText(i++ % 2 == 0 ? QStringLiteral("3000") : QStringLiteral("3100"));
        feld->setModified(true);
        QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(feld, &verlassen);
        fertigZeichnen(fenster);
    }
    fenster->hide();  // no save: the directory is thrown away
}
BENCHMARK(BM_BetragsfeldVerlassen)->Unit(benchmark::kMillisecond);

void BM_AlleMonateOeffnen(benchmark::State& state) {
    QTemporaryDir verzeichnis;
    Programm programm(verzeichnis.path().toStdString(), stille);
    if (!programm.starten()) {
        state.SkipWithError("Programmstart");
        return;
    }
    Hauptfenster* fenster = programm.fenster();
    fenster->resize(1024, 740);
    fenster->show();
    fertigZeichnen(fenster);
    auto* alleMonate = fenster->findChild<QPushButton*>(QStringLiteral("monat_13"));
    auto* januar = fenster->findChild<QPushButton*>(QStringLiteral("monat_0"));
    for (auto _ : state) {
        alleMonate->click();
        fertigZeichnen(fenster);
        state.PauseTiming();
        januar->click();
        fertigZeichnen(fenster);
        state.ResumeTiming();
    }
    fenster->hide();
}
BENCHMARK(BM_AlleMonateOeffnen)->Unit(benchmark::kMillisecond);

void BM_ProgrammstartBisZumFenster(benchmark::State& state) {
    QTemporaryDir verzeichnis;
    {
        // The files of a previous run, as at every start but the first.
        Programm erster(verzeichnis.path().toStdString(), stille);
        if (!erster.starten() || !erster.fenster()->close()) {
            state.SkipWithError("erster Start");
            return;
        }
    }
    for (auto _ : state) {
        auto programm = std::make_unique<Programm>(verzeichnis.path().toStdString(), stille);
        if (!programm->starten()) {
            state.SkipWithError("Programmstart");
            return;
        }
        programm->fenster()->show();
        fertigZeichnen(programm->fenster());
        state.PauseTiming();
        programm->fenster()->hide();
        programm.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProgrammstartBisZumFenster)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QElapsedTimer uhr;
    uhr.start();
    QApplication anwendung(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    std::printf("QApplication angelegt in %lld ms\n", static_cast<long long>(uhr.elapsed()));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
