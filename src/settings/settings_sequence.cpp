#include "settings/settings_sequence.h"

#include "engine/colour.h"
#include "settings/settings_controls.h"
#include "settings/settings_file.h"

namespace dorvane {
namespace {

constexpr const char *TimeSection = "Time";
constexpr const char *VoiceSection = "Voice";
constexpr const char *DisplaySection = "Display";

constexpr std::int32_t DefaultHours = 0;
constexpr std::int32_t DefaultMinutes = 5;
constexpr std::int32_t DefaultSeconds = 0;
constexpr bool DefaultVoice = true;
constexpr ColourValue DefaultBackground = colours::Cream;
constexpr bool DefaultColourChange = true;
constexpr ColourValue DefaultSecondsColour = colours::Yellow;
constexpr ColourValue DefaultExpiredColour = colours::Red;
constexpr std::int32_t DefaultColourChangeSeconds = 60;
constexpr bool DefaultCountDown = true;

// Two-choice groups store "Yes"/"Down" (item 0) as true.
int itemIndexFor(bool value)
{
    return value ? 0 : 1;
}

bool isFirstItem(int itemIndex)
{
    return itemIndex == 0;
}

} // namespace

void loadSettings(const SettingsFile &file, SettingsControls &controls)
{
    controls.setAllowanceHours(file.readInteger(TimeSection, "Hours", DefaultHours));
    controls.setAllowanceMinutes(file.readInteger(TimeSection, "Mins", DefaultMinutes));
    controls.setAllowanceSeconds(file.readInteger(TimeSection, "Secs", DefaultSeconds));
    controls.setVoiceItemIndex(itemIndexFor(file.readBoolean(VoiceSection, "Yes", DefaultVoice)));
    controls.setBackgroundColour(file.readInteger(DisplaySection, "BackGround", DefaultBackground));
    controls.paintClockColourFromBackground();
    controls.setColourChangeItemIndex(itemIndexFor(file.readBoolean(DisplaySection, "Yes", DefaultColourChange)));
    controls.setSecondsColour(file.readInteger(DisplaySection, "SecondsColor", DefaultSecondsColour));
    controls.setExpiredColour(file.readInteger(DisplaySection, "ExpiredColor", DefaultExpiredColour));
    controls.setColourChangeSeconds(file.readInteger(DisplaySection, "Seconds", DefaultColourChangeSeconds));
    controls.setDirectionItemIndex(itemIndexFor(file.readBoolean(DisplaySection, "TimeUp", DefaultCountDown)));
}

void writeSettings(SettingsFile &file, const SettingsControls &controls)
{
    file.writeInteger(TimeSection, "Hours", controls.allowanceHours());
    file.writeInteger(TimeSection, "Mins", controls.allowanceMinutes());
    file.writeInteger(TimeSection, "Secs", controls.allowanceSeconds());
    file.writeBoolean(VoiceSection, "Yes", isFirstItem(controls.voiceItemIndex()));
    file.writeInteger(DisplaySection, "Background", controls.backgroundColour());
    file.writeBoolean(DisplaySection, "Yes", isFirstItem(controls.colourChangeItemIndex()));
    file.writeInteger(DisplaySection, "SecondsColor", controls.secondsColour());
    file.writeInteger(DisplaySection, "ExpiredColor", controls.expiredColour());
    file.writeInteger(DisplaySection, "Seconds", toInt32(controls.colourChangeSeconds()));
    file.writeBoolean(DisplaySection, "TimeUp", isFirstItem(controls.directionItemIndex()));
}

void saveSettings(SettingsFile &file, const SettingsControls &controls)
{
    writeSettings(file, controls);
    file.release();
}

} // namespace dorvane
