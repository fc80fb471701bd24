// The pages in a real browser (headless chromium, on loopback), beside the real main window and its
// clock view: what a screen in the room shows, and what a phone's buttons do.
#include "app/main_window/main_window_fixture.h"

#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/overtime_clock.h"
#include "app/clock_view/stage_view.h"
#include "app/clock_view/tclockviewform.h"
#include "app/share/sharing.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "support/devtools_session.h"

#include <QTcpServer>

using namespace dorvane;

namespace {

QString cssColour(const QColor &c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

class ShareBrowserTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        if (DevToolsSession::browserPath().isEmpty())
            GTEST_SKIP() << "chromium is not installed (scripts/install-deps.sh testing installs it)";
        open();
        // The test ticks the clock itself: its real timer never fires within a test.
        m_window->timer()->SetInterval(24 * 3600 * 1000);
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        m_settings.sharing = true;
        m_settings.port = probe.serverPort();
        m_settings.listen = NetworkSettings::Listen::ThisComputer;
        probe.close();
        m_sharing = std::make_unique<Sharing>(
            m_window->commands(), NetworkSettings(), [](const NetworkSettings &) { return true; },
            m_dir.filePath(QStringLiteral("home/.config/dorvane/sharing.keys")));
        QString error;
        ASSERT_TRUE(m_sharing->apply(m_settings, error)) << error.toStdString();
        ASSERT_TRUE(m_browser.start(error)) << error.toStdString();
    }
    void TearDown() override
    {
        m_sharing.reset();
        MainWindowTest::TearDown();
    }

    QUrl link(const char *page) const
    {
        const ShareLinks links = *m_sharing->links();
        return qstrcmp(page, "control") == 0 ? links.control : links.view;
    }
    QString text(const char *id) { return m_browser.evaluate(QStringLiteral("document.getElementById('%1').textContent").arg(QLatin1String(id))).toString(); }
    // Waits for the page to show `line`, the time as the desktop shows it.
    bool pageShows(const QString &line, int timeoutMs = 10000)
    {
        return m_browser.waitUntil(QStringLiteral("document.getElementById('time').textContent === '%1'").arg(line), timeoutMs);
    }
    void setAllowance(int minutes, int seconds)
    {
        writePublished(control("spnMin"), QStringLiteral("Value"), minutes);
        writePublished(control("spnSec"), QStringLiteral("Value"), seconds);
        click("btnReset");
    }
    StageView *stage() const { return m_window->clockView().Form()->Stage(); }

    // The page's picture: the corner stands on `background`, and the digits are drawn in `digits`.
    void expectPicture(const QColor &background, const QColor &digits, const char *when)
    {
        const QImage shot = m_browser.screenshot();
        ASSERT_FALSE(shot.isNull()) << when;
        EXPECT_EQ(shot.pixelColor(3, 3), background) << when;
        const QRect time = m_browser.box(QStringLiteral("#time")).toAlignedRect() & shot.rect();
        int inked = 0;
        for (int y = time.top(); y <= time.bottom(); y += 2)
            for (int x = time.left(); x <= time.right(); x += 2)
                inked += shot.pixelColor(x, y) == digits;
        EXPECT_GT(inked, 200) << when << ": digits in their colour";
    }

    NetworkSettings m_settings;
    std::unique_ptr<Sharing> m_sharing;
    DevToolsSession m_browser;
};

TEST_F(ShareBrowserTest, ViewShowsTheDesktopsTimeAndColoursThroughACountDownAndItsOvertime)
{
    QTest::keyClick(m_window.get(), Qt::Key_F10);
    ASSERT_TRUE(m_window->clockView().Shown());
    qint64 now = 0;
    m_window->clockView().Overtime().SetClock([&now] { return now; });
    StageOptions options = m_window->clockView().Options();
    options.overtime = true;
    m_window->clockView().SetOptions(options);
    // A normal colour of the user's own: navy, on which the view's automatic digits are white.
    writePublished(control("cboBackgroundColor"), QStringLiteral("ColorValue"), 0x800000);
    writePublished(control("spnColorSecs"), QStringLiteral("Value"), 2);
    setAllowance(0, 4);
    m_browser.setViewport(640, 360);
    m_browser.navigate(link("view"));
    ASSERT_TRUE(pageShows(QStringLiteral("0:04")));
    ASSERT_EQ(stage()->Background(), QColor(0, 0, 128));
    ASSERT_EQ(stage()->DigitColour(), QColor(Qt::white));
    expectPicture(stage()->Background(), stage()->DigitColour(), "before the start");

    click("btnStart");
    for (const char *line : {"0:03", "0:02", "0:01"}) {
        tick();
        EXPECT_EQ(stage()->LineText(), QLatin1String(line));
        EXPECT_TRUE(pageShows(QLatin1String(line))) << line << " on the desktop, " << text("time").toStdString() << " on the page";
        EXPECT_TRUE(m_browser.waitUntil(QStringLiteral("getComputedStyle(document.body).backgroundColor === '%1'")
                                            .arg(cssColour(stage()->Background()))))
            << line;
        if (QLatin1String(line) == QLatin1String("0:02"))
            expectPicture(stage()->Background(), stage()->DigitColour(), "in the \"seconds\" colour");
    }
    EXPECT_EQ(stage()->Background(), QColor(255, 255, 0)) << "the \"seconds\" colour came";

    tick();
    EXPECT_EQ(stage()->LineText(), QStringLiteral("+0:00"));
    ASSERT_TRUE(pageShows(QStringLiteral("+0:00")));
    now += 42'500;
    m_window->clockView().Overtime().Wake();
    EXPECT_EQ(stage()->LineText(), QStringLiteral("+0:42"));
    ASSERT_TRUE(pageShows(QStringLiteral("+0:42")));
    expectPicture(stage()->Background(), stage()->DigitColour(), "overtime on the expired colour");
    EXPECT_EQ(stage()->Background(), QColor(255, 0, 0));
}

TEST_F(ShareBrowserTest, ControlPagesButtonsStartAndStopTheDesktopClock)
{
    m_browser.setViewport(390, 844, 2, true);
    m_browser.navigate(link("control"));
    ASSERT_TRUE(m_browser.waitUntil(QStringLiteral("document.getElementById('time').textContent === '5:00'")));
    // A real press at the button's middle, as a finger gives it.
    const QRectF toggle = m_browser.box(QStringLiteral("#toggle"));
    ASSERT_FALSE(toggle.isEmpty());
    EXPECT_EQ(text("toggle"), QStringLiteral("Start"));
    m_browser.click(toggle.center());
    ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->commands().Status().running));
    EXPECT_TRUE(m_browser.waitUntil(QStringLiteral("document.getElementById('toggle').textContent === 'Stop'")));
    tick();
    EXPECT_TRUE(pageShows(QStringLiteral("4:59")));

    m_browser.click(toggle.center());
    ASSERT_TRUE(DORVANE_WAIT_FOR(!m_window->commands().Status().running));
    EXPECT_TRUE(m_browser.waitUntil(QStringLiteral("document.getElementById('toggle').textContent === 'Start'")));
    EXPECT_EQ(display(), QStringLiteral("00 04 59"));
}

TEST_F(ShareBrowserTest, APageThatLostItsConnectionShowsTheDotAndCatchesUpOnceTheClockIsBack)
{
    m_browser.navigate(link("view"));
    ASSERT_TRUE(pageShows(QStringLiteral("5:00")));
    const QString dotShown = QStringLiteral("document.getElementById('offline').style.display === 'block'");
    EXPECT_FALSE(m_browser.evaluate(dotShown).toBool());

    NetworkSettings off = m_settings;
    off.sharing = false;
    QString error;
    ASSERT_TRUE(m_sharing->apply(off, error));
    ASSERT_TRUE(m_browser.waitUntil(dotShown));
    // The clock moves on while the page cannot hear it.
    setAllowance(0, 7);
    ASSERT_TRUE(m_sharing->apply(m_settings, error)) << error.toStdString();
    // The first try again comes within a second; its first message brings the clock's state.
    EXPECT_TRUE(pageShows(QStringLiteral("0:07"), 3000)) << text("time").toStdString();
    EXPECT_FALSE(m_browser.evaluate(dotShown).toBool());
}

} // namespace
