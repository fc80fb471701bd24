// F11 and the clock view under openbox: what only a window manager shows.
#include "wm_window_test.h"

#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/tclockviewform.h"

#include <QScreen>

TEST_F(WindowManagerTest, F11FillsTheScreenAndGivesEachWindowItsPlaceBack)
{
    TMainForm &w = open();
    ASSERT_TRUE(DORVANE_WAIT_FOR(placedWhereItOpens(&w)));
    ASSERT_TRUE(xdotool({"key", "F10"}));
    TClockViewForm *view = w.clockView().Form();
    ASSERT_TRUE(DORVANE_WAIT_FOR(view->isActiveWindow() && placedWhereItOpens(view))) << "openbox gives the view the focus";

    // The keys go to the window that has the focus: the view first, then the main window.
    for (TForm *window : {static_cast<TForm *>(view), static_cast<TForm *>(&w)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->activateWindow();
        ASSERT_TRUE(DORVANE_WAIT_FOR(window->isActiveWindow()));
        const QRect before = outerBounds(window);
        ASSERT_TRUE(xdotool({"key", "F11"}));
        EXPECT_TRUE(DORVANE_WAIT_FOR(window->isFullScreen() && outerBounds(window) == window->screen()->geometry()));
        ASSERT_TRUE(xdotool({"key", window == view ? "Escape" : "F11"}));
        EXPECT_TRUE(DORVANE_WAIT_FOR(!window->isFullScreen() && outerBounds(window) == before))
            << outerBounds(window).x() << "," << outerBounds(window).y() << " " << outerBounds(window).width() << "x"
            << outerBounds(window).height();
    }
}
