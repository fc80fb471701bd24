// The window's voice on a real SDL driver: the user's clip folders, the stored volume, the device
// open only around a clip, files that are no clip, and the notice when there is no device.
#include "app/voice/voice_output.h"
#include "controls/base/published.h"
#include "engine/voice/clip_player.h"
#include "engine/voice/sdl_library.h"
#include "app/main_window/main_window_fixture.h"
#include "support/private_bus.h"
#include "support/voice_files.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QVariantMap>
#include <cstdlib>
#include <sys/stat.h>

using namespace dorvane;

namespace {

class VoiceWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_env.clips = nullptr; // the real voice
        m_env.userVoiceDirectory = m_dir.filePath(QStringLiteral("home/.local/share/dorvane/voice"));
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    void startCountDown(int minutes, int seconds)
    {
        writePublished(control("spnMin"), QStringLiteral("Value"), minutes);
        writePublished(control("spnSec"), QStringLiteral("Value"), seconds);
        click("btnReset");
        click("btnStart");
    }

    QString deviceFile() const { return m_dir.filePath(QStringLiteral("device.raw")); }
};

TEST_F(VoiceWindowTest, TheVolumeIsReadClampedAndWrittenAfterTheTenSettings)
{
    m_env.clips = &m_clips;
    for (const auto &[stored, read] : std::vector<std::pair<const char *, int>>{
             {"50", 50}, {"250", 100}, {"-3", 0}, {"loud", 100}, {"0x1E", 30}}) {
        SCOPED_TRACE(stored);
        writeSettings(QByteArray("[Sound]\nVolume=") + stored + "\n");
        EXPECT_EQ(open().volume(), read);
        m_window.reset();
    }

    QFile::remove(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
    TMainForm &w = open();
    EXPECT_EQ(w.volume(), 100);
    w.setVolume(30);
    w.close();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!w.isVisible()));
    // After the ten settings and the view.
    EXPECT_TRUE(settingsText().contains("TimeUp=1\n\n[View]\n")) << settingsText().toStdString();
    EXPECT_TRUE(settingsText().endsWith("ClockMessageFlash=0\n\n[Sound]\nVolume=30\n")) << settingsText().toStdString();
}

TEST_F(VoiceWindowTest, ClipsFromBothVoiceFoldersPlayAtTheStoredVolume)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", deviceFile().toLocal8Bit().constData(), 1);
    const test::Samples besideTheProgram = test::tone(22050, 0.2, 440, 16000);
    const test::Samples usersOwn = test::tone(22050, 0.15, 700, 12000);
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("voice"))));
    ASSERT_TRUE(QDir().mkpath(m_env.userVoiceDirectory));
    test::writeWav16(m_dir.filePath(QStringLiteral("voice/onesound.wav")).toStdString(), 22050, 1, besideTheProgram);
    test::writeWav16(QDir(m_env.userVoiceDirectory).filePath(QStringLiteral("One15Sound.wav")).toStdString(), 22050, 1,
                     usersOwn);
    writeSettings("[Sound]\nVolume=50\n");

    TMainForm &w = open();
    EXPECT_FALSE(SdlLibrary::isInMemory()) << "nothing of the sound system before it is wanted";
    startCountDown(1, 16);
    EXPECT_TRUE(w.voice().deviceOpen()) << "the next tick has a clip: the device is open for it";
    tick(1);  // 1:15
    tick(15); // 1:00
    ASSERT_TRUE(DORVANE_WAIT_FOR(!w.voice().sounding()));
    m_window.reset(); // lets the device go, which completes the file

    test::Samples expected;
    for (std::int16_t s : usersOwn)
        expected.push_back(static_cast<std::int16_t>(s / 2));
    for (std::int16_t s : besideTheProgram)
        expected.push_back(static_cast<std::int16_t>(s / 2));
    EXPECT_NE(test::findSamples(test::diskDriverSamples(deviceFile().toStdString()), expected), std::string::npos);
}

// Threads of this process, the voice's own among them once it has been used.
int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

TEST_F(VoiceWindowTest, TheDeviceAndTheSoundSystemsThreadsAreThereOnlyAroundAClip)
{
    TMainForm &w = open();
    startCountDown(1, 3);
    // Start tries the device and lets it go at once: the first clip is three ticks away.
    EXPECT_FALSE(w.voice().deviceOpen());
    const int quiet = threadCount();
    tick(1); // 1:02
    EXPECT_FALSE(w.voice().deviceOpen());

    tick(1); // 1:01: the clip of 1:00 comes next
    EXPECT_TRUE(w.voice().deviceOpen());
    EXPECT_GT(threadCount(), quiet);
    tick(1); // 1:00
    EXPECT_TRUE(w.voice().sounding());

    w.voice().idleTimer().setInterval(0);
    ASSERT_TRUE(DORVANE_WAIT_FOR(!w.voice().deviceOpen()));
    EXPECT_FALSE(w.voice().sounding());
    EXPECT_EQ(threadCount(), quiet);

    // A reset of the running clock that brings a clip to the next tick opens the device for it too.
    w.voice().idleTimer().setInterval(VoiceOutput::kIdleCloseMs);
    writePublished(control("spnMin"), QStringLiteral("Value"), 0);
    writePublished(control("spnSec"), QStringLiteral("Value"), 16);
    click("btnReset");
    EXPECT_TRUE(w.voice().deviceOpen());
}

TEST_F(VoiceWindowTest, AFifoInAClipsPlaceIsReportedOnceAndTheBuiltInClipPlaysOnTime)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", deviceFile().toLocal8Bit().constData(), 1);
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("voice"))));
    const QString fifo = m_dir.filePath(QStringLiteral("voice/FIFTEENSOUND.wav"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    testing::internal::CaptureStderr();

    TMainForm &w = open();
    startCountDown(0, 17);
    tick(2);
    EXPECT_EQ(display(), QStringLiteral("00 00 15"));
    tick(1);
    EXPECT_EQ(display(), QStringLiteral("00 00 14"));
    ASSERT_TRUE(DORVANE_WAIT_FOR(!w.voice().sounding()));
    m_window.reset();

    const QString errors = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(errors.count(QStringLiteral("cannot be played")), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains(fifo + QStringLiteral(" cannot be played (it is a FIFO); the built-in clip plays instead")))
        << errors.toStdString();
    EXPECT_NE(test::findSamples(test::diskDriverSamples(deviceFile().toStdString()), test::builtInSamples("FifteenSound"), 1),
              std::string::npos);
}

// A stand-in for the desktop's notification service.
class StandInNotifications final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    uint Notify(const QString &appName, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        received << appName + QStringLiteral(" | ") + summary + QStringLiteral(" | ") + body;
        return uint(received.size());
    }

public:
    QStringList received;
};

// A private message bus of the test's own, with the stand-in service on it.
class NoDeviceTest : public VoiceWindowTest
{
protected:
    void SetUp() override
    {
        VoiceWindowTest::SetUp();
        setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        ASSERT_TRUE(m_bus.start(m_dir.path())) << "dbus-daemon is needed (scripts/install-deps.sh)";
        m_env.notificationBusAddress = m_bus.address();

        QDBusConnection service = QDBusConnection::connectToBus(m_env.notificationBusAddress, QStringLiteral("stand-in"));
        ASSERT_TRUE(service.isConnected());
        ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_service,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.Notifications")));
        testing::internal::CaptureStderr();
    }

    void TearDown() override
    {
        VoiceWindowTest::TearDown();
        QDBusConnection::disconnectFromBus(QStringLiteral("stand-in"));
        QDBusConnection::disconnectFromBus(QStringLiteral("dorvane-notifications"));
        m_bus.stop();
    }

    // Everything the window's connection sent before now has reached the stand-in: a bus keeps
    // the order of one connection's messages to one receiver.
    bool deliveredSoFar()
    {
        // The voice's thread hands its findings to the window, which tells the service.
        m_window->voice().waitUntilIdle();
        QCoreApplication::processEvents();
        QDBusConnection window = QDBusConnection::connectToBus(m_env.notificationBusAddress,
                                                               QStringLiteral("dorvane-notifications"));
        QDBusMessage marker = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
        marker << QString() << 0u << QString() << QStringLiteral("marker") << QString() << QStringList()
               << QVariantMap() << -1;
        window.asyncCall(marker);
        const bool arrived = DORVANE_WAIT_FOR(m_service.received.contains(QStringLiteral(" | marker | ")));
        m_service.received.removeAll(QStringLiteral(" | marker | "));
        return arrived;
    }

    PrivateBus m_bus;
    StandInNotifications m_service;
};

TEST_F(NoDeviceTest, StartWithTheVoiceOnSaysSoOnceAndTheClockCountsOn)
{
    open();
    // Voice off: nothing is wanted of the device, so nothing is said.
    writePublished(control("rgVoice"), QStringLiteral("ItemIndex"), 1);
    startCountDown(0, 20);
    click("btnStop");
    writePublished(control("rgVoice"), QStringLiteral("ItemIndex"), 0);
    ASSERT_TRUE(deliveredSoFar());
    EXPECT_TRUE(m_service.received.isEmpty());

    startCountDown(0, 20);
    tick(5);
    EXPECT_EQ(display(), QStringLiteral("00 00 15"));
    click("btnStop");
    startCountDown(0, 20); // a second Start, and clips due, with still no device
    tick(20);
    EXPECT_EQ(display(), QStringLiteral("00 00 00"));
    ASSERT_TRUE(deliveredSoFar());

    ASSERT_EQ(m_service.received.size(), 1);
    EXPECT_TRUE(m_service.received[0].startsWith(QStringLiteral("Dorvane | No sound for the announcements | No sound device can be opened (")))
        << m_service.received[0].toStdString();
    const QString errors = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(errors.count(QStringLiteral("no sound device")), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("Dorvane: no sound device can be opened, so the voice announcements cannot be heard: ")))
        << errors.toStdString();
}

} // namespace

#include "voice_window_test.moc"
