#include "engine/voice/clip_player.h"

#include "engine/error.h"
#include "engine/voice/clip_file.h"
#include "engine/voice/clip_library.h"
#include "engine/voice/sdl_library.h"
#include "settings/temp_dir.h"
#include "support/voice_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <sys/stat.h>
#include <vector>

namespace dorvane {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double lengthOf(const std::string &name)
{
    return test::builtInSamples(name).size() / 22050.0;
}

// Waits, with a generous cap, until the player has handed every queued sample to the
// device; returns the seconds waited.
double waitUntilQuiet(const ClipPlayer &player, double capSeconds = 15.0)
{
    const auto start = Clock::now();
    while (player.isSounding() && secondsSince(start) < capSeconds)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return secondsSince(start);
}

// The disk driver writes exactly the samples played, in real time, into a file. The player's
// voice folders are two temporary folders, the first searched first.
class DiskDriverPlayback : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", m_dir.file("device.raw").c_str(), 1);
        std::filesystem::create_directory(m_first);
        std::filesystem::create_directory(m_second);
    }

    std::unique_ptr<ClipPlayer> makePlayer()
    {
        return std::make_unique<ClipPlayer>(ClipFolders({m_first.string(), m_second.string()}),
                                            [this](const std::string &line) { reports.push_back(line); });
    }

    // Plays the clips one after another and returns what the device received.
    test::Samples play(std::unique_ptr<ClipPlayer> player, std::initializer_list<const char *> names)
    {
        for (const char *name : names)
            player->PlayClip(name);
        EXPECT_TRUE(player->audioAvailable()) << player->deviceFailure();
        waitUntilQuiet(*player);
        player.reset(); // closes the device, which flushes the file
        return test::diskDriverSamples(m_dir.file("device.raw"));
    }

    // Before the first clip and after the last the device hears silence; in between exactly
    // the expected samples.
    static void expectSilenceAround(const test::Samples &played, const test::Samples &expected, int tolerance = 0)
    {
        const std::size_t at = test::findSamples(played, expected, tolerance);
        ASSERT_NE(at, std::string::npos) << "the clip's samples never reached the device whole";
        const auto isSilence = [](std::int16_t s) { return s == 0; };
        EXPECT_TRUE(std::all_of(played.begin(), played.begin() + long(at), isSilence));
        EXPECT_TRUE(std::all_of(played.begin() + long(at + expected.size()), played.end(), isSilence));
    }

    test::TempDir m_dir;
    std::filesystem::path m_first = m_dir.path() / "beside-the-program";
    std::filesystem::path m_second = m_dir.path() / "user";
    std::vector<std::string> reports;
};

TEST_F(DiskDriverPlayback, BuiltInClipReachesTheDeviceWidenedToSixteenBits)
{
    // The 8-bit to 16-bit widening may differ from an exact shift by one step.
    expectSilenceAround(play(makePlayer(), {"onesound"}), test::builtInSamples("OneSound"), 1);
}

TEST_F(DiskDriverPlayback, ClipsAskedForBackToBackPlayWholeInOrder)
{
    test::Samples both = test::builtInSamples("FourSound");
    const test::Samples second = test::builtInSamples("OneSound");
    both.insert(both.end(), second.begin(), second.end());
    expectSilenceAround(play(makePlayer(), {"FourSound", "OneSound"}), both, 1);
}

TEST_F(DiskDriverPlayback, AFileNamedAfterTheClipInAnyCaseReplacesTheBuiltInOneFolderByFolder)
{
    const test::Samples first = test::tone(22050, 0.3, 440, 12000);
    const test::Samples second = test::tone(22050, 0.2, 660, 9000);
    test::writeWav16((m_first / "fiveSound.WAV").string(), 22050, 1, first);
    test::writeWav16((m_second / "FIVESOUND.wav").string(), 22050, 1, second);
    test::writeWav16((m_second / "OneSound.wav").string(), 22050, 1, second);

    const test::Samples played = play(makePlayer(), {"FiveSound", "OneSound", "TwoSound"});

    // The folder beside the program comes first; the user's folder still serves the clips it
    // lacks; a clip in neither is the built-in one.
    test::Samples expected = first;
    expected.insert(expected.end(), second.begin(), second.end());
    const test::Samples two = test::builtInSamples("TwoSound");
    expected.insert(expected.end(), two.begin(), two.end());
    expectSilenceAround(played, expected, 1);
    EXPECT_TRUE(reports.empty());
}

TEST_F(DiskDriverPlayback, AFileThatCannotBePlayedFallsBackAndIsReportedOnce)
{
    test::writeFile((m_first / "ONESOUND.wav").string(), "this is no waveform");
    test::writeWav16((m_second / "FourSound.wav").string(), 22050, 1, {});

    const test::Samples played = play(makePlayer(), {"OneSound", "OneSound", "FourSound"});

    test::Samples expected = test::builtInSamples("OneSound");
    expected.insert(expected.end(), expected.begin(), expected.end());
    const test::Samples four = test::builtInSamples("FourSound");
    expected.insert(expected.end(), four.begin(), four.end());
    expectSilenceAround(played, expected, 1);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find((m_first / "ONESOUND.wav").string() + " cannot be played ("), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("the built-in clip plays instead"), std::string::npos) << reports[0];
    EXPECT_NE(reports[1].find("FourSound.wav cannot be played (it holds no sound)"), std::string::npos) << reports[1];
}

TEST_F(DiskDriverPlayback, NoRegularFileCutShortOrOverTheCapIsReadAndEachIsReportedOnce)
{
    // None of these may hold the caller up: a FIFO without a writer would block an ordinary open.
    const std::string fifo = (m_first / "FIFTEENSOUND.wav").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(m_first / "OneSound.wav");
    const std::string cut = (m_first / "TWOSOUND.wav").string();
    test::writeWav16(cut, 22050, 1, test::tone(22050, 0.5, 440, 9000));
    std::filesystem::resize_file(cut, 8000);
    const std::string large = (m_first / "FourSound.wav").string();
    test::writeWav16(large, 22050, 1, test::tone(22050, 0.1, 440, 9000));
    std::filesystem::resize_file(large, kMaxClipFileBytes + 1);

    const test::Samples played =
        play(makePlayer(), {"FifteenSound", "OneSound", "TwoSound", "FourSound", "FifteenSound", "OneSound"});

    test::Samples expected;
    for (const char *name : {"FifteenSound", "OneSound", "TwoSound", "FourSound", "FifteenSound", "OneSound"}) {
        const test::Samples builtIn = test::builtInSamples(name);
        expected.insert(expected.end(), builtIn.begin(), builtIn.end());
    }
    expectSilenceAround(played, expected, 1);
    const std::string instead = "; the built-in clip plays instead";
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "voice clip " + fifo + " cannot be played (it is a FIFO)" + instead,
                           "voice clip " + (m_first / "OneSound.wav").string() + " cannot be played (it is a directory)" + instead,
                           "voice clip " + cut + " cannot be played (it is cut short: its sound data should have 22050 "
                               "bytes, the file has 7956)" + instead,
                           "voice clip " + large + " cannot be played (it is larger than the 16 MB it may have)" + instead,
                       }));
}

TEST_F(DiskDriverPlayback, AClipPreparedAheadIsReadThenAndPlaysAsRead)
{
    const test::Samples own = test::tone(22050, 0.2, 500, 10000);
    const std::filesystem::path file = m_second / "TimeUpSound.wav";
    test::writeWav16(file.string(), 22050, 1, own);
    auto player = makePlayer();
    player->prepareClip("TimeUpSound");
    std::filesystem::remove(file);

    expectSilenceAround(play(std::move(player), {"TimeUpSound"}), own, 1);
}

TEST_F(DiskDriverPlayback, OtherRatesAndChannelCountsAreConverted)
{
    // Half a second at 44100 Hz in two channels: the device gets half a second at 22050 Hz.
    const test::Samples mono = test::tone(44100, 0.5, 300, 10000);
    test::Samples stereo;
    for (std::int16_t s : mono)
        stereo.insert(stereo.end(), {s, s});
    test::writeWav16((m_second / "THIRTYSOUND.wav").string(), 44100, 2, stereo);

    const test::Samples sounding = test::soundingPart(play(makePlayer(), {"ThirtySound"}), 300);

    EXPECT_NEAR(double(sounding.size()), 11025.0, 150.0);
    const auto [low, high] = std::minmax_element(sounding.begin(), sounding.end());
    EXPECT_NEAR(*high, 10000, 300);
    EXPECT_NEAR(*low, -10000, 300);
}

TEST_F(DiskDriverPlayback, VolumeScalesEveryClipsSamples)
{
    const test::Samples loud = test::tone(22050, 0.25, 500, 20001);
    test::writeWav16((m_first / "FIFTEENSOUND.wav").string(), 22050, 1, loud);
    auto player = makePlayer();
    player->setVolume(50);

    const test::Samples played = play(std::move(player), {"FifteenSound", "OneSound"});

    test::Samples expected;
    for (std::int16_t s : loud)
        expected.push_back(static_cast<std::int16_t>(s / 2));
    for (std::int16_t s : test::builtInSamples("OneSound"))
        expected.push_back(static_cast<std::int16_t>(s / 2));
    expectSilenceAround(played, expected, 1);
}

TEST_F(DiskDriverPlayback, TheDeviceClosesOnlyWhenQuietAndOpensAgainForTheNextClip)
{
    auto player = makePlayer();
    player->PlayClip("OneSound");
    EXPECT_FALSE(player->closeDeviceIfQuiet()) << "the clip still sounds";
    EXPECT_TRUE(player->isDeviceOpen());
    waitUntilQuiet(*player);
    EXPECT_TRUE(player->closeDeviceIfQuiet());
    EXPECT_FALSE(player->isDeviceOpen());

    // The disk driver starts its file anew with the device.
    expectSilenceAround(play(std::move(player), {"TwoSound"}), test::builtInSamples("TwoSound"), 1);
}

TEST(SdlLoading, NothingOfSdlIsInMemoryUntilTheDeviceIsWanted)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_FALSE(SdlLibrary::isInMemory());
    ClipPlayer player;
    EXPECT_FALSE(SdlLibrary::isInMemory());
    EXPECT_TRUE(player.openDevice());
    EXPECT_TRUE(SdlLibrary::isInMemory());
}

// The dummy driver consumes samples at the real rate without a sound card.
class DummyDriverPlayback : public ::testing::Test
{
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(DummyDriverPlayback, PlayClipReturnsAtOnceWhileTheClipTakesItsLength)
{
    ClipPlayer player;
    const auto start = Clock::now();
    player.PlayClip("One45Sound");
    const double callSeconds = secondsSince(start);
    ASSERT_TRUE(player.audioAvailable());
    EXPECT_TRUE(player.isSounding());
    const double playedSeconds = callSeconds + waitUntilQuiet(player);

    const double length = lengthOf("One45Sound");
    EXPECT_LT(callSeconds, 0.25);
    // The last device buffer (46 ms) leaves the queue before it has sounded.
    EXPECT_GT(playedSeconds, length - 0.2);
    EXPECT_LT(playedSeconds, length + 2.0);
}

TEST_F(DummyDriverPlayback, SecondClipWaitsForTheFirstInsteadOfOverlapping)
{
    ClipPlayer player;
    const auto start = Clock::now();
    player.PlayClip("FiveSound");
    player.PlayClip("TimeUpSound");
    const double callSeconds = secondsSince(start);
    const double playedSeconds = callSeconds + waitUntilQuiet(player);

    const double total = lengthOf("FiveSound") + lengthOf("TimeUpSound");
    EXPECT_LT(callSeconds, 0.25);
    EXPECT_GT(playedSeconds, total - 0.2);
    EXPECT_LT(playedSeconds, total + 2.0);
}

TEST_F(DummyDriverPlayback, DestroyingThePlayerStopsTheSound)
{
    auto player = std::make_unique<ClipPlayer>();
    player->PlayClip("One45Sound");
    const auto start = Clock::now();
    player.reset();
    EXPECT_LT(secondsSince(start), 0.5 * lengthOf("One45Sound"));
}

TEST_F(DummyDriverPlayback, UnknownNameStillFailsWithItsMessage)
{
    ClipPlayer player;
    try {
        player.PlayClip("SevenSound");
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Resource SevenSound not found");
    }
    EXPECT_FALSE(player.isSounding());
}

// A driver that cannot open: the voice falls silent, nothing fails, nothing waits.
class NoAudioDevice : public ::testing::Test
{
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "nonexistent", 1); }
};

TEST_F(NoAudioDevice, ClipsAreSilentAndCostNoTimeUntilAskedToTryAgain)
{
    ClipPlayer player;
    const auto start = Clock::now();
    for (int i = 0; i < 100; ++i)
        EXPECT_NO_THROW(player.PlayClip("ThirtySound"));
    EXPECT_LT(secondsSince(start), 0.25);
    EXPECT_FALSE(player.audioAvailable());
    EXPECT_FALSE(player.deviceFailure().empty());
    EXPECT_FALSE(player.isSounding());

    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(player.openDevice());
    EXPECT_TRUE(player.audioAvailable());
}

TEST_F(NoAudioDevice, UnknownNameStillFails)
{
    ClipPlayer player;
    EXPECT_THROW(player.PlayClip("SevenSound"), Error);
}

} // namespace
} // namespace dorvane
