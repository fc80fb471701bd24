#pragma once
#include <cstddef>
#include <string>

namespace dorvane {

// One voice clip as the program carries it: a complete waveform file image.
struct ClipImage
{
    const char *storedName;     // upper case, e.g. "FIVESOUND"
    const unsigned char *bytes; // the image as stored, never converted
    std::size_t size;
};

// The twelve clips built into the program, in announcement order.
const ClipImage *embeddedClipsBegin();
const ClipImage *embeddedClipsEnd();

// Finds a clip by the name asked for ("FiveSound"), ASCII letters compared without
// regard to case. A missing clip throws dorvane::Error("Resource <name> not found").
const ClipImage &findClip(const std::string &name);

} // namespace dorvane
