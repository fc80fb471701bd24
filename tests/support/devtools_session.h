#pragma once
#include <QImage>
#include <QJsonObject>
#include <QJsonValue>
#include <QObject>
#include <QPointF>
#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebSocket>
#include <functional>
#include <memory>

namespace dorvane {

// A headless browser (Debian's chromium) driven through its DevTools protocol: one page, told
// where to go, what to evaluate, where to click and when to take its picture. Every wait is for
// an event (a file written, an answer come) with a deadline, while the event loop runs, so a
// server in the same thread goes on answering the page.
class DevToolsSession final : public QObject
{
    Q_OBJECT
public:
    DevToolsSession();
    ~DevToolsSession() override;

    // The browser's path; empty when none is installed.
    static QString browserPath();

    // Starts the browser and opens its page; false with the reason when it cannot.
    bool start(QString &error);
    bool started() const { return !m_sessionId.isEmpty(); }

    // Sends a command to the page and waits for its answer: the "result", or an object holding
    // "error" (also when no answer came within `timeoutMs`).
    QJsonObject call(const QString &method, const QJsonObject &params = {}, int timeoutMs = 10000);

    void navigate(const QUrl &url);
    // The value of a script expression in the page (a string, number or boolean); undefined on error.
    QJsonValue evaluate(const QString &expression);
    // Evaluates `expression` again and again, each time its answer has come, until it is true.
    bool waitUntil(const QString &expression, int timeoutMs = 10000);
    // The page's window this size in CSS pixels, at `scale` device pixels to one.
    void setViewport(int width, int height, double scale = 1, bool mobile = false);
    QImage screenshot();
    // The box of the first element `selector` finds, in CSS pixels; empty when there is none.
    QRectF box(const QString &selector);
    // A click of the left button at `at`, pressed and released, as a finger or a mouse gives it.
    void click(QPointF at);

private:
    bool waitFor(const std::function<bool()> &done, int timeoutMs);
    QJsonObject send(const QString &method, const QJsonObject &params, const QString &sessionId, int timeoutMs);

    QTemporaryDir m_profile;
    QProcess m_browser;
    QWebSocket m_socket;
    QString m_sessionId;
    int m_nextId = 1;
    QJsonObject m_answers; // answers come in by id
};

} // namespace dorvane
