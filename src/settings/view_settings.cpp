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
        && flashAtTimeUp == other.flashAtTimeUp && recentMessages == other.recentMessages;
}

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
}

} // namespace dorvane
