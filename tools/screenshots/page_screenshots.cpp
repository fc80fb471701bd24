// Phone-sized pictures of the shared clock's pages, as headless chromium shows them beside the real
// main window, shared on loopback: /view counting (upright), in the "seconds" colour with a message
// (on its side) and past the end, /control, and /clock on its side (tools/page-screenshots.sh).
// The window's files and the links' keys live in a temporary folder; no real settings are touched.
#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/overtime_clock.h"
#include "app/error_report.h"
#include "app/main_window/tmainform.h"
#include "app/share/sharing.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "support/devtools_session.h"

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace dorvane;

namespace {

struct Phone
{
    int width;
    int height;
};
constexpr Phone kUpright{390, 844};
constexpr Phone kOnItsSide{844, 390};

class PagePictures
{
public:
    PagePictures(TMainForm &window, DevToolsSession &browser, QString out)
        : m_window(window), m_browser(browser), m_out(std::move(out))
    {
    }

    void setAllowance(int minutes, int seconds)
    {
        writePublished(m_window.control("spnMin"), QStringLiteral("Value"), minutes);
        writePublished(m_window.control("spnSec"), QStringLiteral("Value"), seconds);
        m_window.btnResetClick();
    }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            m_window.timer()->Tick();
    }
    // The page at `link` on a phone, once it shows `line`.
    bool shoot(const QUrl &link, Phone phone, const QString &line, const QString &name)
    {
        m_browser.setViewport(phone.width, phone.height, 2, true);
        if (m_browser.evaluate(QStringLiteral("location.href")).toString() != link.toString())
            m_browser.navigate(link);
        // Any time at all when none is given.
        const QString time = line.isEmpty() ? QStringLiteral("/[0-9]:[0-9][0-9]/.test(document.getElementById('time').textContent)")
                                            : QStringLiteral("document.getElementById('time').textContent === '%1'").arg(line);
        const bool shown = m_browser.waitUntil(time + QStringLiteral(" && document.fonts.status === 'loaded'"));
        // A layout for the new size has been drawn.
        m_browser.evaluate(QStringLiteral("window.onresize && window.onresize()"));
        const QString path = QDir(m_out).filePath(name);
        const QImage picture = m_browser.screenshot();
        const bool ok = shown && picture.save(path);
        if (!shown)
            std::fprintf(stderr, "%s shows \"%s\", not %s\n", qPrintable(m_browser.evaluate(QStringLiteral("location.pathname")).toString()),
                         qPrintable(m_browser.evaluate(QStringLiteral("document.getElementById('time').textContent")).toString()),
                         qPrintable(line));
        std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", qPrintable(path), picture.width(), picture.height());
        return ok;
    }

    TMainForm &m_window;
    DevToolsSession &m_browser;
    QString m_out;
};

} // namespace

int main(int argc, char **argv)
{
    DorvaneApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    QDir().mkpath(out);
    QTemporaryDir home;
    SilentClips clips;
    MainFormEnvironment env;
    env.executablePath = home.filePath(QStringLiteral("Dorvane"));
    env.userSettingsDirectory = home.filePath(QStringLiteral("config"));
    env.clips = &clips;
    TMainForm window(env);
    window.show();
    // Ticked by hand, from one state to the next: its real timer never fires here.
    window.timer()->SetInterval(24 * 3600 * 1000);

    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    NetworkSettings settings;
    settings.sharing = true;
    settings.port = probe.serverPort();
    settings.listen = NetworkSettings::Listen::ThisComputer;
    probe.close();
    Sharing sharing(window.commands(), NetworkSettings(), [](const NetworkSettings &) { return true; },
                    home.filePath(QStringLiteral("config/sharing.keys")));
    QString error;
    DevToolsSession browser;
    if (!sharing.apply(settings, error) || !browser.start(error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const ShareLinks links = *sharing.links();
    PagePictures pictures(window, browser, out);

    StageOptions options;
    options.progressBar = true;
    options.overtime = true;
    window.clockView().SetOptions(options);
    writePublished(window.control("spnColorSecs"), QStringLiteral("Value"), 30);
    pictures.setAllowance(12, 30);
    window.btnStartClick();
    pictures.tick(200);
    bool ok = pictures.shoot(links.view, kUpright, QStringLiteral("9:10"), QStringLiteral("page-view-phone.png"));
    ok = pictures.shoot(links.control, kUpright, QStringLiteral("9:10"), QStringLiteral("page-control-phone.png")) && ok;

    window.commands().ShowMessage(QStringLiteral("Wrap up"));
    pictures.tick(9 * 60 - 12);
    ok = pictures.shoot(links.view, kOnItsSide, QStringLiteral("0:22"), QStringLiteral("page-view-phone-seconds.png")) && ok;

    window.commands().ClearMessage();
    qint64 now = 0;
    window.clockView().Overtime().SetClock([&now] { return now; });
    pictures.tick(22);
    now = 42'500;
    window.clockView().Overtime().Wake();
    ok = pictures.shoot(links.view, kUpright, QStringLiteral("+0:42"), QStringLiteral("page-view-phone-overtime.png")) && ok;
    // The time of day, as the phone's own clock tells it.
    ok = pictures.shoot(links.clock, kOnItsSide, QString(), QStringLiteral("page-clock-phone.png")) && ok;
    return ok ? 0 : 1;
}
