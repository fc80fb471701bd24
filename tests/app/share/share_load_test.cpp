// Two hundred pages on the live socket for a minute of real ticks, on loopback: every page hears
// every tick, once and in order. The pages live in a thread of their own, as browsers would be
// elsewhere; the server runs in the test's own thread, as the clock's.
#include "share_test_client.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <sys/resource.h>
#include <vector>

using namespace dorvane;
using namespace dorvane::test;

namespace {

constexpr int kPages = 200;
constexpr int kTicks = 60;

// Each page's socket and both ends of every connection are open files.
void allowOpenFiles(rlim_t wanted)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= wanted)
        return;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, limit.rlim_max);
    setrlimit(RLIMIT_NOFILE, &limit);
}

// The pages, each noting the time left of every status it is sent after the first.
class Pages
{
public:
    Pages(const QUrl &url, int count) : m_heard(std::size_t(count))
    {
        m_thread.start();
        for (int i = 0; i < count; ++i) {
            auto *socket = new QWebSocket;
            socket->moveToThread(&m_thread);
            m_sockets.push_back(socket);
            QMetaObject::invokeMethod(socket, [this, socket, url, i] {
                QObject::connect(socket, &QWebSocket::textMessageReceived, socket, [this, i](const QString &text) {
                    const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
                    const int left = message.value(QStringLiteral("status")).toObject().value(QStringLiteral("remainingSeconds")).toInt(-1);
                    if (message.value(QStringLiteral("type")).toString() != QStringLiteral("status"))
                        return;
                    if (m_opened[std::size_t(i)]) {
                        m_heard[std::size_t(i)].push_back(left);
                        ++m_statuses;
                    } else {
                        m_opened[std::size_t(i)] = true;
                    }
                });
                socket->open(url);
            });
        }
    }
    ~Pages() { close(); }

    int statuses() const { return m_statuses; }
    // What each page heard after its first status; read once the pages are closed.
    const std::vector<std::vector<int>> &heard()
    {
        close();
        return m_heard;
    }

private:
    void close()
    {
        if (!m_thread.isRunning())
            return;
        for (QWebSocket *socket : m_sockets)
            QMetaObject::invokeMethod(socket, [socket] { delete socket; }, Qt::BlockingQueuedConnection);
        m_sockets.clear();
        m_thread.quit();
        m_thread.wait();
    }

    QThread m_thread;
    std::vector<QWebSocket *> m_sockets;
    std::vector<std::vector<int>> m_heard;
    std::vector<bool> m_opened = std::vector<bool>(m_heard.size());
    std::atomic<int> m_statuses{0};
};

using ShareLoad = SharedClock;

TEST_F(ShareLoad, TwoHundredPagesHearEveryTickOfAMinuteInOrder)
{
    allowOpenFiles(4096);
    controls.status.running = true;
    controls.status.remainingSeconds = controls.status.allowanceSeconds = 3600;
    share();
    Pages pages(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/live?key=%2").arg(port).arg(QString::fromLatin1(kViewKey))), kPages);
    ASSERT_TRUE(QTest::qWaitFor([&] { return server->liveConnections() == kPages; }, 60000))
        << server->liveConnections() << " pages connected";

    // The clock's own one-second tick, for a minute.
    int ticks = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        --controls.status.remainingSeconds;
        controls.status.display = QString::number(controls.status.remainingSeconds);
        commands.ClockMoved();
        if (++ticks == kTicks)
            tick.stop();
    });
    tick.start(1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == kTicks; }, (kTicks + 30) * 1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pages.statuses() == kPages * kTicks; }, 20000))
        << pages.statuses() << " of " << kPages * kTicks << " statuses arrived";
    EXPECT_EQ(server->liveConnections(), kPages) << "no page was dropped";

    std::vector<int> expected;
    for (int t = 1; t <= kTicks; ++t)
        expected.push_back(3600 - t);
    const std::vector<std::vector<int>> &heard = pages.heard();
    int missed = 0;
    for (std::size_t i = 0; i < heard.size(); ++i) {
        if (heard[i] != expected)
            ++missed;
        EXPECT_EQ(heard[i], expected) << "page " << i;
        if (missed > 3)
            break; // enough to see what went wrong
    }
}

} // namespace
