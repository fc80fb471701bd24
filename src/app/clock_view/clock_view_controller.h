#pragma once
#include "app/commands/clock_status.h"
#include "engine/colour.h"
#include "settings/view_settings.h"

#include <QObject>
#include <QPoint>
#include <memory>
#include <optional>

class QScreen;
class QWidget;
class TClockViewForm;
class TForm;
class TJvLabel;

namespace dorvane {

class ClockCommands;
class ClockMirror;
class ClockViewKeys;
class MessageFlash;
class OvertimeClock;
class StageView;
class TimeOfDayClock;
class TimeUpFlash;
class WindowModes;
struct CommandResult;
struct FirstViewPlace;

// The clock view of the main window: made when it is first wanted, kept a mirror of the main
// window's clock, marked while the count is paused and flashed at time up. Its keys are the
// clock's commands, given by a user at the screen; its context menu comes out as a signal.
class ClockViewController final : public QObject
{
    Q_OBJECT
public:
    // `mainWindow` holds the fields the view mirrors; `commands` are the clock's.
    ClockViewController(TForm *mainWindow, ClockCommands &commands);
    ~ClockViewController() override;

    // The view's window; made on first use.
    TClockViewForm *Form();
    bool Exists() const { return m_form != nullptr; }
    WindowModes *Modes();
    // The view's keys, there before the view is.
    ClockViewKeys &Keys() const { return *m_keys; }
    // The clock's commands, which the view's keys and menu give.
    ClockCommands &Commands() const { return m_commands; }
    // A user at the screen reads what a command given there answered as its box.
    void ShowAnswer(const CommandResult &result);
    // The window a dialog opened from either window stands over: the main window, back from the
    // task bar if it is there, so that nothing meant for the operator opens in front of the room.
    QWidget *DialogOwner();

    bool Shown() const;
    // Shown, with enough of its title on a screen to be seen.
    bool ShownOnScreen() const;
    void SetShown(bool shown);
    // Shows the view on `screen`, full screen there when it was full screen.
    void ShowOn(QScreen *screen);
    // Hides the view for good when the main window closes.
    void Close();

    void SetPaused(bool paused);
    bool Paused() const { return m_paused; }

    bool FlashAtTimeUp() const { return m_flashAtTimeUp; }
    void SetFlashAtTimeUp(bool on);
    // The count has just ended: flash when wanted and the view is on the screen.
    void TimeUp(ColourValue expired, ColourValue normal);
    // A reset ends a flash and shows the main window's colour again.
    void ClockReset();
    bool Flashing() const;

    // What the view shows besides the time, and its digit colour.
    const StageOptions &Options() const { return m_options; }
    void SetOptions(const StageOptions &options);
    const DigitColours &DigitColourChoice() const { return m_digits; }
    void SetDigitColourChoice(const DigitColours &digits);
    // The clocks the view reads besides the main window's, for a test to drive.
    OvertimeClock &Overtime() const { return *m_overtime; }
    TimeOfDayClock &TimeOfDay() const { return *m_timeOfDay; }
    MessageFlash &MessageFlashing() const { return *m_messageFlash; }

    // The remembered view, given once at start-up after the main window has shown.
    void Restore(const ViewSettings &settings);
    // The view as it is now, for saving.
    void Remember(ViewSettings &settings) const;

signals:
    void ContextMenuRequested(QWidget *window, QPoint globalPosition);
    // The view's window has just been made (so that keys and menus can be given to it).
    void Created(TClockViewForm *form);
    void ShownChanged(bool shown);

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void create();
    // Where the view opens when no place of its own is remembered.
    FirstViewPlace firstPlace() const;
    void statusChanged(const ClockStatus &now, const ClockStatus &before);
    // Hands the view what it shows besides the clock's status.
    void showOptions();
    void showOvertime();
    // Wakes the view's own clocks only for what is shown, on the screen or on a page.
    void wakeClocks();
    // Tells the commands what the view draws, while someone follows it.
    void publishLook();

    TForm *m_mainWindow;
    ClockCommands &m_commands;
    ClockViewKeys *m_keys;
    std::unique_ptr<TClockViewForm> m_form;
    ClockMirror *m_mirror = nullptr;
    WindowModes *m_modes = nullptr;
    TimeUpFlash *m_flash = nullptr;
    StageView *m_stage = nullptr;
    OvertimeClock *m_overtime;
    TimeOfDayClock *m_timeOfDay;
    MessageFlash *m_messageFlash;
    TJvLabel *m_clock = nullptr; // the main window's clock, whose colour the view stands on
    bool m_paused = false;
    bool m_shownBefore = false; // in this run
    bool m_flashAtTimeUp = false;
    ColourValue m_flashExpired = 0;
    StageOptions m_options;
    DigitColours m_digits = ViewSettings().clockDigits;
    // What the settings remembered, kept for the view until it has been on the screen.
    ViewSettings m_stored;
};

} // namespace dorvane
