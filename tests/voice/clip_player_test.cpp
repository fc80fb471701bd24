#include "engine/voice/clip_player.h"

#include "engine/error.h"
#include "engine/voice/clip_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>
#include <unistd.h>

namespace dorvane {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The samples of a clip as its image stores them (data chunk at offset 50).
std::vector<unsigned char> samplesOf(const std::string &name)
{
    const ClipImage &clip = findClip(name);
    const unsigned char *size = clip.bytes + 54;
    const std::size_t count = size[0] | size[1] << 8 | size[2] << 16 | size[3] << 24;
    return {clip.bytes + 58, clip.bytes + 58 + count};
}

double lengthOf(const std::string &name)
{
    return samplesOf(name).size() / 22050.0;
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

// The disk driver writes exactly the samples played, in real time, into a file.
class DiskDriverPlayback : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_file = ::testing::TempDir() + "dorvane_voice_" + std::to_string(::getpid()) + ".raw";
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", m_file.c_str(), 1);
    }
    void TearDown() override { std::remove(m_file.c_str()); }

    std::vector<unsigned char> deviceBytes() const
    {
        std::ifstream in(m_file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The device may emit silence before the first clip and after the last; in between
    // there must be exactly the expected samples, unchanged.
    void expectSilenceAround(const std::vector<unsigned char> &played,
                             const std::vector<unsigned char> &expected)
    {
        const auto at = std::search(played.begin(), played.end(), expected.begin(), expected.end());
        ASSERT_NE(at, played.end()) << "the clip's samples never reached the device whole";
        const auto isSilence = [](unsigned char b) { return b == 0x80; };
        EXPECT_TRUE(std::all_of(played.begin(), at, isSilence));
        EXPECT_TRUE(std::all_of(at + static_cast<long>(expected.size()), played.end(), isSilence));
    }

    std::string m_file;
};

TEST_F(DiskDriverPlayback, DeviceReceivesExactlyTheClipsSamples)
{
    auto player = std::make_unique<ClipPlayer>();
    player->PlayClip("onesound");
    ASSERT_TRUE(player->audioAvailable());
    waitUntilQuiet(*player);
    player.reset(); // closes the device, which flushes the file

    expectSilenceAround(deviceBytes(), samplesOf("OneSound"));
}

TEST_F(DiskDriverPlayback, ClipsAskedForBackToBackPlayWholeInOrder)
{
    auto player = std::make_unique<ClipPlayer>();
    player->PlayClip("FourSound");
    player->PlayClip("OneSound");
    waitUntilQuiet(*player);
    player.reset();

    std::vector<unsigned char> both = samplesOf("FourSound");
    const std::vector<unsigned char> second = samplesOf("OneSound");
    both.insert(both.end(), second.begin(), second.end());
    expectSilenceAround(deviceBytes(), both);
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

TEST_F(NoAudioDevice, ClipsAreSilentAndCostNoTime)
{
    ClipPlayer player;
    const auto start = Clock::now();
    for (int i = 0; i < 100; ++i)
        EXPECT_NO_THROW(player.PlayClip("ThirtySound"));
    EXPECT_LT(secondsSince(start), 0.25);
    EXPECT_FALSE(player.audioAvailable());
    EXPECT_FALSE(player.isSounding());
}

TEST_F(NoAudioDevice, UnknownNameStillFails)
{
    ClipPlayer player;
    EXPECT_THROW(player.PlayClip("SevenSound"), Error);
}

} // namespace
} // namespace dorvane
