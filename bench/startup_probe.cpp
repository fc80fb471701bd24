// One start-up, as startup_bench spawns it. Shows a window and, when that window receives
// its first paint event, writes one line to stdout and quits:
//
//   first-paint-ns=<CLOCK_MONOTONIC> peak-rss-kib=<VmHWM> window=<w>x<h> platform=<name>
//   stages-ns=<main>,<application>,<window built>,<shown>
//
// The second line marks where the time went on the way: main() entered, the application object
// made, the window built, and shown (for the program, with the clock offered on the bus).
//
//   startup_probe --dorvane   the program's own start-up: application object, names, icon,
//                             main window with its files in a temporary folder, show, and
//                             the clock offered on the session bus when there is one
//   startup_probe --bare      a plain QWidget of the main window's client size
//   startup_probe --bare-label   the same with one QLabel in the default font: what drawing
//                             any text at all costs (the font database, shaping, rasterising)
//
// Both modes are the same executable, so both pay the same dynamic linking and static
// initialisation; the difference between them is what the program itself does.
#include "app/app_identity.h"
#include "app/error_report.h"
#include "app/font_configuration_warm_up.h"
#include "app/remote/remote_control.h"
#include "app/main_window/tmainform.h"
#include "app/share/sharing_on_demand.h"
#include "settings/network_settings.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace {

// CLOCK_MONOTONIC at the stages before the first paint, in the order they are reached.
std::int64_t g_stageNs[4] = {};
enum Stage { kMainEntered, kApplicationMade, kWindowBuilt, kWindowShown };

constexpr int kBareClientWidth = 608;
constexpr int kBareClientHeight = 441;
constexpr int kGiveUpAfterMs = 30000;

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// VmHWM rather than getrusage: ru_maxrss may carry over the spawning process's peak across exec.
std::optional<long> peakResidentKib()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return std::nullopt;
}

// Reports the first paint event of the watched window, then ends the event loop.
class FirstPaintReporter final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            const std::int64_t paintedAt = monotonicNanoseconds();
            report(paintedAt, static_cast<QWidget *>(watched));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report(std::int64_t paintedAt, const QWidget *window)
    {
        const std::optional<long> peak = peakResidentKib();
        if (!peak) {
            std::fprintf(stderr, "startup_probe: no VmHWM in /proc/self/status\n");
            QCoreApplication::exit(2);
            return;
        }
        std::printf("first-paint-ns=%lld peak-rss-kib=%ld window=%dx%d platform=%s\n",
                    static_cast<long long>(paintedAt), *peak, window->width(), window->height(),
                    qPrintable(QGuiApplication::platformName()));
        std::printf("stages-ns=%lld,%lld,%lld,%lld\n", static_cast<long long>(g_stageNs[kMainEntered]),
                    static_cast<long long>(g_stageNs[kApplicationMade]), static_cast<long long>(g_stageNs[kWindowBuilt]),
                    static_cast<long long>(g_stageNs[kWindowShown]));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_reported = false;
};

// The main window in a folder of its own: its settings file is created and read there, and the
// display font is there because the window installs it from beside the executable. startup_bench
// gives each run a fresh folder holding the font (STARTUP_PROBE_FOLDER), so that copying the font,
// which the program itself never does, is not timed; run alone, the probe makes its own folder.
class DorvaneStartup
{
public:
    bool prepare()
    {
        if (const QByteArray given = qgetenv("STARTUP_PROBE_FOLDER"); !given.isEmpty()) {
            m_path = QString::fromLocal8Bit(given);
            return true;
        }
        m_ownFolder.emplace();
        if (!m_ownFolder->isValid()) {
            std::fprintf(stderr, "startup_probe: cannot create a temporary folder\n");
            return false;
        }
        m_path = m_ownFolder->path();
        const QString font = QStringLiteral(DORVANE_BUILT_DISPLAY_FONT);
        if (!QFile::copy(font, filePath(QStringLiteral("arialnb.ttf")))) {
            std::fprintf(stderr, "startup_probe: cannot copy the display font %s\n", qPrintable(font));
            return false;
        }
        return true;
    }

    QWidget *show()
    {
        // As the program's entry does, before the window exists.
        QApplication::setApplicationName(QStringLiteral("Dorvane"));
        QApplication::setDesktopFileName(QStringLiteral("dorvane"));
        QApplication::setWindowIcon(dorvane::applicationIcon());

        MainFormEnvironment environment;
        environment.executablePath = filePath(QStringLiteral("Dorvane"));
        // The real voice, as the program has it: nothing of the sound system is wanted yet.
        environment.userVoiceDirectory = filePath(QStringLiteral("voice"));
        m_window = std::make_unique<TMainForm>(environment);
        return m_window.get();
    }

    // As the program's entry does once the window is shown: sharing as the settings file left it
    // (off: its module is not loaded), and the clock answers on the session bus, when the
    // session has one.
    void answerOnTheBus()
    {
        const dorvane::NetworkSettings stored =
            dorvane::loadNetworkSettings(dorvane::SettingsFile(m_window->settingsPath().toStdString()));
        m_sharing = std::make_unique<dorvane::SharingOnDemand>(
            dorvane::SharingModuleInput{m_window->commands(), stored, {}, filePath(QStringLiteral("sharing.keys"))},
            dorvane::SharingOnDemand::modulePathFor(QCoreApplication::applicationDirPath()));
        QString error;
        if (!m_sharing->resume(error))
            std::fprintf(stderr, "startup_probe: %s\n", qPrintable(error));
        m_remote = std::make_unique<dorvane::RemoteControl>(m_window->commands());
        m_remote->setSharing(m_sharing.get());
        m_remote->offerOn(QDBusConnection::sessionBus());
    }

private:
    QString filePath(const QString &name) const { return QDir(m_path).filePath(name); }

    std::optional<QTemporaryDir> m_ownFolder;
    QString m_path;
    std::unique_ptr<TMainForm> m_window;
    std::unique_ptr<dorvane::SharingOnDemand> m_sharing;
    std::unique_ptr<dorvane::RemoteControl> m_remote;
};

int usage()
{
    std::fprintf(stderr, "usage: startup_probe --dorvane | --bare | --bare-label\n");
    return 64;
}

} // namespace

int main(int argc, char **argv)
{
    g_stageNs[kMainEntered] = monotonicNanoseconds();
    if (argc != 2)
        return usage();
    const bool dorvane = std::strcmp(argv[1], "--dorvane") == 0;
    const bool label = std::strcmp(argv[1], "--bare-label") == 0;
    if (!dorvane && !label && std::strcmp(argv[1], "--bare") != 0)
        return usage();

    std::unique_ptr<QApplication> app;
    if (dorvane) {
        // As the program's entry does: the font configuration loads while the display opens.
        dorvane::FontConfigurationWarmUp fonts;
        app = std::make_unique<dorvane::DorvaneApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    g_stageNs[kApplicationMade] = monotonicNanoseconds();

    DorvaneStartup dorvaneStartup;
    QWidget bare;
    QWidget *window = &bare;
    if (dorvane) {
        if (!dorvaneStartup.prepare())
            return 2;
        window = dorvaneStartup.show();
    } else {
        bare.resize(kBareClientWidth, kBareClientHeight);
        if (label)
            (new QLabel(QStringLiteral("Time Allowance"), &bare))->move(10, 10);
    }

    g_stageNs[kWindowBuilt] = monotonicNanoseconds();
    FirstPaintReporter reporter;
    window->installEventFilter(&reporter);
    window->show();
    if (dorvane)
        dorvaneStartup.answerOnTheBus();
    g_stageNs[kWindowShown] = monotonicNanoseconds();

    QTimer::singleShot(kGiveUpAfterMs, app.get(), [] {
        std::fprintf(stderr, "startup_probe: no paint event within %d ms\n", kGiveUpAfterMs);
        QCoreApplication::exit(3);
    });
    return app->exec();
}
