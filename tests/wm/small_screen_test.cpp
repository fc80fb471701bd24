// On a 640 x 400 screen managed by openbox: smaller than the window.
#include "wm_window_test.h"

TEST_F(WindowManagerTest, OnAScreenSmallerThanTheWindowTheTitleBarStaysOnIt)
{
    TMainForm &w = open();
    const QRect area = availableArea();
    ASSERT_EQ(area.size(), QSize(640, 400));
    const QPoint expected = area.topLeft() + QPoint((640 - 616) / 2, 0);
    ASSERT_TRUE(DORVANE_WAIT_FOR(w.FrameKnown() && outerBounds(&w).topLeft() == expected))
        << outerBounds(&w).x() << ", " << outerBounds(&w).y();
    EXPECT_EQ(outerBounds(&w).width(), 616);
}
