// Tick to page over the live socket on loopback: a shared clock ticks once a second's worth of
// status changes, and 1, 50 and 200 pages, each a WebSocket in a thread of their own, note when
// each status arrives. Prints p50 and p95 of tick-to-arrival, and the clock thread's CPU per tick.
//
//   share_latency_bench [--ticks N] [--interval-ms M]
#include "app/commands/clock_commands.h"
#include "inert_controls.h"
#include "app/share/share_server.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <vector>

using namespace dorvane;
using Clock = std::chrono::steady_clock;

namespace {

// A clock that counts down when told to, as the main window's tick does.
class TickingControls final : public InertControls
{
public:
    ClockStatus Status() const override { return status; }

    void tick()
    {
        --status.remainingSeconds;
        status.display = QString::number(status.remainingSeconds);
        commands->ClockMoved();
    }

    ClockCommands *commands = nullptr;
    ClockStatus status = [] {
        ClockStatus s;
        s.running = s.countingDown = true;
        s.remainingSeconds = s.allowanceSeconds = 99 * 3600;
        return s;
    }();
};

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Arrivals
{
    std::mutex lock;
    std::vector<Clock::time_point> times; // every status message after the first
    std::atomic<int> open{0};
};

void run(int pages, int ticks, int intervalMs)
{
    TickingControls controls;
    ClockCommands commands(controls);
    controls.commands = &commands;
    ShareLimits limits;
    limits.maxConnections = pages + 16;
    ShareServer server(commands, ShareTokens{std::string(32, 'a'), std::string(32, 'c')}, limits);
    QString error;
    if (!server.listen(QHostAddress::LocalHost, 0, error)) {
        std::fprintf(stderr, "listen: %s\n", qPrintable(error));
        return;
    }
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1/api/v1/live?key=%2").arg(server.port()).arg(QString(32, QLatin1Char('a'))));

    Arrivals arrivals;
    QThread pagesThread;
    pagesThread.start();
    std::vector<QWebSocket *> sockets;
    for (int i = 0; i < pages; ++i) {
        auto *socket = new QWebSocket;
        socket->moveToThread(&pagesThread);
        sockets.push_back(socket);
        QMetaObject::invokeMethod(socket, [socket, url, &arrivals] {
            QObject::connect(socket, &QWebSocket::connected, socket, [&arrivals] { ++arrivals.open; });
            auto first = std::make_shared<bool>(true);
            QObject::connect(socket, &QWebSocket::textMessageReceived, socket, [&arrivals, first](const QString &) {
                const auto now = Clock::now();
                if (std::exchange(*first, false))
                    return; // the status sent on opening
                std::lock_guard<std::mutex> guard(arrivals.lock);
                arrivals.times.push_back(now);
            });
            socket->open(url);
        });
    }
    while (server.liveConnections() < pages)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    std::vector<double> latencies;
    double cpu = 0;
    for (int t = 0; t < ticks; ++t) {
        {
            std::lock_guard<std::mutex> guard(arrivals.lock);
            arrivals.times.clear();
        }
        const double cpuBefore = threadCpuMs();
        const auto sent = Clock::now();
        controls.tick();
        // The clock's thread goes on with its event loop, idle but for the sockets, while the
        // pages read.
        QEventLoop wait;
        QTimer::singleShot(intervalMs, &wait, &QEventLoop::quit);
        wait.exec();
        cpu += threadCpuMs() - cpuBefore;
        std::lock_guard<std::mutex> guard(arrivals.lock);
        if (int(arrivals.times.size()) < pages)
            std::fprintf(stderr, "tick %d: only %zu of %d pages heard it within %d ms\n", t, arrivals.times.size(), pages,
                         intervalMs);
        for (const auto &at : arrivals.times)
            latencies.push_back(std::chrono::duration<double, std::milli>(at - sent).count());
    }
    for (QWebSocket *socket : sockets)
        QMetaObject::invokeMethod(socket, [socket] { socket->abort(); socket->deleteLater(); });
    pagesThread.quit();
    pagesThread.wait();

    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) { return latencies.empty() ? 0.0 : latencies[std::size_t(q * (latencies.size() - 1))]; };
    std::printf("%5d pages  %6zu arrivals  p50 %7.2f ms  p95 %7.2f ms  max %7.2f ms  clock thread %.3f ms CPU per tick\n",
                pages, latencies.size(), at(0.5), at(0.95), latencies.empty() ? 0.0 : latencies.back(), cpu / ticks);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int ticks = 50;
    int intervalMs = 200;
    const QStringList arguments = app.arguments();
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--ticks"))
            ticks = arguments[i + 1].toInt();
        else if (arguments[i] == QStringLiteral("--interval-ms"))
            intervalMs = arguments[i + 1].toInt();
    }
    std::printf("Tick to page on loopback, %d ticks %d ms apart\n", ticks, intervalMs);
    for (const int pages : {1, 50, 200})
        run(pages, ticks, intervalMs);
    return 0;
}
