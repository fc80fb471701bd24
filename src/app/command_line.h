#pragma once
#include "app/remote_request.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace dorvane {

// What the command line asks for: start the clock, ask the running clock to do something, or
// print something and end with a code.
struct CommandLineOutcome
{
    bool startClock = true;
    QString programName;  // as it was called, to start every line the program writes
    RemoteRequest remote; // an action when the running clock is asked, and no clock is started
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// The program's command line. It is read before the application object exists, so --help and
// --version answer without a display. The toolkit's own window-system options (-platform,
// -display, -style, …) are accepted and left for the application object to use.
class CommandLine
{
public:
    static constexpr int kUsageError = 2;

    CommandLine();

    // `arguments` as the program received them, the program's own path first.
    CommandLineOutcome parse(const QStringList &arguments);

private:
    QString usageText(const QString &program) const;
    // The request to the running clock, or an error text; the request's action is None when
    // the clock is not asked.
    RemoteRequest remoteRequest(QString &error) const;
    // The values of the options that take one, into `request`; false with an error text.
    bool readValue(RemoteRequest &request, QString &error) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_start;
    QCommandLineOption m_stop;
    QCommandLineOption m_reset;
    QCommandLineOption m_set;
    QCommandLineOption m_showClockView;
    QCommandLineOption m_hideClockView;
    QCommandLineOption m_status;
    QCommandLineOption m_follow;
    QCommandLineOption m_message;
    QCommandLineOption m_clearMessage;
    QCommandLineOption m_blank;
    QCommandLineOption m_add;
    QCommandLineOption m_share;
};

} // namespace dorvane
