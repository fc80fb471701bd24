#pragma once
// Voice clips as tests make and hear them: WAV files of any rate and channel count, the samples
// SDL's disk audio driver wrote, and the built-in clips widened to the 16-bit playback format.
#include "engine/voice/clip_library.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dorvane::test {

using Samples = std::vector<std::int16_t>;

inline void putLittleEndian(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A plain 16-bit PCM WAV file; `samples` interleaves the channels.
inline void writeWav16(const std::string &path, int rate, int channels, const Samples &samples)
{
    std::string data;
    for (std::int16_t s : samples)
        putLittleEndian(data, static_cast<std::uint16_t>(s), 2);
    std::string file = "RIFF";
    putLittleEndian(file, static_cast<std::uint32_t>(36 + data.size()), 4);
    file += "WAVEfmt ";
    putLittleEndian(file, 16, 4);
    putLittleEndian(file, 1, 2);
    putLittleEndian(file, static_cast<std::uint32_t>(channels), 2);
    putLittleEndian(file, static_cast<std::uint32_t>(rate), 4);
    putLittleEndian(file, static_cast<std::uint32_t>(rate * channels * 2), 4);
    putLittleEndian(file, static_cast<std::uint32_t>(channels * 2), 2);
    putLittleEndian(file, 16, 2);
    file += "data";
    putLittleEndian(file, static_cast<std::uint32_t>(data.size()), 4);
    std::ofstream(path, std::ios::binary) << file << data;
}

// A tone of `seconds` at `frequency`, `amplitude` peak, one channel.
inline Samples tone(int rate, double seconds, double frequency, double amplitude)
{
    Samples samples(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(amplitude * std::sin(2 * M_PI * frequency * double(i) / rate));
    return samples;
}

// What the disk driver wrote: 16-bit samples in the machine's order.
inline Samples diskDriverSamples(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Samples samples(bytes.size() / 2);
    std::copy_n(bytes.data(), samples.size() * 2, reinterpret_cast<char *>(samples.data()));
    return samples;
}

// The built-in clip's stored 8-bit samples, widened to 16 bits as the player plays them.
inline Samples builtInSamples(const std::string &name)
{
    const ClipImage &clip = findClip(name);
    const unsigned char *size = clip.bytes + 54;
    const std::size_t count = size[0] | size[1] << 8 | size[2] << 16 | size[3] << 24;
    Samples samples;
    for (const unsigned char *s = clip.bytes + 58; s != clip.bytes + 58 + count; ++s)
        samples.push_back(static_cast<std::int16_t>((*s - 128) * 256));
    return samples;
}

// Where `wanted` first occurs in `played`, each sample within `tolerance`; npos when nowhere.
inline std::size_t findSamples(const Samples &played, const Samples &wanted, int tolerance = 0, std::size_t from = 0)
{
    if (wanted.empty() || played.size() < wanted.size())
        return std::string::npos;
    const auto close = [tolerance](std::int16_t a, std::int16_t b) { return std::abs(a - b) <= tolerance; };
    const auto at = std::search(played.begin() + static_cast<long>(from), played.end(), wanted.begin(), wanted.end(), close);
    return at == played.end() ? std::string::npos : static_cast<std::size_t>(at - played.begin());
}

// The stretch of `played` between its first and last sample louder than `threshold`.
inline Samples soundingPart(const Samples &played, int threshold = 0)
{
    const auto loud = [threshold](std::int16_t s) { return std::abs(s) > threshold; };
    const auto first = std::find_if(played.begin(), played.end(), loud);
    const auto last = std::find_if(played.rbegin(), played.rend(), loud).base();
    return first < last ? Samples(first, last) : Samples();
}

} // namespace dorvane::test
