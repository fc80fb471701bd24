#pragma once
#include <QObject>
#include <QTimer>

namespace dorvane {

// A new message to the speaker blinks for a few seconds, so that it catches the eye, and then
// stays.
class MessageFlash final : public QObject
{
    Q_OBJECT
public:
    static constexpr int HalfPeriodMs = 400;
    static constexpr int Changes = 8; // about three seconds, ending shown

    explicit MessageFlash(QObject *parent = nullptr);

    void Start();
    void Stop();
    bool IsRunning() const { return m_timer.isActive(); }
    // Whether the message is drawn now.
    bool Shown() const { return m_shown; }
    // The timer's: the next change.
    void Step();

signals:
    void Changed();

private:
    QTimer m_timer;
    int m_changes = 0;
    bool m_shown = true;
};

} // namespace dorvane
