#pragma once
#include <memory>
#include <string>

namespace dorvane {

class SdlAudioQueue;

// Plays the built-in voice clips on the default output device.
//
// PlayClip starts a clip and returns at once, so the clock's tick is never held up by
// the voice; the clip still plays to its end. Clips never overlap: one asked for while
// another sounds follows it. Destroying the player stops any sound.
//
// When there is no audio device, or the audio system cannot start, nothing is heard and
// nothing is reported; the failure is remembered so later calls cost next to nothing.
class ClipPlayer
{
public:
    ClipPlayer();
    ~ClipPlayer();
    ClipPlayer(const ClipPlayer &) = delete;
    ClipPlayer &operator=(const ClipPlayer &) = delete;

    // Throws dorvane::Error("Resource <name> not found") for a name that is no clip.
    void PlayClip(const std::string &name);

    // True while a clip asked for has samples left that the device has not taken yet.
    bool isSounding() const;

    // False once the audio system or the device failed to open; clips are then silent.
    bool audioAvailable() const;

private:
    std::unique_ptr<SdlAudioQueue> m_output;
};

} // namespace dorvane
