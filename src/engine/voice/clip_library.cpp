#include "engine/voice/clip_library.h"

#include "engine/error.h"

#include <algorithm>
#include <cstring>

namespace dorvane {

// Defined in the source that the build generates from resources/voice.
extern const ClipImage kEmbeddedClips[];
extern const std::size_t kEmbeddedClipCount;

namespace {

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameNameIgnoringCase(const std::string &asked, const char *stored)
{
    if (asked.size() != std::strlen(stored))
        return false;
    return std::equal(asked.begin(), asked.end(), stored,
                      [](char a, char s) { return asciiUpper(a) == asciiUpper(s); });
}

} // namespace

const ClipImage *embeddedClipsBegin()
{
    return kEmbeddedClips;
}

const ClipImage *embeddedClipsEnd()
{
    return kEmbeddedClips + kEmbeddedClipCount;
}

const ClipImage &findClip(const std::string &name)
{
    const auto found = std::find_if(embeddedClipsBegin(), embeddedClipsEnd(), [&](const ClipImage &clip) {
        return sameNameIgnoringCase(name, clip.storedName);
    });
    if (found == embeddedClipsEnd())
        throw Error("Resource " + name + " not found");
    return *found;
}

} // namespace dorvane
