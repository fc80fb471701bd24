#pragma once
// A message bus of the test's own: a dbus-daemon with its socket in a folder of the test's, so
// nothing a test does reaches the user's session.
#include "support/qt_wait.h"

#include <QFile>
#include <QProcess>
#include <QString>

class PrivateBus
{
public:
    PrivateBus() = default;
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;
    ~PrivateBus() { stop(); }

    // Starts the daemon, its configuration and socket in `folder`. False when it does not start.
    bool start(const QString &folder)
    {
        QFile config(folder + QStringLiteral("/bus.conf"));
        if (!config.open(QIODevice::WriteOnly))
            return false;
        config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                    "<auth>EXTERNAL</auth><policy context=\"default\">"
                                    "<allow send_destination=\"*\"/><allow receive_sender=\"*\"/><allow own=\"*\"/>"
                                    "</policy></busconfig>")
                         .arg(folder)
                         .toUtf8());
        config.close();
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config.fileName(),
                                                        QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted() || !DORVANE_WAIT_FOR(m_daemon.canReadLine()))
            return false;
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return true;
    }

    void stop()
    {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        m_daemon.terminate();
        m_daemon.waitForFinished();
    }

    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};
