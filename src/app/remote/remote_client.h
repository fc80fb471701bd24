#pragma once
#include "app/commands/clock_status.h"
#include "app/remote_request.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <functional>

namespace dorvane {

// Carries one request from the command line to the running clock over the bus and reports the
// answer as lines for standard output and standard error, then an exit code. It never starts
// a clock: a request to a name nobody holds fails at once.
class RemoteClient final : public QObject
{
    Q_OBJECT
public:
    static constexpr int kClockError = 1; // the clock answered with an error
    static constexpr int kNoClock = 3;    // no session bus, or no clock on it

    RemoteClient(const QDBusConnection &bus, RemoteRequest request, QString programName);

    // Sends the request; `finished` follows the answer. While following, only the clock's end
    // (or a failure) finishes.
    void run();

signals:
    void standardOutput(const QString &line);
    void standardError(const QString &line);
    void finished(int exitCode);

private slots:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    void call(const QString &interface, const QString &method, const QVariantList &arguments,
              const std::function<void(const QDBusMessage &)> &answered);
    void callClock(const QString &method, const QVariantList &arguments = {});
    void askStatus();
    void share();
    void follow();
    void fail(const QString &text, int exitCode);
    void failWith(const QDBusMessage &error);
    void printStatus();

    QDBusConnection m_bus;
    RemoteRequest m_request;
    QString m_programName;
    ClockStatus m_status;
    bool m_statusKnown = false;
    QString m_lastLine;
    bool m_finished = false;
};

} // namespace dorvane
