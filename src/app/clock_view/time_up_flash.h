#pragma once
#include "engine/colour.h"

#include <QObject>
#include <QTimer>

namespace dorvane {

// The flash at time up: the expired and the normal colour in turn, twice a second for ten
// seconds, ending on the expired colour.
class TimeUpFlash final : public QObject
{
    Q_OBJECT
public:
    static constexpr int HalfPeriodMs = 250;
    static constexpr int Changes = 40; // ten seconds of half periods

    explicit TimeUpFlash(QObject *parent = nullptr);

    // Shows the expired colour at once and starts the alternation.
    void Start(ColourValue expired, ColourValue normal);
    void Stop();
    bool IsRunning() const { return m_timer.isActive(); }
    // The next change of colour, as the timer brings it.
    void Step();

signals:
    void ColourDue(dorvane::ColourValue colour);
    void Finished();

private:
    QTimer m_timer;
    ColourValue m_expired = 0;
    ColourValue m_normal = 0;
    int m_changes = 0;
};

} // namespace dorvane
