#include "time_line.h"

#include <QStringList>
#include <algorithm>

namespace dorvane {

namespace {

QString format(int hours, int minutes, int seconds, bool withHours)
{
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    if (withHours)
        return QStringLiteral("%1:%2:%3").arg(hours).arg(two(minutes), two(seconds));
    return QStringLiteral("%1:%2").arg(minutes).arg(two(seconds));
}

} // namespace

QString ShapeOf(QString text)
{
    for (QChar &c : text)
        if (c.isDigit())
            c = QLatin1Char('0');
    return text;
}

TimeLine TimeLineOf(const ClockStatus &status, bool alwaysHours)
{
    // The fields as shown ("00 60 00" before the first tick of a 60-minute count stays 60:00).
    const QStringList parts = status.display.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int hours = parts.value(0).toInt();
    const int minutes = parts.value(1).toInt();
    const int seconds = parts.value(2).toInt();
    const int allowance = std::max(0, status.allowanceSeconds);
    const bool withHours = alwaysHours || hours > 0 || allowance >= 3600;
    TimeLine line;
    line.text = format(hours, minutes, seconds, withHours);
    const QString longest = format(allowance / 3600, allowance % 3600 / 60, allowance % 60, withHours);
    line.shape = ShapeOf(longest.size() > line.text.size() ? longest : line.text);
    return line;
}

TimeLine OvertimeLineOf(int seconds, bool alwaysHours)
{
    seconds = std::max(0, seconds);
    const int hours = seconds / 3600;
    TimeLine line;
    line.text = QLatin1Char('+') + format(hours, seconds % 3600 / 60, seconds % 60, alwaysHours || hours > 0);
    line.shape = ShapeOf(line.text);
    return line;
}

} // namespace dorvane
