#pragma once
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dorvane {

struct SdlLibrary;

// The one format the voice plays in. Every clip, built-in or the user's, is converted to it, so
// that clips of any rate, sample width or channel count follow one another on one device. The
// built-in clips' 8-bit samples widen to it without loss.
namespace playback {
constexpr int kRate = 22050;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 1;
} // namespace playback

using PlaybackSamples = std::vector<std::int16_t>;

// Decodes a waveform image and converts it to the playback format; `source` is closed either
// way. False, with the reason, when it cannot be read, decoded or converted, or holds no sound.
bool decodeClip(const SdlLibrary &sdl, SDL_RWops *source, PlaybackSamples &samples, std::string &reason);

// Scales the samples to `percent` (0 to 100) of their amplitude: 50 halves every sample.
void applyVolume(PlaybackSamples &samples, int percent);

} // namespace dorvane
