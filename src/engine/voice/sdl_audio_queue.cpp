#include "engine/voice/sdl_audio_queue.h"

#include <vector>

namespace dorvane {

SdlAudioQueue::~SdlAudioQueue()
{
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device); // stops the sound at once
    if (m_subsystemStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudioQueue::start()
{
    if (m_failed)
        return false;
    if (m_subsystemStarted)
        return true;
    // SDL must not take over SIGINT/SIGTERM: Ctrl+C and Qt's own handling keep working.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_failed = true;
        return false;
    }
    m_subsystemStarted = true;
    return true;
}

bool SdlAudioQueue::openDevice(const SDL_AudioSpec &format)
{
    SDL_AudioSpec wanted = format;
    wanted.samples = 1024; // about 46 ms at 22050 Hz: a short tail after the last clip
    wanted.callback = nullptr; // fed by SDL_QueueAudio
    wanted.userdata = nullptr;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &m_deviceFormat, 0);
    if (m_device == 0) {
        m_failed = true;
        return false;
    }
    return true;
}

void SdlAudioQueue::enqueue(const SDL_AudioSpec &format, const Uint8 *samples, Uint32 length)
{
    if (!start())
        return;
    const bool firstSound = m_device == 0;
    if (firstSound && !openDevice(format))
        return;

    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, format.format, format.channels, format.freq,
                                         m_deviceFormat.format, m_deviceFormat.channels,
                                         m_deviceFormat.freq);
    if (needed < 0)
        return;
    if (needed == 0) {
        SDL_QueueAudio(m_device, samples, length);
    } else {
        std::vector<Uint8> buffer(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
        SDL_memcpy(buffer.data(), samples, length);
        cvt.buf = buffer.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0)
            return;
        SDL_QueueAudio(m_device, buffer.data(), static_cast<Uint32>(cvt.len_cvt));
    }
    // A device opens paused; unpausing only once something is queued means the
    // first clip starts with its own first sample rather than after silence.
    if (firstSound)
        SDL_PauseAudioDevice(m_device, 0);
}

Uint32 SdlAudioQueue::queuedBytes() const
{
    return m_device != 0 ? SDL_GetQueuedAudioSize(m_device) : 0;
}

} // namespace dorvane
