#pragma once
#include "engine/clock_state.h"
#include "engine/colour.h"
#include "engine/window_port.h"

#include <string>

namespace dorvane {

// Captions of the direction arrows in the "Symbol" font.
inline constexpr unsigned char kArrowDown = 0xAF;
inline constexpr unsigned char kArrowUp = 0xAD;

inline constexpr const char *kAllowanceNotSetMessage =
    "Time Allowance must be set if counting down.";
inline constexpr const char *kTimeLeftCountingUpMessage =
    "Time can be added or taken away only while counting down.";
inline constexpr const char *kTimeLeftTimeUpMessage =
    "The time is up: reset the clock before adding time.";

// The time left that adding or taking away time keeps to: at least a second, so that a change
// never ends the count, and no more than the digits can show.
inline constexpr std::int32_t kShortestTimeLeft = 1;
inline constexpr std::int32_t kLongestTimeLeft = 99 * 3600 + 59 * 60 + 59;

// The count-down and count-up clock: reset, start, stop and the one-second tick, with the
// colour cues and voice announcements each tick brings. It counts delivered ticks, not time,
// and reaches the window only through its WindowPort.
class ClockEngine
{
public:
    explicit ClockEngine(WindowPort &port) : m_port(port) {}
    ClockEngine(const ClockEngine &) = delete;
    ClockEngine &operator=(const ClockEngine &) = delete;

    // Reloads the allowance and direction and shows the starting display. Leaves the timer
    // and the Start latches alone, so a running clock goes on from the new allowance.
    void ResetClock();
    // Refuses a count-down whose display shows zero; otherwise starts ticking and latches the
    // options. A colour-change seconds value beyond 32 bits throws "Range check error" after
    // ticking and the other two latches are set.
    void StartClock();
    void StopClock();
    // One tick of the timer.
    void AdvanceClock();
    // Adds `seconds` to the time left of a count-down, or takes them away when negative, held
    // between kShortestTimeLeft and kLongestTimeLeft; running or not, the count goes on from the
    // new time. The colour follows: back to normal above the "seconds" point, the "seconds" colour
    // when the change passes it. A count-up, a count-down without an allowance, or one whose time
    // is up is refused through the window's error, and nothing changes.
    void ChangeTimeLeft(std::int64_t seconds);

    void ShowDirection();
    // Paints the clock in `colour` as its normal colour.
    void SetClockColour(ColourValue colour);

    const ClockState &state() const { return m_state; }

private:
    void showShownDigits();
    void runColourCues();
    void paintCue(ClockCue cue, ColourValue colour);
    void runAnnouncement();
    // The colour after the time left went from `before` to `after` seconds.
    void followColourCue(std::int32_t before, std::int32_t after);

    WindowPort &m_port;
    ClockState m_state;
};

} // namespace dorvane
