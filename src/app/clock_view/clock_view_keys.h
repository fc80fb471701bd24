#pragma once
#include <QList>
#include <QObject>

class QAction;
class QKeyEvent;

namespace dorvane {

// The keys of the clock view, those a presentation remote sends. Each operation is an action whose
// shortcuts are its keys and whose status tip says what it does; the list of keys is read from them.
// The view answers them itself (they are never the window system's shortcuts): a key held down
// repeats nothing, Start, Stop and Reset need their key alone, and Esc leaves full screen whatever
// else is held. A key of the number pad is the same key. "+" and "-" (which some layouts type with
// Shift) give or take a minute, and B or "." black the view out, as a remote's "black screen" does.
// Every other key does nothing, so that a remote's "back" never resets the clock.
class ClockViewKeys final : public QObject
{
    Q_OBJECT
public:
    explicit ClockViewKeys(QObject *parent = nullptr);

    QAction *StartOrStop() const { return m_startOrStop; }
    QAction *Reset() const { return m_reset; }
    QAction *LeaveFullScreen() const { return m_leaveFullScreen; }
    QAction *AddMinute() const { return m_addMinute; }
    QAction *TakeMinute() const { return m_takeMinute; }
    QAction *ToggleBlank() const { return m_toggleBlank; }
    QList<QAction *> Actions() const
    {
        return {m_startOrStop, m_reset, m_addMinute, m_takeMinute, m_toggleBlank, m_leaveFullScreen};
    }

    // Triggers the action of a key pressed in the view; false when it has none.
    bool Press(const QKeyEvent &event);

private:
    QAction *m_startOrStop;
    QAction *m_reset;
    QAction *m_leaveFullScreen;
    QAction *m_addMinute;
    QAction *m_takeMinute;
    QAction *m_toggleBlank;
};

} // namespace dorvane
