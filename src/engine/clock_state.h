#pragma once
#include <cstdint>

namespace dorvane {

// Which of the clock's colours it shows: its normal colour, the "seconds" colour or the expired one.
enum class ClockCue { Normal, Seconds, Expired };

// The clock's count and what is on display. All zero and false until the first reset.
struct ClockState
{
    std::int32_t AllowanceSeconds = 0; // written only by a reset
    std::int32_t ElapsedCount = 0;     // ticks since the last reset
    bool CountingDown = false;         // written only by a reset
    std::int32_t ShownHours = 0;
    std::int32_t ShownMinutes = 0;
    std::int32_t ShownSeconds = 0;
    // Latched at Start, so option changes count from the next Start.
    bool VoiceOn = false;
    bool ColourChangeOn = false;
    std::int32_t ColourChangeSeconds = 0;
    // The colour the last reset or colour cue painted.
    ClockCue Cue = ClockCue::Normal;

    // The seconds the digits count: those left when counting down, those counted when counting up.
    std::int32_t CountSeconds() const { return CountingDown ? AllowanceSeconds - ElapsedCount : ElapsedCount; }
    // Shows the count on the digits: hours, minutes and seconds by truncating division.
    void ShowCount()
    {
        const std::int32_t r = CountSeconds();
        ShownHours = r / 3600;
        ShownMinutes = (r % 3600) / 60;
        ShownSeconds = (r % 3600) % 60;
    }
    // The count has reached a non-zero allowance: the time is up.
    bool AllowanceReached() const { return AllowanceSeconds > 0 && ElapsedCount >= AllowanceSeconds; }
    // The count has reached the allowance on the last tick: the time has just run out. A count-up
    // goes on past it, a tick at a time, without running out again.
    bool AllowanceJustReached() const { return AllowanceSeconds > 0 && ElapsedCount == AllowanceSeconds; }
};

} // namespace dorvane
