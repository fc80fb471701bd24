#pragma once
#include "app/commands/clock_status.h"
#include "app/commands/stage_look.h"

#include <QObject>
#include <QString>
#include <functional>

namespace dorvane {

// What became of a command: done, or why not, in the words the box at the screen would have used.
struct CommandResult
{
    enum class Outcome {
        Done,
        Refused,    // the clock said no, as its "Error" box says it ("Time Allowance must be set if counting down.")
        OutOfRange, // a value the field does not take; nothing has changed
        Failed,     // an error the general error report would have shown ("Range check error")
    };

    Outcome outcome = Outcome::Done;
    QString text; // empty when done

    bool done() const { return outcome == Outcome::Done; }
};

// The three fields of the time allowance, in the order the clock reads them.
enum class AllowancePart { Hours, Minutes, Seconds };

// The clock as the commands work it: the main window's buttons, its allowance fields and its clock
// view, answered by the main window. The commands never see a control.
class ClockControls
{
public:
    virtual ~ClockControls() = default;

    // An allowance field as a caller is told of it.
    struct Field
    {
        QString caption; // the caption beside the field: "Hours", "Minutes", "Seconds"
        int minValue = 0;
        int maxValue = 0;
    };

    // The click handlers of the Start, Stop and Reset buttons, run as a click runs them.
    virtual void ClickStart() = 0;
    virtual void ClickStop() = 0;
    virtual void ClickReset() = 0;
    virtual Field AllowanceField(AllowancePart part) const = 0;
    // Whether the field keeps `value` as it is, by its own limits.
    virtual bool AllowanceTakes(AllowancePart part, int value) const = 0;
    // Types `value` into the field, as a user would.
    virtual void TypeAllowance(AllowancePart part, int value) = 0;
    virtual bool ClockViewShown() const = 0;
    // Shown, with enough of its title on a screen to be seen.
    virtual bool ClockViewOnScreen() const = 0;
    virtual void ShowClockView(bool shown) = 0;
    // Brings the main window to the front, back from the task bar if it is there.
    virtual void BringToFront() = 0;
    // Adds seconds to the count-down's time left, or takes them away, as the clock view's
    // "+1 minute" does; the clock's refusal is its error.
    virtual void ChangeTimeLeft(int seconds) = 0;
    virtual ClockStatus Status() const = 0;
};

// The clock's operations for everything that is not one of its buttons: the bus, the clock view's
// keys, and whatever comes next. Each runs the handler of the button that does it, or types into the
// fields as a user would, so a caller can do nothing a user at the window could not. Errors come
// back as values and never open a box: a caller at the screen shows them itself.
//
// It also keeps the status, and says when it changes.
class ClockCommands final : public QObject
{
    Q_OBJECT
public:
    explicit ClockCommands(ClockControls &controls, QObject *parent = nullptr);

    // The buttons: a Start the clock refuses (a count-down with no allowance) is Refused.
    CommandResult Start();
    CommandResult Stop();
    // Start when the clock is stopped, Stop when it runs.
    CommandResult StartOrStop();
    CommandResult Reset();
    // Types the three values into the allowance fields and resets, so the digits take them (a running
    // count restarts from them). A value a field does not take is OutOfRange, and nothing changes.
    CommandResult SetAllowance(int hours, int minutes, int seconds);
    // Shows or hides the clock view, as F10 does. A view that is shown but on no screen is Failed.
    CommandResult ShowClockView(bool shown);
    // Brings the main window to the front.
    CommandResult Activate();

    // More time for the speaker, or less when negative: the count-down's time left changes while
    // it counts or is stopped, held between 0:00:01 and 99:59:59. A count-up, or a count whose
    // time is up, is Refused.
    CommandResult AddSeconds(int seconds);

    // The longest message to the speaker, in characters.
    static constexpr int kLongestMessage = 200;
    // A line of text for the speaker under the time. Line breaks, tabs and runs of spaces become
    // one space, and other control characters go; what is left empty clears the message. Longer
    // than kLongestMessage is OutOfRange, and the message stays as it was.
    CommandResult ShowMessage(const QString &text);
    CommandResult ClearMessage();
    // A black screen in the clock view, while the clock goes on.
    CommandResult SetBlank(bool blank);
    CommandResult ToggleBlank();

    // The clock as it is now.
    ClockStatus Status() const;

    // What the clock view draws besides the status, as the view last told it. The view works it
    // out only while someone follows it (a shared clock's pages), counted here.
    const StageLook &Look() const { return m_look; }
    void SetLook(const StageLook &look);
    void FollowLook(bool follow);
    bool LookFollowed() const { return m_lookFollowers > 0; }

    // The window's part. After every handler that may move the clock (Start, Stop, Reset and each
    // tick): the status is looked at again.
    void ClockMoved();
    // Before the window opens its "Error" box: while a command runs, the refusal is the command's
    // answer instead, and true is returned.
    bool TakeRefusal(const QString &text);

signals:
    // What the clock shows or whether it runs has changed: at most once per handler, so once per
    // tick while it runs.
    void StatusChanged(const dorvane::ClockStatus &now, const dorvane::ClockStatus &before);
    void LookChanged();
    // The look is followed now, or no longer.
    void LookFollowedChanged(bool followed);

private:
    // Runs `action` for the command; a refusal or an exception it gives is the answer.
    CommandResult run(const std::function<void()> &action);
    QString outOfRangeText(const int (&values)[3]) const;

    ClockControls &m_controls;
    ClockStatus m_status;
    QString m_message;
    bool m_blank = false;
    StageLook m_look;
    int m_lookFollowers = 0;
    CommandResult *m_running = nullptr; // the answer of the command that runs
};

} // namespace dorvane
