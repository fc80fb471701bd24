#include "app_identity.h"

#include <QGuiApplication>

namespace dorvane {

QString applicationId() { return QStringLiteral("example.pellgrove.Dorvane"); }
QString applicationName() { return QStringLiteral("Dorvane"); }
QString applicationVersion() { return QStringLiteral(DORVANE_VERSION); }

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
