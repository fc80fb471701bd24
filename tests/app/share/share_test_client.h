#pragma once
// A clock on a stand-in window, shared on loopback, and the raw clients the tests reach it with.
#include "app/commands/clock_commands.h"
#include "app/share/share_server.h"
#include "../../support/qt_wait.h"

#include <QTcpSocket>
#include <QWebSocket>
#include <gtest/gtest.h>
#include <memory>

namespace dorvane::test {

// The main window as the commands see it: Start refuses a count-down with no allowance, as the
// clock's box would.
class StandInControls final : public ClockControls
{
public:
    void ClickStart() override
    {
        if (allowance == 0 && commands->TakeRefusal(QStringLiteral("Time Allowance must be set if counting down.")))
            return;
        status.running = true;
        commands->ClockMoved();
    }
    void ClickStop() override
    {
        status.running = false;
        commands->ClockMoved();
    }
    void ClickReset() override
    {
        allowance = typed[0] * 3600 + typed[1] * 60 + typed[2];
        status.remainingSeconds = status.allowanceSeconds = allowance;
        status.display = QStringLiteral("%1 %2 %3")
                             .arg(typed[0], 2, 10, QLatin1Char('0'))
                             .arg(typed[1], 2, 10, QLatin1Char('0'))
                             .arg(typed[2], 2, 10, QLatin1Char('0'));
        commands->ClockMoved();
    }
    Field AllowanceField(AllowancePart part) const override
    {
        const char *captions[] = {"Hours", "Minutes", "Seconds"};
        return {QLatin1String(captions[int(part)]), 0, part == AllowancePart::Hours ? 99 : 60};
    }
    bool AllowanceTakes(AllowancePart part, int value) const override
    {
        return value >= 0 && value <= AllowanceField(part).maxValue;
    }
    void TypeAllowance(AllowancePart part, int value) override { typed[int(part)] = value; }
    bool ClockViewShown() const override { return false; }
    bool ClockViewOnScreen() const override { return false; }
    void ShowClockView(bool) override {}
    void BringToFront() override {}
    void ChangeTimeLeft(int seconds) override
    {
        status.remainingSeconds += seconds;
        commands->ClockMoved();
    }
    ClockStatus Status() const override { return status; }

    ClockCommands *commands = nullptr;
    ClockStatus status = [] {
        ClockStatus s;
        s.countingDown = true;
        s.display = QStringLiteral("00 00 00");
        return s;
    }();
    int typed[3] = {0, 0, 0};
    int allowance = 0;
};

inline const ShareTokens kTokens{std::string(32, 'a'), std::string(32, 'c')};
inline const QByteArray kViewKey(32, 'a');
inline const QByteArray kControlKey(32, 'c');

// What came back for one request, read by the test as a browser would.
struct HttpResult
{
    int status = 0;   // 0: no answer before the connection ended
    QByteArray head;  // status line and headers
    QByteArray body;
    bool closed = false;
};

// One connection to the server; requests may follow one another on it.
class RawClient
{
public:
    explicit RawClient(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        m_socket.waitForConnected(5000);
    }

    QTcpSocket &socket() { return m_socket; }

    void send(const QByteArray &bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }

    // Waits for one whole answer, or for the connection to end.
    HttpResult answer()
    {
        HttpResult result;
        const auto complete = [&] {
            m_buffer += m_socket.readAll();
            const int end = m_buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return false;
            const QByteArray head = m_buffer.left(end);
            int length = 0;
            for (const QByteArray &line : head.split('\n'))
                if (line.toLower().startsWith("content-length:"))
                    length = line.mid(15).trimmed().toInt();
            if (m_buffer.size() < end + 4 + length)
                return false;
            result.head = head;
            result.body = m_buffer.mid(end + 4, length);
            result.status = head.mid(9, 3).toInt();
            m_buffer.remove(0, end + 4 + length);
            return true;
        };
        (void)DORVANE_WAIT_FOR(complete() || m_socket.state() == QAbstractSocket::UnconnectedState);
        complete();
        result.closed = m_socket.state() == QAbstractSocket::UnconnectedState;
        return result;
    }

    HttpResult exchange(const QByteArray &bytes)
    {
        send(bytes);
        return answer();
    }

private:
    QTcpSocket m_socket;
    QByteArray m_buffer;
};

inline QByteArray request(const QByteArray &method, const QByteArray &target, quint16 port,
                          const QList<QByteArray> &headers = {}, const QByteArray &body = {})
{
    QByteArray text = method + ' ' + target + " HTTP/1.1\r\n";
    bool hasHost = false;
    for (const QByteArray &header : headers) {
        hasHost = hasHost || header.toLower().startsWith("host:");
        text += header + "\r\n";
    }
    if (!hasHost)
        text += "Host: 127.0.0.1:" + QByteArray::number(port) + "\r\n";
    if (!body.isEmpty() || method == "POST")
        text += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    return text + "\r\n" + body;
}

// A shared clock on loopback, with a clock the test moves by hand.
class SharedClock : public ::testing::Test
{
protected:
    void SetUp() override { controls.commands = &commands; }

    void share(ShareLimits limits = fastLimits())
    {
        server = std::make_unique<ShareServer>(commands, kTokens, limits, [this] { return now; });
        QString error;
        ASSERT_TRUE(server->listen(QHostAddress::LocalHost, 0, error)) << error.toStdString();
        port = server->port();
    }

    static ShareLimits fastLimits()
    {
        ShareLimits limits;
        limits.failureDelay = std::chrono::milliseconds(1);
        limits.maxFailureDelay = std::chrono::milliseconds(1);
        return limits;
    }

    HttpResult once(const QByteArray &bytes)
    {
        RawClient client(port);
        return client.exchange(bytes);
    }

    // A live socket on loopback, open once its handshake is done (or refused).
    std::unique_ptr<QWebSocket> live(const QByteArray &key, const QString &origin = {})
    {
        auto socket = std::make_unique<QWebSocket>(origin);
        QObject::connect(socket.get(), &QWebSocket::textMessageReceived, socket.get(),
                         [this](const QString &text) { received << text; });
        auto ended = std::make_shared<bool>(false);
        QObject::connect(socket.get(), &QWebSocket::disconnected, socket.get(), [ended] { *ended = true; });
        socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/v1/live?key=%2").arg(port).arg(QString::fromLatin1(key))));
        (void)DORVANE_WAIT_FOR(socket->state() == QAbstractSocket::ConnectedState || *ended);
        return socket;
    }

    StandInControls controls;
    ClockCommands commands{controls};
    std::chrono::steady_clock::time_point now{};
    std::unique_ptr<ShareServer> server;
    quint16 port = 0;
    QStringList received;
};

} // namespace dorvane::test
