#include "engine/voice/sdl_audio_queue.h"

#include "engine/voice/sdl_library.h"

namespace dorvane {

SdlAudioQueue::~SdlAudioQueue()
{
    close();
}

bool SdlAudioQueue::open(std::string &reason)
{
    if (m_device != 0)
        return true;
    if (!m_subsystemStarted) {
        // SDL must not take over SIGINT/SIGTERM: Ctrl+C and Qt's own handling keep working.
        m_sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (m_sdl.InitSubSystem(SDL_INIT_AUDIO) != 0) {
            reason = m_sdl.GetError();
            return false;
        }
        m_subsystemStarted = true;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = playback::kRate;
    wanted.format = playback::kFormat;
    wanted.channels = playback::kChannels;
    wanted.samples = 1024; // about 46 ms: a short tail after the last clip
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants behind the queue.
    m_device = m_sdl.OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0) {
        reason = m_sdl.GetError();
        close();
        return false;
    }
    m_playing = false;
    return true;
}

void SdlAudioQueue::close()
{
    if (m_device != 0)
        m_sdl.CloseAudioDevice(m_device);
    m_device = 0;
    // SDL's audio driver keeps threads of its own (a sound server's main loop, a watch for new
    // devices) until its audio is shut down, and they wake the machine while no clip is due.
    if (m_subsystemStarted)
        m_sdl.QuitSubSystem(SDL_INIT_AUDIO);
    m_subsystemStarted = false;
}

void SdlAudioQueue::enqueue(const PlaybackSamples &samples)
{
    if (m_device == 0)
        return;
    m_sdl.QueueAudio(m_device, samples.data(), static_cast<Uint32>(samples.size() * sizeof(std::int16_t)));
    // A device opens paused; unpausing only once something is queued means the first clip
    // starts with its own first sample rather than after silence.
    if (!m_playing) {
        m_sdl.PauseAudioDevice(m_device, 0);
        m_playing = true;
    }
}

Uint32 SdlAudioQueue::queuedBytes() const
{
    return m_device != 0 ? m_sdl.GetQueuedAudioSize(m_device) : 0;
}

} // namespace dorvane
