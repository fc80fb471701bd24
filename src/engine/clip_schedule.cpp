#include "engine/clip_schedule.h"

namespace dorvane {

std::optional<std::string_view> ClipSchedule(std::int32_t shownMinutes, std::int32_t shownSeconds)
{
    switch (shownSeconds) {
    case 0:
        switch (shownMinutes) {
        case 5: return "FiveSound";
        case 4: return "FourSound";
        case 3: return "ThreeSound";
        case 2: return "TwoSound";
        case 1: return "OneSound";
        default: return std::nullopt;
        }
    case 15:
        if (shownMinutes == 1) return "One15Sound";
        if (shownMinutes == 0) return "FifteenSound";
        return std::nullopt;
    case 30:
        if (shownMinutes == 1) return "One30Sound";
        if (shownMinutes == 0) return "ThirtySound";
        return std::nullopt;
    case 45:
        if (shownMinutes == 1) return "One45Sound";
        if (shownMinutes == 0) return "FortyFiveSound";
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool AnnouncementDue(const ClockState &s)
{
    return s.VoiceOn && s.CountingDown && s.ShownHours == 0 && s.ShownMinutes <= 5;
}

std::optional<std::string_view> AnnouncementClip(const ClockState &s)
{
    if (s.ElapsedCount >= s.AllowanceSeconds)
        return kTimeUpClip;
    return ClipSchedule(s.ShownMinutes, s.ShownSeconds);
}

std::optional<std::string_view> ClipOnNextTick(const ClockState &state)
{
    ClockState next = state;
    if (next.CountingDown && next.AllowanceSeconds <= 0)
        return std::nullopt; // the next tick stops the clock instead
    ++next.ElapsedCount;
    next.ShowCount();
    if (!AnnouncementDue(next))
        return std::nullopt;
    return AnnouncementClip(next);
}

} // namespace dorvane
