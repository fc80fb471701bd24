#pragma once
#include "engine/clock_state.h"

#include <QString>
#include <optional>

namespace dorvane {

// A time as a screen reader should say it: "1 hour 2 minutes 10 seconds", the parts that are
// not zero, singular where one; "0 seconds" for none.
QString TimeInWords(int hours, int minutes, int seconds);

// What the digits show, in words: "2 minutes 10 seconds left" counting down, "… counted"
// counting up, "Time is up" once a count-down has run out.
QString ShownTimeInWords(const ClockState &state);

// The text of the voice's announcement this tick brings, whether or not the voice is on:
// "5 minutes remaining" … "15 seconds remaining", "Time is up"; none on other ticks.
std::optional<QString> AnnouncementText(const ClockState &state);

} // namespace dorvane
