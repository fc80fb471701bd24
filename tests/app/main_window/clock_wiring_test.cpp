#include "main_window_fixture.h"

#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "controls/input/tcxspinedit.h"

#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <functional>

using namespace dorvane;

TEST_F(MainWindowTest, StartTicksStopAndStartAgainFromTheSameCount)
{
    TMainForm &w = open();
    click("btnStart");
    EXPECT_TRUE(w.timer()->Enabled());
    tick(5);
    EXPECT_EQ(display(), QStringLiteral("00 04 55"));
    click("btnStop");
    EXPECT_FALSE(w.timer()->Enabled());
    click("btnStart");
    EXPECT_TRUE(w.timer()->Enabled());
    tick();
    EXPECT_EQ(display(), QStringLiteral("00 04 54"));
}

TEST_F(MainWindowTest, StartWhileRunningKeepsTheTickPhase)
{
    TMainForm &w = open();
    click("btnStart");
    ASSERT_GT(w.timer()->RemainingTime(), 0);
    // Time passes with no event handled, so no tick can come in between.
    QThread::msleep(100);
    click("btnStart");
    EXPECT_LE(w.timer()->RemainingTime(), 900) << "the period was not started afresh";
    EXPECT_GE(w.timer()->RemainingTime(), 0);
}

TEST_F(MainWindowTest, StartingACountDownAtZeroShowsTheErrorBox)
{
    TMainForm &w = open();
    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    click("btnReset");
    ASSERT_EQ(display(), QStringLiteral("00 00 00"));
    w.move(0, 0); // so that the middle of the window is not the middle of the screen
    const bool shown = expectModalBox([&] { click("btnStart"); }, [&](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
        const QPoint middle = w.screen()->geometry().center();
        EXPECT_TRUE(DORVANE_WAIT_FOR((box->frameGeometry().center() - middle).manhattanLength() <= 2))
            << box->frameGeometry().center().x() << "," << box->frameGeometry().center().y();
        EXPECT_EQ(box->text(), QStringLiteral("Time Allowance must be set if counting down."));
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()), box->button(QMessageBox::Ok));
        EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Ok));
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(w.timer()->Enabled());
}

TEST_F(MainWindowTest, ACountDownSpeaksAndChangesColourOnItsDueTicks)
{
    TMainForm &w = open();
    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    writePublished(control("spnSec"), QStringLiteral("Value"), 20);
    writePublished(control("spnColorSecs"), QStringLiteral("Value"), 10);
    click("btnReset");
    click("btnStart");
    tick(5);
    EXPECT_EQ(m_clips.played, std::vector<std::string>{"FifteenSound"});
    tick(5);
    EXPECT_EQ(display(), QStringLiteral("00 00 10"));
    EXPECT_EQ(intProperty("lblMins", "Color"), 65535); // the "seconds" colour
    tick(10);
    EXPECT_EQ(display(), QStringLiteral("00 00 00"));
    EXPECT_EQ(intProperty("lblMins", "Color"), 255); // expired
    EXPECT_EQ(m_clips.played.back(), "TimeUpSound");
    EXPECT_FALSE(w.timer()->Enabled());
}

namespace {

// The captions one field showed each time it was painted.
class PaintedCaptions final : public QObject
{
public:
    explicit PaintedCaptions(QWidget *field) : m_field(field) { field->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            captions << readPublished(m_field, QStringLiteral("Caption")).toString();
        return false;
    }
    QStringList captions;

private:
    QWidget *m_field;
};

// Hands each clip, as it starts, to the test's look at what is on the screen.
class ClipStartWatch final : public ClipSink
{
public:
    void PlayClip(const std::string &name) override { onStart(name); }
    std::function<void(const std::string &)> onStart;
};

} // namespace

// A clip starts only once its tick's digits are on the screen; a tick paints the digits it
// changed, and neither the window under them nor the digits that stayed the same.
TEST_F(MainWindowTest, AnAnnouncedTickPaintsItsChangedDigitsBeforeTheClipAndNoOthers)
{
    ClipStartWatch watch;
    m_env.clips = &watch;
    open();
    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    writePublished(control("spnSec"), QStringLiteral("Value"), 20);
    click("btnReset");
    click("btnStart");
    QCoreApplication::processEvents(); // the frame of the start itself
    PaintedCaptions window(m_window.get()), hours(control("lblHrs")), minutes(control("lblMins")),
        seconds(control("lblSecs"));
    std::vector<std::string> started;
    watch.onStart = [&](const std::string &clip) {
        started.push_back(clip);
        EXPECT_EQ(seconds.captions.value(seconds.captions.size() - 1), QStringLiteral("15"));
    };
    tick(5);
    EXPECT_EQ(started, std::vector<std::string>{"FifteenSound"});
    EXPECT_EQ(seconds.captions, (QStringList{"19", "18", "17", "16", "15"}));
    EXPECT_TRUE(window.captions.isEmpty());
    EXPECT_TRUE(hours.captions.isEmpty());
    EXPECT_TRUE(minutes.captions.isEmpty());
}

TEST_F(MainWindowTest, ColourChangeSecondsBeyondThirtyTwoBitsStartTheClockButReportARangeError)
{
    TMainForm &w = open();
    auto *seconds = w.findChild<TcxSpinEdit *>(QStringLiteral("spnColorSecs"));
    seconds->SetValue(Variant(std::int64_t{3000000000}));
    const bool reported = expectModalBox([&] { click("btnStart"); }, [](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Dorvane"));
        EXPECT_EQ(box->text(), QStringLiteral("Range check error."));
    });
    EXPECT_TRUE(reported);
    // Ticking and the other latches were set before the conversion failed.
    EXPECT_TRUE(w.timer()->Enabled());
    EXPECT_TRUE(w.engine().state().VoiceOn);
    EXPECT_EQ(w.engine().state().ColourChangeSeconds, 0);
}

TEST_F(MainWindowTest, ACloseWhileTheColourSecondsHoldNoNumberIsAbandoned)
{
    TMainForm &w = open();
    auto *seconds = w.findChild<TcxSpinEdit *>(QStringLiteral("spnColorSecs"));
    seconds->Editor()->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(seconds->Editor()->hasFocus()));
    QTest::keyClick(seconds->Editor(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(seconds->Editor(), Qt::Key_Minus);
    const bool reported = expectModalBox([&] { w.close(); }, [](QMessageBox *box) {
        EXPECT_EQ(box->text(), QStringLiteral("Invalid numeric value."));
    });
    EXPECT_TRUE(reported);
    EXPECT_TRUE(w.isVisible());
    // Rows before the colour-change seconds were written; the ones after it were not.
    const QByteArray text = settingsText();
    EXPECT_TRUE(text.contains("ExpiredColor=255")) << text.toStdString();
    EXPECT_FALSE(text.contains("TimeUp=")) << text.toStdString();
}
