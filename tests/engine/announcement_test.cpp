#include "clock_fixture.h"

#include "engine/clip_schedule.h"

#include <set>
#include <utility>

using dorvane::ClipSchedule;
using Calls = std::vector<std::string>;

namespace {

std::string clipAt(int minutes, int seconds)
{
    return std::string(ClipSchedule(minutes, seconds).value_or("none"));
}

// (display, clip) for every tick that played one.
std::vector<std::pair<std::string, std::string>> clipsPlayed(const std::vector<Tick> &ticks)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto &t : ticks)
        for (const auto &call : t.outputs)
            if (call.rfind("clip ", 0) == 0)
                out.emplace_back(t.digits, call.substr(5));
    return out;
}

} // namespace

TEST(ClipSchedule, SilentElsewhere)
{
    for (auto [m, s] : {std::pair{0, 0}, {2, 15}, {3, 30}, {4, 45}, {5, 15}, {6, 0}, {1, 1},
                        {0, 59}, {1, 14}, {-1, 0}})
        EXPECT_EQ(clipAt(m, s), "none") << m << ":" << s;
}

TEST(ClipSchedule, NamesListHasEveryClipOnce)
{
    const std::set<std::string_view> names(dorvane::kClipNames.begin(), dorvane::kClipNames.end());
    EXPECT_EQ(names.size(), 12u);
    for (int m = 0; m <= 5; ++m) {
        for (int s = 0; s < 60; ++s) {
            if (auto clip = ClipSchedule(m, s)) {
                EXPECT_EQ(names.count(*clip), 1u) << *clip;
            }
        }
    }
    EXPECT_EQ(names.count(dorvane::kTimeUpClip), 1u);
}

using AnnouncementTest = ClockFixture;

TEST_F(AnnouncementTest, LastSixMinutesRepaintEveryTickAndSpeakOnSchedule)
{
    resetDown(0, 6, 1);
    window.voice = 0;
    start();
    const auto ticks = run(1000);
    ASSERT_EQ(ticks.size(), 361u);

    EXPECT_EQ(ticks.at(0).outputs, (Calls{"digits 00 06 00"}));
    EXPECT_EQ(ticks.at(1).outputs, (Calls{"digits 00 05 59", "repaint"}));
    EXPECT_EQ(ticks.at(60).outputs, (Calls{"digits 00 05 00", "repaint", "clip FiveSound"}));
    for (std::size_t i = 1; i < ticks.size(); ++i)
        EXPECT_EQ(ticks.at(i).outputs.at(1), "repaint") << ticks.at(i).digits;
    EXPECT_EQ(last(ticks).outputs, (Calls{"digits 00 00 00", "repaint", "clip TimeUpSound",
                                           "ticking off", "repaint"}));

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"00 05 00", "FiveSound"},      {"00 04 00", "FourSound"},   {"00 03 00", "ThreeSound"},
        {"00 02 00", "TwoSound"},       {"00 01 45", "One45Sound"},  {"00 01 30", "One30Sound"},
        {"00 01 15", "One15Sound"},     {"00 01 00", "OneSound"},    {"00 00 45", "FortyFiveSound"},
        {"00 00 30", "ThirtySound"},    {"00 00 15", "FifteenSound"}, {"00 00 00", "TimeUpSound"}};
    EXPECT_EQ(clipsPlayed(ticks), expected);
}

TEST_F(AnnouncementTest, FiveMinutesExactlyNeverSaysFiveButFiveOhOneDoes)
{
    window.voice = 0;
    resetDown(0, 5, 0);
    start();
    auto first = tick();
    EXPECT_EQ(first.outputs, (Calls{"digits 00 04 59", "repaint"}));
    const auto clips = clipsPlayed(run(1000));
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips.front().second, "FourSound");

    resetDown(0, 5, 1);
    start();
    EXPECT_EQ(tick().outputs, (Calls{"digits 00 05 00", "repaint", "clip FiveSound"}));
}

TEST_F(AnnouncementTest, TenSecondsSaysOnlyTimeUpOnce)
{
    window.voice = 0;
    resetDown(0, 0, 10);
    start();
    const auto clips = clipsPlayed(run(1000));
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips[0], std::make_pair(std::string("00 00 00"), std::string("TimeUpSound")));
}

TEST_F(AnnouncementTest, HoursAboveZeroAreNotAnnounced)
{
    window.voice = 0;
    resetDown(1, 5, 1);
    start();
    EXPECT_EQ(tick().outputs, (Calls{"digits 01 05 00"}));
}

TEST_F(AnnouncementTest, VoiceLatchedOffStaysSilentUntilTheNextStart)
{
    window.voice = 1;
    resetDown(0, 0, 20);
    start();
    window.voice = 0; // switched to "Yes" while running: counts from the next Start
    auto ticks = run(5);
    for (const auto &t : ticks)
        EXPECT_EQ(t.outputs, (Calls{"digits " + t.digits})) << t.digits;

    start();
    ticks = run(1000);
    EXPECT_EQ(first(ticks).outputs, (Calls{"digits 00 00 14", "repaint"}));
    EXPECT_EQ(clipsPlayed(ticks).size(), 1u); // "FifteenSound" was passed while silent
}

TEST_F(AnnouncementTest, CountingUpNeverSpeaks)
{
    window.voice = 0;
    resetUp(0, 5, 1);
    start();
    const auto ticks = run(1000);
    ASSERT_EQ(ticks.size(), 301u);
    for (const auto &t : ticks) {
        EXPECT_FALSE(t.has("repaint") && t.digits != "00 05 01") << t.digits;
        EXPECT_TRUE(clipsPlayed({t}).empty()) << t.digits;
    }
}

TEST_F(AnnouncementTest, ResetInTheLastMinuteStartsTheScheduleAgain)
{
    window.voice = 0;
    resetDown(0, 0, 50);
    start();
    EXPECT_EQ(clipsPlayed(run(10)).size(), 1u); // "FortyFiveSound"
    resetDown(0, 0, 50);
    start();
    const auto clips = clipsPlayed(run(1000));
    ASSERT_EQ(clips.size(), 4u);
    EXPECT_EQ(clips[0].second, "FortyFiveSound");
    EXPECT_EQ(clips[3].second, "TimeUpSound");
}

TEST_F(AnnouncementTest, TheClipOfTheNextTickIsKnownOneTickAhead)
{
    // Every tick of a count-down from 5:01, time up included, and of a count-up.
    for (const int direction : {0, 1}) {
        SCOPED_TRACE(direction == 0 ? "down" : "up");
        window.voice = 0;
        if (direction == 0)
            resetDown(0, 5, 1);
        else
            resetUp(0, 5, 1);
        start();
        while (window.ticking) {
            const std::string foretold(dorvane::ClipOnNextTick(engine.state()).value_or("none"));
            const Tick next = tick();
            std::string played = "none";
            for (const auto &call : next.outputs)
                if (call.rfind("clip ", 0) == 0)
                    played = call.substr(5);
            ASSERT_EQ(foretold, played) << next.digits;
        }
    }
}
