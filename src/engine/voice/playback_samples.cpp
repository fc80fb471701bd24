#include "engine/voice/playback_samples.h"

#include "engine/voice/sdl_library.h"

#include <cstring>

namespace dorvane {

bool decodeClip(const SdlLibrary &sdl, SDL_RWops *source, PlaybackSamples &samples, std::string &reason)
{
    if (source == nullptr) {
        reason = sdl.GetError();
        return false;
    }
    SDL_AudioSpec format;
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (sdl.LoadWAV_RW(source, 1, &format, &data, &length) == nullptr) {
        reason = sdl.GetError();
        return false;
    }
    SDL_AudioCVT cvt;
    const int needed = sdl.BuildAudioCVT(&cvt, format.format, format.channels, format.freq, playback::kFormat,
                                         playback::kChannels, playback::kRate);
    if (needed < 0) {
        reason = sdl.GetError();
        sdl.FreeWAV(data);
        return false;
    }
    std::vector<Uint8> buffer(static_cast<std::size_t>(length) * static_cast<std::size_t>(needed ? cvt.len_mult : 1));
    std::memcpy(buffer.data(), data, length);
    sdl.FreeWAV(data);
    int converted = static_cast<int>(length);
    if (needed > 0) {
        cvt.buf = buffer.data();
        cvt.len = static_cast<int>(length);
        if (sdl.ConvertAudio(&cvt) != 0) {
            reason = sdl.GetError();
            return false;
        }
        converted = cvt.len_cvt;
    }
    const std::size_t count = static_cast<std::size_t>(converted) / sizeof(std::int16_t);
    if (count == 0) {
        reason = "it holds no sound";
        return false;
    }
    samples.resize(count);
    std::memcpy(samples.data(), buffer.data(), count * sizeof(std::int16_t));
    return true;
}

void applyVolume(PlaybackSamples &samples, int percent)
{
    if (percent >= 100)
        return;
    const int scale = percent < 0 ? 0 : percent;
    for (std::int16_t &sample : samples)
        sample = static_cast<std::int16_t>(sample * scale / 100);
}

} // namespace dorvane
