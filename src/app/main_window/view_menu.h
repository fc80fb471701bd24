#pragma once
#include "app/commands/clock_status.h"
#include "settings/view_settings.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace dorvane {

class ClockViewController;
class VoiceOutput;
class WindowDigitColours;
class WindowModes;

// The keys and the menu that show the clock to a room. F10 shows or hides the clock view, F11
// puts the window that has the focus to full screen and back, Ctrl+T keeps it on top; the
// context menu holds these, the message to the speaker, a minute more or less, the black screen,
// the digit colour, the flash at time up, the voice volume, the
// screen for the clock view and the list of keys, which is read from the actions that have them.
class ViewMenu final : public QObject
{
    Q_OBJECT
public:
    // The digit colour is that of `mainWindow`'s clock fields.
    ViewMenu(QWidget *mainWindow, ClockViewController &clockView, VoiceOutput &voice);

    // The main window's digit colours, which the menu of the main window chooses.
    void SetMainDigitColours(WindowDigitColours *digits) { m_mainDigits = digits; }

    // Gives `window` the three keys, acting on `modes` for full screen and on top.
    void AttachTo(QWidget *window, WindowModes *modes);
    // A right-click on `field` opens the menu for its window.
    void OpenOnRightClick(QWidget *field);
    // Opens the menu for `window` at a point on the screen; it closes itself.
    QMenu *Popup(QWidget *window, QPoint globalPosition);

    // The entries that open a window of their own, each over the main window, whichever window
    // the menu was opened in (`window`, whose colours the colour dialog starts from).
    void ChooseDigitColour(QWidget *window);
    void ShowKeyboardShortcuts();
    // Asks for the message to the speaker and shows it.
    void AskForMessage();
    // The messages shown last, the latest first.
    QStringList RecentMessages() const { return m_recentMessages; }
    void SetRecentMessages(const QStringList &messages) { m_recentMessages = messages; }
    // The colour of `window`'s digits on the clock's colour for `cue`.
    void ChooseStateDigitColour(QWidget *window, ClockStatus::Cue cue);
    // The text of the list of keys.
    QString KeyboardShortcutsText() const;
    // An entry of the program's, above the list of keys, named `name`, that opens something for
    // the window the menu is on.
    void AddEntry(const QString &name, const QString &text, std::function<void(QWidget *window)> open);

private:
    struct WindowActions
    {
        QAction *fullScreen;
        QAction *onTop;
        WindowModes *modes;
    };

    bool eventFilter(QObject *watched, QEvent *event) override;
    void refreshChecks(QWidget *window);
    void addVolumes(QMenu *menu);
    void addScreens(QMenu *menu);
    // The message to the speaker, more or less time, the black screen.
    void addRoomEntries(QMenu *menu);
    // The digit colours of `window`, and in the clock view what it shows besides the time.
    void addStageEntries(QMenu *menu, QWidget *window);
    DigitColours digitColoursOf(const QWidget *window) const;
    void setDigitColoursOf(const QWidget *window, const DigitColours &digits);

    QWidget *m_mainWindow;
    ClockViewController &m_clockView;
    VoiceOutput &m_voice;
    QAction *m_clockViewAction;
    QAction *m_flashAction;
    WindowDigitColours *m_mainDigits = nullptr;
    QHash<QWidget *, WindowActions> m_windows;
    QStringList m_recentMessages;
    struct ExtraEntry
    {
        QString name;
        QString text;
        std::function<void(QWidget *)> open;
    };
    QVector<ExtraEntry> m_extraEntries;
};

} // namespace dorvane
