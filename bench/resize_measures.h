#pragma once
// The two elastic-layout measures, shared by the benchmark on a main-window-like form and the
// one on the program's real main window.
#include "controls/base/tform.h"
#include "elastic/elastic_form.h"
#include "elastic/elastic_platform.h"
#include "elastic/qt_message_adapter.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>

namespace dorvane::bench {

inline double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One Rescale from design size to 3840 x 2160, the layout only (the event path is switched off).
inline void measureRescaleDesignTo4K(benchmark::State &state, TForm &form, TElasticForm &elastic)
{
    elastic.Adapter()->SetTranslating(false);
    for (auto _ : state) {
        form.SetBounds(0, 0, 616, 468);
        elastic.Rescale();
        form.SetBounds(0, 0, 3840, 2160);
        const auto start = std::chrono::steady_clock::now();
        elastic.Rescale();
        state.SetIterationTime(secondsSince(start));
    }
}

// Through the real event path: the resize event reaches the component, which re-lays out;
// then the window and every control are painted before the call returns.
inline void measureResizeToPaintedFrame(benchmark::State &state, TForm &form)
{
    bool big = false;
    for (auto _ : state) {
        big = !big;
        const QSize client = big ? QSize(1900, 1040) : QSize(1000, 700);
        const auto start = std::chrono::steady_clock::now();
        form.resize(client);
        form.repaint();
        const double elapsed = secondsSince(start);
        if (form.size() != client) {
            state.SkipWithError("the window did not take the new size");
            break;
        }
        state.SetIterationTime(elapsed);
    }
}

inline void showActive(TForm &form)
{
    form.show();
    form.activateWindow();
    while (!form.isActiveWindow())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Offscreen unless a platform is chosen; a 3840 x 2160 screen for the layout's limits.
inline int runQtBenchmarks(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    setMaximizedAreaHook([] { return QRect(0, 0, 3840, 2160); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace dorvane::bench
