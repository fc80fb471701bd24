#include "devtools_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileSystemWatcher>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTimer>
#include <unistd.h>

namespace dorvane {

namespace {
// How long the browser may take to start on a slow, shared machine.
constexpr int kStartMs = 60000;
} // namespace

DevToolsSession::DevToolsSession()
{
    connect(&m_socket, &QWebSocket::textMessageReceived, this, [this](const QString &text) {
        const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
        if (message.contains(QStringLiteral("id")))
            m_answers.insert(QString::number(message.value(QStringLiteral("id")).toInt()), message);
    });
}

DevToolsSession::~DevToolsSession()
{
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        send(QStringLiteral("Browser.close"), {}, QString(), 5000);
        m_socket.close();
    }
    if (m_browser.state() != QProcess::NotRunning) {
        m_browser.terminate();
        if (!m_browser.waitForFinished(10000)) {
            m_browser.kill();
            m_browser.waitForFinished(5000);
        }
    }
}

QString DevToolsSession::browserPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("chromium"));
}

bool DevToolsSession::waitFor(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // Wakes the loop at the deadline, should nothing else.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool DevToolsSession::start(QString &error)
{
    const QString browser = browserPath();
    if (browser.isEmpty() || !m_profile.isValid()) {
        error = QStringLiteral("no chromium to run");
        return false;
    }
    QStringList arguments{QStringLiteral("--headless"),
                          QStringLiteral("--remote-debugging-port=0"),
                          QStringLiteral("--user-data-dir=") + m_profile.path(),
                          QStringLiteral("--disable-gpu"),
                          QStringLiteral("--disable-dev-shm-usage"),
                          QStringLiteral("--no-first-run"),
                          QStringLiteral("--no-default-browser-check"),
                          QStringLiteral("--disable-extensions"),
                          QStringLiteral("--disable-background-networking"),
                          QStringLiteral("--disable-sync"),
                          QStringLiteral("--mute-audio"),
                          QStringLiteral("--hide-scrollbars"),
                          QStringLiteral("--font-render-hinting=none")};
    // Its sandbox refuses to run as root, as the suite runs on a build machine.
    if (::geteuid() == 0)
        arguments << QStringLiteral("--no-sandbox");
    arguments << QStringLiteral("about:blank");
    m_browser.setStandardOutputFile(QProcess::nullDevice());
    m_browser.setStandardErrorFile(QProcess::nullDevice());
    m_browser.start(browser, arguments);
    if (!m_browser.waitForStarted(kStartMs)) {
        error = QStringLiteral("chromium did not start: ") + m_browser.errorString();
        return false;
    }

    // The browser writes its port, and the path of its own endpoint, once it listens.
    const QString portFile = m_profile.filePath(QStringLiteral("DevToolsActivePort"));
    QFileSystemWatcher watcher({m_profile.path()});
    QStringList lines;
    const auto written = [&] {
        QFile file(portFile);
        if (file.open(QIODevice::ReadOnly))
            lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines.size() >= 2 || m_browser.state() == QProcess::NotRunning;
    };
    if (!waitFor(written, kStartMs) || lines.size() < 2) {
        error = QStringLiteral("chromium gave no DevTools port");
        return false;
    }
    m_socket.open(QUrl(QStringLiteral("ws://127.0.0.1:%1%2").arg(lines[0], lines[1])));
    if (!waitFor([this] { return m_socket.state() == QAbstractSocket::ConnectedState; }, kStartMs)) {
        error = QStringLiteral("no connection to chromium's DevTools: ") + m_socket.errorString();
        return false;
    }
    const QJsonObject target = send(QStringLiteral("Target.createTarget"), {{QStringLiteral("url"), QStringLiteral("about:blank")}},
                                    QString(), kStartMs);
    const QString targetId = target.value(QStringLiteral("targetId")).toString();
    const QJsonObject attached = send(QStringLiteral("Target.attachToTarget"),
                                      {{QStringLiteral("targetId"), targetId}, {QStringLiteral("flatten"), true}}, QString(), kStartMs);
    m_sessionId = attached.value(QStringLiteral("sessionId")).toString();
    if (m_sessionId.isEmpty()) {
        error = QStringLiteral("chromium opened no page");
        return false;
    }
    call(QStringLiteral("Page.enable"));
    return true;
}

QJsonObject DevToolsSession::send(const QString &method, const QJsonObject &params, const QString &sessionId, int timeoutMs)
{
    const int id = m_nextId++;
    QJsonObject message{{QStringLiteral("id"), id}, {QStringLiteral("method"), method}, {QStringLiteral("params"), params}};
    if (!sessionId.isEmpty())
        message.insert(QStringLiteral("sessionId"), sessionId);
    m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    const QString key = QString::number(id);
    if (!waitFor([&] { return m_answers.contains(key); }, timeoutMs))
        return {{QStringLiteral("error"), QStringLiteral("no answer to ") + method}};
    const QJsonObject answer = m_answers.take(key).toObject();
    if (answer.contains(QStringLiteral("error")))
        return {{QStringLiteral("error"), answer.value(QStringLiteral("error"))}};
    return answer.value(QStringLiteral("result")).toObject();
}

QJsonObject DevToolsSession::call(const QString &method, const QJsonObject &params, int timeoutMs)
{
    return send(method, params, m_sessionId, timeoutMs);
}

void DevToolsSession::navigate(const QUrl &url)
{
    call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url.toString()}});
}

QJsonValue DevToolsSession::evaluate(const QString &expression)
{
    const QJsonObject answer = call(QStringLiteral("Runtime.evaluate"),
                                    {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}});
    if (answer.contains(QStringLiteral("error")) || answer.contains(QStringLiteral("exceptionDetails")))
        return QJsonValue(QJsonValue::Undefined);
    return answer.value(QStringLiteral("result")).toObject().value(QStringLiteral("value"));
}

bool DevToolsSession::waitUntil(const QString &expression, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired())
        if (evaluate(QStringLiteral("!!(%1)").arg(expression)).toBool())
            return true;
    return false;
}

void DevToolsSession::setViewport(int width, int height, double scale, bool mobile)
{
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"), {{QStringLiteral("width"), width},
                                                                {QStringLiteral("height"), height},
                                                                {QStringLiteral("deviceScaleFactor"), scale},
                                                                {QStringLiteral("mobile"), mobile}});
}

QImage DevToolsSession::screenshot()
{
    const QJsonObject answer = call(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("format"), QStringLiteral("png")}});
    return QImage::fromData(QByteArray::fromBase64(answer.value(QStringLiteral("data")).toString().toLatin1()), "PNG");
}

QRectF DevToolsSession::box(const QString &selector)
{
    const QJsonValue value = evaluate(QStringLiteral("(function(){var e=document.querySelector(%1);if(!e)return null;"
                                                     "var r=e.getBoundingClientRect();return [r.left,r.top,r.width,r.height];})()")
                                          .arg(QString::fromUtf8(QJsonDocument(QJsonArray{selector}).toJson(QJsonDocument::Compact)).mid(1).chopped(1)));
    const QJsonArray r = value.toArray();
    return r.size() == 4 ? QRectF(r[0].toDouble(), r[1].toDouble(), r[2].toDouble(), r[3].toDouble()) : QRectF();
}

void DevToolsSession::click(QPointF at)
{
    for (const char *type : {"mousePressed", "mouseReleased"})
        call(QStringLiteral("Input.dispatchMouseEvent"), {{QStringLiteral("type"), QLatin1String(type)},
                                                          {QStringLiteral("x"), at.x()},
                                                          {QStringLiteral("y"), at.y()},
                                                          {QStringLiteral("button"), QStringLiteral("left")},
                                                          {QStringLiteral("clickCount"), 1}});
}

} // namespace dorvane
