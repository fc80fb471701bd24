#pragma once
#include "engine/colour.h"

#include <optional>
#include <string>
#include <vector>

namespace dorvane {

class SettingsFile;

// Outer bounds of a window on the desktop, frame included.
struct WindowBounds
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const WindowBounds &other) const
    {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};

// The colour of a window's digits: black or white, whichever reads better on the clock's colour
// of the moment, or one chosen colour for each of the clock's three colours.
struct DigitColours
{
    bool automatic = false;
    ColourValue normal = colours::WindowText;
    ColourValue seconds = colours::WindowText;
    ColourValue expired = colours::WindowText;

    // One colour whatever the clock's colour.
    static DigitColours one(ColourValue colour) { return {false, colour, colour, colour}; }
    bool operator==(const DigitColours &other) const
    {
        return automatic == other.automatic && normal == other.normal && seconds == other.seconds
            && expired == other.expired;
    }
};

// What the stage view shows besides the time, and how.
struct StageOptions
{
    bool alwaysShowHours = false;
    bool directionMarker = true;
    bool overtime = false;     // counts on past the end of a count-down, as "+0:42"
    bool timeOfDay = false;    // the time of day small in a corner
    bool timeOfDayOnly = false; // the time of day alone, as large as it fits
    bool progressBar = false;
    bool messageFlash = false; // a new message flashes for a few seconds

    bool operator==(const StageOptions &other) const
    {
        return alwaysShowHours == other.alwaysShowHours && directionMarker == other.directionMarker
            && overtime == other.overtime && timeOfDay == other.timeOfDay && timeOfDayOnly == other.timeOfDayOnly
            && progressBar == other.progressBar && messageFlash == other.messageFlash;
    }
};

// How the clock is shown to a room: the clock view's window, which windows stay on top, the
// digit colour and the flash at time up. Kept in the settings file's "View" section.
struct ViewSettings
{
    bool clockViewShown = false;
    std::string clockScreen;                 // the screen's name; empty when none is remembered
    std::optional<WindowBounds> clockBounds; // none until the view has had a place of its own
    bool clockFullScreen = false;
    bool clockOnTop = false;
    bool mainOnTop = false;
    ColourValue digitColour = colours::WindowText;
    bool flashAtTimeUp = false;
    // The messages to the speaker last shown, the latest first, at most kRecentMessages.
    std::vector<std::string> recentMessages;
    // The main window's digits on the "seconds" and expired colours, and automatic or not; without
    // keys of their own, the digit colour above in every state. Its normal colour is the digit
    // colour above: see mainDigitColours().
    DigitColours mainDigits;
    // The clock view's digits: automatic unless chosen otherwise.
    DigitColours clockDigits{true, colours::WindowText, colours::WindowText, colours::WindowText};
    StageOptions stage;

    DigitColours mainDigitColours() const
    {
        DigitColours c = mainDigits;
        c.normal = digitColour;
        return c;
    }
    bool operator==(const ViewSettings &other) const;
};

inline constexpr std::size_t kRecentMessages = 5;

// Reads the "View" section; a file without it, or a key that does not parse, gives the
// defaults above, which leave the program as it is without the section.
ViewSettings loadViewSettings(const SettingsFile &file);
// Writes the "View" section key by key; a refused write raises its error there.
void saveViewSettings(SettingsFile &file, const ViewSettings &settings);


} // namespace dorvane
