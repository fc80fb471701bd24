#pragma once
#include "engine/voice/playback_samples.h"

#include <string>

namespace dorvane {

// One SDL output device in the playback format, fed through SDL's audio queue. Sounds queued
// back to back play one after the other. The device can be closed when quiet and opened again.
class SdlAudioQueue
{
public:
    explicit SdlAudioQueue(const SdlLibrary &sdl) : m_sdl(sdl) {}
    ~SdlAudioQueue();
    SdlAudioQueue(const SdlAudioQueue &) = delete;
    SdlAudioQueue &operator=(const SdlAudioQueue &) = delete;

    // Starts SDL's audio and opens the default output device, paused until the first sound; true
    // when it is open. False, with SDL's reason, when there is no device or audio cannot start.
    bool open(std::string &reason);
    // Stops any sound at once and lets the device and SDL's audio go.
    void close();
    bool isOpen() const { return m_device != 0; }

    void enqueue(const PlaybackSamples &samples);
    Uint32 queuedBytes() const;

private:
    const SdlLibrary &m_sdl;
    bool m_subsystemStarted = false;
    bool m_playing = false;
    SDL_AudioDeviceID m_device = 0;
};

} // namespace dorvane
