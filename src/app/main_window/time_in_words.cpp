#include "time_in_words.h"

#include "engine/clip_schedule.h"

#include <QStringList>

namespace dorvane {

namespace {

QString counted(int n, const char *unit)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(unit)).arg(n == 1 ? "" : "s");
}

} // namespace

QString TimeInWords(int hours, int minutes, int seconds)
{
    QStringList parts;
    if (hours != 0)
        parts << counted(hours, "hour");
    if (minutes != 0)
        parts << counted(minutes, "minute");
    if (seconds != 0 || parts.isEmpty())
        parts << counted(seconds, "second");
    return parts.join(QLatin1Char(' '));
}

QString ShownTimeInWords(const ClockState &state)
{
    const QString shown = TimeInWords(state.ShownHours, state.ShownMinutes, state.ShownSeconds);
    if (!state.CountingDown)
        return shown + QStringLiteral(" counted");
    if (state.AllowanceReached())
        return QStringLiteral("Time is up");
    return shown + QStringLiteral(" left");
}

std::optional<QString> AnnouncementText(const ClockState &state)
{
    // The voice's own schedule, as if the voice were on.
    ClockState voiced = state;
    voiced.VoiceOn = true;
    if (!AnnouncementDue(voiced))
        return std::nullopt;
    const std::optional<std::string_view> clip = AnnouncementClip(voiced);
    if (!clip)
        return std::nullopt;
    if (*clip == kTimeUpClip)
        return QStringLiteral("Time is up");
    return TimeInWords(0, state.ShownMinutes, state.ShownSeconds) + QStringLiteral(" remaining");
}

} // namespace dorvane
