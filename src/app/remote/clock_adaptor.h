#pragma once
#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QStringList>

namespace dorvane {

class ClockCommands;
class SharingService;
struct CommandResult;

// The clock's interface on the session bus: each method is one of the clock's commands, so a caller
// can do nothing a user at the window could not; an error a command gives goes back to the caller.
class ClockAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.pellgrove.Dorvane.Clock")
    Q_PROPERTY(bool Running READ Running)
    Q_PROPERTY(bool CountingDown READ CountingDown)
    Q_PROPERTY(QString Display READ Display)
    Q_PROPERTY(int RemainingSeconds READ RemainingSeconds)
    Q_PROPERTY(bool Expired READ Expired)
    Q_PROPERTY(QString Message READ Message)
    Q_PROPERTY(bool Blank READ Blank)

public:
    // Exported as part of `exported`, which the bus calls on; `call` is that same object's
    // context of the call being answered (the bus keeps it on the exported object, not here).
    ClockAdaptor(QObject *exported, QDBusContext &call, ClockCommands &commands);

    bool Running() const;
    bool CountingDown() const;
    QString Display() const;
    int RemainingSeconds() const;
    bool Expired() const;
    QString Message() const;
    bool Blank() const;

public slots:
    void Start();
    void Stop();
    void Reset();
    // Types the three values into the allowance fields and resets, so the digits take them.
    void SetAllowance(int hours, int minutes, int seconds);
    // Shows or hides the clock view, as F10 does; fails when the view cannot be seen on a screen.
    void ShowClockView(bool shown);
    // Brings the main window to the front.
    void Activate();
    // Adds seconds to a count-down's time left, or takes them away; refused for a count-up or
    // after the time is up.
    void AddSeconds(int seconds);
    // The line of text for the speaker; too long is OutOfRange, an empty one clears it.
    void ShowMessage(const QString &text);
    void ClearMessage();
    // Blacks out the clock view, or shows it again.
    void SetBlank(bool blank);

    // Shares the clock on the local network ("on"), stops ("off"), or tells the links ("links"):
    // on and links answer the lines "view <link>", "clock <link>", "control <link>".
    QStringList Share(const QString &mode);

public:
    // What Share works on; without it, Share fails.
    void setSharing(SharingService *sharing) { m_sharing = sharing; }

private:
    // An error goes back to the caller under the interface's name for its kind.
    void answer(const CommandResult &result);

    QDBusContext &m_call;
    ClockCommands &m_commands;
    SharingService *m_sharing = nullptr;
};

} // namespace dorvane
