#include "message_flash.h"

namespace dorvane {

MessageFlash::MessageFlash(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(HalfPeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &MessageFlash::Step);
}

void MessageFlash::Start()
{
    m_changes = 0;
    m_shown = true;
    m_timer.start();
    emit Changed();
}

void MessageFlash::Stop()
{
    m_timer.stop();
    if (!m_shown) {
        m_shown = true;
        emit Changed();
    }
}

void MessageFlash::Step()
{
    if (!IsRunning())
        return;
    ++m_changes;
    m_shown = m_changes % 2 == 0;
    if (m_changes >= Changes)
        m_timer.stop();
    emit Changed();
}

} // namespace dorvane
