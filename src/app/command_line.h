#pragma once
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace dorvane {

// What the command line asks for: start the clock, or print something and end with a code.
struct CommandLineOutcome
{
    bool startClock = true;
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

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
};

} // namespace dorvane
