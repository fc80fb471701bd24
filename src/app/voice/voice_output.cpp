#include "voice_output.h"

#include "engine/voice/clip_library.h"
#include "engine/voice/clip_player.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>

namespace dorvane {

namespace {
std::vector<std::string> toStdStrings(const QStringList &folders)
{
    std::vector<std::string> result;
    for (const QString &folder : folders)
        result.push_back(QDir::toNativeSeparators(folder).toStdString());
    return result;
}
} // namespace

VoiceOutput::VoiceOutput(const QStringList &folders, const QString &programName, const QString &notificationBus,
                         QObject *parent)
    : QObject(parent), m_notice(programName, notificationBus)
{
    const QByteArray prefix = programName.toLocal8Bit();
    m_player = std::make_unique<ClipPlayer>(ClipFolders(toStdStrings(folders)), [prefix](const std::string &line) {
        std::fprintf(stderr, "%s: %s\n", prefix.constData(), line.c_str());
        std::fflush(stderr);
    });
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleCloseMs);
    connect(&m_idle, &QTimer::timeout, this, &VoiceOutput::closeWhenQuiet);
}

VoiceOutput::~VoiceOutput() = default;

std::unique_ptr<VoiceOutput> VoiceOutput::forProgram(const QString &executablePath, const QString &userFolder,
                                                     const QString &notificationBus)
{
    const QFileInfo executable(executablePath);
    QStringList folders{executable.absoluteDir().filePath(QStringLiteral("voice"))};
    if (!userFolder.isEmpty()) {
        folders << userFolder;
    } else if (const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
               !data.isEmpty()) {
        folders << data + QStringLiteral("/dorvane/voice");
    }
    return std::make_unique<VoiceOutput>(folders, executable.fileName(), notificationBus);
}

void VoiceOutput::prepare()
{
    m_jobs.post([this] {
        m_player->openDevice();
        afterDeviceUse();
        m_player->closeDeviceIfQuiet();
    });
}

void VoiceOutput::expect(const std::string &name)
{
    findClip(name);
    m_jobs.post([this, name] {
        m_player->prepareClip(name);
        if (m_player->audioAvailable())
            m_player->openDevice();
        afterDeviceUse();
    });
    m_idle.start();
}

void VoiceOutput::play(const std::string &name)
{
    findClip(name);
    m_jobs.post([this, name, volume = m_volume] {
        m_player->setVolume(volume);
        m_player->PlayClip(name);
        afterDeviceUse();
    });
    m_idle.start();
}

void VoiceOutput::afterDeviceUse()
{
    if (m_player->audioAvailable())
        return;
    QMetaObject::invokeMethod(
        this, [this, reason = QString::fromStdString(m_player->deviceFailure())] { m_notice.give(reason); },
        Qt::QueuedConnection);
}

void VoiceOutput::closeWhenQuiet()
{
    m_jobs.post([this] {
        // A long clip of the user's may still be sounding: look again later.
        if (!m_player->closeDeviceIfQuiet())
            QMetaObject::invokeMethod(this, [this] { m_idle.start(); }, Qt::QueuedConnection);
    });
}

bool VoiceOutput::deviceOpen()
{
    bool open = false;
    m_jobs.post([this, &open] { open = m_player->isDeviceOpen(); });
    m_jobs.waitUntilIdle();
    return open;
}

bool VoiceOutput::sounding()
{
    bool sounding = false;
    m_jobs.post([this, &sounding] { sounding = m_player->isSounding(); });
    m_jobs.waitUntilIdle();
    return sounding;
}

void VoiceOutput::setVolume(int percent)
{
    // Given to the player with each clip, so that setting it costs the voice's thread nothing.
    m_volume = std::clamp(percent, 0, 100);
}

} // namespace dorvane
