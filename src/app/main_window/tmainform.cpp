#include "tmainform.h"

#include "app/app_identity.h"
#include "app/clock_view/clock_fields.h"
#include "app/clock_view/clock_view_controller.h"
#include "app/clock_view/tclockviewform.h"
#include "app/clock_view/window_digit_colours.h"
#include "app/control_classes.h"
#include "app/error_report.h"
#include "app/main_window/accessible_names.h"
#include "app/main_window/allowance_fields.h"
#include "app/main_window/clock_announcer.h"
#include "app/main_window/picker_echo.h"
#include "app/main_window/view_menu.h"
#include "app/voice/voice_output.h"
#include "app/window_modes.h"
#include "controls/accessible/field_caption.h"
#include "controls/base/focus_walk.h"
#include "controls/base/layout_loader.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "controls/display/tcxpagecontrol.h"
#include "controls/input/tcxspinedit.h"
#include "controls/input/tspinedit.h"
#include "engine/clip_schedule.h"
#include "engine/error.h"
#include "settings/directory.h"
#include "settings/settings_file.h"
#include "settings/settings_sequence.h"
#include "settings/sound_settings.h"
#include "settings/view_settings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStyle>
#include <QTimer>
#include <utility>

using namespace dorvane;

TMainForm::TMainForm(MainFormEnvironment environment, QWidget *parent)
    : TForm(parent), m_environment(std::move(environment)), m_engine(*this),
      m_font(m_environment.fontPlatform),
      m_commands(std::make_unique<ClockCommands>(static_cast<ClockControls &>(*this))),
      m_clockView(std::make_unique<ClockViewController>(this, *m_commands)),
      m_modes(new WindowModes(this))
{
    // The layout and icon live in this library's resources, which a static link would drop.
    Q_INIT_RESOURCE(app);
    m_voice = VoiceOutput::forProgram(executablePath(), m_environment.userVoiceDirectory,
                                      m_environment.notificationBusAddress);
    registerControlClasses();
    FocusWalk::install();
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(applicationIcon());
    LayoutLoader::loadInto(this, LayoutLoader::readResource(QStringLiteral(":/layout/MainForm.json")));
    ApplyTabOrder(this);
    nameMainFormControls(this);

    m_mainDigits = new WindowDigitColours(this, *m_commands);
    m_viewMenu = std::make_unique<ViewMenu>(this, *m_clockView, *m_voice);
    m_viewMenu->SetMainDigitColours(m_mainDigits);
    m_viewMenu->AttachTo(this, m_modes);
    for (const char *digits : kDigitFields)
        m_viewMenu->OpenOnRightClick(control(digits));
    for (const char *arrow : kArrowFields)
        m_viewMenu->OpenOnRightClick(control(arrow));
    m_announcer = new ClockAnnouncer(*this, *m_clockView);
    new PickerEcho(this, *m_announcer);

    emit OnCreate();
}

TMainForm::~TMainForm() = default;

QWidget *TMainForm::control(const char *name) const
{
    return m_controls.find<QWidget>(name);
}

TTimer *TMainForm::timer() const
{
    return m_controls.find<TTimer>("Timer1");
}

QString TMainForm::executablePath() const
{
    return m_environment.executablePath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                  : m_environment.executablePath;
}

QString TMainForm::executableDirectory() const
{
    return QString::fromStdString(DirectoryOf(executablePath().toStdString()));
}

void TMainForm::FormCreate()
{
    timer()->SetEnabled(false);
    m_font.installIfMissing(executableDirectory());
    const QString userDirectory = m_environment.userSettingsDirectory.isEmpty()
                                      ? SettingsLocation::userDirectory()
                                      : m_environment.userSettingsDirectory;
    m_location = SettingsLocation::choose(executablePath(), userDirectory);
    const SettingsFile stored(m_location.readPath().toStdString());
    loadSettings(stored, *this);
    setVolume(loadVolume(stored));
    m_storedView = loadViewSettings(stored);
    QStringList recentMessages;
    for (const std::string &message : m_storedView.recentMessages)
        recentMessages << QString::fromStdString(message);
    m_viewMenu->SetRecentMessages(recentMessages);
    m_mainDigits->SetChoice(m_storedView.mainDigitColours());
    m_modes->SetStaysOnTop(m_storedView.mainOnTop);
    m_settings = std::make_unique<SettingsFile>(m_location.writePath().toStdString());
    SetDoubleBuffered(true);
    clickButton("btnReset");
    findChild<TcxPageControl *>(QStringLiteral("cxPageControl1"))
        ->SetActivePage(findChild<TcxTabSheet *>(QStringLiteral("cxTabSheet1")));
}

void TMainForm::FormClose()
{
    if (!m_settings)
        m_settings = std::make_unique<SettingsFile>(settingsPath().toStdString());
    m_location.prepareForWrite();
    writeSettings(*m_settings, *this);
    saveViewSettings(*m_settings, currentViewSettings());
    saveVolume(*m_settings, volume());
    m_settings->release();
    m_settings.reset();
    m_font.removeIfInstalled();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    try {
        emit OnClose();
        event->accept();
        // Closing the main window closes both.
        m_clockView->Close();
    } catch (const std::exception &e) {
        // The save failed: the window stays open and a later close runs the whole sequence again.
        event->ignore();
        ShowGeneralErrorReport(QString::fromUtf8(e.what()));
    }
}

void TMainForm::showEvent(QShowEvent *event)
{
    if (!m_viewRestored) {
        m_viewRestored = true;
        // The clock view comes back once the main window is on the screen, above it.
        QTimer::singleShot(0, m_clockView.get(), [this] { m_clockView->Restore(m_storedView); });
    }
    TForm::showEvent(event);
}

bool TMainForm::ClockViewShown() const
{
    return m_clockView->Shown();
}

bool TMainForm::ClockViewOnScreen() const
{
    return m_clockView->ShownOnScreen();
}

void TMainForm::ShowClockView(bool shown)
{
    m_clockView->SetShown(shown);
}

ColourValue TMainForm::DigitColour() const
{
    return m_mainDigits->Choice().normal;
}

void TMainForm::SetDigitColour(ColourValue colour)
{
    m_mainDigits->SetChoice(DigitColours::one(colour));
    m_clockView->SetDigitColourChoice(DigitColours::one(colour));
}

ViewSettings TMainForm::currentViewSettings() const
{
    ViewSettings view;
    m_clockView->Remember(view);
    view.mainOnTop = m_modes->StaysOnTop();
    view.digitColour = DigitColour();
    for (const QString &message : m_viewMenu->RecentMessages())
        view.recentMessages.push_back(message.toStdString());
    view.mainDigits = m_mainDigits->Choice();
    return view;
}

void TMainForm::updatePaused()
{
    m_clockView->SetPaused(m_startedSinceReset && !timer()->Enabled() && !m_engine.state().AllowanceReached());
}

void TMainForm::btnStartClick()
{
    // A Start that reports an error may still have started the clock.
    try {
        m_engine.StartClock();
    } catch (...) {
        afterStart();
        throw;
    }
    afterStart();
}

void TMainForm::afterStart()
{
    const ClockState &state = m_engine.state();
    if (!m_environment.clips && timer()->Enabled() && state.VoiceOn && state.CountingDown)
        m_voice->prepare();
    readyNextClip();
    clockMoved();
}

void TMainForm::btnStopClick()
{
    m_engine.StopClock();
    clockMoved();
}

void TMainForm::btnResetClick()
{
    m_engine.ResetClock();
    // A reset of a running clock may bring a clip to the next tick.
    readyNextClip();
    m_startedSinceReset = false;
    m_clockView->ClockReset();
    updatePaused();
    clockMoved();
}

void TMainForm::btnDoneClick()
{
    close();
}

void TMainForm::cxTabSheet2Exit()
{
    clickButton("btnReset");
}

void TMainForm::readyNextClip()
{
    if (m_environment.clips || !timer()->Enabled())
        return;
    if (const auto clip = ClipOnNextTick(m_engine.state()))
        m_voice->expect(std::string(*clip));
}

void TMainForm::Timer1Timer()
{
    m_engine.AdvanceClock();
    readyNextClip();
    const ClockState &s = m_engine.state();
    if (s.AllowanceJustReached())
        m_clockView->TimeUp(expiredColour(), backgroundColour());
    updatePaused();
    clockMoved();
}

ClockStatus TMainForm::Status() const
{
    const ClockState &state = m_engine.state();
    ClockStatus status;
    status.running = timer()->Enabled();
    status.countingDown = state.CountingDown;
    QStringList digits;
    for (const char *field : kDigitFields)
        digits << readPublished(control(field), QStringLiteral("Caption")).toString();
    status.display = digits.join(QLatin1Char(' '));
    status.remainingSeconds = state.CountSeconds();
    status.expired = state.AllowanceReached();
    status.allowanceSeconds = state.AllowanceSeconds;
    switch (state.Cue) {
    case ClockCue::Normal: status.cue = ClockStatus::Cue::Normal; break;
    case ClockCue::Seconds: status.cue = ClockStatus::Cue::Seconds; break;
    case ClockCue::Expired: status.cue = ClockStatus::Cue::Expired; break;
    }
    return status;
}

void TMainForm::clockMoved()
{
    m_commands->ClockMoved();
}

void TMainForm::ClickStart() { clickButton("btnStart"); }
void TMainForm::ClickStop() { clickButton("btnStop"); }
void TMainForm::ClickReset() { clickButton("btnReset"); }

ClockControls::Field TMainForm::AllowanceField(AllowancePart part) const
{
    const auto *field = findChild<TSpinEdit *>(QLatin1String(allowanceField(part)));
    return {accessible::fieldCaption(field), field->MinValue(), field->MaxValue()};
}

bool TMainForm::AllowanceTakes(AllowancePart part, int value) const
{
    return findChild<TSpinEdit *>(QLatin1String(allowanceField(part)))->CheckValue(value) == value;
}

void TMainForm::TypeAllowance(AllowancePart part, int value)
{
    writePublished(control(allowanceField(part)), QStringLiteral("Text"), QString::number(value));
}

void TMainForm::BringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TMainForm::ChangeTimeLeft(int seconds)
{
    m_engine.ChangeTimeLeft(seconds);
    // The clip made ready for the next tick may be another one now.
    readyNextClip();
    clockMoved();
}

void TMainForm::clickButton(const char *name)
{
    QMetaObject::invokeMethod(control(name), "Click", Qt::DirectConnection);
}

int TMainForm::intValue(const char *name, const char *property) const
{
    return readPublished(control(name), QLatin1String(property)).toInt();
}

void TMainForm::setIntValue(const char *name, const char *property, int value)
{
    writePublished(control(name), QLatin1String(property), value);
}

std::int32_t TMainForm::readAllowanceHours() { return allowanceHours(); }
std::int32_t TMainForm::readAllowanceMinutes() { return allowanceMinutes(); }
std::int32_t TMainForm::readAllowanceSeconds() { return allowanceSeconds(); }
std::int32_t TMainForm::readDirectionChoice() { return intValue("rgDirection", "ItemIndex"); }
std::int32_t TMainForm::readVoiceChoice() { return intValue("rgVoice", "ItemIndex"); }
std::int32_t TMainForm::readColourChangeChoice() { return intValue("rgColorChange", "ItemIndex"); }
Variant TMainForm::readColourChangeSeconds() { return colourChangeSeconds(); }
ColourValue TMainForm::readNormalColour() { return backgroundColour(); }
ColourValue TMainForm::readSecondsColour() { return secondsColour(); }
ColourValue TMainForm::readExpiredColour() { return expiredColour(); }

void TMainForm::showDigits(const std::string &hours, const std::string &minutes, const std::string &seconds)
{
    const std::string *const parts[] = {&hours, &minutes, &seconds};
    for (int i = 0; i < 3; ++i)
        writePublished(control(kDigitFields[i]), QStringLiteral("Caption"), QString::fromStdString(*parts[i]));
}

void TMainForm::showLeftArrow(unsigned char code)
{
    showArrow(kArrowFields[0], code);
}

void TMainForm::showRightArrow(unsigned char code)
{
    showArrow(kArrowFields[1], code);
}

void TMainForm::showArrow(const char *field, unsigned char code)
{
    // Named first: the clock view copies the name along with the caption.
    control(field)->setAccessibleName(directionName(code));
    writePublished(control(field), QStringLiteral("Caption"), QString(QChar(code)));
}

void TMainForm::paintClockColour(ColourValue colour)
{
    for (const char *digits : kDigitFields)
        setIntValue(digits, "Color", colour);
    for (const char *arrow : kArrowFields)
        writePublished(readPublishedObject(control(arrow), QStringLiteral("Style")), QStringLiteral("Color"), colour);
    repaintNow();
}

void TMainForm::setTicking(bool on)
{
    timer()->SetEnabled(on);
    if (on)
        m_startedSinceReset = true;
    updatePaused();
}

void TMainForm::repaintNow()
{
    // What has changed since the last frame (this tick's digits, a new colour) reaches the screen
    // now, before a clip starts; the fields that stayed as they were are not painted again.
    QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    if (m_clockView->Shown())
        m_clockView->Form()->repaint();
}

void TMainForm::showError(const std::string &message)
{
    const QString text = QString::fromStdString(message);
    // A command's refusal is its answer; only a button's opens the box.
    if (m_commands->TakeRefusal(text))
        return;
    // Over the main window, whichever window has the focus: never in front of the room.
    ShowEngineErrorBox(m_clockView->DialogOwner(), text, Frame());
}

void TMainForm::playClip(const std::string &name)
{
    if (m_environment.clips)
        m_environment.clips->PlayClip(name);
    else
        m_voice->play(name);
}

void TMainForm::setVolume(int percent)
{
    m_voice->setVolume(percent);
}

int TMainForm::volume() const
{
    return m_voice->volume();
}

void TMainForm::setAllowanceHours(std::int32_t v) { setIntValue(allowanceField(AllowancePart::Hours), "Value", v); }
std::int32_t TMainForm::allowanceHours() const { return intValue(allowanceField(AllowancePart::Hours), "Value"); }
void TMainForm::setAllowanceMinutes(std::int32_t v) { setIntValue(allowanceField(AllowancePart::Minutes), "Value", v); }
std::int32_t TMainForm::allowanceMinutes() const { return intValue(allowanceField(AllowancePart::Minutes), "Value"); }
void TMainForm::setAllowanceSeconds(std::int32_t v) { setIntValue(allowanceField(AllowancePart::Seconds), "Value", v); }
std::int32_t TMainForm::allowanceSeconds() const { return intValue(allowanceField(AllowancePart::Seconds), "Value"); }
void TMainForm::setVoiceItemIndex(int i) { setIntValue("rgVoice", "ItemIndex", i); }
int TMainForm::voiceItemIndex() const { return intValue("rgVoice", "ItemIndex"); }
void TMainForm::setBackgroundColour(ColourValue c) { setIntValue("cboBackgroundColor", "ColorValue", c); }
ColourValue TMainForm::backgroundColour() const { return intValue("cboBackgroundColor", "ColorValue"); }
void TMainForm::paintClockColourFromBackground() { m_engine.SetClockColour(backgroundColour()); }
void TMainForm::setColourChangeItemIndex(int i) { setIntValue("rgColorChange", "ItemIndex", i); }
int TMainForm::colourChangeItemIndex() const { return intValue("rgColorChange", "ItemIndex"); }
void TMainForm::setSecondsColour(ColourValue c) { setIntValue("cboSecondsColor", "ColorValue", c); }
ColourValue TMainForm::secondsColour() const { return intValue("cboSecondsColor", "ColorValue"); }
void TMainForm::setExpiredColour(ColourValue c) { setIntValue("cboExpiredColor", "ColorValue", c); }
ColourValue TMainForm::expiredColour() const { return intValue("cboExpiredColor", "ColorValue"); }
void TMainForm::setColourChangeSeconds(std::int32_t v)
{
    findChild<TcxSpinEdit *>(QStringLiteral("spnColorSecs"))->SetValue(Variant(v));
}
Variant TMainForm::colourChangeSeconds() const
{
    return findChild<TcxSpinEdit *>(QStringLiteral("spnColorSecs"))->Value();
}
void TMainForm::setDirectionItemIndex(int i) { setIntValue("rgDirection", "ItemIndex", i); }
int TMainForm::directionItemIndex() const { return intValue("rgDirection", "ItemIndex"); }
