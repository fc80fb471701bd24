// Does the clock keep time while it speaks? Counts down from 1:50 with voice on, ticked
// by a real one-second timer that behaves like the window's: a tick that falls due while
// a handler runs is delivered once, late, and the rest are dropped. Reports the wall time
// from Start to the tick that shows 00 00 00, against the 110 s allowance.
//
//   voice_countdown_bench [seconds] [--blocking] [--folder DIR]
//
// --blocking makes each clip hold up its tick until it has played, as a synchronous
// player would, for comparison. --folder plays the clip files in DIR in place of the built-in
// clips, each read inside the tick that plays it (the window reads them a tick ahead instead).
#include "engine/clock_engine.h"
#include "engine/voice/clip_player.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using dorvane::ClipPlayer;
using dorvane::ColourValue;
using dorvane::Variant;

double secondsBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

class BenchWindow : public dorvane::WindowPort
{
public:
    BenchWindow(ClipPlayer &player, int allowance, bool blocking, Clock::time_point start)
        : m_player(player), m_allowance(allowance), m_blocking(blocking), m_start(start)
    {
    }

    std::int32_t readAllowanceHours() override { return 0; }
    std::int32_t readAllowanceMinutes() override { return m_allowance / 60; }
    std::int32_t readAllowanceSeconds() override { return m_allowance % 60; }
    std::int32_t readDirectionChoice() override { return 0; }
    std::int32_t readVoiceChoice() override { return 0; }
    std::int32_t readColourChangeChoice() override { return 1; }
    Variant readColourChangeSeconds() override { return Variant(0); }
    ColourValue readNormalColour() override { return dorvane::colours::Cream; }
    ColourValue readSecondsColour() override { return dorvane::colours::Yellow; }
    ColourValue readExpiredColour() override { return dorvane::colours::Red; }
    void showDigits(const std::string &h, const std::string &m, const std::string &s) override
    {
        shown = h + " " + m + " " + s;
    }
    void showLeftArrow(unsigned char) override {}
    void showRightArrow(unsigned char) override {}
    void paintClockColour(ColourValue) override {}
    void setTicking(bool on) override { ticking = on; }
    void repaintNow() override {}
    void showError(const std::string &message) override
    {
        std::fprintf(stderr, "engine refused: %s\n", message.c_str());
    }
    void playClip(const std::string &name) override
    {
        std::printf("  %7.3f s  %s  %s\n", secondsBetween(m_start, Clock::now()), shown.c_str(),
                    name.c_str());
        m_player.PlayClip(name);
        while (m_blocking && m_player.isSounding())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    bool ticking = false;
    std::string shown;

private:
    ClipPlayer &m_player;
    int m_allowance;
    bool m_blocking;
    Clock::time_point m_start;
};

} // namespace

int main(int argc, char **argv)
{
    int allowance = 110;
    bool blocking = false;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--blocking") == 0)
            blocking = true;
        else if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc)
            folders.push_back(argv[++i]);
        else
            allowance = std::atoi(argv[i]);
    }
    if (allowance <= 0 || allowance >= 3600) {
        std::fprintf(stderr, "usage: %s [seconds 1..3599] [--blocking] [--folder DIR]\n", argv[0]);
        return 2;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0); // a real driver can be chosen from outside

    ClipPlayer player{dorvane::ClipFolders(folders)};
    const Clock::time_point start = Clock::now();
    BenchWindow window(player, allowance, blocking, start);
    dorvane::ClockEngine engine(window);
    engine.ResetClock();
    std::printf("count-down from %s, voice on, %s player, SDL driver %s\n", window.shown.c_str(),
                blocking ? "blocking" : "queued", std::getenv("SDL_AUDIODRIVER"));
    engine.StartClock();

    const auto period = std::chrono::seconds(1);
    Clock::time_point due = start + period;
    int ticks = 0;
    int dropped = 0;
    double slowestHandler = 0;
    while (window.ticking) {
        std::this_thread::sleep_until(due);
        const Clock::time_point delivered = Clock::now();
        engine.AdvanceClock();
        ++ticks;
        const Clock::time_point done = Clock::now();
        slowestHandler = std::max(slowestHandler, secondsBetween(delivered, done));
        // Like a window timer: ticks that fell due during the handler collapse into one.
        due += period;
        if (done > due) {
            const auto late = (done - due) / period;
            dropped += static_cast<int>(late);
            due += late * period;
        }
    }
    const double wall = secondsBetween(start, Clock::now());
    std::printf("shows %s after %d ticks (%d dropped)\n", window.shown.c_str(), ticks, dropped);
    std::printf("wall time Start -> 00 00 00: %.3f s against %d s (%+.3f s)\n", wall, allowance,
                wall - allowance);
    std::printf("slowest tick handler: %.3f ms; audio %s\n", slowestHandler * 1000.0,
                player.audioAvailable() ? "available" : "unavailable");
    return 0;
}
