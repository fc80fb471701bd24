#pragma once
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

namespace dorvane {

// The time of day in the locale's short format ("14:05", "2:05 PM"), for the stage view. It
// wakes once a minute, on the minute, and only while it is wanted.
class TimeOfDayClock final : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    explicit TimeOfDayClock(QObject *parent = nullptr, Clock clock = {});

    void SetWanted(bool wanted);
    QString Text() const;
    // The timer's: a new minute has come.
    void Wake();

signals:
    void Changed();

private:
    void scheduleWake();

    Clock m_clock;
    QTimer m_timer;
    bool m_wanted = false;
};

} // namespace dorvane
