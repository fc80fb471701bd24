#include "share_pages.h"

#include <QFile>

namespace dorvane {

namespace {

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/share/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The page with the script every page shares put in its place.
QByteArray build(const QString &name)
{
    static const QByteArray live = resource(QStringLiteral("live.js"));
    QByteArray html = resource(name);
    return html.replace("/*live*/", live);
}

} // namespace

SharePage sharePage(const QString &path)
{
    if (path == QStringLiteral("/view")) {
        static const QByteArray view = build(QStringLiteral("view.html"));
        return {view, Access::View};
    }
    if (path == QStringLiteral("/clock")) {
        static const QByteArray clock = build(QStringLiteral("clock.html"));
        return {clock, Access::View};
    }
    if (path == QStringLiteral("/control")) {
        static const QByteArray control = build(QStringLiteral("control.html"));
        return {control, Access::Control};
    }
    return {};
}

} // namespace dorvane
