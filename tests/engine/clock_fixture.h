#pragma once
#include "recording_window.h"

#include "engine/clock_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// One delivered tick: what the display showed afterwards and what the engine did.
struct Tick
{
    std::string digits;
    std::vector<std::string> outputs;

    bool has(const std::string &call) const
    {
        return std::find(outputs.begin(), outputs.end(), call) != outputs.end();
    }
};

class ClockFixture : public ::testing::Test
{
protected:
    RecordingWindow window;
    dorvane::ClockEngine engine{window};

    void resetDown(int h, int m, int s) { reset(0, h, m, s); }
    void resetUp(int h, int m, int s) { reset(1, h, m, s); }

    void start()
    {
        engine.StartClock();
        window.log.clear();
    }

    // Delivers ticks as the timer would, while it is on, up to a limit.
    std::vector<Tick> run(int maxTicks)
    {
        std::vector<Tick> ticks;
        while (window.ticking && static_cast<int>(ticks.size()) < maxTicks) {
            engine.AdvanceClock();
            ticks.push_back({window.digits, window.takeOutputs()});
        }
        return ticks;
    }

    Tick tick()
    {
        EXPECT_TRUE(window.ticking) << "tick delivered while the timer is off";
        engine.AdvanceClock();
        return {window.digits, window.takeOutputs()};
    }

    // First and last tick of a run, without undefined behaviour when the clock never ran.
    static Tick first(const std::vector<Tick> &ticks)
    {
        if (ticks.empty()) {
            ADD_FAILURE() << "no tick was delivered";
            return {};
        }
        return ticks.front();
    }
    static Tick last(const std::vector<Tick> &ticks)
    {
        return ticks.empty() ? first(ticks) : ticks.back();
    }

    static std::vector<std::string> digitsOf(const std::vector<Tick> &ticks)
    {
        std::vector<std::string> out;
        for (const auto &t : ticks)
            out.push_back(t.digits);
        return out;
    }

private:
    void reset(int direction, int h, int m, int s)
    {
        window.direction = direction;
        window.hours = h;
        window.minutes = m;
        window.seconds = s;
        engine.ResetClock();
        window.log.clear();
    }
};
