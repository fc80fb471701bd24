// More or less time for a running or paused count-down: the digits, the end, the colour and the
// voice follow the new time; a count-up and a count whose time is up refuse it.
#include "clock_fixture.h"

using dorvane::colours::Cream;
using dorvane::colours::Yellow;
using Calls = std::vector<std::string>;

namespace {

class TimeLeftTest : public ClockFixture
{
protected:
    std::vector<std::string> clipsOf(const std::vector<Tick> &ticks)
    {
        std::vector<std::string> clips;
        for (const Tick &t : ticks)
            for (const std::string &call : t.outputs)
                if (call.rfind("clip ", 0) == 0)
                    clips.push_back(t.digits + " " + call.substr(5));
        return clips;
    }
};

TEST_F(TimeLeftTest, TheCountGoesOnFromTheNewTimeHeldBetweenOneSecondAndTheLongestShown)
{
    resetDown(0, 0, 10);
    start();
    run(2); // 00 00 08
    engine.ChangeTimeLeft(60);
    EXPECT_EQ(window.takeOutputs(), (Calls{"digits 00 01 08"}));
    EXPECT_TRUE(window.ticking);

    const auto ticks = run(100);
    EXPECT_EQ(ticks.size(), 68u);
    EXPECT_EQ(last(ticks).digits, "00 00 00");
    EXPECT_TRUE(engine.state().AllowanceReached());

    resetDown(0, 0, 30);
    engine.ChangeTimeLeft(-60); // paused before the first tick: it is still a count-down
    EXPECT_EQ(window.digits, "00 00 01");
    engine.ChangeTimeLeft(std::int64_t{1} << 40);
    EXPECT_EQ(window.digits, "99 59 59");
    engine.ChangeTimeLeft(-(std::int64_t{1} << 40));
    EXPECT_EQ(window.digits, "00 00 01");
    start();
    EXPECT_EQ(run(5).size(), 1u);
}

TEST_F(TimeLeftTest, ACountUpAZeroAllowanceOrATimeUpIsRefusedAndNothingChanges)
{
    resetUp(0, 1, 0);
    engine.ChangeTimeLeft(60);
    EXPECT_EQ(window.takeOutputs(), (Calls{"error Time can be added or taken away only while counting down."}));

    resetDown(0, 0, 0);
    engine.ChangeTimeLeft(60);
    EXPECT_EQ(window.takeOutputs(), (Calls{"error Time Allowance must be set if counting down."}));
    EXPECT_EQ(engine.state().AllowanceSeconds, 0);

    resetDown(0, 0, 2);
    start();
    run(5);
    engine.ChangeTimeLeft(60);
    EXPECT_EQ(window.takeOutputs(), (Calls{"error The time is up: reset the clock before adding time."}));
    EXPECT_EQ(window.digits, "00 00 00");
    EXPECT_FALSE(window.ticking);
}

TEST_F(TimeLeftTest, TheColourFollowsTheNewTime)
{
    window.colourChange = 0;
    window.colourSeconds = dorvane::Variant(30);
    resetDown(0, 0, 35);
    start();
    EXPECT_TRUE(run(5).back().has(RecordingWindow::paint(Yellow))); // 00 00 30

    // A minute more brings the normal colour back, and the cue comes again at its point.
    engine.ChangeTimeLeft(60);
    EXPECT_EQ(window.takeOutputs(), (Calls{"digits 00 01 30", RecordingWindow::paint(Cream)}));
    const auto ticks = run(60);
    EXPECT_EQ(last(ticks).digits, "00 00 30");
    EXPECT_TRUE(last(ticks).has(RecordingWindow::paint(Yellow)));

    // Taken back past the point, the colour no tick would paint is painted now.
    engine.ChangeTimeLeft(60);
    window.takeOutputs();
    engine.ChangeTimeLeft(-75);
    EXPECT_EQ(window.takeOutputs(), (Calls{"digits 00 00 15", RecordingWindow::paint(Yellow)}));
    // Within the stretch, the colour stays.
    engine.ChangeTimeLeft(5);
    EXPECT_EQ(window.takeOutputs(), (Calls{"digits 00 00 20"}));
}

TEST_F(TimeLeftTest, TheVoiceSpeaksTheClipsOfTheNewTimeAndNotThosePassed)
{
    window.voice = 0;
    resetDown(0, 2, 5);
    start();
    run(3);                    // 00 02 02
    engine.ChangeTimeLeft(-60); // 00 01 02: "two minutes" is passed, never said
    const auto ticks = run(200);
    EXPECT_EQ(clipsOf(ticks), (Calls{"00 01 00 OneSound", "00 00 45 FortyFiveSound", "00 00 30 ThirtySound",
                                     "00 00 15 FifteenSound", "00 00 00 TimeUpSound"}));

    resetDown(0, 0, 50);
    start();
    run(10);                   // 00 00 40: forty-five is past
    engine.ChangeTimeLeft(70); // 00 01 50
    const auto more = run(10);
    EXPECT_EQ(clipsOf(more), (Calls{"00 01 45 One45Sound"}));
}

} // namespace
