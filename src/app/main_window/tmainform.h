#pragma once
#include "app/commands/clock_commands.h"
#include "app/display_font.h"
#include "app/settings_location.h"
#include "controls/base/controls_by_name.h"
#include "controls/base/tform.h"
#include "engine/clock_engine.h"
#include "engine/window_port.h"
#include "settings/settings_controls.h"
#include "settings/view_settings.h"

#include <QString>
#include <functional>
#include <memory>

class TTimer;

namespace dorvane {
class ClockAnnouncer;
class ClockViewController;
class SettingsFile;
class ViewMenu;
class VoiceOutput;
class WindowDigitColours;
class WindowModes;
// Where the window sends the voice clips it asks for.
class ClipSink
{
public:
    virtual ~ClipSink() = default;
    virtual void PlayClip(const std::string &name) = 0;
};

// Hears nothing: for running the real window where no sound is wanted (pictures, measurements).
class SilentClips final : public ClipSink
{
public:
    void PlayClip(const std::string &) override {}
};
} // namespace dorvane

// Where the window finds its files and fonts; tests point it elsewhere.
struct MainFormEnvironment
{
    QString executablePath;                       // empty: the running program's own path
    QString userSettingsDirectory;                // empty: the user's own, under the configuration folder
    dorvane::DisplayFont::Platform fontPlatform = dorvane::DisplayFont::qtPlatform();
    dorvane::ClipSink *clips = nullptr;           // null: the clips on the audio device
    QString userVoiceDirectory;                   // empty: the user's own, under the data folder
    QString notificationBusAddress;               // empty: the session bus
};

// The program's main window: the clock display, the options, and their wiring to the engine.
// It is built from its layout description; the handlers below are wired to it by name. Everything
// that is not one of its buttons drives the clock through its commands.
class TMainForm final : public TForm,
                        private dorvane::WindowPort,
                        private dorvane::SettingsControls,
                        private dorvane::ClockControls
{
    Q_OBJECT
public:
    explicit TMainForm(MainFormEnvironment environment = {}, QWidget *parent = nullptr);
    ~TMainForm() override;

    const dorvane::ClockEngine &engine() const { return m_engine; }
    bool fontInstalled() const { return m_font.installed(); }
    // The settings file written at close (read at start too, unless it starts from a preset).
    QString settingsPath() const { return m_location.writePath(); }
    TTimer *timer() const;

    // The named control of the layout.
    QWidget *control(const char *name) const;

    // The voice's volume, 0 to 100, kept in the settings file.
    void setVolume(int percent);
    int volume() const;
    dorvane::VoiceOutput &voice() const { return *m_voice; }

    // The clock view for the room, shown and hidden as F10 does.
    bool ClockViewShown() const override;
    bool ClockViewOnScreen() const override;
    void ShowClockView(bool shown) override;
    dorvane::ClockViewController &clockView() const { return *m_clockView; }
    // Full screen and always on top of this window.
    dorvane::WindowModes &windowModes() const { return *m_modes; }
    dorvane::ViewMenu &viewMenu() const { return *m_viewMenu; }
    // What a screen reader is told of the clock while the focus is anywhere.
    dorvane::ClockAnnouncer &announcer() const { return *m_announcer; }
    // The colour of the main window's digits and arrows on its normal colour.
    dorvane::ColourValue DigitColour() const;
    // One colour for the digits and arrows in both windows, whatever the clock's colour.
    void SetDigitColour(dorvane::ColourValue colour);
    // The main window's choice of digit colours.
    dorvane::WindowDigitColours &mainDigitColours() const { return *m_mainDigits; }

    // The clock's operations for whatever is not one of the buttons (the clock view's keys, other
    // programs), and its status.
    dorvane::ClockCommands &commands() const { return *m_commands; }

public slots:
    void FormCreate();
    void FormClose();
    void btnStartClick();
    void btnStopClick();
    void btnResetClick();
    void btnDoneClick();
    void cxTabSheet2Exit();
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // WindowPort
    std::int32_t readAllowanceHours() override;
    std::int32_t readAllowanceMinutes() override;
    std::int32_t readAllowanceSeconds() override;
    std::int32_t readDirectionChoice() override;
    std::int32_t readVoiceChoice() override;
    std::int32_t readColourChangeChoice() override;
    dorvane::Variant readColourChangeSeconds() override;
    dorvane::ColourValue readNormalColour() override;
    dorvane::ColourValue readSecondsColour() override;
    dorvane::ColourValue readExpiredColour() override;
    void showDigits(const std::string &hours, const std::string &minutes,
                    const std::string &seconds) override;
    void showLeftArrow(unsigned char code) override;
    void showRightArrow(unsigned char code) override;
    void showArrow(const char *field, unsigned char code);
    void paintClockColour(dorvane::ColourValue colour) override;
    void setTicking(bool on) override;
    void repaintNow() override;
    void showError(const std::string &message) override;
    void playClip(const std::string &name) override;

    // SettingsControls
    void setAllowanceHours(std::int32_t value) override;
    std::int32_t allowanceHours() const override;
    void setAllowanceMinutes(std::int32_t value) override;
    std::int32_t allowanceMinutes() const override;
    void setAllowanceSeconds(std::int32_t value) override;
    std::int32_t allowanceSeconds() const override;
    void setVoiceItemIndex(int index) override;
    int voiceItemIndex() const override;
    void setBackgroundColour(dorvane::ColourValue colour) override;
    dorvane::ColourValue backgroundColour() const override;
    void paintClockColourFromBackground() override;
    void setColourChangeItemIndex(int index) override;
    int colourChangeItemIndex() const override;
    void setSecondsColour(dorvane::ColourValue colour) override;
    dorvane::ColourValue secondsColour() const override;
    void setExpiredColour(dorvane::ColourValue colour) override;
    dorvane::ColourValue expiredColour() const override;
    void setColourChangeSeconds(std::int32_t value) override;
    dorvane::Variant colourChangeSeconds() const override;
    void setDirectionItemIndex(int index) override;
    int directionItemIndex() const override;

    // ClockControls
    void ClickStart() override;
    void ClickStop() override;
    void ClickReset() override;
    Field AllowanceField(dorvane::AllowancePart part) const override;
    bool AllowanceTakes(dorvane::AllowancePart part, int value) const override;
    void TypeAllowance(dorvane::AllowancePart part, int value) override;
    void BringToFront() override;
    void ChangeTimeLeft(int seconds) override;
    dorvane::ClockStatus Status() const override;

    // Runs the named button's click handler, as a click on the button does.
    void clickButton(const char *name);
    // After every handler that moves the clock: Start, Stop, Reset and each tick.
    void clockMoved();
    // What the clock view shows besides the mirrored fields: the paused marker.
    void updatePaused();
    dorvane::ViewSettings currentViewSettings() const;

    int intValue(const char *control, const char *property) const;
    void setIntValue(const char *control, const char *property, int value);
    QString executablePath() const;
    QString executableDirectory() const;
    void afterStart();
    // The clip of the next tick, if any, is read and the device opened for it now.
    void readyNextClip();

    MainFormEnvironment m_environment;
    dorvane::ControlsByName m_controls{this};
    dorvane::ClockEngine m_engine;
    dorvane::DisplayFont m_font;
    dorvane::SettingsLocation m_location;
    std::unique_ptr<dorvane::SettingsFile> m_settings;
    std::unique_ptr<dorvane::VoiceOutput> m_voice;
    std::unique_ptr<dorvane::ClockCommands> m_commands;
    bool m_viewRestored = false;
    // The menu is destroyed before the view whose window it gave keys to.
    std::unique_ptr<dorvane::ClockViewController> m_clockView;
    std::unique_ptr<dorvane::ViewMenu> m_viewMenu;
    dorvane::WindowModes *m_modes;
    dorvane::WindowDigitColours *m_mainDigits = nullptr;
    dorvane::ClockAnnouncer *m_announcer = nullptr;
    dorvane::ViewSettings m_storedView;
    // Start has set the clock going since the last reset: a stop from then on is a pause.
    bool m_startedSinceReset = false;
};
