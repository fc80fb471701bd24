// The same two costs on the program's real main window, with its real controls, fonts and
// painting: one Rescale from design size to 3840 x 2160 (layout only), and a resize up to the
// painted frame.
#include "app/main_window/tmainform.h"
#include "resize_measures.h"

#include <QTemporaryDir>
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
        dorvane::bench::showActive(*form);
    }
};

void BM_MainWindowRescaleDesignTo4K(benchmark::State &state)
{
    Window w;
    dorvane::bench::measureRescaleDesignTo4K(state, *w.form, *w.form->findChild<TElasticForm *>());
}
BENCHMARK(BM_MainWindowRescaleDesignTo4K)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)
    ->Repetitions(9)->ReportAggregatesOnly(true);

void BM_MainWindowResizeToPaintedFrame(benchmark::State &state)
{
    Window w;
    dorvane::bench::measureResizeToPaintedFrame(state, *w.form);
}
BENCHMARK(BM_MainWindowResizeToPaintedFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50)
    ->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    return dorvane::bench::runQtBenchmarks(argc, argv);
}
