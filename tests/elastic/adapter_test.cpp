// The real window under the offscreen platform: Qt events reach the rules as messages.
#include "mirror_window.h"

#include "elastic/layout_math.h"
#include "elastic/qt_message_adapter.h"

#include "support/qt_wait.h"

#include <QTest>
#include <QWindow>

class ElasticOnScreen : public ElasticRules
{
protected:
    void showForReal()
    {
        w->form->show();
        w->form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w->form.get()));
    }
};

TEST_F(ElasticOnScreen, ShowingLaysOutAndProgramResizesRelayoutAtOnce)
{
    showForReal();
    EXPECT_FALSE(w->elastic->InitPending());
    EXPECT_FALSE(w->elastic->CapturePending());
    EXPECT_EQ(w->form->BoundsRect().size(), QSize(616, 468));
    const QSize client = w->form->size();
    w->form->resize(client * 2);
    EXPECT_EQ(w->form->size(), client * 2) << "the initial-bounds guard ended with the activation";
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), client.width() * 2);
    EXPECT_EQ(w->controls["lblSecs"]->Left(), dorvane::layoutmath::Round(413.0 * client.width() * 2 / 608));
}

TEST_F(ElasticOnScreen, WindowSystemResizeBurstIsOneDrag)
{
    showForReal();
    const int before = w->controls["cxPageControl1"]->Width();
    w->form->windowHandle()->resize(900, 700);
    ASSERT_TRUE(DORVANE_WAIT_FOR(w->form->size() == QSize(900, 700)));
    w->form->windowHandle()->resize(1000, 760);
    ASSERT_TRUE(DORVANE_WAIT_FOR(w->form->size() == QSize(1000, 760)));
    EXPECT_TRUE(w->elastic->Adapter()->IsDragging());
    EXPECT_TRUE(w->elastic->IsSizing());
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), before) << "no re-layout while the drag lasts";
    w->elastic->Adapter()->FinishDrag();
    EXPECT_FALSE(w->elastic->IsSizing());
    EXPECT_EQ(w->controls["cxPageControl1"]->Width(), 1000);
}

TEST_F(ElasticOnScreen, SizeLimitsBecomeTheFormsOwn)
{
    setScreen({1280, 1024});
    w->elastic->SetMinimumTrackWidth(-50);
    w->elastic->SetMinimumTrackHeight(400);
    showForReal();
    const QSize extra = w->form->FrameExtra();
    EXPECT_EQ(w->form->minimumSize(), QSize(640, 400) - extra);
    EXPECT_EQ(w->form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}
