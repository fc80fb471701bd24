#include "voice_output.h"

#include "engine/voice/clip_player.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
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
    m_player->openDevice();
    afterDeviceUse();
}

void VoiceOutput::play(const std::string &name)
{
    m_player->PlayClip(name);
    afterDeviceUse();
}

void VoiceOutput::afterDeviceUse()
{
    if (!m_player->audioAvailable()) {
        m_notice.give(QString::fromStdString(m_player->deviceFailure()));
        return;
    }
    m_idle.start();
}

void VoiceOutput::closeWhenQuiet()
{
    // A long clip of the user's may still be sounding: look again later.
    if (!m_player->closeDeviceIfQuiet())
        m_idle.start();
}

void VoiceOutput::setVolume(int percent)
{
    m_player->setVolume(percent);
}

int VoiceOutput::volume() const
{
    return m_player->volume();
}

} // namespace dorvane
