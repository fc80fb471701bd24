#include "settings/view_settings.h"

#include "settings/settings_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace dorvane;
using namespace dorvane::test;

namespace {

TEST(ViewSettings, WhatIsWrittenIsReadBack)
{
    TempDir dir;
    SettingsFile file(dir.file("Dorvane.Ini"));
    ViewSettings written;
    written.clockViewShown = true;
    written.clockScreen = "HDMI-1";
    written.clockBounds = WindowBounds{1930, -12, 800, 450}; // on a second screen, above the first
    written.clockFullScreen = true;
    written.clockOnTop = true;
    written.mainOnTop = true;
    written.digitColour = 0xFFFFFF;
    written.flashAtTimeUp = true;
    written.recentMessages = {"Wrap up", "Noch f\u00fcnf Minuten = 5 min; [bitte]", "Questions"};
    saveViewSettings(file, written);
    EXPECT_EQ(loadViewSettings(file), written);

    // Written again with the defaults, every key goes back to them.
    saveViewSettings(file, ViewSettings{});
    ViewSettings defaults;
    defaults.clockScreen = "HDMI-1";            // not rewritten while no screen is known
    defaults.clockBounds = written.clockBounds; // nor the place, while the view has none
    defaults.recentMessages = written.recentMessages; // nor the messages, while none was shown
    EXPECT_EQ(loadViewSettings(file), defaults);
}

TEST(ViewSettings, AFileWithoutTheSectionOrWithUnusableValuesGivesTheDefaults)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "[Time]\nHours=2\n");
    EXPECT_EQ(loadViewSettings(SettingsFile(path)), ViewSettings{});
    EXPECT_EQ(ViewSettings{}.digitColour, colours::WindowText);

    writeFile(path, "[view]\nclockview=yes\nClockLeft=10\nClockTop=10\nClockWidth=0\nClockHeight=300\n"
                    "DigitColor=red\nFLASHATTIMEUP=2\n");
    const ViewSettings read = loadViewSettings(SettingsFile(path));
    EXPECT_FALSE(read.clockViewShown);
    EXPECT_FALSE(read.clockBounds.has_value()) << "a window of no width is no place";
    EXPECT_EQ(read.digitColour, colours::WindowText);
    EXPECT_TRUE(read.flashAtTimeUp) << "keys match without regard to case; any non-zero is true";
}

TEST(ViewSettings, TheRecentMessagesAreTheFirstFiveKeptWithoutGapsOrRepeats)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "[View]\nMessage1=Wrap up\nMessage2=\nMessage3=Wrap up\nMessage4=Questions\nMessage6=Late\n");
    EXPECT_EQ(loadViewSettings(SettingsFile(path)).recentMessages, (std::vector<std::string>{"Wrap up", "Questions"}));

    SettingsFile file(path);
    ViewSettings six;
    six.recentMessages = {"1", "2", "3", "4", "5", "6"};
    saveViewSettings(file, six);
    EXPECT_EQ(loadViewSettings(file).recentMessages, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
}

} // namespace

namespace {

TEST(ViewSettings, TheStageViewsOptionsAndEachWindowsDigitColoursAreReadBack)
{
    TempDir dir;
    SettingsFile file(dir.file("Dorvane.Ini"));
    ViewSettings written;
    written.digitColour = 0x0000FF;
    written.mainDigits = {true, 0, 0x00FF00, 0xFF0000};
    written.clockDigits = {false, 0xFFFFFF, 0x000000, 0x808080};
    written.stage = {true, false, true, true, true, true, true};
    saveViewSettings(file, written);
    const ViewSettings read = loadViewSettings(file);
    EXPECT_EQ(read, written);
    EXPECT_EQ(read.mainDigitColours(), (DigitColours{true, 0x0000FF, 0x00FF00, 0xFF0000}));
    EXPECT_EQ(read.clockDigits, written.clockDigits);
    EXPECT_EQ(read.stage, written.stage);
}

TEST(ViewSettings, AFileFromBeforeTheStageOptionsKeepsItsDigitColourAndShowsTheViewAutomatic)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "[View]\nClockView=1\nDigitColor=16777215\nFlashAtTimeUp=1\n");
    const ViewSettings read = loadViewSettings(SettingsFile(path));
    EXPECT_EQ(read.mainDigitColours(), DigitColours::one(0xFFFFFF)) << "white in every state, as before";
    EXPECT_TRUE(read.clockDigits.automatic);
    EXPECT_EQ(read.clockDigits.seconds, 0xFFFFFF) << "the chosen colour, once automatic is turned off";
    EXPECT_EQ(read.stage, StageOptions{});
    EXPECT_TRUE(read.stage.directionMarker);
    EXPECT_FALSE(read.stage.overtime);
}

} // namespace
