#pragma once
#include <QString>
#include <QUrl>

#include <functional>

namespace dorvane {

// Hands a web address to the desktop's launcher program (`xdg-open` on freedesktop systems)
// and returns at once, so the window stays responsive however long the launcher takes.
// `failed` runs later, once, when the launcher could not be started or ended with a non-zero
// exit status or a crash. Where no launcher program is set (Windows, macOS) the platform's own
// open is asked instead and answers at once.
void openAddress(const QUrl &address, std::function<void()> failed);

// The launcher program; a stand-in in tests. An empty name means the platform's own open.
// Returns the previous one.
QString setAddressLauncher(const QString &program);
// Launchers started and not yet ended.
int runningAddressLaunchers();

} // namespace dorvane
