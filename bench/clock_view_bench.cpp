// The clock view full screen at 3840 x 2160 while the clock counts: how long from a tick to the
// painted frame, how often and how much of the view each tick repaints, and how much CPU a second
// of counting costs. Three variants in turn: the time alone, with the time of day in its corner,
// and with the progress bar.
//
//   clock_view_bench [--ticks N] [--seconds S]   (S seconds for each variant)
//
// The window's files live in a temporary folder. Without a platform chosen (QT_QPA_PLATFORM or
// a display), the offscreen platform is given a single 3840 x 2160 screen; on a display, the
// view goes full screen on whatever screen it is on (run it on a 3840 x 2160 one, with a
// window manager, for the same measure on X).
#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/stage_view.h"
#include "app/clock_view/tclockviewform.h"
#include "app/main_window/tmainform.h"
#include "app/window_modes.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts the paints of the view's picture and of the view itself, and the pixels they cover.
class PaintCounter final : public QObject
{
public:
    explicit PaintCounter(TClockViewForm &view)
    {
        watch(view.Stage());
        watch(&view);
    }
    void reset()
    {
        counts.clear();
        pixels = 0;
    }
    bool painted(const QWidget *w) const { return counts.value(w->objectName()) > 0; }
    QMap<QString, int> counts;
    double pixels = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++counts[watched->objectName()];
            for (const QRect &r : static_cast<QPaintEvent *>(event)->region())
                pixels += double(r.width()) * r.height();
        }
        return false;
    }

private:
    void watch(QWidget *w) { w->installEventFilter(this); }
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
}

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char **argv)
{
    int ticks = 60;
    int seconds = 30;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--ticks"))
            ticks = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--seconds"))
            seconds = std::max(1, std::atoi(argv[i + 1]));
    }

    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir home;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        const QString config = home.filePath(QStringLiteral("screens.json"));
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 3840, "height": 2160,
                        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit().constData(), 1);
    }
    QApplication app(argc, argv);

    dorvane::SilentClips clips;
    MainFormEnvironment env;
    env.executablePath = home.filePath(QStringLiteral("Dorvane"));
    env.clips = &clips;
    TMainForm main(env);
    main.show();
    main.activateWindow();
    settle(300);
    // Ten minutes counting down: no colour cue or clip falls due while it is measured.
    dorvane::writePublished(main.control("spnMin"), QStringLiteral("Value"), 10);
    main.btnResetClick();

    main.ShowClockView(true);
    TClockViewForm &view = *main.clockView().Form();
    main.clockView().Modes()->SetFullScreen(true);
    const QSize screen = view.screen()->geometry().size();
    QElapsedTimer wait;
    wait.start();
    while (view.size() != screen && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    settle(500);
    std::printf("platform %s, screen %d x %d, clock view %d x %d%s\n", qPrintable(QGuiApplication::platformName()),
                screen.width(), screen.height(), view.width(), view.height(),
                view.isFullScreen() ? ", full screen" : "");

    const struct
    {
        const char *name;
        dorvane::StageOptions options;
    } variants[] = {
        {"plain", {}},
        {"with the time of day", [] { dorvane::StageOptions o; o.timeOfDay = true; return o; }()},
        {"with the progress bar", [] { dorvane::StageOptions o; o.progressBar = true; return o; }()},
    };
    PaintCounter paints(view);
    QWidget *stage = view.Stage();
    const double viewPixels = double(view.width()) * view.height();
    for (const auto &variant : variants) {
        main.btnStopClick();
        main.btnResetClick();
        main.clockView().SetOptions(variant.options);
        settle(200);

        // Ticks fired one by one, as the timer fires them: the time until the view's frame is painted.
        QMap<QString, int> paintsOverTicks;
        double pixelsOverTicks = 0;
        std::vector<double> toFrameMs;
        // The clock runs, on a timer too slow to tick by itself: the ticks below are the only ones.
        main.timer()->SetInterval(3600 * 1000);
        main.btnStartClick();
        for (int i = 0; i < ticks; ++i) {
            paints.reset();
            QElapsedTimer t;
            t.start();
            main.timer()->Tick();
            while (!paints.painted(stage))
                QApplication::processEvents(QEventLoop::AllEvents);
            toFrameMs.push_back(double(t.nsecsElapsed()) / 1e6);
            settle(20); // anything else the tick set off
            for (auto it = paints.counts.begin(); it != paints.counts.end(); ++it)
                paintsOverTicks[it.key()] += it.value();
            pixelsOverTicks += paints.pixels;
        }
        std::printf("[%s] tick to painted frame over %d ticks: median %.2f ms, 90th percentile %.2f ms, max %.2f ms\n",
                    variant.name, ticks, percentile(toFrameMs, 0.5), percentile(toFrameMs, 0.9),
                    percentile(toFrameMs, 1.0));
        std::printf("[%s] paints per tick:", variant.name);
        for (auto it = paintsOverTicks.begin(); it != paintsOverTicks.end(); ++it)
            std::printf(" %s %.2f", qPrintable(it.key()), double(it.value()) / ticks);
        std::printf("; repainted %.1f %% of the view per tick\n", 100 * pixelsOverTicks / ticks / viewPixels);

        // Counting on the real one-second timer: the process's CPU time per second of counting.
        main.btnStopClick();
        main.timer()->SetInterval(1000);
        main.btnStartClick();
        settle(50);
        paints.reset();
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        // Not quit(), which asks every window to close, and the clock view only hides.
        QTimer::singleShot(seconds * 1000, &app, [] { QCoreApplication::exit(0); });
        app.exec();
        const double cpu = cpuSeconds() - cpuBefore;
        const double elapsed = double(wall.nsecsElapsed()) / 1e9;
        std::printf("[%s] counting %.1f s on the 1000 ms timer: CPU %.2f ms per second = %.3f %% of one core; "
                    "%.2f repaints of the picture per second\n",
                    variant.name, elapsed, cpu * 1000 / elapsed, cpu * 100 / elapsed,
                    paints.counts.value(stage->objectName()) / elapsed);
    }
    return 0;
}
