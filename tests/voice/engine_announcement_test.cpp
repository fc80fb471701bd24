#include "engine/clock_engine.h"
#include "engine/voice/clip_player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace dorvane {
namespace {

using Clock = std::chrono::steady_clock;

// A window with a 0:20 count-down, voice on and colour cues off, that forwards the
// engine's clips to a real player and notes on which tick each was asked for.
class ForwardingWindow : public WindowPort
{
public:
    explicit ForwardingWindow(ClipPlayer &player) : m_player(player) {}

    std::int32_t readAllowanceHours() override { return 0; }
    std::int32_t readAllowanceMinutes() override { return 0; }
    std::int32_t readAllowanceSeconds() override { return 20; }
    std::int32_t readDirectionChoice() override { return 0; }
    std::int32_t readVoiceChoice() override { return 0; }
    std::int32_t readColourChangeChoice() override { return 1; }
    Variant readColourChangeSeconds() override { return Variant(0); }
    ColourValue readNormalColour() override { return colours::Cream; }
    ColourValue readSecondsColour() override { return colours::Yellow; }
    ColourValue readExpiredColour() override { return colours::Red; }
    void showDigits(const std::string &h, const std::string &m, const std::string &s) override
    {
        shown = h + " " + m + " " + s;
    }
    void showLeftArrow(unsigned char) override {}
    void showRightArrow(unsigned char) override {}
    void paintClockColour(ColourValue) override {}
    void setTicking(bool on) override { ticking = on; }
    void repaintNow() override {}
    void showError(const std::string &message) override { ADD_FAILURE() << message; }
    void playClip(const std::string &name) override
    {
        m_player.PlayClip(name);
        clips.emplace_back(tick, name);
    }

    int tick = 0;
    bool ticking = false;
    std::string shown;
    std::vector<std::pair<int, std::string>> clips;

private:
    ClipPlayer &m_player;
};

TEST(EngineWithRealPlayer, CountDownAnnouncesWithoutHoldingUpTheTick)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ClipPlayer player;
    ForwardingWindow window(player);
    ClockEngine engine(window);
    engine.ResetClock();
    engine.StartClock();
    ASSERT_TRUE(window.ticking);

    double slowestTick = 0;
    while (window.ticking && window.tick < 30) {
        ++window.tick;
        const auto start = Clock::now();
        engine.AdvanceClock();
        slowestTick = std::max(slowestTick, std::chrono::duration<double>(Clock::now() - start).count());
        if (window.tick == 5) {
            EXPECT_EQ(window.shown, "00 00 15");
            EXPECT_TRUE(player.isSounding()) << "the clip should be playing after its tick";
        }
    }

    EXPECT_EQ(window.tick, 20);
    EXPECT_EQ(window.shown, "00 00 00");
    const std::vector<std::pair<int, std::string>> expected = {{5, "FifteenSound"},
                                                               {20, "TimeUpSound"}};
    EXPECT_EQ(window.clips, expected);
    // Clips take over a second each; a tick that waited for one would show here.
    EXPECT_LT(slowestTick, 0.25);
    EXPECT_TRUE(player.audioAvailable());
}

} // namespace
} // namespace dorvane
