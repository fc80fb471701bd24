#include "main_window_fixture.h"

#include "controls/base/published.h"
#include "controls/base/ttimer.h"

#include <QPushButton>

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

TEST_F(MainWindowTest, StartingACountDownAtZeroShowsTheErrorBox)
{
    TMainForm &w = open();
    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    click("btnReset");
    ASSERT_EQ(display(), QStringLiteral("00 00 00"));
    const bool shown = expectModalBox([&] { click("btnStart"); }, [](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error"));
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
