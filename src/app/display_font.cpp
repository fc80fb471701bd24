#include "display_font.h"

#include "engine/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <algorithm>
#include <cstdio>

namespace dorvane {

namespace {
const QString kFace = QStringLiteral("Arial Narrow Bold");
const QString kFamilyUsedByDigits = QStringLiteral("Arial Narrow");
const QString kFontFile = QStringLiteral("arialnb.ttf");
// The installed data folder as seen from the installed executable's folder.
const QString kDataFromExecutable = QStringLiteral(DORVANE_DATA_FROM_BIN);
// Far above any one face of a font (the narrow bold face is under 200 kB).
constexpr std::size_t kMaxFontFileBytes = std::size_t(32) << 20;
} // namespace

QString DisplayFont::fileFor(const QString &executableDirectory)
{
    const QDir dir(executableDirectory);
    const QString beside = dir.filePath(kFontFile);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(dir.filePath(kDataFromExecutable + QLatin1Char('/') + kFontFile));
    return QFileInfo::exists(installed) ? installed : beside;
}

DisplayFont::Platform DisplayFont::qtPlatform()
{
    Platform p;
    p.fontFamilies = [] { return QFontDatabase::families(); };
    p.addFont = [](const QString &path) {
        // Read here, not by the font database, so that only a regular file of a font's size is
        // opened: anything else in its place is told once and the digits take a fallback face.
        const FileContents file = readRegularFile(QFile::encodeName(path).toStdString(), kMaxFontFileBytes);
        if (!file.read()) {
            if (QFileInfo::exists(path))
                std::fprintf(stderr, "%s: display font %s cannot be used (%s)\n",
                             QCoreApplication::applicationName().toLocal8Bit().constData(),
                             QFile::encodeName(path).constData(), file.refusal.c_str());
            return -1;
        }
        return QFontDatabase::addApplicationFontFromData(QByteArray::fromStdString(file.bytes));
    };
    p.removeFont = [](int id) { QFontDatabase::removeApplicationFont(id); };
    return p;
}

DisplayFont::DisplayFont(Platform platform) : m_platform(std::move(platform)) {}

bool DisplayFont::screenHasFace(const QString &face)
{
    if (!m_listBuilt) {
        m_fontList = m_platform.fontFamilies();
        m_fontList << QStringLiteral("Default");
        std::sort(m_fontList.begin(), m_fontList.end(), [](const QString &a, const QString &b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
        m_listBuilt = true;
    }
    const auto it = std::lower_bound(m_fontList.cbegin(), m_fontList.cend(), face,
                                     [](const QString &a, const QString &b) {
                                         return QString::compare(a, b, Qt::CaseInsensitive) < 0;
                                     });
    return it != m_fontList.cend() && QString::compare(*it, face, Qt::CaseInsensitive) == 0;
}

bool DisplayFont::installIfMissing(const QString &executableDirectory)
{
    m_installed = false;
    if (screenHasFace(kFace))
        return false;
    m_path = fileFor(executableDirectory);
    m_fontId = m_platform.addFont(m_path);
    if (m_fontId >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(m_fontId);
        if (!families.isEmpty())
            QFont::insertSubstitution(kFamilyUsedByDigits, families.first());
    }
    // Set whether or not the platform accepted the file, so that removal is attempted too.
    m_installed = true;
    return true;
}

void DisplayFont::removeIfInstalled()
{
    if (!m_installed)
        return;
    m_platform.removeFont(m_fontId);
    m_fontId = -1;
    m_installed = false;
}

} // namespace dorvane
