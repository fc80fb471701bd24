#include "engine/voice/clip_file.h"

#include <cstdint>

namespace dorvane {

namespace {

std::uint32_t littleEndian32(const std::string &bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

FileContents readClipFile(const std::string &path)
{
    FileContents clip = readRegularFile(path, kMaxClipFileBytes);
    if (clip.read())
        clip.refusal = waveTruncation(clip.bytes);
    if (!clip.read())
        clip.bytes.clear();
    return clip;
}

std::string waveTruncation(const std::string &image)
{
    if (image.size() < 12 || image.compare(0, 4, "RIFF") != 0 || image.compare(8, 4, "WAVE") != 0)
        return {};
    std::size_t at = 12;
    while (at + 8 <= image.size()) {
        const std::uint32_t size = littleEndian32(image, at + 4);
        const std::size_t body = at + 8;
        if (image.compare(at, 4, "data") == 0) {
            const std::size_t present = image.size() - body;
            if (size <= present)
                return {};
            return "it is cut short: its sound data should have " + std::to_string(size) + " bytes, the file has "
                + std::to_string(present);
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1u);
    }
    return {};
}

} // namespace dorvane
