#include "engine/voice/clip_library.h"

#include "engine/error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <set>
#include <string>

namespace dorvane {
namespace {

const char *const kAskedNames[] = {
    "FiveSound",  "FourSound",  "ThreeSound", "TwoSound",       "One45Sound",  "One30Sound",
    "One15Sound", "OneSound",   "FortyFiveSound", "ThirtySound", "FifteenSound", "TimeUpSound",
};

std::string upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::uint32_t u32(const unsigned char *p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t u16(const unsigned char *p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::string tag(const unsigned char *p)
{
    return std::string(reinterpret_cast<const char *>(p), 4);
}

TEST(ClipImages, AreTheTwelveStoredUnderUpperCaseNames)
{
    std::set<std::string> stored;
    for (auto clip = embeddedClipsBegin(); clip != embeddedClipsEnd(); ++clip)
        stored.insert(clip->storedName);
    std::set<std::string> expected;
    for (const char *name : kAskedNames)
        expected.insert(upper(name));
    EXPECT_EQ(stored, expected);
}

TEST(ClipImages, HaveExactlyTheProgramsWaveLayout)
{
    for (auto clip = embeddedClipsBegin(); clip != embeddedClipsEnd(); ++clip) {
        SCOPED_TRACE(clip->storedName);
        const unsigned char *p = clip->bytes;
        ASSERT_GE(clip->size, 58u);
        const std::uint32_t dataSize = u32(p + 54);
        const std::size_t pad = dataSize % 2;
        ASSERT_EQ(clip->size, 58u + dataSize + pad) << "nothing may follow the data chunk";

        EXPECT_EQ(tag(p), "RIFF");
        EXPECT_EQ(u32(p + 4), clip->size - 8) << "RIFF size counts the pad byte";
        EXPECT_EQ(tag(p + 8), "WAVE");

        EXPECT_EQ(tag(p + 12), "fmt ");
        EXPECT_EQ(u32(p + 16), 18u);
        EXPECT_EQ(u16(p + 20), 1) << "PCM";
        EXPECT_EQ(u16(p + 22), 1) << "channels";
        EXPECT_EQ(u32(p + 24), 22050u) << "samples per second";
        EXPECT_EQ(u32(p + 28), 22050u) << "bytes per second";
        EXPECT_EQ(u16(p + 32), 1) << "block alignment";
        EXPECT_EQ(u16(p + 34), 8) << "bits per sample";
        EXPECT_EQ(u16(p + 36), 0) << "extra-format size";

        EXPECT_EQ(tag(p + 38), "fact");
        EXPECT_EQ(u32(p + 42), 4u);
        EXPECT_EQ(u32(p + 46), dataSize) << "sample count equals the data size";

        EXPECT_EQ(tag(p + 50), "data");
        const double seconds = dataSize / 22050.0;
        EXPECT_GE(seconds, 0.5);
        EXPECT_LE(seconds, 3.0);
    }
}

TEST(ClipImages, FadeInAndOutAndNeverClip)
{
    for (auto clip = embeddedClipsBegin(); clip != embeddedClipsEnd(); ++clip) {
        SCOPED_TRACE(clip->storedName);
        const unsigned char *samples = clip->bytes + 58;
        const std::size_t count = u32(clip->bytes + 54);
        // Unsigned 8-bit silence is 128: a clip that starts or ends far from it clicks.
        EXPECT_NEAR(samples[0], 128, 3);
        EXPECT_NEAR(samples[count - 1], 128, 3);
        const auto [low, high] = std::minmax_element(samples, samples + count);
        EXPECT_GT(*low, 0);
        EXPECT_LT(*high, 255);
        EXPECT_GT(*high - *low, 100) << "the clip should carry audible speech";
    }
}

TEST(ClipLookup, FindsEveryClipWhateverTheCase)
{
    for (const char *asked : kAskedNames) {
        for (const std::string &name : {std::string(asked), upper(asked), lower(asked)}) {
            SCOPED_TRACE(name);
            const ClipImage &clip = findClip(name);
            EXPECT_EQ(clip.storedName, upper(asked));
        }
    }
}

TEST(ClipLookup, MissingClipFailsWithTheNameAskedFor)
{
    for (const std::string name : {"NoSuchSound", "Five", "FiveSoundX", "", "SixSound"}) {
        SCOPED_TRACE(name);
        try {
            findClip(name);
            ADD_FAILURE() << "no error for " << name;
        } catch (const Error &e) {
            EXPECT_EQ(std::string(e.what()), "Resource " + name + " not found");
        }
    }
}

} // namespace
} // namespace dorvane
