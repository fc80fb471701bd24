#include "overtime_clock.h"

#include <QElapsedTimer>

namespace dorvane {

OvertimeClock::OvertimeClock(QObject *parent, Clock clock) : QObject(parent), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] {
            QElapsedTimer t;
            t.start();
            return t.msecsSinceReference();
        };
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &OvertimeClock::Wake);
}

void OvertimeClock::Follow(const ClockStatus &now, const ClockStatus &before)
{
    const bool up = now.expired && now.countingDown;
    if (up && !(before.expired && before.countingDown) && !m_since) {
        m_since = m_clock();
        scheduleWake();
        emit Changed();
    } else if (!up && m_since) {
        m_since.reset();
        m_timer.stop();
        emit Changed();
    }
}

void OvertimeClock::SetWanted(bool wanted)
{
    m_wanted = wanted;
    if (wanted)
        scheduleWake();
    else
        m_timer.stop();
}

int OvertimeClock::Seconds() const
{
    return m_since ? int((m_clock() - *m_since) / 1000) : 0;
}

void OvertimeClock::Wake()
{
    if (!m_since)
        return;
    scheduleWake();
    emit Changed();
}

void OvertimeClock::scheduleWake()
{
    if (!m_since || !m_wanted)
        return;
    // To the next whole second since the time was up, so the seconds change on time and the
    // timer never runs faster than they do.
    const qint64 elapsed = m_clock() - *m_since;
    m_timer.start(int(1000 - elapsed % 1000));
}

} // namespace dorvane
