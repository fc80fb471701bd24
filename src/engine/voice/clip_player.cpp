#include "engine/voice/clip_player.h"

#include "engine/voice/clip_library.h"
#include "engine/voice/sdl_audio_queue.h"

namespace dorvane {

ClipPlayer::ClipPlayer() : m_output(std::make_unique<SdlAudioQueue>()) {}

ClipPlayer::~ClipPlayer() = default;

void ClipPlayer::PlayClip(const std::string &name)
{
    const ClipImage &clip = findClip(name);
    if (!m_output->start())
        return;

    // The image is parsed as stored, at each play, and released once SDL has its copy.
    SDL_RWops *image = SDL_RWFromConstMem(clip.bytes, static_cast<int>(clip.size));
    SDL_AudioSpec format;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    if (image == nullptr || SDL_LoadWAV_RW(image, 1, &format, &samples, &length) == nullptr)
        return;
    m_output->enqueue(format, samples, length);
    SDL_FreeWAV(samples);
}

bool ClipPlayer::isSounding() const
{
    return m_output->queuedBytes() > 0;
}

bool ClipPlayer::audioAvailable() const
{
    return !m_output->failed();
}

} // namespace dorvane
