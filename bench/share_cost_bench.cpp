// What sharing costs the whole program: three copies of the real Dorvane count down an hour side
// by side, one with sharing off, one shared with no pages, one shared with 200 pages following it
// (WebSockets in this process, on loopback). Over the same 60 s each copy's CPU time as a share
// of one core, and its memory from /proc (VmRSS at the start and end, and the peak VmHWM).
//
//   share_cost_bench [--seconds N] [--pages N]
//
// Each copy runs from a folder of its own (the program, its display font and its settings file
// beside it; its keys under its own XDG_CONFIG_HOME) with a session bus of its own, through which
// the bench starts it as "dorvane --start" would. The copies run on the platform the caller
// chose (QT_QPA_PLATFORM, or the display there is), offscreen when there is none.
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

void waitFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// User and system CPU seconds of a process, from /proc/<pid>/stat.
double cpuSeconds(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray stat = file.readAll();
    // The fields after the command's name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

// A line of /proc/<pid>/status in MiB, e.g. "VmRSS" or "VmHWM".
double statusMiB(qint64 pid, const char *key)
{
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    file.open(QIODevice::ReadOnly);
    return QString::fromLatin1(file.readAll().trimmed());
}

// One copy of the program in its own folder, on its own session bus.
class Copy
{
public:
    Copy(QString label, bool shared) : m_label(std::move(label)), m_shared(shared) {}
    ~Copy()
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.terminate();
            if (!m_program.waitForFinished(5000))
                m_program.kill();
            m_program.waitForFinished(2000);
        }
        m_bus.kill();
        m_bus.waitForFinished(2000);
    }

    bool start()
    {
        const QString program = m_dir.filePath(QStringLiteral("Dorvane"));
        if (!QFile::copy(QStringLiteral(DORVANE_PROGRAM), program) ||
            !QFile::copy(QStringLiteral(DORVANE_BUILT_DISPLAY_FONT), m_dir.filePath(QStringLiteral("arialnb.ttf")))
            || !QFile::copy(QStringLiteral(DORVANE_SHARE_MODULE), m_dir.filePath(QStringLiteral("dorvane-share.so"))))
            return fail("cannot copy the program, its font and its network part");
        m_port = freePort();
        QFile settings(m_dir.filePath(QStringLiteral("Dorvane.Ini")));
        settings.open(QIODevice::WriteOnly);
        settings.write(QStringLiteral("[Time]\nHours=1\nMins=0\nSecs=0\n[Network]\nShare=%1\nPort=%2\nListen=Local\n")
                           .arg(m_shared ? 1 : 0)
                           .arg(m_port)
                           .toLatin1());
        settings.close();

        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--print-address")});
        if (!m_bus.waitForReadyRead(10000))
            return fail("no session bus");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(m_bus.readLine().trimmed()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")) && !environment.contains(QStringLiteral("DISPLAY")))
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_program.setProcessEnvironment(environment);
        m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_program.start(program, {});
        if (!m_program.waitForStarted(10000))
            return fail("the program did not start");
        // "dorvane --start" until the clock answers on its bus.
        for (int attempt = 0; attempt < 100; ++attempt) {
            QProcess ask;
            ask.setProcessEnvironment(environment);
            ask.start(program, {QStringLiteral("--start")});
            if (ask.waitForFinished(10000) && ask.exitCode() == 0)
                return true;
            waitFor(200);
        }
        return fail("the clock never took --start");
    }

    QUrl liveUrl() const
    {
        QFile keys(QDir(m_dir.filePath(QStringLiteral("config/dorvane"))).filePath(QStringLiteral("sharing.keys")));
        keys.open(QIODevice::ReadOnly);
        const QByteArray view = keys.readLine().trimmed().mid(5); // "view=<key>"
        return QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/live?key=%2").arg(m_port).arg(QString::fromLatin1(view)));
    }

    qint64 pid() const { return m_program.processId(); }
    const QString &label() const { return m_label; }

private:
    bool fail(const char *why)
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(m_label), why);
        return false;
    }

    QString m_label;
    bool m_shared;
    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_program;
    quint16 m_port = 0;
};

struct Sample
{
    double cpu = 0;
    double rssBefore = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int seconds = 60;
    int pageCount = 200;
    const QStringList arguments = app.arguments();
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--seconds"))
            seconds = arguments[i + 1].toInt();
        else if (arguments[i] == QStringLiteral("--pages"))
            pageCount = arguments[i + 1].toInt();
    }

    std::vector<std::unique_ptr<Copy>> copies;
    copies.push_back(std::make_unique<Copy>(QStringLiteral("sharing off"), false));
    copies.push_back(std::make_unique<Copy>(QStringLiteral("shared, no pages"), true));
    copies.push_back(std::make_unique<Copy>(QStringLiteral("shared, %1 pages").arg(pageCount), true));
    for (const auto &copy : copies)
        if (!copy->start())
            return 1;
    waitFor(3000); // past the start-up's own work

    std::vector<Sample> samples(copies.size());
    for (std::size_t i = 0; i < copies.size(); ++i)
        samples[i].rssBefore = statusMiB(copies[i]->pid(), "VmRSS");

    const QUrl url = copies.back()->liveUrl();
    std::vector<std::unique_ptr<QWebSocket>> pages;
    std::vector<int> heard(std::size_t(pageCount), 0);
    int open = 0;
    for (int i = 0; i < pageCount; ++i) {
        pages.push_back(std::make_unique<QWebSocket>());
        QObject::connect(pages.back().get(), &QWebSocket::connected, [&open] { ++open; });
        QObject::connect(pages.back().get(), &QWebSocket::textMessageReceived, [&heard, i] { ++heard[std::size_t(i)]; });
        pages.back()->open(url);
    }
    for (int waited = 0; open < pageCount && waited < 300; ++waited)
        waitFor(100);
    if (open < pageCount) {
        std::fprintf(stderr, "only %d of %d pages connected\n", open, pageCount);
        return 1;
    }
    waitFor(2000);
    std::fill(heard.begin(), heard.end(), 0);

    const QString loadBefore = loadAverage();
    for (std::size_t i = 0; i < copies.size(); ++i)
        samples[i].cpu = cpuSeconds(copies[i]->pid());
    waitFor(seconds * 1000);
    std::printf("Three copies of Dorvane counting down an hour, side by side, over %d s (load average before: %s; "
                "after: %s)\n",
                seconds, qPrintable(loadBefore), qPrintable(loadAverage()));
    std::printf("%-22s %12s %16s %14s %14s\n", "", "CPU % of core", "VmRSS start MiB", "VmRSS end MiB", "VmHWM MiB");
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const qint64 pid = copies[i]->pid();
        std::printf("%-22s %12.2f %16.1f %14.1f %14.1f\n", qPrintable(copies[i]->label()),
                    100.0 * (cpuSeconds(pid) - samples[i].cpu) / seconds, samples[i].rssBefore, statusMiB(pid, "VmRSS"),
                    statusMiB(pid, "VmHWM"));
    }
    const auto [fewest, most] = std::minmax_element(heard.begin(), heard.end());
    std::printf("each of the %d pages heard %d to %d statuses in the %d s\n", pageCount, *fewest, *most, seconds);
    return 0;
}
