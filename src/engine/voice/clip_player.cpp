#include "engine/voice/clip_player.h"

#include "engine/voice/clip_file.h"
#include "engine/voice/clip_library.h"
#include "engine/voice/playback_samples.h"
#include "engine/voice/sdl_audio_queue.h"
#include "engine/voice/sdl_library.h"

#include <algorithm>
#include <cstdio>

namespace dorvane {

namespace {
void reportOnStandardError(const std::string &line)
{
    std::fprintf(stderr, "Dorvane: %s\n", line.c_str());
    std::fflush(stderr);
}
} // namespace

ClipPlayer::ClipPlayer(ClipFolders folders, Report report)
    : m_folders(std::move(folders)), m_report(report ? std::move(report) : Report(reportOnStandardError))
{
}

ClipPlayer::~ClipPlayer() = default;

bool ClipPlayer::openDevice()
{
    m_deviceFailure.clear();
    return ensureDevice();
}

bool ClipPlayer::ensureDevice()
{
    if (!m_deviceFailure.empty())
        return false;
    if (m_output && m_output->isOpen())
        return true;
    std::string reason;
    if (!m_sdl)
        m_sdl = SdlLibrary::load(reason);
    if (m_sdl && !m_output)
        m_output = std::make_unique<SdlAudioQueue>(*m_sdl);
    if (m_output && m_output->open(reason))
        return true;
    m_deviceFailure = reason.empty() ? "no audio device" : reason;
    return false;
}

bool ClipPlayer::closeDeviceIfQuiet()
{
    if (isSounding())
        return false;
    if (m_output)
        m_output->close();
    return true;
}

bool ClipPlayer::isDeviceOpen() const
{
    return m_output && m_output->isOpen();
}

void ClipPlayer::setVolume(int percent)
{
    m_volume = std::clamp(percent, 0, 100);
}

bool ClipPlayer::isSounding() const
{
    return m_output && m_output->queuedBytes() > 0;
}

void ClipPlayer::prepareClip(const std::string &name)
{
    const ClipImage &builtIn = findClip(name);
    std::string reason;
    if (!m_sdl)
        m_sdl = SdlLibrary::load(reason);
    m_preparedName.clear();
    if (m_sdl && loadSamples(builtIn.storedName, m_prepared))
        m_preparedName = builtIn.storedName;
}

void ClipPlayer::PlayClip(const std::string &name)
{
    const ClipImage &builtIn = findClip(name);
    if (!ensureDevice())
        return;
    PlaybackSamples samples;
    if (m_preparedName == builtIn.storedName) {
        samples.swap(m_prepared);
        m_preparedName.clear();
    } else if (!loadSamples(builtIn.storedName, samples)) {
        return;
    }
    applyVolume(samples, m_volume);
    m_output->enqueue(samples);
}

bool ClipPlayer::loadSamples(const std::string &storedName, PlaybackSamples &samples)
{
    // The user's files first, in folder order; a file that cannot be played is reported once
    // and the next one, or at last the built-in clip, plays in its place.
    const std::vector<std::string> files = m_folders.filesFor(storedName);
    for (std::size_t i = 0; i < files.size(); ++i)
        if (loadFile(files[i], i + 1 < files.size() ? files[i + 1] : "the built-in clip", samples))
            return true;
    const ClipImage &builtIn = findClip(storedName);
    std::string reason;
    SDL_RWops *image = m_sdl->RWFromConstMem(builtIn.bytes, static_cast<int>(builtIn.size));
    return decodeClip(*m_sdl, image, samples, reason);
}

bool ClipPlayer::loadFile(const std::string &path, const std::string &fallback, PlaybackSamples &samples)
{
    const FileContents file = readClipFile(path);
    std::string reason = file.refusal;
    if (file.read()
        && decodeClip(*m_sdl, m_sdl->RWFromConstMem(file.bytes.data(), static_cast<int>(file.bytes.size())), samples,
                      reason))
        return true;
    if (m_reportedFiles.insert(path).second)
        m_report("voice clip " + path + " cannot be played (" + reason + "); " + fallback + " plays instead");
    return false;
}

} // namespace dorvane
