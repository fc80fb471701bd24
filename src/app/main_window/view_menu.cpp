#include "view_menu.h"

#include "app/clock_view/clock_fields.h"
#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/clock_view_keys.h"
#include "app/clock_view/tclockviewform.h"
#include "app/commands/clock_commands.h"
#include "app/main_window/message_dialog.h"
#include "app/clock_view/window_digit_colours.h"
#include "app/voice/voice_output.h"
#include "app/window_modes.h"
#include "controls/base/platform.h"

#include <QAction>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

namespace dorvane {

namespace {
// `does`: what it does, in the list of keys.
QAction *checkableAction(const QString &text, const QString &does, QObject *parent)
{
    auto *action = new QAction(text, parent);
    action->setCheckable(true);
    action->setStatusTip(does);
    return action;
}

// The keys as a person presses them: shortcuts of the program, not of an edit box.
void useAsWindowKey(QAction *action, const QKeySequence &key)
{
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
}

// An action's keys as the list names them: "Space, Page Down, Right".
QString keysOf(const QAction *action)
{
    QStringList keys;
    for (const QKeySequence &key : action->shortcuts())
        keys << key.toString(QKeySequence::NativeText)
                    .replace(QLatin1String("PgDown"), QLatin1String("Page Down"))
                    .replace(QLatin1String("PgUp"), QLatin1String("Page Up"));
    return keys.join(QLatin1String(", "));
}

// The main window's keys are its controls' own: the focus walk, the pages, the spin edits, the
// colour pickers and the buttons.
constexpr struct
{
    const char *keys;
    const char *does;
} kMainWindowKeys[] = {
    {"Tab, Shift+Tab", "move between the controls of a page"},
    {"Ctrl+Tab, Ctrl+Shift+Tab", "switch between Display and Configuration"},
    {"Up, Down", "step the focused number field"},
    {"Alt+Down, F4", "open the focused colour list"},
    {"Esc", "undo the edit of the focused field, or close an open colour list"},
    {"Enter, Space", "press the focused button"},
};
} // namespace

ViewMenu::ViewMenu(QWidget *mainWindow, ClockViewController &clockView, VoiceOutput &voice)
    : m_mainWindow(mainWindow), m_clockView(clockView), m_voice(voice),
      m_clockViewAction(
          checkableAction(QStringLiteral("Clock view"), QStringLiteral("show or hide the clock view"), this)),
      m_flashAction(checkableAction(QStringLiteral("Flash at time up"), QString(), this))
{
    m_clockViewAction->setObjectName(QStringLiteral("actClockView"));
    useAsWindowKey(m_clockViewAction, QKeySequence(Qt::Key_F10));
    connect(m_clockViewAction, &QAction::triggered, this, [this] { m_clockView.SetShown(!m_clockView.Shown()); });
    m_flashAction->setObjectName(QStringLiteral("actFlashAtTimeUp"));
    connect(m_flashAction, &QAction::triggered, this, [this](bool on) { m_clockView.SetFlashAtTimeUp(on); });
    connect(&m_clockView, &ClockViewController::Created, this,
            [this](TClockViewForm *form) { AttachTo(form, m_clockView.Modes()); });
    connect(&m_clockView, &ClockViewController::ContextMenuRequested, this, &ViewMenu::Popup);
}

void ViewMenu::AttachTo(QWidget *window, WindowModes *modes)
{
    auto *fullScreen = checkableAction(QStringLiteral("Full screen"), QStringLiteral("full screen on or off"), window);
    fullScreen->setObjectName(QStringLiteral("actFullScreen"));
    useAsWindowKey(fullScreen, QKeySequence(Qt::Key_F11));
    connect(fullScreen, &QAction::triggered, modes, &WindowModes::ToggleFullScreen);

    auto *onTop = checkableAction(QStringLiteral("Always on top"), QStringLiteral("always on top on or off"), window);
    onTop->setObjectName(QStringLiteral("actAlwaysOnTop"));
    useAsWindowKey(onTop, QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(onTop, &QAction::triggered, modes, &WindowModes::ToggleStaysOnTop);

    window->addAction(m_clockViewAction);
    window->addAction(fullScreen);
    window->addAction(onTop);
    m_windows.insert(window, {fullScreen, onTop, modes});
    connect(window, &QObject::destroyed, this, [this, window] { m_windows.remove(window); });
}

void ViewMenu::OpenOnRightClick(QWidget *field)
{
    field->installEventFilter(this);
}

bool ViewMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    auto *field = static_cast<QWidget *>(watched);
    Popup(field->window(), static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}

void ViewMenu::refreshChecks(QWidget *window)
{
    // The window manager may have changed a state meanwhile: the menu shows what is so now.
    m_clockViewAction->setChecked(m_clockView.Shown());
    m_flashAction->setChecked(m_clockView.FlashAtTimeUp());
    const WindowActions actions = m_windows.value(window);
    if (actions.modes) {
        actions.fullScreen->setChecked(actions.modes->FullScreen());
        actions.onTop->setChecked(actions.modes->StaysOnTop());
    }
}

void ViewMenu::AddEntry(const QString &name, const QString &text, std::function<void(QWidget *)> open)
{
    m_extraEntries.push_back({name, text, std::move(open)});
}

QMenu *ViewMenu::Popup(QWidget *window, QPoint globalPosition)
{
    if (!m_windows.contains(window))
        return nullptr;
    refreshChecks(window);
    const WindowActions actions = m_windows.value(window);
    auto *menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("ViewMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(m_clockViewAction);
    menu->addAction(actions.fullScreen);
    menu->addAction(actions.onTop);
    menu->addSeparator();
    addRoomEntries(menu);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Digit colour\u2026"), this, [this, window] { ChooseDigitColour(window); })
        ->setObjectName(QStringLiteral("actDigitColour"));
    addStageEntries(menu, window);
    menu->addAction(m_flashAction);
    addVolumes(menu);
    addScreens(menu);
    menu->addSeparator();
    for (const ExtraEntry &entry : m_extraEntries)
        menu->addAction(entry.text, this, [open = entry.open, window] { open(window); })
            ->setObjectName(entry.name);
    menu->addAction(QStringLiteral("Keyboard shortcuts"), this, [this] { ShowKeyboardShortcuts(); })
        ->setObjectName(QStringLiteral("actKeyboardShortcuts"));
    menu->popup(globalPosition);
    return menu;
}

void ViewMenu::addRoomEntries(QMenu *menu)
{
    ClockCommands &commands = m_clockView.Commands();
    const ClockStatus status = commands.Status();
    menu->addAction(QStringLiteral("Message\u2026"), this, &ViewMenu::AskForMessage)
        ->setObjectName(QStringLiteral("actMessage"));
    QAction *clear = menu->addAction(QStringLiteral("Clear message"), this,
                                     [this, &commands] { m_clockView.ShowAnswer(commands.ClearMessage()); });
    clear->setObjectName(QStringLiteral("actClearMessage"));
    clear->setEnabled(!status.message.isEmpty());
    menu->addAction(QStringLiteral("+1 minute"), this, [this, &commands] { m_clockView.ShowAnswer(commands.AddSeconds(60)); })
        ->setObjectName(QStringLiteral("actAddMinute"));
    menu->addAction(QStringLiteral("\u22121 minute"), this,
                    [this, &commands] { m_clockView.ShowAnswer(commands.AddSeconds(-60)); })
        ->setObjectName(QStringLiteral("actTakeMinute"));
    QAction *blank = menu->addAction(QStringLiteral("Black screen"), this,
                                     [this, &commands](bool on) { m_clockView.ShowAnswer(commands.SetBlank(on)); });
    blank->setObjectName(QStringLiteral("actBlank"));
    blank->setCheckable(true);
    blank->setChecked(status.blank);
}

void ViewMenu::AskForMessage()
{
    auto *dialog = new MessageDialog(m_recentMessages, ClockCommands::kLongestMessage, m_clockView.DialogOwner());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        ClockCommands &commands = m_clockView.Commands();
        const CommandResult result = commands.ShowMessage(dialog->Text());
        // Kept as it is shown: one line, as a list of recent ones can hold it.
        const QString shown = commands.Status().message;
        if (result.done() && !shown.isEmpty())
            m_recentMessages = withRecentMessage(m_recentMessages, shown, static_cast<int>(kRecentMessages));
        m_clockView.ShowAnswer(result);
    });
    dialog->open();
}

void ViewMenu::addVolumes(QMenu *menu)
{
    QMenu *volumes = menu->addMenu(QStringLiteral("Voice volume"));
    volumes->setObjectName(QStringLiteral("VolumeMenu"));
    const int current = m_voice.volume();
    for (int percent = 100; percent >= 0; percent -= 10) {
        QAction *entry = volumes->addAction(QStringLiteral("%1 %").arg(percent), this,
                                            [this, percent] { m_voice.setVolume(percent); });
        entry->setCheckable(true);
        entry->setChecked(percent == current);
    }
}

void ViewMenu::addScreens(QMenu *menu)
{
    QMenu *screens = menu->addMenu(QStringLiteral("Show clock on"));
    screens->setObjectName(QStringLiteral("ScreensMenu"));
    const QScreen *current = m_clockView.Shown() ? m_clockView.Form()->screen() : nullptr;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QSize size = screen->size();
        const QString text = QStringLiteral("%1 (%2 \u00d7 %3)").arg(screen->name()).arg(size.width()).arg(size.height());
        QAction *entry = screens->addAction(text, this, [this, screen] { m_clockView.ShowOn(screen); });
        entry->setCheckable(true);
        entry->setChecked(screen == current);
    }
}

void ViewMenu::ChooseDigitColour(QWidget *window)
{
    auto *dialog = new QColorDialog(toQColor(DigitColourOf(m_mainWindow), window->palette()), m_clockView.DialogOwner());
    dialog->setObjectName(QStringLiteral("DigitColourDialog"));
    dialog->setWindowTitle(QStringLiteral("Digit colour"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::colorSelected, this,
            [this](const QColor &colour) {
                // One colour in both windows, on every clock colour.
                const DigitColours one = DigitColours::one(fromQColor(colour));
                setDigitColoursOf(m_mainWindow, one);
                m_clockView.SetDigitColourChoice(one);
            });
    dialog->open();
}

namespace {
// What the clock view can show besides the time, as the menu names it.
constexpr struct
{
    const char *text;
    const char *name;
    bool StageOptions::*option;
} kStageOptions[] = {
    {"Always show hours", "actAlwaysShowHours", &StageOptions::alwaysShowHours},
    {"Direction marker", "actDirectionMarker", &StageOptions::directionMarker},
    {"Overtime after the end", "actOvertime", &StageOptions::overtime},
    {"Time of day", "actTimeOfDay", &StageOptions::timeOfDay},
    {"Time of day only", "actTimeOfDayOnly", &StageOptions::timeOfDayOnly},
    {"Progress bar", "actProgressBar", &StageOptions::progressBar},
    {"Flash a new message", "actMessageFlash", &StageOptions::messageFlash},
};

constexpr struct
{
    const char *text;
    ClockStatus::Cue cue;
} kDigitStates[] = {
    {"On the normal colour\u2026", ClockStatus::Cue::Normal},
    {"On the \"seconds\" colour\u2026", ClockStatus::Cue::Seconds},
    {"On the expired colour\u2026", ClockStatus::Cue::Expired},
};

ColourValue &colourFor(DigitColours &digits, ClockStatus::Cue cue)
{
    switch (cue) {
    case ClockStatus::Cue::Seconds: return digits.seconds;
    case ClockStatus::Cue::Expired: return digits.expired;
    case ClockStatus::Cue::Normal: break;
    }
    return digits.normal;
}
} // namespace

DigitColours ViewMenu::digitColoursOf(const QWidget *window) const
{
    if (window == m_mainWindow)
        return m_mainDigits ? m_mainDigits->Choice() : DigitColours::one(DigitColourOf(m_mainWindow));
    return m_clockView.DigitColourChoice();
}

void ViewMenu::setDigitColoursOf(const QWidget *window, const DigitColours &digits)
{
    if (window != m_mainWindow)
        m_clockView.SetDigitColourChoice(digits);
    else if (m_mainDigits)
        m_mainDigits->SetChoice(digits);
    else
        SetDigitColourOf(m_mainWindow, digits.normal);
}

void ViewMenu::addStageEntries(QMenu *menu, QWidget *window)
{
    QMenu *digits = menu->addMenu(QStringLiteral("Digit colours"));
    digits->setObjectName(QStringLiteral("DigitColoursMenu"));
    QAction *automatic = digits->addAction(QStringLiteral("Automatic"), this, [this, window](bool on) {
        DigitColours chosen = digitColoursOf(window);
        chosen.automatic = on;
        setDigitColoursOf(window, chosen);
    });
    automatic->setObjectName(QStringLiteral("actAutomaticDigits"));
    automatic->setCheckable(true);
    automatic->setChecked(digitColoursOf(window).automatic);
    for (const auto &state : kDigitStates) {
        const ClockStatus::Cue cue = state.cue;
        digits->addAction(QString::fromUtf8(state.text), this, [this, window, cue] { ChooseStateDigitColour(window, cue); });
    }
    if (window == m_mainWindow)
        return;

    QMenu *options = menu->addMenu(QStringLiteral("Clock view shows"));
    options->setObjectName(QStringLiteral("StageOptionsMenu"));
    for (const auto &entry : kStageOptions) {
        bool StageOptions::*const option = entry.option;
        QAction *action = options->addAction(QString::fromUtf8(entry.text), this, [this, option](bool on) {
            StageOptions chosen = m_clockView.Options();
            chosen.*option = on;
            m_clockView.SetOptions(chosen);
        });
        action->setObjectName(QLatin1String(entry.name));
        action->setCheckable(true);
        action->setChecked(m_clockView.Options().*option);
    }
}

void ViewMenu::ChooseStateDigitColour(QWidget *window, ClockStatus::Cue cue)
{
    DigitColours chosen = digitColoursOf(window);
    auto *dialog = new QColorDialog(toQColor(colourFor(chosen, cue), window->palette()), window);
    dialog->setObjectName(QStringLiteral("StateDigitColourDialog"));
    dialog->setWindowTitle(QStringLiteral("Digit colour"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::colorSelected, this, [this, window, cue](const QColor &colour) {
        DigitColours now = digitColoursOf(window);
        now.automatic = false;
        colourFor(now, cue) = fromQColor(colour);
        setDigitColoursOf(window, now);
    });
    dialog->open();
}

QString ViewMenu::KeyboardShortcutsText() const
{
    const auto row = [](const QString &keys, const QString &does) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys, does);
    };
    const auto rowOf = [&row](const QAction *action) { return row(keysOf(action), action->statusTip()); };
    const WindowActions main = m_windows.value(m_mainWindow);
    QString text = QStringLiteral("<p>Both windows</p><table cellspacing=\"4\">") + rowOf(m_clockViewAction)
        + rowOf(main.fullScreen) + rowOf(main.onTop);
    // The screen reader's key, where the main window has one.
    if (const auto *sayTime = m_mainWindow->findChild<QAction *>(QStringLiteral("actSayTime")))
        text += rowOf(sayTime);
    text += QStringLiteral("</table><p>Clock view</p><table cellspacing=\"4\">");
    for (const QAction *key : m_clockView.Keys().Actions())
        text += rowOf(key);
    text += QStringLiteral("</table><p>Main window</p><table cellspacing=\"4\">");
    for (const auto &key : kMainWindowKeys)
        text += row(QLatin1String(key.keys), QLatin1String(key.does));
    return text + QStringLiteral("</table>");
}

void ViewMenu::ShowKeyboardShortcuts()
{
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Keyboard shortcuts"), KeyboardShortcutsText(),
                                QMessageBox::Ok, m_clockView.DialogOwner());
    box->setObjectName(QStringLiteral("KeyboardShortcutsBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace dorvane
