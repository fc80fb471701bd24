#include "ttimer.h"

TTimer::TTimer(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TTimer::Tick);
    update();
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    update();
}

void TTimer::SetInterval(int ms)
{
    if (ms == m_interval)
        return;
    m_interval = ms;
    update();
}

void TTimer::BeginLoading()
{
    m_loading = true;
    update();
}

void TTimer::Loaded()
{
    m_loading = false;
    update();
}

void TTimer::update()
{
    m_timer.stop();
    if (m_enabled && m_interval > 0 && !m_loading)
        m_timer.start(m_interval);
}
