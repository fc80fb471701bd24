// On a 1920 x 1080 screen managed by openbox.
#include "wm_window_test.h"

#include "controls/base/platform.h"
#include "controls/base/published.h"
#include "elastic/elastic_form.h"
#include "elastic/qt_message_adapter.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QProcess>
#include <QTest>
#include <QWindow>

using dorvane::writePublished;

namespace {

QString describe(const QRect &r)
{
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

TEST_F(WindowManagerTest, OpensCentredByItsFrameAndLaysOutAsTheSameSizeLaterDoes)
{
    TMainForm &w = open();
    const QRect area = availableArea();
    const QRect expected(area.topLeft() + QPoint((area.width() - 616) / 2, (area.height() - 468) / 2), QSize(616, 468));
    ASSERT_TRUE(DORVANE_WAIT_FOR(w.FrameKnown() && outerBounds(&w) == expected))
        << "frame " << describe(outerBounds(&w)).toStdString() << ", expected " << describe(expected).toStdString();
    EXPECT_EQ(w.BoundsRect(), expected);
    const LayoutSnapshot first = layout();

    // Another size and back: the same bounds and fonts as the first layout.
    w.SetBounds(w.Left(), w.Top(), 900, 700);
    ASSERT_TRUE(DORVANE_WAIT_FOR(outerBounds(&w).size() == QSize(900, 700)));
    w.SetBounds(w.Left(), w.Top(), 616, 468);
    ASSERT_TRUE(DORVANE_WAIT_FOR(outerBounds(&w).size() == QSize(616, 468)));
    EXPECT_EQ(layout(), first);
}

TEST_F(WindowManagerTest, TheErrorBoxIsCentredOnTheScreenByItsFrame)
{
    TMainForm &w = open();
    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    click("btnReset");
    w.SetBounds(0, 0, 616, 468); // the middle of the window is not the middle of the screen
    const QPoint middle = w.screen()->geometry().center();
    const bool shown = expectModalBox([&] { click("btnStart"); }, [&](QMessageBox *box) {
        EXPECT_TRUE(DORVANE_WAIT_FOR(dorvane::HasFrame(box))) << "openbox frames the box";
        EXPECT_TRUE(DORVANE_WAIT_FOR((outerBounds(box).center() - middle).manhattanLength() <= 1))
            << "frame " << describe(outerBounds(box)).toStdString();
    });
    EXPECT_TRUE(shown);
}

TEST_F(WindowManagerTest, AfterMinimizeAndRestoreABorderDragRelayoutsOnceAtItsEnd)
{
    TMainForm &w = open();
    w.showMinimized();
    ASSERT_TRUE(DORVANE_WAIT_FOR(w.isMinimized()));
    w.showNormal();
    w.activateWindow();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!w.isMinimized() && w.isActiveWindow() && w.windowHandle()->isExposed()
                                 && placedInItsFrame(&w)));
    const LayoutSnapshot before = layout();
    const QSize start = w.size();

    // The pointer takes the frame's bottom-right corner and pulls it out in steps, until the
    // window manager has taken up the drag (it starts it on one move and resizes from the next).
    // Now and then openbox lets the press go by (seen only in the first test after it started):
    // the corner is then let go and pressed again.
    const QPoint corner = outerBounds(&w).bottomRight() - QPoint(1, 1);
    const auto at = [&corner](int dx, int dy) {
        return QStringList{"mousemove", QString::number(corner.x() + dx), QString::number(corner.y() + dy)};
    };
    bool resized = false;
    for (int press = 1; press <= 3 && !resized; ++press) {
        ASSERT_TRUE(xdotool(at(0, 0) + QStringList{"mousedown", "1"}));
        for (int step = 1; step <= 6 && !resized; ++step) {
            ASSERT_TRUE(xdotool(at(15 * step, 10 * step)));
            resized = QTest::qWaitFor([&] { return w.size() != start; }, 1000);
        }
        if (!resized) {
            ASSERT_TRUE(xdotool({"mouseup", "1"}));
        }
    }
    ASSERT_TRUE(resized) << "frame " << describe(outerBounds(&w)).toStdString() << ", on the server "
                         << describe(serverGeometry(&w)).toStdString() << ", client " << describe(w.geometry()).toStdString();
    EXPECT_TRUE(elastic()->IsSizing()) << "the first step is part of the drag";
    EXPECT_EQ(layout(), before) << "nothing moves while the drag lasts";
    ASSERT_TRUE(xdotool(at(200, 150)));
    ASSERT_TRUE(DORVANE_WAIT_FOR(w.width() >= start.width() + 200));
    EXPECT_EQ(layout(), before);
    ASSERT_TRUE(xdotool({"mouseup", "1"}));

    ASSERT_TRUE(DORVANE_WAIT_FOR(!elastic()->IsSizing()));
    EXPECT_EQ(control("cxPageControl1")->width(), w.width()) << "laid out for the new size at the end";
    const LayoutSnapshot dragged = layout();
    // The same size set by the program gives the same layout.
    const QSize size = outerBounds(&w).size();
    w.SetBounds(w.Left(), w.Top(), 700, 500);
    ASSERT_TRUE(DORVANE_WAIT_FOR(outerBounds(&w).size() == QSize(700, 500)));
    w.SetBounds(w.Left(), w.Top(), size.width(), size.height());
    ASSERT_TRUE(DORVANE_WAIT_FOR(outerBounds(&w).size() == size));
    EXPECT_EQ(layout(), dragged);
}

TEST_F(WindowManagerTest, APressInAnInactiveWindowClampsTheTypedMinutesBeforeTheClick)
{
    TMainForm &w = open();
    control("spnMin")->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(w.focusWidget() && control("spnMin")->isAncestorOf(w.focusWidget())));
    QTest::keyClick(w.focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w.focusWidget(), QStringLiteral("75"));

    // Another window of the desktop is the active one, clear of the clock.
    QWidget other;
    other.setWindowTitle(QStringLiteral("Other"));
    other.resize(200, 100);
    other.move(0, 0);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(DORVANE_WAIT_FOR(other.isActiveWindow() && !w.isActiveWindow()));

    // The press reaches the clock's window before the window manager has activated it.
    const QPoint reset = control("btnReset")->mapToGlobal(control("btnReset")->rect().center());
    ASSERT_TRUE(xdotool({"mousemove", QString::number(reset.x()), QString::number(reset.y())}));
    ASSERT_TRUE(xdotool({"click", "--window", QString::number(w.winId()), "1"}));
    ASSERT_TRUE(DORVANE_WAIT_FOR(display() != QStringLiteral("00 05 00")));
    EXPECT_EQ(display(), QStringLiteral("00 60 00"));
}

TEST_F(WindowManagerTest, APanelTakingPartOfTheScreenIsNoDisplayChange)
{
    TMainForm &w = open();
    ASSERT_TRUE(DORVANE_WAIT_FOR(placedWhereItOpens(&w)));
    const QRect bounds = w.BoundsRect();
    const LayoutSnapshot before = layout();
    const int usableHeight = availableArea().height();

    // A dock along the bottom edge that keeps 40 pixels of the screen for itself.
    QWidget panel;
    panel.setAttribute(Qt::WA_X11NetWmWindowTypeDock);
    panel.setGeometry(0, w.screen()->geometry().height() - 40, w.screen()->geometry().width(), 40);
    panel.show();
    ASSERT_TRUE(DORVANE_WAIT_FOR(panel.windowHandle()->isExposed()));
    const QString id = QString::number(panel.winId());
    ASSERT_EQ(QProcess::execute(QStringLiteral("xprop"), {"-id", id, "-f", "_NET_WM_STRUT", "32c", "-set",
                                                          "_NET_WM_STRUT", "0,0,0,40"}),
              0);
    ASSERT_TRUE(DORVANE_WAIT_FOR(availableArea().height() == usableHeight - 40));
    QApplication::processEvents();
    EXPECT_EQ(w.BoundsRect(), bounds);
    EXPECT_EQ(layout(), before);
}
