#include "view_menu.h"

#include "app/clock_view/clock_fields.h"
#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/clock_view_keys.h"
#include "app/clock_view/tclockviewform.h"
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
    menu->addAction(QStringLiteral("Digit colour\u2026"), this, [this, window] { ChooseDigitColour(window); })
        ->setObjectName(QStringLiteral("actDigitColour"));
    menu->addAction(m_flashAction);
    addVolumes(menu);
    addScreens(menu);
    menu->addSeparator();
    for (const ExtraEntry &entry : m_extraEntries)
        menu->addAction(entry.text, this, [open = entry.open, window] { open(window); })
            ->setObjectName(entry.name);
    menu->addAction(QStringLiteral("Keyboard shortcuts"), this, [this, window] { ShowKeyboardShortcuts(window); })
        ->setObjectName(QStringLiteral("actKeyboardShortcuts"));
    menu->popup(globalPosition);
    return menu;
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
    auto *dialog = new QColorDialog(toQColor(DigitColourOf(m_mainWindow), window->palette()), window);
    dialog->setObjectName(QStringLiteral("DigitColourDialog"));
    dialog->setWindowTitle(QStringLiteral("Digit colour"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::colorSelected, this,
            [this](const QColor &colour) { SetDigitColourOf(m_mainWindow, fromQColor(colour)); });
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

void ViewMenu::ShowKeyboardShortcuts(QWidget *window)
{
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Keyboard shortcuts"), KeyboardShortcutsText(),
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("KeyboardShortcutsBox"));
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace dorvane
