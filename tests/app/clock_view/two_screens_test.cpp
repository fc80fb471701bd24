// The clock view with a laptop and a projector: F10 fills the other screen, and what it asks the
// operator stays on the laptop.
#include "app/main_window/main_window_fixture.h"

#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/tclockviewform.h"
#include "app/main_window/view_menu.h"
#include "controls/base/published.h"

#include <QGuiApplication>
#include <QScreen>

using namespace dorvane;

namespace {

class TwoScreensTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "the two screens of two_screens.json";
    }
    TClockViewForm *view() const { return m_window->clockView().Form(); }
};

TEST_F(TwoScreensTest, F10FillsTheOtherScreenAndTheBoxesStayOverTheMainWindow)
{
    TMainForm &w = open();
    ASSERT_EQ(w.screen()->name(), QStringLiteral("Laptop"));
    QTest::keyClick(&w, Qt::Key_F10);
    ASSERT_TRUE(DORVANE_WAIT_FOR(view()->isFullScreen()));
    EXPECT_EQ(view()->screen()->name(), QStringLiteral("Projector"));
    // (The offscreen platform keeps a full-screen window at its size: where it is is what counts.)
    EXPECT_TRUE(QRect(1920, 0, 1280, 960).contains(view()->frameGeometry()));

    // Esc leaves full screen for a place on the projector, not one over the controls.
    QTest::keyClick(view(), Qt::Key_Escape);
    ASSERT_TRUE(DORVANE_WAIT_FOR(!view()->isFullScreen()));
    EXPECT_TRUE(QRect(1920, 0, 1280, 960).contains(view()->geometry()));

    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    click("btnReset");
    view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()));
    EXPECT_TRUE(expectModalBox([&] { QTest::keyClick(view(), Qt::Key_Space); }, [&](QMessageBox *box) {
        EXPECT_EQ(box->screen()->name(), QStringLiteral("Laptop"));
    }));
    m_window->viewMenu().ShowKeyboardShortcuts();
    auto *keys = w.findChild<QMessageBox *>(QStringLiteral("KeyboardShortcutsBox"));
    ASSERT_NE(keys, nullptr);
    EXPECT_TRUE(DORVANE_WAIT_FOR(keys->isVisible()));
    EXPECT_EQ(keys->screen()->name(), QStringLiteral("Laptop"));
    keys->close();
}

TEST_F(TwoScreensTest, ARememberedPlaceWinsOverTheOtherScreen)
{
    writeSettings("[View]\nClockView=0\nClockLeft=700\nClockTop=100\nClockWidth=400\nClockHeight=300\n");
    TMainForm &w = open();
    QTest::keyClick(&w, Qt::Key_F10);
    ASSERT_TRUE(DORVANE_WAIT_FOR(view()->isVisible()));
    EXPECT_FALSE(view()->isFullScreen());
    EXPECT_EQ(view()->screen()->name(), QStringLiteral("Laptop"));
    EXPECT_TRUE(DORVANE_WAIT_FOR(view()->BoundsRect() == QRect(700, 100, 400, 300)))
        << view()->BoundsRect().x() << "," << view()->BoundsRect().y();
}

} // namespace
