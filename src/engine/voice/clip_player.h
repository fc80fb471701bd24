#pragma once
#include "engine/voice/clip_folders.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace dorvane {

class SdlAudioQueue;
struct SdlLibrary;

// Plays the voice clips on the default output device: the user's own recording of a clip when
// a voice folder holds one, else the built-in clip.
//
// PlayClip starts a clip and returns at once, so the clock's tick is never held up by the
// voice; the clip still plays to its end. Clips never overlap: one asked for while another
// sounds follows it. Destroying the player stops any sound.
//
// SDL is loaded and the device opened only when first needed: by openDevice() ahead of a
// clip, or by the clip itself. closeDeviceIfQuiet() lets the device, and SDL's audio with its
// threads, go between clips. prepareClip() reads and decodes a clip ahead of its PlayClip, so
// that the clip's files are not read when it falls due.
// When no device can be opened the clips are silent; the failure is kept (see deviceFailure)
// and later clips cost next to nothing until openDevice() is asked to try again.
class ClipPlayer
{
public:
    // Receives one line about a clip file that cannot be played; by default it goes to standard
    // error after the program's name.
    using Report = std::function<void(const std::string &line)>;

    explicit ClipPlayer(ClipFolders folders = {}, Report report = {});
    ~ClipPlayer();
    ClipPlayer(const ClipPlayer &) = delete;
    ClipPlayer &operator=(const ClipPlayer &) = delete;

    // Throws dorvane::Error("Resource <name> not found") for a name that is no clip.
    void PlayClip(const std::string &name);

    // Reads and decodes the clip for a later PlayClip of the same name. Throws as PlayClip does.
    void prepareClip(const std::string &name);

    // Opens the device now (again, after a failure); false when it cannot be opened.
    bool openDevice();
    // Closes the device unless a clip still sounds; true when it is closed.
    bool closeDeviceIfQuiet();
    bool isDeviceOpen() const;

    // 0 to 100; applies to the clips asked for from now on.
    void setVolume(int percent);
    int volume() const { return m_volume; }

    // True while a clip asked for has samples left that the device has not taken yet.
    bool isSounding() const;

    // False once the audio system or the device failed to open; clips are then silent.
    bool audioAvailable() const { return m_deviceFailure.empty(); }
    // Why the device could not be opened; empty when it could.
    const std::string &deviceFailure() const { return m_deviceFailure; }

private:
    bool ensureDevice();
    bool loadSamples(const std::string &storedName, std::vector<std::int16_t> &samples);
    bool loadFile(const std::string &path, const std::string &fallback, std::vector<std::int16_t> &samples);

    ClipFolders m_folders;
    Report m_report;
    const SdlLibrary *m_sdl = nullptr;
    std::unique_ptr<SdlAudioQueue> m_output;
    std::string m_deviceFailure;
    std::set<std::string> m_reportedFiles;
    std::string m_preparedName; // stored name of the clip in m_prepared; empty when none
    std::vector<std::int16_t> m_prepared;
    int m_volume = 100;
};

} // namespace dorvane
