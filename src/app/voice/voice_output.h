#pragma once
#include "app/voice/no_sound_notice.h"
#include "engine/voice/job_thread.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <string>

namespace dorvane {

class ClipPlayer;

// The window's voice: the clips on the sound device at the user's volume, the user's own clips
// in place of the built-in ones, and one notice per run when no device can be opened.
//
// Nothing here reads a file or waits on the sound system on the clock's thread: the clips are
// read, and the device opened, on the voice's own thread, a tick before a clip falls due. The
// device is open only around the clips: from a second before one until a few seconds after the
// last has ended.
class VoiceOutput final : public QObject
{
    Q_OBJECT
public:
    // How long the device stays open with nothing to play, after a clip or after it was opened
    // ahead of one.
    static constexpr int kIdleCloseMs = 3000;

    // Clips in `folders`, searched in order, replace the built-in ones. `programName` starts every
    // line on standard error; the notice asks for the notification service on the bus at
    // `notificationBus` (empty: the session bus).
    VoiceOutput(const QStringList &folders, const QString &programName, const QString &notificationBus = {},
                QObject *parent = nullptr);
    ~VoiceOutput() override;

    // The voice of the program at `executablePath`: its clips from the "voice" folder beside it
    // first, then from `userFolder` (empty: the user's own, under the per-user data location).
    static std::unique_ptr<VoiceOutput> forProgram(const QString &executablePath, const QString &userFolder,
                                                   const QString &notificationBus);

    // A count-down that will speak has started: the device is tried, and let go again at once,
    // so that a missing device is told now rather than at the first clip.
    void prepare();
    // `name` falls due on the next tick: its files are read and the device opened now.
    void expect(const std::string &name);
    // Throws dorvane::Error("Resource <name> not found") for a name that is no clip.
    void play(const std::string &name);

    // 0 to 100, for the clips from now on.
    void setVolume(int percent);
    int volume() const { return m_volume; }

    // The device and the sound as the voice's thread has them once the work given so far is done;
    // these wait for that work.
    bool deviceOpen();
    bool sounding();
    void waitUntilIdle() { m_jobs.waitUntilIdle(); }

    const NoSoundNotice &notice() const { return m_notice; }
    QTimer &idleTimer() { return m_idle; }

private:
    // Runs on the voice's thread after the device was wanted: the notice, or the idle close.
    void afterDeviceUse();
    void closeWhenQuiet();

    std::unique_ptr<ClipPlayer> m_player;
    NoSoundNotice m_notice;
    QTimer m_idle;
    int m_volume = 100;
    // Last, so that it stops, and no job touches the player, before the player goes.
    JobThread m_jobs;
};

} // namespace dorvane
