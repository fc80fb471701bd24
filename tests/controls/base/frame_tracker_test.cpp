// The frame a form knows of: none in full screen, and word of the change. (The expected frame
// before a window manager has framed the window, and the real one after, need a window manager:
// tests/wm.)
#include "controls/base/frame_tracker.h"
#include "controls/base/tform.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using dorvane::FrameTracker;

TEST(FrameTracker, AFormHasOneThatTellsWhenFullScreenTakesTheFrameAway)
{
    TForm form;
    FrameTracker *tracker = FrameTracker::Of(&form);
    ASSERT_NE(tracker, nullptr);
    EXPECT_EQ(FrameTracker::Track(&form, QMargins(1, 1, 1, 1)), tracker) << "one per window";
    form.resize(300, 200);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QMargins framed = form.Frame();
    ASSERT_FALSE(framed.isNull()) << "the platform's frame, or the one the layout was designed with";

    QSignalSpy changed(tracker, &FrameTracker::Changed);
    form.setWindowState(Qt::WindowFullScreen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !changed.isEmpty(); }));
    EXPECT_EQ(changed.first().first().value<QMargins>(), framed);
    EXPECT_EQ(form.Frame(), QMargins());
    EXPECT_EQ(form.FrameExtra(), QSize(0, 0));
}
