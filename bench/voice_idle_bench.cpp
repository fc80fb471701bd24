// What the voice costs while the clock counts in silence, and whether the first clip after a long
// silence holds up its tick. Two copies of the real main window count down side by side from
// 7:30, one with the voice on and one with it off, ticked by their own one-second timers; the
// 150th tick shows 5:00 and plays "FiveSound". SDL picks its driver as a user's run does, unless
// SDL_AUDIODRIVER is set.
//
//   voice_idle_bench              runs both copies at once and prints their lines
//   voice_idle_bench --child on|off
//   voice_idle_bench --capped     the worst case for reading clips: a count-down from 1:10 with
//                                 every clip a file at the size cap, voice on and off side by side
//   voice_idle_bench --capped-child on|off
//
// Each copy reports, over ticks 62 to 148 (no clip due, and every caption of a minute drawn once
// before, as through the rest of an hour's count): its CPU time as a share of one core,
// context switches (wake-ups) per second over all its threads, and its most threads; then how
// late the ticks around the clip ended against their schedule and how long their handlers took on
// the clock's thread, and whether SDL was in memory.
#include "app/commands/clock_commands.h"
#include "app/main_window/tmainform.h"
#include "app/voice/voice_output.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "engine/clip_schedule.h"
#include "engine/voice/clip_file.h"
#include "engine/voice/sdl_library.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kClipTick = 150; // 7:30 - 150 s = 5:00
// The quiet stretch starts a minute in: the first minute draws each caption for the first time.
constexpr int kQuietFrom = 62;

double monotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// CPU seconds of the whole process, user and system.
double processCpuSeconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
}

struct ThreadStats
{
    long switches = 0;
    int threads = 0;
};

// Voluntary and involuntary context switches summed over every thread alive now.
ThreadStats threadStats()
{
    ThreadStats stats;
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        std::ifstream status(("/proc/self/task/" + task + "/status").toStdString());
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                stats.switches += std::stol(line.substr(line.find(':') + 1));
        ++stats.threads;
    }
    return stats;
}

// The process's threads now, from one file: looked at every ten ticks while the quiet CPU time is
// measured, so it must cost the process next to nothing.
int threadCount()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Threads:", 0) == 0)
            return std::stoi(line.substr(8));
    return 0;
}

// Notes when the clock's one-second timer event reaches its timer, that is when a tick's handler
// starts: the time from there to the handler's end is what the tick itself costs the clock's thread,
// whatever else the machine is doing.
class TickStartWatch final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer)
            if (const auto *timer = qobject_cast<const QTimer *>(watched); timer && timer->interval() == 1000)
                startedAt = monotonicSeconds();
        return false;
    }
    double startedAt = 0;
};

// A 16-bit mono waveform file of exactly `bytes`, a tone all through.
void writeToneWave(const QString &path, std::size_t bytes)
{
    const auto le = [](std::string &out, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out += char((v >> (8 * i)) & 0xFF);
    };
    const std::uint32_t data = std::uint32_t(bytes - 44) & ~1u;
    std::string header = "RIFF";
    le(header, 36 + data, 4);
    header += "WAVEfmt ";
    le(header, 16, 4);
    le(header, 1, 2);
    le(header, 1, 2);
    le(header, 22050, 4);
    le(header, 44100, 4);
    le(header, 2, 2);
    le(header, 16, 2);
    header += "data";
    le(header, data, 4);
    std::string period;
    for (int i = 0; i < 50; ++i)
        le(period, std::uint16_t(std::int16_t(8000 * ((i < 25) ? 1 : -1))), 2);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(header.data(), qint64(header.size()));
    for (std::size_t written = 0; written < data; written += period.size())
        file.write(period.data(), qint64(std::min<std::size_t>(period.size(), data - written)));
}

// The real main window with its files in `folder`, shown and reset to a count-down of
// `minutes`:`seconds` with the voice on or off; the clips in `folder`/voice replace the built-in ones.
std::unique_ptr<TMainForm> countDownWindow(const QTemporaryDir &folder, int minutes, int seconds, bool voiceOn)
{
    MainFormEnvironment environment;
    environment.executablePath = folder.filePath(QStringLiteral("Dorvane"));
    environment.userVoiceDirectory = folder.filePath(QStringLiteral("user-voice"));
    environment.notificationBusAddress = QStringLiteral("unix:path=/nonexistent");
    auto window = std::make_unique<TMainForm>(environment);
    window->show();
    dorvane::writePublished(window->control("spnHrs"), QStringLiteral("Value"), 0);
    dorvane::writePublished(window->control("spnMin"), QStringLiteral("Value"), minutes);
    dorvane::writePublished(window->control("spnSec"), QStringLiteral("Value"), seconds);
    dorvane::writePublished(window->control("rgVoice"), QStringLiteral("ItemIndex"), voiceOn ? 0 : 1);
    window->commands().Reset();
    return window;
}

int capped(bool voiceOn)
{
    QTemporaryDir folder;
    QDir().mkpath(folder.filePath(QStringLiteral("voice")));
    for (const std::string_view clip : dorvane::kClipNames)
        writeToneWave(folder.filePath(QStringLiteral("voice/%1.wav").arg(QString::fromLatin1(clip.data(), int(clip.size())))),
                      dorvane::kMaxClipFileBytes);
    const std::unique_ptr<TMainForm> shown = countDownWindow(folder, 1, 10, voiceOn);
    TMainForm &window = *shown;

    int ticks = 0;
    double worst = 0, longestHandler = 0;
    int worstTick = 0;
    std::string overTwenty;
    TickStartWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    const double startedAt = monotonicSeconds();
    window.commands().Start();
    QObject::connect(&window.commands(), &dorvane::ClockCommands::StatusChanged, &window, [&] {
        ++ticks;
        const double now = monotonicSeconds();
        const double late = 1000.0 * (now - (startedAt + ticks));
        longestHandler = std::max(longestHandler, 1000.0 * (now - watch.startedAt));
        if (late > worst) {
            worst = late;
            worstTick = ticks;
        }
        if (late > 20)
            overTwenty += " " + std::to_string(ticks) + ":" + std::to_string(int(late));
        if (!window.timer()->Enabled()) {
            std::printf("voice %-3s  1:10, every clip %zu bytes: %d ticks, latest tick %d ended %.1f ms late; "
                        "longest tick handler %.1f ms; ticks over 20 ms late (tick:ms):%s\n",
                        voiceOn ? "on" : "off", dorvane::kMaxClipFileBytes, ticks, worstTick, worst, longestHandler,
                        overTwenty.empty() ? " none" : overTwenty.c_str());
            std::fflush(stdout);
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}

// Runs the two copies of one mode at once and prints their lines.
int sideBySide(const char *childOption)
{
    std::printf("SDL_AUDIODRIVER=%s QT_QPA_PLATFORM=%s\n", qgetenv("SDL_AUDIODRIVER").constData(),
                qgetenv("QT_QPA_PLATFORM").constData());
    QProcess on, off;
    for (QProcess *p : {&on, &off})
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    on.start(QCoreApplication::applicationFilePath(), {QLatin1String(childOption), QStringLiteral("on")});
    off.start(QCoreApplication::applicationFilePath(), {QLatin1String(childOption), QStringLiteral("off")});
    for (QProcess *p : {&on, &off}) {
        p->waitForFinished(200000);
        std::fputs(p->readAllStandardOutput().constData(), stdout);
    }
    return 0;
}

int child(bool voiceOn)
{
    QTemporaryDir folder;
    const std::unique_ptr<TMainForm> shown = countDownWindow(folder, 7, 30, voiceOn);
    TMainForm &window = *shown;

    int ticks = 0;
    double startedAt = 0, quietFrom = 0, quietCpu = 0, quietTo = 0;
    ThreadStats quietStats;
    // The process's CPU time every ten ticks: on a virtual machine whose host takes the CPU now and
    // then, the time taken is charged to whatever runs, so a few windows read high; their median
    // says what the ticks themselves cost.
    std::vector<std::pair<double, double>> windowMarks;
    int mostThreads = 0;
    std::vector<std::pair<double, double>> lateAndHandlerMs;
    TickStartWatch watch;
    QCoreApplication::instance()->installEventFilter(&watch);
    startedAt = monotonicSeconds();
    window.commands().Start();
    // Connected after Start, so that only the ticks are counted.
    QObject::connect(&window.commands(), &dorvane::ClockCommands::StatusChanged, &window, [&] {
        ++ticks;
        const double now = monotonicSeconds();
        if (ticks == kQuietFrom) {
            quietFrom = now;
            quietCpu = processCpuSeconds();
            quietStats = threadStats();
            windowMarks.emplace_back(now, quietCpu);
        } else if (ticks > kQuietFrom && ticks < kClipTick - 2 && (ticks - kQuietFrom) % 10 == 0) {
            windowMarks.emplace_back(now, processCpuSeconds());
            mostThreads = std::max(mostThreads, threadCount());
        } else if (ticks == kClipTick - 2) {
            const double cpu = processCpuSeconds();
            const ThreadStats end = threadStats();
            quietTo = now;
            windowMarks.emplace_back(now, cpu);
            const double seconds = quietTo - quietFrom;
            std::printf("voice %-3s  CPU %.3f %% of a core  wake-ups %.1f /s  threads %d  (ticks %d-%d, %.1f s)\n",
                        voiceOn ? "on" : "off", 100.0 * (cpu - quietCpu) / seconds,
                        double(end.switches - quietStats.switches) / seconds, mostThreads, kQuietFrom, kClipTick - 2,
                        seconds);
            std::vector<double> windows;
            for (std::size_t i = 1; i < windowMarks.size(); ++i)
                windows.push_back(100.0 * (windowMarks[i].second - windowMarks[i - 1].second) /
                                  (windowMarks[i].first - windowMarks[i - 1].first));
            std::sort(windows.begin(), windows.end());
            std::printf("voice %-3s  CPU of its %zu windows of about ten ticks: median %.3f %%, least %.3f %%, most %.3f %%\n",
                        voiceOn ? "on" : "off", windows.size(), windows[windows.size() / 2], windows.front(),
                        windows.back());
        }
        if (ticks >= kClipTick - 2 && ticks <= kClipTick + 2)
            lateAndHandlerMs.emplace_back(1000.0 * (now - (startedAt + ticks)), 1000.0 * (now - watch.startedAt));
        if (ticks == kClipTick + 2) {
            std::printf("voice %-3s  ticks %d..%d ended late by / handler took (ms):", voiceOn ? "on" : "off",
                        kClipTick - 2, kClipTick + 2);
            for (const auto &[late, handler] : lateAndHandlerMs)
                std::printf(" %.1f/%.1f", late, handler);
            std::printf("  SDL in memory: %s\n", dorvane::SdlLibrary::isInMemory() ? "yes" : "no");
            std::fflush(stdout);
            QCoreApplication::quit();
        }
    });
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    const bool child = argc == 3 && std::strcmp(argv[1], "--child") == 0;
    const bool cappedChild = argc == 3 && std::strcmp(argv[1], "--capped-child") == 0;
    if (child || cappedChild) {
        QApplication app(argc, argv);
        const bool voiceOn = std::strcmp(argv[2], "on") == 0;
        return child ? ::child(voiceOn) : capped(voiceOn);
    }
    const bool cappedPair = argc == 2 && std::strcmp(argv[1], "--capped") == 0;
    if (argc != 1 && !cappedPair) {
        std::fprintf(stderr, "usage: voice_idle_bench [--capped]\n");
        return 64;
    }
    QCoreApplication app(argc, argv);
    return sideBySide(cappedPair ? "--capped-child" : "--child");
}
