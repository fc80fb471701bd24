// What a page elsewhere, a guesser or a flood can get from the shared clock: nothing, each time,
// and the clock keeps answering. Every request goes to loopback only.
#include "share_test_client.h"

#include "app/share/request_checks.h"

#include <QElapsedTimer>
#include <QSignalSpy>

using namespace dorvane;
using namespace dorvane::test;

namespace {

using ShareForgedRequests = SharedClock;

TEST_F(ShareForgedRequests, AMissingOrWrongKeyGets403AndAViewKeyCommandsNothing)
{
    share();
    EXPECT_EQ(once(request("GET", "/api/v1/status", port)).status, 403);
    EXPECT_EQ(once(request("GET", "/api/v1/status?key=" + QByteArray(32, 'b'), port)).status, 403);
    EXPECT_EQ(once(request("GET", "/api/v1/status", port, {"Authorization: Bearer " + QByteArray(31, 'a')})).status, 403);
    EXPECT_EQ(once(request("POST", "/api/v1/start?key=" + kViewKey, port)).status, 403);
    EXPECT_EQ(once(request("GET", "/api/v1/status", port, {"Authorization: Bearer " + kViewKey})).status, 200);
    EXPECT_FALSE(controls.status.running);
}

TEST_F(ShareForgedRequests, ACommandSentAsGetGets405AndDoesNothing)
{
    controls.allowance = 60;
    share();
    for (const QByteArray method : {"GET", "HEAD", "PUT", "OPTIONS"}) {
        const HttpResult result = once(request(method, "/api/v1/start?key=" + kControlKey, port));
        EXPECT_EQ(result.status, 405) << method.constData();
        EXPECT_FALSE(result.head.toLower().contains("access-control-")) << "no CORS header, ever";
    }
    EXPECT_FALSE(controls.status.running);
}

TEST_F(ShareForgedRequests, AForeignOriginIsRefusedAndNoCorsHeaderIsEverSent)
{
    controls.allowance = 60;
    share();
    const QByteArray start = "/api/v1/start?key=" + kControlKey;
    for (const QByteArray origin : {"http://evil.example", "null", "http://127.0.0.1:1", "https://127.0.0.1"}) {
        const HttpResult result = once(request("POST", start, port, {"Origin: " + origin}));
        EXPECT_EQ(result.status, 403) << origin.constData();
        EXPECT_FALSE(result.head.toLower().contains("access-control-"));
    }
    EXPECT_FALSE(controls.status.running);
    // A page of this server may send it.
    const HttpResult own = once(request("POST", start, port, {"Origin: http://127.0.0.1:" + QByteArray::number(port)}));
    EXPECT_EQ(own.status, 200);
    EXPECT_FALSE(own.head.toLower().contains("access-control-"));

    std::unique_ptr<QWebSocket> socket = live(kControlKey, QStringLiteral("http://evil.example"));
    EXPECT_TRUE(DORVANE_WAIT_FOR(socket->state() == QAbstractSocket::UnconnectedState));
    EXPECT_EQ(server->liveConnections(), 0);
}

TEST_F(ShareForgedRequests, AForeignHostIsRefused)
{
    share();
    const QByteArray status = "/api/v1/status?key=" + kViewKey;
    // A name of someone else's, pointed at this computer to read it from a page of theirs.
    EXPECT_EQ(once(request("GET", status, port, {"Host: evil.example:" + QByteArray::number(port)})).status, 403);
    EXPECT_EQ(once(request("GET", status, port, {"Host: 127.0.0.1.evil.example"})).status, 403);
    EXPECT_EQ(once(request("GET", status, port, {"Host: localhost:" + QByteArray::number(port)})).status, 200);
    EXPECT_EQ(once(request("GET", status, port, {"Host: [::1]:" + QByteArray::number(port)})).status, 200);

    const HostNames names(QStringList{QStringLiteral("localhost"), QStringLiteral("127.0.0.1"), QStringLiteral("::1"),
                                      QStringLiteral("stage-pc")});
    EXPECT_TRUE(names.allows("LOCALHOST."));
    EXPECT_TRUE(names.allows("Stage-PC:4747"));
    EXPECT_TRUE(names.allows("[0:0::1]:4747"));
    EXPECT_FALSE(names.allows(""));
    EXPECT_FALSE(names.allows("::1")) << "an IPv6 address without brackets is no host";
    EXPECT_FALSE(names.allows("stage-pc.evil.example"));
    EXPECT_FALSE(names.allows("localhost:4747; script-src *")) << "nothing but a port may follow the name";
    EXPECT_FALSE(names.allows("[::1]x"));
}

TEST_F(ShareForgedRequests, AnOversizedRequestIsRefusedBeforeItIsRead)
{
    controls.allowance = 60;
    share();
    RawClient client(port);
    const QByteArray big(20 * 1024, ' ');
    const HttpResult result = client.exchange(request("POST", "/api/v1/start?key=" + kControlKey, port, {}, big));
    EXPECT_EQ(result.status, 413);
    EXPECT_TRUE(DORVANE_WAIT_FOR(client.socket().state() == QAbstractSocket::UnconnectedState));
    EXPECT_FALSE(controls.status.running);
    // Headers alone may not grow past the limit either.
    QByteArray headers = "GET /api/v1/status HTTP/1.1\r\n";
    for (int i = 0; i < 400; ++i)
        headers += "X-Filler-" + QByteArray::number(i) + ": " + QByteArray(40, 'x') + "\r\n";
    EXPECT_EQ(once(headers).status, 413);
}

TEST_F(ShareForgedRequests, ASlowSenderIsCutOff)
{
    ShareLimits limits = fastLimits();
    limits.requestTimeout = std::chrono::milliseconds(50);
    share(limits);
    RawClient client(port);
    client.send("GET /api/v1/status HTTP/1.1\r\nHost: 127.0.0.1\r\n"); // and never the end of the headers
    EXPECT_TRUE(DORVANE_WAIT_FOR(client.socket().state() == QAbstractSocket::UnconnectedState));
    // A live socket has left HTTP behind, and its wait with it.
    std::unique_ptr<QWebSocket> socket = live(kViewKey);
    ASSERT_EQ(socket->state(), QAbstractSocket::ConnectedState);
    QElapsedTimer waited;
    waited.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket->state() != QAbstractSocket::ConnectedState || waited.elapsed() > 200; }, 1000));
    EXPECT_EQ(socket->state(), QAbstractSocket::ConnectedState);
}

TEST_F(ShareForgedRequests, TheCommandRateLimitHoldsPerConnection)
{
    controls.allowance = 60;
    share();
    RawClient client(port);
    const QByteArray stop = request("POST", "/api/v1/stop?key=" + kControlKey, port);
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(client.exchange(stop).status, 200) << i;
    EXPECT_EQ(client.exchange(stop).status, 429);
    // Another connection has its own count; the first has its again a second later.
    EXPECT_EQ(once(stop).status, 200);
    now += std::chrono::seconds(1);
    EXPECT_EQ(client.exchange(stop).status, 200);

    std::unique_ptr<QWebSocket> socket = live(kControlKey);
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 1));
    for (int i = 0; i < 21; ++i)
        socket->sendTextMessage(QStringLiteral(R"({"command":"stop"})"));
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 22));
    EXPECT_TRUE(received[20].contains(QStringLiteral("\"ok\":true")));
    EXPECT_TRUE(received[21].contains(QStringLiteral("Too many commands")));
}

TEST_F(ShareForgedRequests, WrongKeysAreAnsweredLaterWithoutHoldingUpTheClock)
{
    ShareLimits limits;
    limits.failureDelay = std::chrono::milliseconds(300);
    share(limits);
    RawClient guesser(port);
    QElapsedTimer elapsed;
    elapsed.start();
    guesser.send(request("GET", "/api/v1/status?key=" + QByteArray(32, 'f'), port));
    // Meanwhile the clock answers everyone else at once.
    EXPECT_EQ(once(request("GET", "/api/v1/status?key=" + kViewKey, port)).status, 200);
    EXPECT_LT(elapsed.elapsed(), 300);
    const HttpResult refused = guesser.answer();
    EXPECT_EQ(refused.status, 403);
    EXPECT_GE(elapsed.elapsed(), 300);
    EXPECT_TRUE(refused.closed || DORVANE_WAIT_FOR(guesser.socket().state() == QAbstractSocket::UnconnectedState));

    FailedAttempts attempts(std::chrono::milliseconds(500), std::chrono::milliseconds(8000), [this] { return now; });
    const QHostAddress peer(QStringLiteral("192.0.2.7"));
    EXPECT_EQ(attempts.failed(peer), std::chrono::milliseconds(500));
    EXPECT_EQ(attempts.failed(peer), std::chrono::milliseconds(1000));
    for (int i = 0; i < 10; ++i)
        attempts.failed(peer);
    EXPECT_EQ(attempts.failed(peer), std::chrono::milliseconds(8000));
    EXPECT_EQ(attempts.failed(QHostAddress(QStringLiteral("192.0.2.8"))), std::chrono::milliseconds(500));
    now += std::chrono::minutes(1);
    EXPECT_EQ(attempts.failed(peer), std::chrono::milliseconds(500)) << "a quiet minute forgives";
}

TEST_F(ShareForgedRequests, NewLinksRevokeTheOldOnesAndCloseTheirLiveSockets)
{
    share();
    std::vector<std::unique_ptr<QWebSocket>> old;
    for (int i = 0; i < 3; ++i) {
        old.push_back(live(i == 0 ? kControlKey : kViewKey));
        ASSERT_EQ(old.back()->state(), QAbstractSocket::ConnectedState);
    }
    ASSERT_TRUE(DORVANE_WAIT_FOR(server->liveConnections() == 3));
    ShareTokens fresh{std::string(32, '1'), std::string(32, '2')};
    server->setTokens(fresh);
    EXPECT_EQ(server->liveConnections(), 0);
    for (const auto &socket : old)
        EXPECT_TRUE(DORVANE_WAIT_FOR(socket->state() == QAbstractSocket::UnconnectedState));
    EXPECT_EQ(once(request("GET", "/api/v1/status?key=" + kViewKey, port)).status, 403);
    EXPECT_EQ(once(request("POST", "/api/v1/stop?key=" + kControlKey, port)).status, 403);
    EXPECT_EQ(once(request("GET", "/api/v1/status?key=" + QByteArray(32, '1'), port)).status, 200);
}

TEST_F(ShareForgedRequests, LiveSocketsAreBoundedInMessagesAndInWhatAViewKeyMayDo)
{
    share();
    std::unique_ptr<QWebSocket> viewer = live(kViewKey);
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 1));
    viewer->sendTextMessage(QStringLiteral(R"({"command":"start"})"));
    ASSERT_TRUE(DORVANE_WAIT_FOR(received.size() == 2));
    EXPECT_TRUE(received[1].contains(QStringLiteral("can show the clock but not control it")));
    EXPECT_FALSE(controls.status.running);

    std::unique_ptr<QWebSocket> wrong = live(QByteArray(32, 'e'));
    EXPECT_TRUE(DORVANE_WAIT_FOR(wrong->state() == QAbstractSocket::UnconnectedState));

    std::unique_ptr<QWebSocket> controller = live(kControlKey);
    controller->sendTextMessage(QString(5000, QLatin1Char(' ')));
    EXPECT_TRUE(DORVANE_WAIT_FOR(controller->state() == QAbstractSocket::UnconnectedState));
    EXPECT_TRUE(DORVANE_WAIT_FOR(server->liveConnections() == 1));
}

TEST_F(ShareForgedRequests, ConnectionsAreBoundedAndAllEndWhenSharingStops)
{
    ShareLimits limits = fastLimits();
    limits.maxConnections = 3;
    share(limits);
    std::unique_ptr<QWebSocket> first = live(kViewKey);
    std::unique_ptr<QWebSocket> other = live(kControlKey);
    ASSERT_TRUE(DORVANE_WAIT_FOR(server->liveConnections() == 2));
    RawClient second(port);
    EXPECT_EQ(second.exchange(request("GET", "/api/v1/status?key=" + kViewKey, port)).status, 200);
    RawClient third(port);
    EXPECT_TRUE(DORVANE_WAIT_FOR(third.socket().state() == QAbstractSocket::UnconnectedState));

    server.reset();
    EXPECT_TRUE(DORVANE_WAIT_FOR(first->state() == QAbstractSocket::UnconnectedState));
    EXPECT_TRUE(DORVANE_WAIT_FOR(other->state() == QAbstractSocket::UnconnectedState));
    EXPECT_TRUE(DORVANE_WAIT_FOR(second.socket().state() == QAbstractSocket::UnconnectedState));
    QTcpSocket after;
    after.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_FALSE(after.waitForConnected(1000));
}

TEST_F(ShareForgedRequests, NothingElseIsServed)
{
    share();
    for (const QByteArray path : {"/", "/etc/passwd", "/../../etc/passwd", "/api/v1/../../Dorvane.Ini", "/api/v2/status"})
        EXPECT_EQ(once(request("GET", path + "?key=" + kControlKey, port)).status, 404) << path.constData();
}

} // namespace
