// The same two costs on the program's real main window, with its real controls, fonts and
// painting: one Rescale from design size to 3840 x 2160 (layout only), and a resize up to the
// painted frame.
#include "app/tmainform.h"
#include "elastic/elastic_form.h"
#include "elastic/elastic_platform.h"
#include "elastic/qt_message_adapter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <memory>

namespace {

struct Window
{
    QTemporaryDir home;
    dorvane::SilentClips clips;
    std::unique_ptr<TMainForm> form;

    Window()
    {
        MainFormEnvironment env;
        env.executablePath = home.filePath(QStringLiteral("Dorvane"));
        env.clips = &clips;
        form = std::make_unique<TMainForm>(env);
        form->show();
        form->activateWindow();
        while (!form->isActiveWindow())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    TElasticForm *elastic() const { return form->findChild<TElasticForm *>(); }
};

void BM_MainWindowRescaleDesignTo4K(benchmark::State &state)
{
    Window w;
    TElasticForm *elastic = w.elastic();
    elastic->Adapter()->SetTranslating(false); // only the layout, not the event path
    for (auto _ : state) {
        w.form->SetBounds(0, 0, 616, 468);
        elastic->Rescale();
        w.form->SetBounds(0, 0, 3840, 2160);
        const auto start = std::chrono::steady_clock::now();
        elastic->Rescale();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_MainWindowRescaleDesignTo4K)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)
    ->Repetitions(9)->ReportAggregatesOnly(true);

// The resize event reaches the component, which re-lays out; then the window and every control
// are painted before the call returns.
void BM_MainWindowResizeToPaintedFrame(benchmark::State &state)
{
    Window w;
    bool big = false;
    for (auto _ : state) {
        big = !big;
        const QSize client = big ? QSize(1900, 1040) : QSize(1000, 700);
        const auto start = std::chrono::steady_clock::now();
        w.form->resize(client);
        w.form->repaint();
        const auto end = std::chrono::steady_clock::now();
        if (w.form->size() != client) {
            state.SkipWithError("the window did not take the new size");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
BENCHMARK(BM_MainWindowResizeToPaintedFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)
    ->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    dorvane::setMaximizedAreaHook([] { return QSize(3840, 2160); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
