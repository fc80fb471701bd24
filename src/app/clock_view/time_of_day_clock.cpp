#include "time_of_day_clock.h"

#include <QLocale>

namespace dorvane {

TimeOfDayClock::TimeOfDayClock(QObject *parent, Clock clock) : QObject(parent), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TimeOfDayClock::Wake);
}

void TimeOfDayClock::SetWanted(bool wanted)
{
    m_wanted = wanted;
    if (wanted)
        scheduleWake();
    else
        m_timer.stop();
}

QString TimeOfDayClock::Text() const
{
    return QLocale().toString(m_clock().time(), QLocale::ShortFormat);
}

void TimeOfDayClock::Wake()
{
    scheduleWake();
    emit Changed();
}

void TimeOfDayClock::scheduleWake()
{
    if (!m_wanted)
        return;
    const QTime now = m_clock().time();
    // A few milliseconds past the minute, so that a timer a little early still reads the new one.
    const int toNextMinute = (60 - now.second()) * 1000 - now.msec() + 20;
    m_timer.start(toNextMinute);
}

} // namespace dorvane
