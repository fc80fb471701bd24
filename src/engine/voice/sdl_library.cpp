#include "engine/voice/sdl_library.h"

#include <memory>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace dorvane {

namespace {

#if defined(_WIN32)
constexpr const char *kLibraryName = "SDL2.dll";
#elif defined(__APPLE__)
constexpr const char *kLibraryName = "libSDL2-2.0.0.dylib";
#else
constexpr const char *kLibraryName = "libSDL2-2.0.so.0";
#endif

class SharedLibrary
{
public:
    bool open(std::string &reason)
    {
#ifdef _WIN32
        m_handle = LoadLibraryA(kLibraryName);
        if (!m_handle)
            reason = std::string("cannot load ") + kLibraryName;
#else
        m_handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
        if (!m_handle)
            reason = dlerror();
#endif
        return m_handle != nullptr;
    }

    template <typename Function>
    bool resolve(Function &function, const char *name, std::string &reason)
    {
#ifdef _WIN32
        function = reinterpret_cast<Function>(GetProcAddress(m_handle, name));
#else
        function = reinterpret_cast<Function>(dlsym(m_handle, name));
#endif
        if (!function)
            reason = std::string(kLibraryName) + " has no " + name;
        return function != nullptr;
    }

private:
#ifdef _WIN32
    HMODULE m_handle = nullptr;
#else
    void *m_handle = nullptr;
#endif
};

bool resolveAll(SharedLibrary &library, SdlLibrary &sdl, std::string &reason)
{
#define DORVANE_SDL_FUNCTION(name) library.resolve(sdl.name, "SDL_" #name, reason)
    return DORVANE_SDL_FUNCTION(SetHint) && DORVANE_SDL_FUNCTION(GetError) && DORVANE_SDL_FUNCTION(InitSubSystem)
        && DORVANE_SDL_FUNCTION(QuitSubSystem) && DORVANE_SDL_FUNCTION(OpenAudioDevice)
        && DORVANE_SDL_FUNCTION(CloseAudioDevice) && DORVANE_SDL_FUNCTION(PauseAudioDevice)
        && DORVANE_SDL_FUNCTION(QueueAudio) && DORVANE_SDL_FUNCTION(GetQueuedAudioSize)
        && DORVANE_SDL_FUNCTION(BuildAudioCVT) && DORVANE_SDL_FUNCTION(ConvertAudio)
        && DORVANE_SDL_FUNCTION(RWFromConstMem)
        && DORVANE_SDL_FUNCTION(LoadWAV_RW) && DORVANE_SDL_FUNCTION(FreeWAV);
#undef DORVANE_SDL_FUNCTION
}

} // namespace

const SdlLibrary *SdlLibrary::load(std::string &reason)
{
    // Never unloaded: SDL's audio thread and the sound server's client library may outlive
    // any one player.
    static std::unique_ptr<SdlLibrary> loaded;
    if (loaded)
        return loaded.get();
    SharedLibrary library;
    auto sdl = std::make_unique<SdlLibrary>();
    if (!library.open(reason) || !resolveAll(library, *sdl, reason))
        return nullptr;
    loaded = std::move(sdl);
    return loaded.get();
}

bool SdlLibrary::isInMemory()
{
#ifdef _WIN32
    return GetModuleHandleA(kLibraryName) != nullptr;
#else
    void *handle = dlopen(kLibraryName, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
#endif
}

} // namespace dorvane
