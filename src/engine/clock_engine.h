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

    void ShowDirection();
    // Paints the clock in `colour` as its normal colour.
    void SetClockColour(ColourValue colour);

    const ClockState &state() const { return m_state; }

private:
    void showShownDigits();
    void runColourCues();
    void paintCue(ClockCue cue, ColourValue colour);
    void runAnnouncement();

    WindowPort &m_port;
    ClockState m_state;
};

} // namespace dorvane
