#include "clock_fixture.h"

#include "engine/colour_cues.h"

using dorvane::colours::Cream;
using dorvane::colours::Red;
using dorvane::colours::Yellow;
using Calls = std::vector<std::string>;

namespace {

const std::string kSeconds = RecordingWindow::paint(Yellow);
const std::string kExpired = RecordingWindow::paint(Red);

// Displays of the ticks that painted the given colour.
std::vector<std::string> paintedAt(const std::vector<Tick> &ticks, const std::string &paint)
{
    std::vector<std::string> out;
    for (const auto &t : ticks)
        if (t.has(paint))
            out.push_back(t.digits);
    return out;
}

} // namespace

class ColourCuesTest : public ClockFixture
{
protected:
    void SetUp() override { window.colourChange = 0; }
    void cueAt(int n) { window.colourSeconds = dorvane::Variant(n); }
};

TEST_F(ColourCuesTest, ZeroSecondsPaintsSecondsThenExpiredOnTheLastTick)
{
    cueAt(0);
    window.voice = 0;
    resetDown(0, 0, 3);
    start();
    const auto ticks = run(100);
    EXPECT_EQ(last(ticks).outputs,
              (Calls{"digits 00 00 00", kSeconds, kExpired, "repaint", "clip TimeUpSound",
                     "ticking off", "repaint"}));
    EXPECT_EQ(paintedAt(ticks, kSeconds), (Calls{"00 00 00"}));
}

TEST_F(ColourCuesTest, CountDownPaintsSecondsOnceAtNAndExpiredAtZero)
{
    cueAt(60);
    resetDown(0, 5, 0);
    start();
    const auto ticks = run(1000);
    EXPECT_EQ(paintedAt(ticks, kSeconds), (Calls{"00 01 00"}));
    EXPECT_EQ(paintedAt(ticks, kExpired), (Calls{"00 00 00"}));
    EXPECT_EQ(last(ticks).outputs, (Calls{"digits 00 00 00", kExpired, "ticking off", "repaint"}));
}

TEST_F(ColourCuesTest, SecondsAtOrBeyondTheAllowanceNeverShow)
{
    for (int n : {10, 11, 500}) {
        cueAt(n);
        resetDown(0, 0, 10);
        start();
        EXPECT_TRUE(paintedAt(run(100), kSeconds).empty()) << n;
    }
}

TEST_F(ColourCuesTest, CountUpWithoutAllowanceCuesNSecondsAfterStartAndNeverExpires)
{
    cueAt(3);
    resetUp(0, 0, 0);
    start();
    const auto ticks = run(200);
    EXPECT_TRUE(window.ticking);
    EXPECT_EQ(paintedAt(ticks, kSeconds), (Calls{"00 00 03"}));
    EXPECT_TRUE(paintedAt(ticks, kExpired).empty());
}

TEST_F(ColourCuesTest, CountUpWithAllowanceCuesBeforeItAndRepaintsExpiredOnEachLaterStart)
{
    cueAt(3);
    resetUp(0, 0, 10);
    start();
    const auto ticks = run(100);
    EXPECT_EQ(paintedAt(ticks, kSeconds), (Calls{"00 00 07"}));
    EXPECT_EQ(paintedAt(ticks, kExpired), (Calls{"00 00 10"}));

    start();
    EXPECT_EQ(first(run(100)).outputs, (Calls{"digits 00 00 11", kExpired, "ticking off", "repaint"}));
}

TEST_F(ColourCuesTest, OffAtStartNoTickPaintsButResetStillDoes)
{
    window.colourChange = 1;
    cueAt(2);
    resetDown(0, 0, 5);
    start();
    window.colourChange = 0;
    const auto ticks = run(100);
    EXPECT_TRUE(paintedAt(ticks, kSeconds).empty());
    EXPECT_TRUE(paintedAt(ticks, kExpired).empty());

    engine.ResetClock();
    EXPECT_EQ(window.takeOutputs().at(1), RecordingWindow::paint(Cream));
}

TEST_F(ColourCuesTest, ColoursAreReadAtTheMomentOfUse)
{
    cueAt(2);
    resetDown(0, 0, 4);
    start();
    window.secondsColour = dorvane::colours::White;
    window.expired = dorvane::colours::Black;
    const auto ticks = run(100);
    EXPECT_EQ(paintedAt(ticks, RecordingWindow::paint(dorvane::colours::White)), (Calls{"00 00 02"}));
    EXPECT_EQ(paintedAt(ticks, RecordingWindow::paint(dorvane::colours::Black)), (Calls{"00 00 00"}));

    window.normal = Yellow;
    engine.ResetClock();
    EXPECT_EQ(window.takeOutputs().at(1), kSeconds); // the new normal colour
}

TEST(DueColourCues, ComparisonsAreSigned)
{
    dorvane::ClockState s;
    s.CountingDown = false;
    s.AllowanceSeconds = 5;
    s.ElapsedCount = 8;
    s.ColourChangeSeconds = -3;
    const auto cues = dorvane::DueColourCues(s);
    EXPECT_TRUE(cues.seconds);
    EXPECT_TRUE(cues.expired);
}

TEST_F(ColourCuesTest, TheStateKnowsWhichColourWasPaintedLast)
{
    cueAt(2);
    resetDown(0, 0, 3);
    EXPECT_EQ(engine.state().Cue, dorvane::ClockCue::Normal);
    start();
    tick();
    EXPECT_EQ(engine.state().Cue, dorvane::ClockCue::Seconds);
    tick();
    EXPECT_EQ(engine.state().Cue, dorvane::ClockCue::Seconds);
    tick();
    EXPECT_EQ(engine.state().Cue, dorvane::ClockCue::Expired);
    resetDown(0, 0, 3);
    EXPECT_EQ(engine.state().Cue, dorvane::ClockCue::Normal);
}
