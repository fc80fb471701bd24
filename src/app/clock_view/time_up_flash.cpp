#include "time_up_flash.h"

namespace dorvane {

TimeUpFlash::TimeUpFlash(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(HalfPeriodMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TimeUpFlash::Step);
}

void TimeUpFlash::Start(ColourValue expired, ColourValue normal)
{
    m_expired = expired;
    m_normal = normal;
    m_changes = 0;
    m_timer.start();
    emit ColourDue(m_expired);
}

void TimeUpFlash::Stop()
{
    m_timer.stop();
}

void TimeUpFlash::Step()
{
    if (!IsRunning())
        return;
    ++m_changes;
    // Odd changes show the normal colour; the last one, an even one, the expired colour.
    emit ColourDue(m_changes % 2 ? m_normal : m_expired);
    if (m_changes >= Changes) {
        m_timer.stop();
        emit Finished();
    }
}

} // namespace dorvane
