#include "display_opening.h"

#include <QList>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace dorvane {

namespace {
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

// The watch is process-wide, as the message handler is.
QString g_programName;
QList<HeldMessage> g_held;

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        g_held.append({type, QByteArray(context.category), text});
        return;
    }
    QString firstWarning;
    for (const HeldMessage &held : std::as_const(g_held)) {
        if (held.type == QtWarningMsg || held.type == QtCriticalMsg) {
            firstWarning = held.text;
            break;
        }
    }
    const QByteArray line = DisplayOpening::failureLine(g_programName, firstWarning, text).toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
    // Nothing has been opened or changed yet, so there is nothing to tidy on the way out.
    std::_Exit(DisplayOpening::kNoDisplay);
}
} // namespace

DisplayOpening::DisplayOpening(const QString &programName)
{
    g_programName = programName;
    g_held.clear();
    m_previous = qInstallMessageHandler(holdOrFail);
}

DisplayOpening::~DisplayOpening()
{
    qInstallMessageHandler(m_previous);
    const QList<HeldMessage> held = std::exchange(g_held, {});
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

QString DisplayOpening::failureLine(const QString &programName, const QString &firstWarning, const QString &fatal)
{
    QString reason = firstWarning.trimmed();
    if (reason.isEmpty())
        reason = fatal.section(QLatin1Char('\n'), 0, 0).trimmed();
    // The X11 connection names no display when none was given.
    if (reason == QLatin1String("could not connect to display") && qEnvironmentVariableIsEmpty("DISPLAY"))
        reason = QStringLiteral("DISPLAY is not set");
    return QStringLiteral("%1: cannot open a display: %2").arg(programName, reason);
}

} // namespace dorvane
