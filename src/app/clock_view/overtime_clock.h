#pragma once
#include "app/commands/clock_status.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace dorvane {

// The time since a count-down ran out, for the stage view's "+0:42". It starts when the clock
// reports its time up and ends at the next reset or start. The engine has stopped by then, so
// this keeps its own time: a monotonic clock, woken once a second while it is wanted.
class OvertimeClock final : public QObject
{
    Q_OBJECT
public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    explicit OvertimeClock(QObject *parent = nullptr, Clock clock = {});
    // Another clock, for a test; before the time is up.
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    // Follows the clock: starts at its time up, ends when it is no longer up.
    void Follow(const ClockStatus &now, const ClockStatus &before);
    // Whether anyone shows it: no wake-ups while nobody does.
    void SetWanted(bool wanted);

    bool Running() const { return m_since.has_value(); }
    // Whole seconds since the time was up; 0 when it is not.
    int Seconds() const;
    // The timer's: the next whole second has come.
    void Wake();

signals:
    void Changed();

private:
    void scheduleWake();

    Clock m_clock;
    QTimer m_timer;
    std::optional<qint64> m_since;
    bool m_wanted = false;
};

} // namespace dorvane
