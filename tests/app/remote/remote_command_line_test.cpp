// The built program's remote options against real clocks on a private message bus: what they
// print and how they end, with no display, with no bus, with no clock, and with two clocks.
#include "app/remote/remote_interface.h"
#include "support/private_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <set>

namespace {

// Clocks start and count in real time; a loaded machine may be slow to do either.
bool waitLong(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 30000);
}

struct Finished
{
    int exitCode = -1;
    QString output;
    QString errors;
};

class RemoteCommandLineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // A copy of its own, so that the clocks keep their settings in the test's folder.
        m_program = m_dir.filePath(QStringLiteral("Dorvane"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(DORVANE_EXECUTABLE), m_program));
        // With its network module beside it, where it looks first.
        ASSERT_TRUE(QFile::copy(QStringLiteral(DORVANE_SHARE_MODULE), m_dir.filePath(QStringLiteral("dorvane-share.so"))));
        ASSERT_TRUE(m_bus.start(m_dir.path())) << "dbus-daemon is needed (scripts/install-deps.sh)";
        m_caller = QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("caller"));
        ASSERT_TRUE(m_caller.isConnected());

        // No display for the command line; the bus only through the environment.
        m_environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            m_environment.remove(QLatin1String(name));
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    }

    void TearDown() override
    {
        for (QProcess *process : {&m_firstClock, &m_secondClock, &m_follower}) {
            process->kill();
            process->waitForFinished();
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("caller"));
        m_bus.stop();
    }

    Finished run(const QStringList &arguments, const QProcessEnvironment &environment)
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(m_program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(QLatin1Char(' ')).toStdString();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
    Finished run(const QStringList &arguments) { return run(arguments, m_environment); }

    void startClock(QProcess &clock)
    {
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        clock.setProcessEnvironment(environment);
        clock.start(m_program, {});
        ASSERT_TRUE(clock.waitForStarted());
    }

    bool clockAnswers() { return m_caller.interface()->isServiceRegistered(dorvane::remote::serviceName()).value(); }

    // The network libraries, and the module that brings them, among the files a clock has mapped.
    static std::set<QString> networkFilesMappedBy(const QProcess &clock)
    {
        static const char *const kNetworkFiles[] = {"dorvane-share.so", "libQt6Network.", "libQt6HttpServer.",
                                                    "libQt6WebSockets.", "libqrencode.", "liblo.", "libkrb5.",
                                                    "libgssapi_krb5.", "libproxy."};
        QFile maps(QStringLiteral("/proc/%1/maps").arg(clock.processId()));
        EXPECT_TRUE(maps.open(QIODevice::ReadOnly));
        std::set<QString> found;
        for (QByteArray line = maps.readLine(); !line.isEmpty(); line = maps.readLine()) {
            const QString file = QString::fromLocal8Bit(line.mid(line.lastIndexOf('/') + 1).trimmed());
            for (const char *name : kNetworkFiles)
                if (line.contains('/') && file.startsWith(QLatin1String(name)))
                    found.insert(file);
        }
        return found;
    }

    QTemporaryDir m_dir;
    QString m_program;
    PrivateBus m_bus;
    QDBusConnection m_caller{QString()};
    QProcessEnvironment m_environment;
    QProcess m_firstClock;
    QProcess m_secondClock;
    QProcess m_follower;
};

TEST_F(RemoteCommandLineTest, WithNoBusOrNoClockItSaysSoInOneLineAndEndsWith3)
{
    QProcessEnvironment noBus = m_environment;
    noBus.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    Finished finished = run({QStringLiteral("--status")}, noBus);
    EXPECT_EQ(finished.exitCode, 3);
    EXPECT_TRUE(finished.output.isEmpty());
    EXPECT_TRUE(finished.errors.startsWith(QStringLiteral("Dorvane: no session bus"))) << finished.errors.toStdString();
    EXPECT_EQ(finished.errors.count(QLatin1Char('\n')), 1) << finished.errors.toStdString();

    for (const QStringList &arguments : {QStringList{QStringLiteral("--start")},
                                         QStringList{QStringLiteral("--set"), QStringLiteral("0:0:5")}}) {
        finished = run(arguments);
        EXPECT_EQ(finished.exitCode, 3);
        EXPECT_EQ(finished.errors, QStringLiteral("Dorvane: no clock is running (none answers as "
                                                  "example.pellgrove.Dorvane on the session bus)\n"));
    }
    EXPECT_FALSE(clockAnswers()) << "asking started a clock";
}

TEST_F(RemoteCommandLineTest, DrivesTheRunningClockWhileASecondOneRunsWithoutTheName)
{
    startClock(m_firstClock);
    ASSERT_TRUE(waitLong([&] { return clockAnswers(); }));
    startClock(m_secondClock);
    QByteArray said;
    ASSERT_TRUE(waitLong([&] {
        said += m_secondClock.readAllStandardError();
        return said.contains(
            "Dorvane: another clock already answers other programs as example.pellgrove.Dorvane on the session bus; "
            "this one runs without remote control.");
    })) << said.toStdString();
    EXPECT_EQ(m_secondClock.state(), QProcess::Running);
    EXPECT_EQ(m_caller.interface()->servicePid(dorvane::remote::serviceName()).value(),
              uint(m_firstClock.processId()));

    EXPECT_EQ(run({QStringLiteral("--set"), QStringLiteral("0:0:2")}).exitCode, 0);
    Finished finished = run({QStringLiteral("--status")});
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_EQ(finished.output, QStringLiteral("stopped 00 00 02\n"));

    finished = run({QStringLiteral("--set"), QStringLiteral("0:61")});
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.errors, QStringLiteral("Dorvane: Seconds must be from 0 to 60, not 61.\n"));

    m_follower.setProcessEnvironment(m_environment);
    m_follower.start(m_program, {QStringLiteral("--status"), QStringLiteral("--follow")});
    ASSERT_TRUE(waitLong([&] { return m_follower.canReadLine(); }));
    EXPECT_EQ(run({QStringLiteral("--start")}).exitCode, 0);
    QString lines;
    ASSERT_TRUE(waitLong([&] {
        lines += QString::fromLocal8Bit(m_follower.readAllStandardOutput());
        return lines.endsWith(QStringLiteral("expired 00 00 00\n"));
    })) << lines.toStdString();
    EXPECT_EQ(lines, QStringLiteral("stopped 00 00 02\nrunning 00 00 02\nrunning 00 00 01\nexpired 00 00 00\n"));
    EXPECT_EQ(m_follower.state(), QProcess::Running);

    finished = run({QStringLiteral("--start")});
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.errors, QStringLiteral("Dorvane: Time Allowance must be set if counting down.\n"));

    // Following ends when the clock does.
    m_firstClock.kill();
    ASSERT_TRUE(m_follower.waitForFinished(30000));
    EXPECT_EQ(m_follower.exitCode(), 3);
    EXPECT_EQ(m_follower.readAllStandardError(), QByteArray("Dorvane: the clock has ended\n"));
}

TEST_F(RemoteCommandLineTest, TheRoomsOptionsReachTheRunningClock)
{
    startClock(m_firstClock);
    ASSERT_TRUE(waitLong([&] { return clockAnswers(); }));
    const auto property = [&](const char *name) {
        QDBusMessage get = QDBusMessage::createMethodCall(dorvane::remote::serviceName(),
                                                          QLatin1String(dorvane::remote::kObjectPath),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get.setArguments({QLatin1String(dorvane::remote::kInterface), QLatin1String(name)});
        return m_caller.call(get).arguments().value(0).value<QDBusVariant>().variant();
    };

    EXPECT_EQ(run({QStringLiteral("--set"), QStringLiteral("0:0:30")}).exitCode, 0);
    EXPECT_EQ(run({QStringLiteral("--add"), QStringLiteral("-10")}).exitCode, 0);
    EXPECT_EQ(run({QStringLiteral("--status")}).output, QStringLiteral("stopped 00 00 20\n"));

    EXPECT_EQ(run({QStringLiteral("--message"), QStringLiteral("Questions")}).exitCode, 0);
    EXPECT_EQ(property("Message"), QVariant(QStringLiteral("Questions")));
    EXPECT_EQ(run({QStringLiteral("--blank"), QStringLiteral("on")}).exitCode, 0);
    EXPECT_EQ(property("Blank"), QVariant(true));
    EXPECT_EQ(run({QStringLiteral("--clear-message")}).exitCode, 0);
    EXPECT_EQ(property("Message"), QVariant(QString()));

    Finished finished = run({QStringLiteral("--message"), QString(201, QLatin1Char('x'))});
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.errors, QStringLiteral("Dorvane: A message must be at most 200 characters, not 201.\n"));
}

// Sharing on the network, from a terminal: on loopback only, with the keys in the test's folder.
TEST_F(RemoteCommandLineTest, ShareOnPrintsTheLinksThatWorkAndShareOffClosesThem)
{
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    QFile settings(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Network]\nListen=Local\nPort=" + QByteArray::number(port) + "\n");
    settings.close();
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));

    startClock(m_firstClock);
    ASSERT_TRUE(waitLong([&] { return clockAnswers(); }));
    Finished finished = run({QStringLiteral("--share"), QStringLiteral("links")});
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_EQ(finished.errors, QStringLiteral("Dorvane: The clock is not shared; --share on shares it.\n"));
    // Not shared yet, asked about it, and still nothing of the network in memory.
    EXPECT_EQ(networkFilesMappedBy(m_firstClock), std::set<QString>());

    finished = run({QStringLiteral("--share"), QStringLiteral("on")});
    ASSERT_EQ(finished.exitCode, 0) << finished.errors.toStdString();
    const std::set<QString> loaded = networkFilesMappedBy(m_firstClock);
    EXPECT_EQ(loaded.count(QStringLiteral("dorvane-share.so")), 1u);
    EXPECT_TRUE(std::any_of(loaded.begin(), loaded.end(),
                            [](const QString &file) { return file.startsWith(QStringLiteral("libQt6HttpServer.")); }));
    const QStringList lines = finished.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << finished.output.toStdString();
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(port);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("view ") + base + QStringLiteral("view?key="))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("clock ") + base + QStringLiteral("clock?key=")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("control ") + base + QStringLiteral("control?key=")));
    EXPECT_EQ(run({QStringLiteral("--share"), QStringLiteral("links")}).output, finished.output);

    struct stat info {};
    ASSERT_EQ(::stat(m_dir.filePath(QStringLiteral("config/dorvane/sharing.keys")).toLocal8Bit().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    // The control link's key drives the clock that printed it.
    const QString key = lines[2].mid(lines[2].indexOf(QStringLiteral("key=")) + 4);
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(client.waitForConnected(5000));
    client.write("POST /api/v1/set?key=" + key.toLatin1() + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
                 "\r\nContent-Length: 14\r\n\r\n{\"seconds\":42}");
    QByteArray answer;
    ASSERT_TRUE(waitLong([&] {
        answer += client.readAll();
        return answer.contains("}");
    }));
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200")) << answer.constData();
    EXPECT_EQ(run({QStringLiteral("--status")}).output, QStringLiteral("stopped 00 00 42\n"));

    finished = run({QStringLiteral("--share"), QStringLiteral("off")});
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_TRUE(finished.output.isEmpty());
    EXPECT_TRUE(waitLong([&] { return client.state() == QAbstractSocket::UnconnectedState; }));
    QTcpSocket after;
    after.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_FALSE(after.waitForConnected(2000));
    QFile kept(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("Share=0"));
}

// A clock whose network module is missing says so, from its start and to --share on, and goes on.
TEST_F(RemoteCommandLineTest, WithoutItsNetworkModuleTheClockSaysSoAndGoesOn)
{
    ASSERT_TRUE(QFile::remove(m_dir.filePath(QStringLiteral("dorvane-share.so"))));
    QFile settings(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Network]\nShare=1\nListen=Local\n");
    settings.close();
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));

    startClock(m_firstClock);
    ASSERT_TRUE(waitLong([&] { return clockAnswers(); }));
    const QString cannotLoad = QStringLiteral("The network part of the program cannot be loaded: ");
    QString said;
    EXPECT_TRUE(waitLong([&] {
        said += QString::fromLocal8Bit(m_firstClock.readAllStandardError());
        return said.contains(QLatin1Char('\n'));
    }));
    EXPECT_TRUE(said.startsWith(QStringLiteral("Dorvane: the clock is not shared on the network: ") + cannotLoad))
        << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("dorvane-share.so"))) << "names what it looked for";

    Finished finished = run({QStringLiteral("--share"), QStringLiteral("on")});
    EXPECT_EQ(finished.exitCode, 1);
    EXPECT_TRUE(finished.errors.startsWith(QStringLiteral("Dorvane: ") + cannotLoad)) << finished.errors.toStdString();
    EXPECT_TRUE(finished.output.isEmpty());
    EXPECT_EQ(run({QStringLiteral("--set"), QStringLiteral("0:0:7")}).exitCode, 0);
    EXPECT_EQ(run({QStringLiteral("--status")}).output, QStringLiteral("stopped 00 00 07\n"));
}

} // namespace
