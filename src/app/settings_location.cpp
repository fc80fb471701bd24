#include "settings_location.h"

#include "settings/directory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace dorvane {

namespace {
const QString kFileName = QStringLiteral("Dorvane.Ini");

// The writer replaces the file through a temporary one beside it, or writes in place; either
// works when the file can be written, or when it is absent and its folder can be written.
bool userCanWrite(const QString &filePath, const QString &folder)
{
    const QFileInfo file(filePath);
    if (file.exists())
        return file.isWritable();
    const QFileInfo dir(folder);
    return dir.isDir() && dir.isWritable();
}
} // namespace

SettingsLocation SettingsLocation::choose(const QString &executablePath, const QString &userDirectory)
{
    SettingsLocation location;
    const std::string exe = executablePath.toStdString();
    location.m_besidePath = QString::fromStdString(settingsFilePath(exe));
    const QString folder = QString::fromStdString(DirectoryOf(exe));

    if (userDirectory.isEmpty() || userCanWrite(location.m_besidePath, folder)) {
        location.m_readPath = location.m_writePath = location.m_besidePath;
        return location;
    }
    location.m_writePath = QDir(userDirectory).filePath(kFileName);
    location.m_readPath = QFileInfo::exists(location.m_writePath) ? location.m_writePath : location.m_besidePath;
    return location;
}

QString SettingsLocation::userDirectory()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/dorvane");
}

void SettingsLocation::prepareForWrite() const
{
    if (!isBesideExecutable())
        QDir().mkpath(QFileInfo(m_writePath).absolutePath());
}

} // namespace dorvane
