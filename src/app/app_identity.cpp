#include "app_identity.h"

#include "controls/base/known_format_image.h"

#include <QGuiApplication>
#include <QPixmap>

namespace dorvane {

QString applicationId() { return QStringLiteral("example.pellgrove.Dorvane"); }
QString applicationName() { return QStringLiteral("Dorvane"); }
QString applicationVersion() { return QStringLiteral(DORVANE_VERSION); }

QIcon applicationIcon()
{
    // Not QIcon(fileName): that has every image plugin loaded to guess the file's format. Decoded
    // once: the application and each of its windows ask for it before the first frame.
    static const QImage image = readKnownFormatImage(QStringLiteral(":/icons/dorvane.png"), "PNG");
    return QIcon(QPixmap::fromImage(image));
}

void nameTheApplication()
{
    // No display name: Qt would append it to every other window's caption ("Error").
    QCoreApplication::setApplicationName(applicationName());
    QCoreApplication::setApplicationVersion(applicationVersion());
}

void tieToDesktopEntry()
{
    QGuiApplication::setDesktopFileName(applicationId());
}

} // namespace dorvane
