#pragma once
#include "app/commands/clock_status.h"

#include <QString>

namespace dorvane {

// The time as one line, with colons: "4:38", "12:30" or "1:02:03". Hours are shown when the
// allowance has hours, when they are not zero, or always when `alwaysHours`.
struct TimeLine
{
    QString text;
    // The longest line of this count, all digits zero: what the font is sized for, so that the
    // size stays put from "10:00" down to "9:59".
    QString shape;
};

TimeLine TimeLineOf(const ClockStatus &status, bool alwaysHours);
// The text with every digit a zero: the shape a font is sized for.
QString ShapeOf(QString text);
// The time past the end of a count-down: "+0:42", "+1:00:05".
TimeLine OvertimeLineOf(int seconds, bool alwaysHours);

} // namespace dorvane
