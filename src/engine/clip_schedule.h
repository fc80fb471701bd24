#pragma once
#include "engine/clock_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dorvane {

// The names the voice clips are asked for, longest remaining time first.
inline constexpr std::array<std::string_view, 12> kClipNames = {
    "FiveSound",      "FourSound",   "ThreeSound",   "TwoSound",
    "One45Sound",     "One30Sound",  "One15Sound",   "OneSound",
    "FortyFiveSound", "ThirtySound", "FifteenSound", "TimeUpSound",
};
inline constexpr std::string_view kTimeUpClip = "TimeUpSound";

// The clip announcing a displayed remaining time, if any. Whole minutes 5 to 1 and the
// quarter minutes of the last two minutes have one; time up is decided by the count instead.
std::optional<std::string_view> ClipSchedule(std::int32_t shownMinutes, std::int32_t shownSeconds);

// Whether this tick's display falls in the announced stretch (5:59 down to 0:00 of a
// count-down with voice latched on).
bool AnnouncementDue(const ClockState &state);

// The clip of the announcement step: time up once the allowance is used, else the schedule.
std::optional<std::string_view> AnnouncementClip(const ClockState &state);

// The clip the next tick of a running clock will play, if any: what a voice can make ready
// a second ahead of it.
std::optional<std::string_view> ClipOnNextTick(const ClockState &state);

} // namespace dorvane
