#include "engine/voice/clip_library.h"

#include "engine/ascii_case.h"
#include "engine/error.h"

#include <algorithm>

namespace dorvane {

// Defined in the source that the build generates from resources/voice.
extern const ClipImage kEmbeddedClips[];
extern const std::size_t kEmbeddedClipCount;

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
        return sameIgnoringAsciiCase(name, clip.storedName);
    });
    if (found == embeddedClipsEnd())
        throw Error("Resource " + name + " not found");
    return *found;
}

} // namespace dorvane
