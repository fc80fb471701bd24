#include "clock_view_controller.h"

#include "app/clock_view/clock_fields.h"
#include "app/clock_view/clock_mirror.h"
#include "app/clock_view/digit_colour.h"
#include "app/remembered_place.h"
#include "app/clock_view/clock_view_keys.h"
#include "app/clock_view/first_view_place.h"
#include "app/clock_view/message_flash.h"
#include "app/clock_view/overtime_clock.h"
#include "app/clock_view/stage_view.h"
#include "app/clock_view/tclockviewform.h"
#include "app/clock_view/time_of_day_clock.h"
#include "app/clock_view/time_up_flash.h"
#include "app/commands/clock_commands.h"
#include "app/error_report.h"
#include "app/window_modes.h"
#include "controls/base/platform.h"
#include "controls/display/tcustomlabel.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace dorvane {

namespace {
QScreen *screenNamed(const std::string &name)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->name().toStdString() == name)
            return screen;
    return nullptr;
}

QRect toRect(const WindowBounds &b)
{
    return {b.left, b.top, b.width, b.height};
}

// The smallest remembered view that is used: the digits still read at a glance.
constexpr QSize kSmallestRememberedView(160, 100);

// A screen's name as the settings file can hold it: one line.
std::string storableName(const QString &name)
{
    QString line = name;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.trimmed().toStdString();
}
} // namespace

ClockViewController::ClockViewController(TForm *mainWindow, ClockCommands &commands)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_commands(commands), m_keys(new ClockViewKeys(this)),
      m_overtime(new OvertimeClock(this)), m_timeOfDay(new TimeOfDayClock(this)), m_messageFlash(new MessageFlash(this))
{
    connect(&m_commands, &ClockCommands::StatusChanged, this, &ClockViewController::statusChanged);
    connect(m_overtime, &OvertimeClock::Changed, this, [this] {
        showOvertime();
        publishLook();
    });
    connect(m_timeOfDay, &TimeOfDayClock::Changed, this, [this] {
        if (m_stage)
            m_stage->SetTimeOfDay(m_timeOfDay->Text());
        publishLook();
    });
    connect(&m_commands, &ClockCommands::LookFollowedChanged, this, [this] {
        wakeClocks();
        publishLook();
    });
    connect(m_messageFlash, &MessageFlash::Changed, this, [this] {
        if (m_stage)
            m_stage->SetMessageShown(m_messageFlash->Shown());
    });
    connect(m_keys->StartOrStop(), &QAction::triggered, this, [this] { ShowAnswer(m_commands.StartOrStop()); });
    connect(m_keys->Reset(), &QAction::triggered, this, [this] { ShowAnswer(m_commands.Reset()); });
    connect(m_keys->AddMinute(), &QAction::triggered, this, [this] { ShowAnswer(m_commands.AddSeconds(60)); });
    connect(m_keys->TakeMinute(), &QAction::triggered, this, [this] { ShowAnswer(m_commands.AddSeconds(-60)); });
    connect(m_keys->ToggleBlank(), &QAction::triggered, this, [this] { ShowAnswer(m_commands.ToggleBlank()); });
    connect(m_keys->LeaveFullScreen(), &QAction::triggered, this, [this] {
        if (m_modes)
            m_modes->SetFullScreen(false);
    });
}

ClockViewController::~ClockViewController() = default;

TClockViewForm *ClockViewController::Form()
{
    if (!m_form)
        create();
    return m_form.get();
}

WindowModes *ClockViewController::Modes()
{
    Form();
    return m_modes;
}

void ClockViewController::create()
{
    // A window of its own, not one owned by the main window, so that window managers treat it
    // as any other: on any screen, in the task bar, above or below the main window.
    m_form = std::make_unique<TClockViewForm>();
    m_form->setWindowIcon(m_mainWindow->windowIcon());
    m_form->SetKeys(m_keys);
    m_stage = m_form->Stage();
    m_form->SetPaused(m_paused);
    m_stage->SetStatus(m_commands.Status());
    m_stage->SetDigitColours(m_digits);
    showOptions();
    m_mirror = new ClockMirror(m_mainWindow, m_commands, m_stage);
    m_modes = new WindowModes(m_form.get());
    m_flash = new TimeUpFlash(m_form.get());
    connect(m_flash, &TimeUpFlash::ColourDue, m_mirror, [this](ColourValue colour) {
        m_mirror->HoldClockColour(colour, colour == m_flashExpired ? ClockStatus::Cue::Expired : ClockStatus::Cue::Normal);
        publishLook();
    });
    connect(m_form.get(), &TClockViewForm::ContextMenuRequested, this,
            [this](QPoint at) { emit ContextMenuRequested(m_form.get(), at); });
    m_form->installEventFilter(this);
    m_modes->SetStaysOnTop(m_stored.clockOnTop);
    if (m_stored.clockBounds)
        m_modes->PlaceAt(toRect(*m_stored.clockBounds));
    emit Created(m_form.get());
}

void ClockViewController::statusChanged(const ClockStatus &now, const ClockStatus &before)
{
    m_overtime->Follow(now, before);
    if (now.message.isEmpty() || now.message != before.message)
        m_messageFlash->Stop();
    if (!now.message.isEmpty() && now.message != before.message && m_options.messageFlash)
        m_messageFlash->Start();
    if (m_stage)
        m_stage->SetStatus(now);
    publishLook();
}

void ClockViewController::SetOptions(const StageOptions &options)
{
    m_options = options;
    if (!m_options.messageFlash)
        m_messageFlash->Stop();
    wakeClocks();
    if (m_stage)
        showOptions();
    publishLook();
}

void ClockViewController::SetDigitColourChoice(const DigitColours &digits)
{
    m_digits = digits;
    if (m_stage)
        m_stage->SetDigitColours(digits);
    publishLook();
}

void ClockViewController::showOptions()
{
    wakeClocks();
    if (m_options.timeOfDay || m_options.timeOfDayOnly)
        m_stage->SetTimeOfDay(m_timeOfDay->Text());
    showOvertime();
    m_stage->SetOptions(m_options);
}

void ClockViewController::showOvertime()
{
    if (m_stage)
        m_stage->SetOvertime(m_overtime->Running() ? std::optional<int>(m_overtime->Seconds()) : std::nullopt);
}

void ClockViewController::wakeClocks()
{
    const bool shown = m_stage || m_commands.LookFollowed();
    m_overtime->SetWanted(shown && m_options.overtime);
    m_timeOfDay->SetWanted(shown && (m_options.timeOfDay || m_options.timeOfDayOnly));
}

void ClockViewController::publishLook()
{
    if (!m_commands.LookFollowed())
        return;
    if (!m_clock) {
        // The main window's clock, found once its layout is there. The engine paints the clock's
        // colour before it says the clock moved.
        m_clock = m_mainWindow->findChild<TJvLabel *>(QLatin1String(kDigitFields[0]));
        if (!m_clock)
            return;
        connect(m_clock, &TControl::ColorChanged, this, &ClockViewController::publishLook);
    }
    // The colour the view stands on, or would stand on were it open; the flash holds its own.
    const QPalette palette = m_mainWindow->palette();
    const QColor background = toQColor(m_mirror ? m_mirror->ClockColour() : m_clock->Color(), palette);
    const ClockStatus::Cue cue = m_mirror ? m_mirror->Cue() : m_commands.Status().cue;
    StageLook look;
    look.background = background.rgb() & 0xFFFFFFu;
    look.digits = DigitColourOn(m_digits, cue, background, palette).rgb() & 0xFFFFFFu;
    look.alwaysShowHours = m_options.alwaysShowHours;
    look.directionMarker = m_options.directionMarker;
    look.progressBar = m_options.progressBar;
    look.paused = m_paused;
    if (m_options.overtime && m_overtime->Running())
        look.overtimeSeconds = m_overtime->Seconds();
    if (m_options.timeOfDay || m_options.timeOfDayOnly)
        look.timeOfDay = m_timeOfDay->Text();
    look.timeOfDayOnly = m_options.timeOfDayOnly;
    m_commands.SetLook(look);
}

QWidget *ClockViewController::DialogOwner()
{
    if (m_mainWindow->isMinimized())
        m_mainWindow->setWindowState(m_mainWindow->windowState() & ~Qt::WindowMinimized);
    return m_mainWindow;
}

void ClockViewController::ShowAnswer(const CommandResult &result)
{
    switch (result.outcome) {
    case CommandResult::Outcome::Refused:
        ShowEngineErrorBox(DialogOwner(), result.text, m_mainWindow->Frame());
        break;
    case CommandResult::Outcome::Failed:
        ShowGeneralErrorReport(result.text);
        break;
    case CommandResult::Outcome::Done:
    case CommandResult::Outcome::OutOfRange:
        break;
    }
}

bool ClockViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form.get() && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        emit ShownChanged(event->type() == QEvent::Show);
    return false;
}

bool ClockViewController::Shown() const
{
    return m_form && m_form->isVisible();
}

void ClockViewController::SetShown(bool shown)
{
    if (shown == Shown())
        return;
    if (!shown) {
        m_form->hide();
        return;
    }
    Form();
    const bool placeFirst = !m_shownBefore && !m_stored.clockBounds;
    m_shownBefore = true;
    std::optional<FirstViewPlace> place;
    if (placeFirst) {
        place = firstPlace();
        m_modes->PlaceAt(place->bounds);
    }
    m_form->show();
    if (place && place->fullScreen)
        m_modes->EnterFullScreenFrom(place->bounds);
    m_form->raise();
    m_form->activateWindow();
}

FirstViewPlace ClockViewController::firstPlace() const
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<QRect> areas;
    for (const QScreen *screen : screens)
        areas << screen->availableGeometry();
    // Not framed yet, the view is taken to have a frame like the main window's.
    const QSize viewSize = m_form->size() + m_mainWindow->FrameExtra();
    return firstViewPlace(areas, static_cast<int>(screens.indexOf(m_mainWindow->screen())),
                          m_mainWindow->BoundsRect(), viewSize, kSmallestRememberedView);
}

void ClockViewController::ShowOn(QScreen *screen)
{
    SetShown(true);
    Modes()->MoveToScreen(screen);
}

void ClockViewController::Close()
{
    if (m_flash)
        m_flash->Stop();
    if (m_form)
        m_form->hide();
}

void ClockViewController::SetPaused(bool paused)
{
    m_paused = paused;
    if (m_form)
        m_form->SetPaused(paused);
    publishLook();
}

void ClockViewController::SetFlashAtTimeUp(bool on)
{
    m_flashAtTimeUp = on;
    if (!on && m_flash && m_flash->IsRunning()) {
        m_flash->Stop();
        m_mirror->ReleaseClockColour();
        publishLook();
    }
}

void ClockViewController::TimeUp(ColourValue expired, ColourValue normal)
{
    m_flashExpired = expired;
    if (m_flashAtTimeUp && Shown())
        m_flash->Start(expired, normal);
}

void ClockViewController::ClockReset()
{
    if (!m_form)
        return;
    m_flash->Stop();
    if (m_mirror->HoldsClockColour())
        m_mirror->ReleaseClockColour();
    publishLook();
}

bool ClockViewController::Flashing() const
{
    return m_flash && m_flash->IsRunning();
}

void ClockViewController::Restore(const ViewSettings &settings)
{
    m_stored = settings;
    // A place that no screen of this session can show is forgotten: the view opens where a new
    // one would, and the place is not written back.
    if (m_stored.clockBounds && !rememberedPlaceFits(*m_stored.clockBounds, kSmallestRememberedView))
        m_stored.clockBounds.reset();
    m_flashAtTimeUp = m_stored.flashAtTimeUp;
    SetOptions(m_stored.stage);
    SetDigitColourChoice(m_stored.clockDigits);
    if (!m_stored.clockViewShown)
        return; // made when first wanted, in the remembered place
    SetShown(true);
    // The place is remembered on the desktop; without one, the remembered screen is used.
    if (!m_stored.clockBounds)
        if (QScreen *screen = screenNamed(m_stored.clockScreen))
            m_modes->MoveToScreen(screen);
    if (m_stored.clockFullScreen) {
        // Its place for when it leaves full screen is the remembered one, whatever frame the
        // window manager has yet to put around it.
        if (m_stored.clockBounds)
            m_modes->EnterFullScreenFrom(toRect(*m_stored.clockBounds));
        else
            m_modes->SetFullScreen(true);
    }
}

bool ClockViewController::ShownOnScreen() const
{
    return Shown() && titleOnSomeScreen(m_form->frameGeometry());
}

void ClockViewController::Remember(ViewSettings &settings) const
{
    settings.flashAtTimeUp = m_flashAtTimeUp;
    settings.stage = m_options;
    settings.clockDigits = m_digits;
    if (!m_form || !m_form->windowHandle()) {
        // Never on the screen in this run: what was remembered stays.
        settings.clockViewShown = false;
        settings.clockBounds = m_stored.clockBounds;
        settings.clockScreen = m_stored.clockScreen;
        settings.clockFullScreen = m_stored.clockFullScreen;
        settings.clockOnTop = m_form ? m_modes->StaysOnTop() : m_stored.clockOnTop;
        return;
    }
    settings.clockViewShown = Shown();
    const QRect bounds = m_modes->NormalBounds();
    settings.clockBounds = WindowBounds{bounds.left(), bounds.top(), bounds.width(), bounds.height()};
    settings.clockScreen = m_form->screen() ? storableName(m_form->screen()->name()) : std::string();
    settings.clockFullScreen = m_modes->FullScreen();
    settings.clockOnTop = m_modes->StaysOnTop();
}

} // namespace dorvane
