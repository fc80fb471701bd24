// What the window tells a screen reader of the clock while the focus is anywhere: the moments
// that matter, each once, and F9's time in words.
#include "main_window_fixture.h"

#include "app/main_window/clock_announcer.h"
#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/tclockviewform.h"
#include "controls/base/published.h"

#include <QSignalSpy>

using namespace dorvane;

class ClockAnnouncerTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // 5:02 down, voice off, colour change at 3 seconds.
        writeSettings("[Time]\nHours=0\nMins=5\nSecs=2\n[Voice]\nYes=0\n"
                      "[Display]\nYes=1\nSecondsColor=65535\nSeconds=3\nTimeUp=1\n");
        open();
        m_said = std::make_unique<QSignalSpy>(&m_window->announcer(), &ClockAnnouncer::Said);
    }
    QStringList said()
    {
        QStringList texts;
        for (const QList<QVariant> &signal : *m_said)
            texts << signal.at(0).toString();
        m_said->clear();
        return texts;
    }
    std::unique_ptr<QSignalSpy> m_said;
};

TEST_F(ClockAnnouncerTest, StartTheVoicesPointsAndStopAreToldOnceAndPlainTicksNot)
{
    click("btnStart");
    EXPECT_EQ(said(), QStringList{QStringLiteral("Started")});
    tick();
    EXPECT_EQ(said(), QStringList()) << "5:01 is a plain tick";
    tick();
    EXPECT_EQ(said(), QStringList{QStringLiteral("5 minutes remaining")}) << "the voice is off, its text is not";
    EXPECT_TRUE(m_clips.played.empty());
    tick(3);
    EXPECT_EQ(said(), QStringList());
    click("btnStop");
    EXPECT_EQ(said(), QStringList{QStringLiteral("Stopped, 4 minutes 57 seconds left")});
}

TEST_F(ClockAnnouncerTest, AResetTellsTheNewTimeAndTheColourChangeAndTimeUpAreTold)
{
    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    writePublished(control("spnSec"), QStringLiteral("Value"), 4);
    click("btnReset");
    EXPECT_EQ(said(), QStringList{QStringLiteral("Reset to 4 seconds")});
    click("btnStart");
    said();
    tick();
    EXPECT_EQ(said(), QStringList{QStringLiteral("Color changed to Yellow")});
    tick(2);
    EXPECT_EQ(said(), QStringList());
    tick();
    const QStringList end = said();
    ASSERT_EQ(end.size(), 1);
    EXPECT_TRUE(end[0].startsWith(QStringLiteral("Time is up. Color changed to "))) << end[0].toStdString();
}

TEST_F(ClockAnnouncerTest, F9SaysTheTimeShownInBothWindows)
{
    QTest::keyClick(m_window.get(), Qt::Key_F9);
    EXPECT_EQ(said(), QStringList{QStringLiteral("5 minutes 2 seconds left")});
    m_window->ShowClockView(true);
    TClockViewForm *view = m_window->clockView().Form();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    QTest::keyClick(view, Qt::Key_F9);
    EXPECT_EQ(said(), QStringList{QStringLiteral("5 minutes 2 seconds left")});
}
