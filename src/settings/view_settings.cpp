#include "settings/view_settings.h"

#include "settings/settings_file.h"

#include <algorithm>

namespace dorvane {
namespace {

constexpr const char *ViewSection = "View";

std::string recentMessageKey(std::size_t index)
{
    return "Message" + std::to_string(index + 1);
}

// Message1 to Message5; an empty or repeated one is skipped.
std::vector<std::string> loadRecentMessages(const SettingsFile &file)
{
    std::vector<std::string> messages;
    for (std::size_t i = 0; i < kRecentMessages; ++i) {
        std::string message = file.readString(ViewSection, recentMessageKey(i));
        if (!message.empty() && std::find(messages.begin(), messages.end(), message) == messages.end())
            messages.push_back(std::move(message));
    }
    return messages;
}

void saveRecentMessages(SettingsFile &file, const std::vector<std::string> &messages)
{
    for (std::size_t i = 0; i < std::min(messages.size(), kRecentMessages); ++i)
        file.writeString(ViewSection, recentMessageKey(i), messages[i]);
}

} // namespace

bool ViewSettings::operator==(const ViewSettings &other) const
{
    return clockViewShown == other.clockViewShown && clockScreen == other.clockScreen
        && clockBounds == other.clockBounds && clockFullScreen == other.clockFullScreen
        && clockOnTop == other.clockOnTop && mainOnTop == other.mainOnTop && digitColour == other.digitColour
        && flashAtTimeUp == other.flashAtTimeUp && recentMessages == other.recentMessages
        && mainDigitColours() == other.mainDigitColours()
        && clockDigits == other.clockDigits && stage == other.stage;
}

namespace {

// A window's digit colours under the keys that begin with `prefix`; a colour without a key of
// its own is `fallback`, as before there were colours for each state.
DigitColours loadDigitColours(const SettingsFile &file, const std::string &prefix, bool automatic,
                              ColourValue fallback)
{
    DigitColours c;
    c.automatic = file.readBoolean(ViewSection, prefix + "Auto", automatic);
    c.normal = file.readInteger(ViewSection, prefix, fallback);
    c.seconds = file.readInteger(ViewSection, prefix + "Seconds", c.normal);
    c.expired = file.readInteger(ViewSection, prefix + "Expired", c.normal);
    return c;
}

void saveDigitColours(SettingsFile &file, const std::string &prefix, const DigitColours &c, bool withNormal)
{
    file.writeBoolean(ViewSection, prefix + "Auto", c.automatic);
    if (withNormal)
        file.writeInteger(ViewSection, prefix, c.normal);
    file.writeInteger(ViewSection, prefix + "Seconds", c.seconds);
    file.writeInteger(ViewSection, prefix + "Expired", c.expired);
}

StageOptions loadStageOptions(const SettingsFile &file)
{
    const StageOptions defaults;
    StageOptions o;
    o.alwaysShowHours = file.readBoolean(ViewSection, "ClockAlwaysHours", defaults.alwaysShowHours);
    o.directionMarker = file.readBoolean(ViewSection, "ClockDirection", defaults.directionMarker);
    o.overtime = file.readBoolean(ViewSection, "ClockOvertime", defaults.overtime);
    o.timeOfDay = file.readBoolean(ViewSection, "ClockTimeOfDay", defaults.timeOfDay);
    o.timeOfDayOnly = file.readBoolean(ViewSection, "ClockTimeOfDayOnly", defaults.timeOfDayOnly);
    o.progressBar = file.readBoolean(ViewSection, "ClockProgress", defaults.progressBar);
    o.messageFlash = file.readBoolean(ViewSection, "ClockMessageFlash", defaults.messageFlash);
    return o;
}

void saveStageOptions(SettingsFile &file, const StageOptions &o)
{
    file.writeBoolean(ViewSection, "ClockAlwaysHours", o.alwaysShowHours);
    file.writeBoolean(ViewSection, "ClockDirection", o.directionMarker);
    file.writeBoolean(ViewSection, "ClockOvertime", o.overtime);
    file.writeBoolean(ViewSection, "ClockTimeOfDay", o.timeOfDay);
    file.writeBoolean(ViewSection, "ClockTimeOfDayOnly", o.timeOfDayOnly);
    file.writeBoolean(ViewSection, "ClockProgress", o.progressBar);
    file.writeBoolean(ViewSection, "ClockMessageFlash", o.messageFlash);
}

} // namespace

ViewSettings loadViewSettings(const SettingsFile &file)
{
    const ViewSettings defaults;
    ViewSettings s;
    s.clockViewShown = file.readBoolean(ViewSection, "ClockView", defaults.clockViewShown);
    s.clockScreen = file.readString(ViewSection, "ClockScreen");
    WindowBounds bounds;
    bounds.left = file.readInteger(ViewSection, "ClockLeft", 0);
    bounds.top = file.readInteger(ViewSection, "ClockTop", 0);
    bounds.width = file.readInteger(ViewSection, "ClockWidth", 0);
    bounds.height = file.readInteger(ViewSection, "ClockHeight", 0);
    // A window of no size is no place to put the view: it opens where a new one would.
    if (bounds.width > 0 && bounds.height > 0)
        s.clockBounds = bounds;
    s.clockFullScreen = file.readBoolean(ViewSection, "ClockFullScreen", defaults.clockFullScreen);
    s.clockOnTop = file.readBoolean(ViewSection, "ClockOnTop", defaults.clockOnTop);
    s.mainOnTop = file.readBoolean(ViewSection, "MainOnTop", defaults.mainOnTop);
    s.digitColour = file.readInteger(ViewSection, "DigitColor", defaults.digitColour);
    s.flashAtTimeUp = file.readBoolean(ViewSection, "FlashAtTimeUp", defaults.flashAtTimeUp);
    s.recentMessages = loadRecentMessages(file);
    s.mainDigits = loadDigitColours(file, "DigitColor", defaults.mainDigits.automatic, s.digitColour);
    s.clockDigits = loadDigitColours(file, "ClockDigitColor", defaults.clockDigits.automatic, s.digitColour);
    s.stage = loadStageOptions(file);
    return s;
}

void saveViewSettings(SettingsFile &file, const ViewSettings &s)
{
    file.writeBoolean(ViewSection, "ClockView", s.clockViewShown);
    if (!s.clockScreen.empty())
        file.writeString(ViewSection, "ClockScreen", s.clockScreen);
    if (s.clockBounds) {
        file.writeInteger(ViewSection, "ClockLeft", s.clockBounds->left);
        file.writeInteger(ViewSection, "ClockTop", s.clockBounds->top);
        file.writeInteger(ViewSection, "ClockWidth", s.clockBounds->width);
        file.writeInteger(ViewSection, "ClockHeight", s.clockBounds->height);
    }
    file.writeBoolean(ViewSection, "ClockFullScreen", s.clockFullScreen);
    file.writeBoolean(ViewSection, "ClockOnTop", s.clockOnTop);
    file.writeBoolean(ViewSection, "MainOnTop", s.mainOnTop);
    file.writeInteger(ViewSection, "DigitColor", s.digitColour);
    file.writeBoolean(ViewSection, "FlashAtTimeUp", s.flashAtTimeUp);
    saveRecentMessages(file, s.recentMessages);
    // The main window's colour on its normal colour is DigitColor, written above.
    saveDigitColours(file, "DigitColor", s.mainDigits, false);
    saveDigitColours(file, "ClockDigitColor", s.clockDigits, true);
    saveStageOptions(file, s.stage);
}

} // namespace dorvane
