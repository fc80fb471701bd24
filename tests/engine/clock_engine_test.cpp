#include "clock_fixture.h"

#include "engine/error.h"

using dorvane::colours::Cream;
using dorvane::colours::Yellow;
using Calls = std::vector<std::string>;

using ClockEngineTest = ClockFixture;

TEST_F(ClockEngineTest, ResetCountingDownShowsTheInputsAsEntered)
{
    window.direction = 0;
    window.hours = 0;
    window.minutes = 60;
    window.seconds = 5;
    engine.ResetClock();

    EXPECT_EQ(window.log, (Calls{"read direction", "read hours", "read minutes", "read seconds",
                                 "digits 00 60 05", "read normal", RecordingWindow::paint(Cream),
                                 "left AF", "right AF"}));
    EXPECT_TRUE(engine.state().CountingDown);
    EXPECT_EQ(engine.state().AllowanceSeconds, 3605);
    EXPECT_EQ(engine.state().ElapsedCount, 0);
}

TEST_F(ClockEngineTest, ResetCountingUpShowsZeroAndTheUpArrow)
{
    window.direction = 1;
    window.minutes = 1;
    window.normal = Yellow;
    engine.ResetClock();

    EXPECT_EQ(window.log, (Calls{"read direction", "read hours", "read minutes", "read seconds",
                                 "digits 00 00 00", "read normal", RecordingWindow::paint(Yellow),
                                 "left AD", "right AD"}));
    EXPECT_FALSE(engine.state().CountingDown);
    EXPECT_EQ(engine.state().AllowanceSeconds, 60);
}

TEST_F(ClockEngineTest, ZeroCountDownIsRefusedWithItsMessageAndNothingChanges)
{
    resetDown(0, 0, 0);
    window.voice = 0;
    engine.StartClock();

    EXPECT_EQ(window.log, (Calls{"error Time Allowance must be set if counting down."}));
    EXPECT_FALSE(window.ticking);
    EXPECT_FALSE(engine.state().VoiceOn);
}

TEST_F(ClockEngineTest, FiveSecondCountDownStopsAtZeroAndRefusesAnotherStart)
{
    resetDown(0, 0, 5);
    start();
    const auto ticks = run(100);

    EXPECT_EQ(digitsOf(ticks), (Calls{"00 00 04", "00 00 03", "00 00 02", "00 00 01", "00 00 00"}));
    EXPECT_EQ(last(ticks).outputs, (Calls{"digits 00 00 00", "ticking off", "repaint"}));
    EXPECT_EQ(ticks.at(3).outputs, (Calls{"digits 00 00 01"}));

    engine.StartClock();
    EXPECT_EQ(window.takeOutputs(), (Calls{"error Time Allowance must be set if counting down."}));
    EXPECT_FALSE(window.ticking);

    resetDown(0, 0, 5);
    engine.StartClock();
    EXPECT_TRUE(window.ticking);
}

TEST_F(ClockEngineTest, OverfullInputsNormaliseOnTheFirstTick)
{
    resetDown(0, 60, 0);
    start();
    EXPECT_EQ(tick().digits, "00 59 59");

    resetDown(99, 60, 60);
    EXPECT_EQ(window.digits, "99 60 60");
    EXPECT_EQ(engine.state().AllowanceSeconds, 360060);
    EXPECT_EQ(tick().digits, "100 00 59");
}

TEST_F(ClockEngineTest, CountUpWithoutAllowanceRunsPastNinetyNineHours)
{
    resetUp(0, 0, 0);
    start();
    EXPECT_EQ(tick().digits, "00 00 01");
    EXPECT_EQ(tick().digits, "00 00 02");

    const auto ticks = run(99 * 3600 + 3600 + 61 - 2);
    ASSERT_TRUE(window.ticking);
    EXPECT_EQ(ticks.at(3600 - 3).digits, "01 00 00");
    EXPECT_EQ(ticks.at(99 * 3600 + 3599 - 3).digits, "99 59 59");
    EXPECT_EQ(ticks.at(99 * 3600 + 3600 - 3).digits, "100 00 00");
    EXPECT_EQ(last(ticks).digits, "100 01 01");

    engine.StopClock();
    EXPECT_EQ(window.takeOutputs(), (Calls{"ticking off"}));
}

TEST_F(ClockEngineTest, CountUpWithAllowanceStopsThereAndGivesOneTickPerLaterStart)
{
    resetUp(0, 1, 0);
    start();
    const auto ticks = run(1000);
    ASSERT_EQ(ticks.size(), 60u);
    EXPECT_EQ(last(ticks).digits, "00 01 00");
    EXPECT_EQ(last(ticks).outputs, (Calls{"digits 00 01 00", "ticking off", "repaint"}));

    start();
    EXPECT_EQ(digitsOf(run(1000)), (Calls{"00 01 01"}));
    start();
    EXPECT_EQ(digitsOf(run(1000)), (Calls{"00 01 02"}));
    EXPECT_FALSE(window.ticking);
}

TEST_F(ClockEngineTest, ResetWhileRunningRestartsTheCountAndTheTicksGoOn)
{
    resetDown(0, 0, 10);
    start();
    run(3);
    window.seconds = 20;
    engine.ResetClock();
    EXPECT_EQ(window.digits, "00 00 20");
    EXPECT_TRUE(window.ticking);
    EXPECT_EQ(tick().digits, "00 00 19");

    window.direction = 1;
    engine.ResetClock();
    const auto outputs = window.takeOutputs();
    EXPECT_EQ(std::count(outputs.begin(), outputs.end(), "ticking off"), 0);
    EXPECT_EQ(window.digits, "00 00 00");
    EXPECT_EQ(tick().digits, "00 00 01");
}

TEST_F(ClockEngineTest, StartWhileRunningOnlyRefreshesTheLatches)
{
    resetDown(0, 0, 30);
    start();
    run(4);
    window.voice = 0;
    window.colourChange = 0;
    window.colourSeconds = dorvane::Variant(7);
    engine.StartClock();

    EXPECT_EQ(window.takeOutputs(), (Calls{"ticking on"}));
    EXPECT_EQ(engine.state().ElapsedCount, 4);
    EXPECT_TRUE(engine.state().VoiceOn);
    EXPECT_TRUE(engine.state().ColourChangeOn);
    EXPECT_EQ(engine.state().ColourChangeSeconds, 7);
    EXPECT_EQ(tick().digits, "00 00 25");
}

TEST_F(ClockEngineTest, StopThenStartContinuesAndReReadsTheLatches)
{
    resetDown(0, 0, 30);
    start();
    run(2);
    engine.StopClock();
    EXPECT_FALSE(window.ticking);
    EXPECT_EQ(window.takeOutputs(), (Calls{"ticking off"}));

    window.voice = 0;
    engine.StartClock();
    EXPECT_EQ(window.log, (Calls{"ticking on", "read voice", "read colour change",
                                 "read colour seconds"}));
    EXPECT_TRUE(engine.state().VoiceOn);
    window.log.clear();
    EXPECT_EQ(tick().digits, "00 00 27");
}

TEST_F(ClockEngineTest, AllowanceChangedWithoutResetIsNotUsed)
{
    resetDown(0, 0, 10);
    window.seconds = 40;
    window.minutes = 3;
    start();
    EXPECT_EQ(tick().digits, "00 00 09");
    EXPECT_EQ(engine.state().AllowanceSeconds, 10);
}

TEST_F(ClockEngineTest, RangeCheckAtStartLeavesTickingOnAndTheFirstLatchesSet)
{
    resetDown(0, 0, 30);
    window.colourSeconds = dorvane::Variant(25);
    start();
    engine.StopClock();

    window.voice = 0;
    window.colourChange = 0;
    window.colourSeconds = dorvane::Variant(std::int64_t{1} << 31);
    try {
        engine.StartClock();
        FAIL() << "no error";
    } catch (const dorvane::Error &e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
    EXPECT_TRUE(window.ticking);
    EXPECT_TRUE(engine.state().VoiceOn);
    EXPECT_TRUE(engine.state().ColourChangeOn);
    EXPECT_EQ(engine.state().ColourChangeSeconds, 25);
}

TEST_F(ClockEngineTest, ResetToZeroCountDownWhileRunningStopsInsteadOfGoingNegative)
{
    resetDown(0, 0, 10);
    window.voice = 0;
    start();
    run(2);
    window.seconds = 0;
    engine.ResetClock();
    window.log.clear();

    const auto ticks = run(5);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_EQ(ticks.at(0).outputs, (Calls{"ticking off"}));
    EXPECT_EQ(window.digits, "00 00 00");
    EXPECT_FALSE(window.ticking);
    EXPECT_EQ(engine.state().ElapsedCount, 0);
}
