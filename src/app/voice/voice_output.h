#pragma once
#include "app/voice/no_sound_notice.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <string>

namespace dorvane {

class ClipPlayer;

// The window's voice: the clips on the sound device at the user's volume, the user's own clips
// in place of the built-in ones, the device opened only when a count-down will speak and let go
// a while after the last clip, and one notice per run when no device can be opened.
class VoiceOutput final : public QObject
{
    Q_OBJECT
public:
    // How long the device stays open with nothing to play, after a clip or after prepare().
    static constexpr int kIdleCloseMs = 30000;

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

    // A count-down that will speak has started: the device opens now, so the first clip is not late.
    void prepare();
    // Throws dorvane::Error("Resource <name> not found") for a name that is no clip.
    void play(const std::string &name);

    // 0 to 100, for the clips from now on.
    void setVolume(int percent);
    int volume() const;

    const ClipPlayer &player() const { return *m_player; }
    const NoSoundNotice &notice() const { return m_notice; }
    QTimer &idleTimer() { return m_idle; }

private:
    void afterDeviceUse();
    void closeWhenQuiet();

    std::unique_ptr<ClipPlayer> m_player;
    NoSoundNotice m_notice;
    QTimer m_idle;
};

} // namespace dorvane
