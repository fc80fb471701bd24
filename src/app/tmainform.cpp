#include "tmainform.h"

#include "app/accessible_names.h"
#include "app/app_identity.h"
#include "app/clock_fields.h"
#include "app/clock_view_controller.h"
#include "app/control_classes.h"
#include "app/error_report.h"
#include "app/tclockviewform.h"
#include "app/view_menu.h"
#include "app/voice_output.h"
#include "app/window_modes.h"
#include "controls/base/focus_walk.h"
#include "controls/base/layout_loader.h"
#include "controls/base/platform.h"
#include "controls/base/published.h"
#include "controls/base/ttimer.h"
#include "controls/display/tcustomlabel.h"
#include "controls/display/tcxlabel.h"
#include "controls/display/tcxpagecontrol.h"
#include "controls/input/tcxspinedit.h"
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
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <utility>

using namespace dorvane;

TMainForm::TMainForm(MainFormEnvironment environment, QWidget *parent)
    : TForm(parent), m_environment(std::move(environment)), m_engine(*this),
      m_font(m_environment.fontPlatform), m_clockView(std::make_unique<ClockViewController>(this)),
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

    m_viewMenu = std::make_unique<ViewMenu>(*this, *m_clockView);
    m_viewMenu->AttachTo(this, m_modes);
    for (const char *digits : kDigitFields)
        m_viewMenu->OpenOnRightClick(control(digits));
    for (const char *arrow : kArrowFields)
        m_viewMenu->OpenOnRightClick(control(arrow));
    connect(m_clockView.get(), &ClockViewController::StartOrStopRequested, this, &TMainForm::startOrStop);
    connect(m_clockView.get(), &ClockViewController::ResetRequested, this, [this] { clickButton("btnReset"); });

    emit OnCreate();
}

TMainForm::~TMainForm() = default;

QWidget *TMainForm::control(const char *name) const
{
    return findChild<QWidget *>(QLatin1String(name));
}

TTimer *TMainForm::timer() const
{
    return findChild<TTimer *>(QStringLiteral("Timer1"));
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
    SetDigitColour(m_storedView.digitColour);
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

void TMainForm::ShowClockView(bool shown)
{
    m_clockView->SetShown(shown);
}

ColourValue TMainForm::DigitColour() const
{
    return readPublished(control(kDigitFields[0]), QStringLiteral("Font")).value<TFont *>()->Color();
}

void TMainForm::SetDigitColour(ColourValue colour)
{
    for (const char *digits : kDigitFields)
        findChild<TJvLabel *>(QLatin1String(digits))->Font()->SetColor(colour);
    for (const char *arrow : kArrowFields)
        findChild<TcxLabel *>(QLatin1String(arrow))->Style()->Font()->SetColor(colour);
}

ViewSettings TMainForm::currentViewSettings() const
{
    ViewSettings view;
    m_clockView->Remember(view);
    view.mainOnTop = m_modes->StaysOnTop();
    view.digitColour = DigitColour();
    return view;
}

void TMainForm::startOrStop()
{
    clickButton(timer()->Enabled() ? "btnStop" : "btnStart");
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
    emit clockChanged();
}

void TMainForm::btnStopClick()
{
    m_engine.StopClock();
    emit clockChanged();
}

void TMainForm::btnResetClick()
{
    m_engine.ResetClock();
    // A reset of a running clock may bring a clip to the next tick.
    readyNextClip();
    m_startedSinceReset = false;
    m_clockView->ClockReset();
    updatePaused();
    emit clockChanged();
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
    // The tick that reaches the allowance ends the count; later ones (counting up) do not.
    if (s.AllowanceSeconds > 0 && s.ElapsedCount == s.AllowanceSeconds)
        m_clockView->TimeUp(expiredColour(), backgroundColour());
    updatePaused();
    emit clockChanged();
}

ClockStatus TMainForm::clockStatus() const
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
    return status;
}

TMainForm::CallerError TMainForm::runForCaller(const std::function<void()> &action)
{
    CallerError error;
    CallerError *const outer = std::exchange(m_callerError, &error);
    const auto restore = qScopeGuard([&] { m_callerError = outer; });
    try {
        action();
    } catch (const std::exception &e) {
        error = {CallerError::Failed, QString::fromUtf8(e.what())};
    }
    return error;
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

std::int32_t TMainForm::readAllowanceHours() { return intValue("spnHrs", "Value"); }
std::int32_t TMainForm::readAllowanceMinutes() { return intValue("spnMin", "Value"); }
std::int32_t TMainForm::readAllowanceSeconds() { return intValue("spnSec", "Value"); }
std::int32_t TMainForm::readDirectionChoice() { return intValue("rgDirection", "ItemIndex"); }
std::int32_t TMainForm::readVoiceChoice() { return intValue("rgVoice", "ItemIndex"); }
std::int32_t TMainForm::readColourChangeChoice() { return intValue("rgColorChange", "ItemIndex"); }
Variant TMainForm::readColourChangeSeconds() { return colourChangeSeconds(); }
ColourValue TMainForm::readNormalColour() { return backgroundColour(); }
ColourValue TMainForm::readSecondsColour() { return secondsColour(); }
ColourValue TMainForm::readExpiredColour() { return expiredColour(); }

void TMainForm::showDigits(const std::string &hours, const std::string &minutes, const std::string &seconds)
{
    writePublished(control("lblHrs"), QStringLiteral("Caption"), QString::fromStdString(hours));
    writePublished(control("lblMins"), QStringLiteral("Caption"), QString::fromStdString(minutes));
    writePublished(control("lblSecs"), QStringLiteral("Caption"), QString::fromStdString(seconds));
}

void TMainForm::showLeftArrow(unsigned char code)
{
    // Named first: the clock view copies the name along with the caption.
    control("lblDirectionL")->setAccessibleName(directionName(code));
    writePublished(control("lblDirectionL"), QStringLiteral("Caption"), QString(QChar(code)));
}

void TMainForm::showRightArrow(unsigned char code)
{
    // Named first: the clock view copies the name along with the caption.
    control("lblDirectionR")->setAccessibleName(directionName(code));
    writePublished(control("lblDirectionR"), QStringLiteral("Caption"), QString(QChar(code)));
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
    repaint();
    if (m_clockView->Shown())
        m_clockView->Form()->repaint();
}

void TMainForm::showError(const std::string &message)
{
    if (m_callerError) {
        *m_callerError = {CallerError::Refused, QString::fromStdString(message)};
        return;
    }
    // Asked for from the clock view, the box stands over the clock view, on its screen.
    QWidget *owner = this;
    if (m_clockView->Shown() && m_clockView->Form()->isActiveWindow())
        owner = m_clockView->Form();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QString::fromStdString(message),
                    QMessageBox::Ok, owner);
    box.setObjectName(QStringLiteral("EngineErrorBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // Centred on the screen rather than on the window, frame included; until the window manager
    // has framed the box, its frame is taken to be like this window's.
    QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    new FrameCentring(&box, screen ? screen->geometry() : QRect(), Frame());
    box.exec();
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

void TMainForm::setAllowanceHours(std::int32_t v) { setIntValue("spnHrs", "Value", v); }
std::int32_t TMainForm::allowanceHours() const { return intValue("spnHrs", "Value"); }
void TMainForm::setAllowanceMinutes(std::int32_t v) { setIntValue("spnMin", "Value", v); }
std::int32_t TMainForm::allowanceMinutes() const { return intValue("spnMin", "Value"); }
void TMainForm::setAllowanceSeconds(std::int32_t v) { setIntValue("spnSec", "Value", v); }
std::int32_t TMainForm::allowanceSeconds() const { return intValue("spnSec", "Value"); }
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
