#include "settings/settings_sequence.h"

#include "engine/colour.h"
#include "engine/error.h"
#include "settings/settings_controls.h"
#include "settings/settings_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace dorvane;
using namespace dorvane::test;

namespace {

// Records what it is handed, unclamped, and the order of the calls that matter.
class FakeControls : public SettingsControls
{
public:
    std::int32_t hours = -100, minutes = -100, seconds = -100;
    int voice = -100, colourChange = -100, direction = -100;
    ColourValue background = -100, secondsCol = -100, expiredCol = -100;
    Variant colourSeconds;
    std::function<Variant()> readColourSeconds; // when set, replaces colourSeconds
    mutable std::vector<std::string> log;

    void setAllowanceHours(std::int32_t v) override { hours = v; log.push_back("hours"); }
    std::int32_t allowanceHours() const override { return hours; }
    void setAllowanceMinutes(std::int32_t v) override { minutes = v; log.push_back("minutes"); }
    std::int32_t allowanceMinutes() const override { return minutes; }
    void setAllowanceSeconds(std::int32_t v) override { seconds = v; log.push_back("seconds"); }
    std::int32_t allowanceSeconds() const override { return seconds; }
    void setVoiceItemIndex(int i) override { voice = i; log.push_back("voice"); }
    int voiceItemIndex() const override { return voice; }
    void setBackgroundColour(ColourValue c) override { background = c; log.push_back("background"); }
    ColourValue backgroundColour() const override { return background; }
    void paintClockColourFromBackground() override { log.push_back("paint " + std::to_string(background)); }
    void setColourChangeItemIndex(int i) override { colourChange = i; log.push_back("colour change"); }
    int colourChangeItemIndex() const override { return colourChange; }
    void setSecondsColour(ColourValue c) override { secondsCol = c; log.push_back("seconds colour"); }
    ColourValue secondsColour() const override { return secondsCol; }
    void setExpiredColour(ColourValue c) override { expiredCol = c; log.push_back("expired colour"); }
    ColourValue expiredColour() const override { return expiredCol; }
    void setColourChangeSeconds(std::int32_t v) override { colourSeconds = Variant(v); log.push_back("colour seconds"); }
    Variant colourChangeSeconds() const override { return readColourSeconds ? readColourSeconds() : colourSeconds; }
    void setDirectionItemIndex(int i) override { direction = i; log.push_back("direction"); }
    int directionItemIndex() const override { return direction; }
};

FakeControls loadedFrom(const std::string &path)
{
    FakeControls controls;
    loadSettings(SettingsFile(path), controls);
    return controls;
}

TEST(LoadSettings, NoFileGivesTheTenDefaultsInTableOrder)
{
    TempDir dir;
    const FakeControls c = loadedFrom(dir.file("Dorvane.Ini"));
    EXPECT_EQ(c.log, (std::vector<std::string>{"hours", "minutes", "seconds", "voice", "background",
                                                "paint 15793151", "colour change", "seconds colour",
                                                "expired colour", "colour seconds", "direction"}));
    EXPECT_EQ(c.hours, 0);
    EXPECT_EQ(c.minutes, 5);
    EXPECT_EQ(c.seconds, 0);
    EXPECT_EQ(c.voice, 0);
    EXPECT_EQ(c.background, colours::Cream);
    EXPECT_EQ(c.colourChange, 0);
    EXPECT_EQ(c.secondsCol, colours::Yellow);
    EXPECT_EQ(c.expiredCol, colours::Red);
    EXPECT_EQ(c.colourSeconds, Variant(60));
    EXPECT_EQ(c.direction, 0);
}

TEST(LoadSettings, DecodesStoredTextsAndFallsBackPerSetting)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "[TIME]\r\nHours=150\r\nMins=0x1E\r\nSecs=7s\r\n"
                    "[voice]\r\nyes=0\r\n"
                    "[Display]\r\nbAcKgRoUnD=255\r\nYes=-1\r\nSecondsColor=-16777201\r\n"
                    "ExpiredColor=red\r\nSeconds=\" 7\"\r\nTimeUp=0\r\n");
    const FakeControls c = loadedFrom(path);
    EXPECT_EQ(c.hours, 150) << "the spin edit, not the reader, clamps";
    EXPECT_EQ(c.minutes, 30);
    EXPECT_EQ(c.seconds, 0);
    EXPECT_EQ(c.voice, 1);
    EXPECT_EQ(c.background, colours::Red);
    EXPECT_EQ(c.log[5], "paint 255");
    EXPECT_EQ(c.colourChange, 0);
    EXPECT_EQ(c.secondsCol, colours::BtnFace);
    EXPECT_EQ(c.expiredCol, colours::Red);
    EXPECT_EQ(c.colourSeconds, Variant(7));
    EXPECT_EQ(c.direction, 1) << "TimeUp 0 counts up";
}

FakeControls sampleControls()
{
    FakeControls c;
    c.hours = 1;
    c.minutes = 75; // typed above the maximum: written as it stands
    c.seconds = 0;
    c.voice = 0;
    c.background = colours::BtnFace;
    c.colourChange = 1;
    c.secondsCol = colours::White;
    c.expiredCol = colours::Red;
    c.colourSeconds = Variant(std::int64_t{90});
    c.direction = -1; // no item selected counts as not "Down"
    return c;
}

TEST(SaveSettings, WritesTheTenKeysInTableOrderThenReleases)
{
    TempDir dir;
    SettingsFile file(dir.file("Dorvane.Ini"));
    saveSettings(file, sampleControls());
    EXPECT_TRUE(file.isReleased());
    EXPECT_EQ(readFile(file.path()), "[Time]\nHours=1\nMins=75\nSecs=0\n\n[Voice]\nYes=1\n\n"
                                     "[Display]\nBackground=-16777201\nYes=0\nSecondsColor=16777215\n"
                                     "ExpiredColor=255\nSeconds=90\nTimeUp=0\n");

    const FakeControls back = loadedFrom(file.path());
    EXPECT_EQ(back.background, colours::BtnFace);
    EXPECT_EQ(back.minutes, 75);
    EXPECT_EQ(back.colourChange, 1);
    EXPECT_EQ(back.direction, 1);
}

TEST(SaveSettings, BackgroundReadAndWrittenSpellingsShareOneKey)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    writeFile(path, "[Display]\nBackGround=255\n");
    SettingsFile file(path);
    saveSettings(file, sampleControls());
    const std::string text = readFile(path);
    EXPECT_NE(text.find("BackGround=-16777201\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Background"), std::string::npos) << text;
    EXPECT_EQ(loadedFrom(path).background, colours::BtnFace);
}

TEST(SaveSettings, ARefusedWriteStopsTheSaveWithTheFullPath)
{
    TempDir dir;
    const std::string path = dir.file("no-such-folder/Dorvane.Ini");
    SettingsFile file(path);
    try {
        saveSettings(file, sampleControls());
        FAIL() << "the save must fail";
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_FALSE(file.isReleased());
}

TEST(SaveSettings, AFailingValueStopsAtItsRowLeavingLaterRowsAsTheyWere)
{
    TempDir dir;
    const std::string path = dir.file("Dorvane.Ini");
    const std::string before = "[Time]\nHours=4\n[Display]\nSeconds=60\nTimeUp=1\n";
    struct Failure
    {
        std::function<Variant()> read;
        const char *message;
    };
    const Failure failures[] = {
        {[] { return Variant(std::int64_t{1} << 40); }, "Range check error"},
        {[]() -> Variant { throw Error("Invalid numeric value"); }, "Invalid numeric value"},
    };
    for (const Failure &failure : failures) {
        writeFile(path, before);
        FakeControls controls = sampleControls();
        controls.readColourSeconds = failure.read;
        SettingsFile file(path);
        try {
            saveSettings(file, controls);
            FAIL() << "the save must fail: " << failure.message;
        } catch (const Error &e) {
            EXPECT_EQ(std::string(e.what()), failure.message);
        }
        EXPECT_FALSE(file.isReleased());
        const FakeControls back = loadedFrom(path);
        EXPECT_EQ(back.hours, 1) << "rows before the failure are written";
        EXPECT_EQ(back.expiredCol, colours::Red);
        EXPECT_EQ(back.colourSeconds, Variant(60)) << "the failing row keeps its old value";
        EXPECT_EQ(back.direction, 0) << "later rows are not written";

        // A later close runs the whole sequence again.
        controls.readColourSeconds = nullptr;
        saveSettings(file, controls);
        EXPECT_TRUE(file.isReleased());
        EXPECT_EQ(loadedFrom(path).direction, 1);
    }
}

} // namespace
