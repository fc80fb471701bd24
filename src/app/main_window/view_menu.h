#pragma once
#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class TMainForm;

namespace dorvane {

class ClockViewController;
class WindowModes;

// The keys and the menu that show the clock to a room. F10 shows or hides the clock view, F11
// puts the window that has the focus to full screen and back, Ctrl+T keeps it on top; the
// context menu holds these and the digit colour, the flash at time up, the voice volume, the
// screen for the clock view and the list of keys.
class ViewMenu final : public QObject
{
    Q_OBJECT
public:
    ViewMenu(TMainForm &mainForm, ClockViewController &clockView);

    // Gives `window` the three keys, acting on `modes` for full screen and on top.
    void AttachTo(QWidget *window, WindowModes *modes);
    // A right-click on `field` opens the menu for its window.
    void OpenOnRightClick(QWidget *field);
    // Opens the menu for `window` at a point on the screen; it closes itself.
    QMenu *Popup(QWidget *window, QPoint globalPosition);

    // The entries that open a window of their own, each a child of `window`.
    void ChooseDigitColour(QWidget *window);
    void ShowKeyboardShortcuts(QWidget *window);
    // The text of the list of keys.
    static QString KeyboardShortcutsText();

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

    TMainForm &m_mainForm;
    ClockViewController &m_clockView;
    QAction *m_clockViewAction;
    QAction *m_flashAction;
    QHash<QWidget *, WindowActions> m_windows;
};

} // namespace dorvane
