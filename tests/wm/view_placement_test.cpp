// Where F10 first opens the clock view on one 1920 x 1080 screen under openbox: both windows in
// sight, the controls never hidden.
#include "wm_window_test.h"

#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/tclockviewform.h"

namespace {

std::int64_t areaOf(const QRect &rect)
{
    return rect.isEmpty() ? 0 : std::int64_t{rect.width()} * rect.height();
}

QString describe(const QRect &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

TEST_F(WindowManagerTest, F10OpensTheViewBesideTheMainWindowWhereThereIsRoom)
{
    TMainForm &w = open();
    ASSERT_TRUE(DORVANE_WAIT_FOR(placedWhereItOpens(&w)));
    ASSERT_TRUE(xdotool({"key", "F10"}));
    TClockViewForm *view = w.clockView().Form();
    ASSERT_TRUE(DORVANE_WAIT_FOR(view->isActiveWindow() && placedInItsFrame(view)));
    const QRect main = outerBounds(&w);
    EXPECT_TRUE(DORVANE_WAIT_FOR(outerBounds(view).left() == main.right() + 1))
        << describe(outerBounds(view)).toStdString() << " beside " << describe(main).toStdString();
    EXPECT_EQ(outerBounds(view).top(), main.top());
    EXPECT_FALSE(outerBounds(view).intersects(main));
    EXPECT_TRUE(availableArea().contains(outerBounds(view)));
}

TEST_F(WindowManagerTest, F10OpensTheViewInTheFarCornerWhenTheMainWindowLeavesNoRoom)
{
    TMainForm &w = open();
    ASSERT_TRUE(DORVANE_WAIT_FOR(placedWhereItOpens(&w)));
    const QRect area = availableArea();
    const QRect large(area.left() + 500, area.top() + 300, 1100, 700);
    w.SetBounds(large.x(), large.y(), large.width(), large.height());
    ASSERT_TRUE(DORVANE_WAIT_FOR(outerBounds(&w) == large)) << describe(outerBounds(&w)).toStdString();

    ASSERT_TRUE(xdotool({"key", "F10"}));
    TClockViewForm *view = w.clockView().Form();
    ASSERT_TRUE(DORVANE_WAIT_FOR(view->isActiveWindow() && placedInItsFrame(view)));
    // Top left: the corner farthest from the main window's middle.
    EXPECT_TRUE(DORVANE_WAIT_FOR(outerBounds(view).topLeft() == area.topLeft()))
        << describe(outerBounds(view)).toStdString();
    EXPECT_LE(areaOf(outerBounds(view) & large), areaOf(large) / 10);
    EXPECT_GE(outerBounds(view).width(), 160);
}
