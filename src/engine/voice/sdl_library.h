#pragma once
#include <SDL.h>

#include <string>

namespace dorvane {

// The few SDL functions the voice uses, looked up in SDL's shared library the first time a
// sound is wanted. Linking SDL would load it, and the sound-system libraries it pulls in, into
// every run before the window shows, though most runs speak late and many never.
struct SdlLibrary
{
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;

    // Loads the library once per process and keeps it. Null, with the reason, when the library
    // or one of its functions cannot be found; a later call tries again.
    static const SdlLibrary *load(std::string &reason);

    // Whether this process has SDL's library in memory (loaded by us or by anyone else).
    static bool isInMemory();
};

} // namespace dorvane
