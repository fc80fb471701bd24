#pragma once
#include <QIcon>
#include <QString>

namespace dorvane {

// One identifier for the desktop entry, the icons, the metadata and the window's application ID.
QString applicationId();
// The application title ("Dorvane") and the version, for the window, the reports and --version.
QString applicationName();
QString applicationVersion();

// The program's icon, for the application and its windows.
QIcon applicationIcon();

// Gives the application its title and version; callable before the application object exists.
void nameTheApplication();
// Ties the running windows to the desktop entry; once the application object exists.
void tieToDesktopEntry();

} // namespace dorvane
