#pragma once
#include <SDL.h>

namespace dorvane {

// One SDL output device fed through SDL's audio queue, opened on first use in the
// format of the first sound it is given (so that sound reaches the device unchanged).
// Sounds queued back to back play one after the other. Any failure to start is
// remembered and makes every later call a no-op.
class SdlAudioQueue
{
public:
    SdlAudioQueue() = default;
    ~SdlAudioQueue();
    SdlAudioQueue(const SdlAudioQueue &) = delete;
    SdlAudioQueue &operator=(const SdlAudioQueue &) = delete;

    // Starts SDL's audio subsystem once; false when it cannot start (now or before).
    bool start();

    // Appends a sound in the given format; converts it when the open device differs.
    void enqueue(const SDL_AudioSpec &format, const Uint8 *samples, Uint32 length);

    Uint32 queuedBytes() const;
    bool failed() const { return m_failed; }

private:
    bool openDevice(const SDL_AudioSpec &format);

    bool m_subsystemStarted = false;
    bool m_failed = false;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_deviceFormat{};
};

} // namespace dorvane
