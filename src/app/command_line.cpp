#include "command_line.h"

#include "app/app_identity.h"

#include <QFileInfo>

namespace dorvane {

namespace {
// The window-system options the application object takes out of the arguments itself, with
// whether each takes a value. They stay out of the help text.
struct ToolkitOption
{
    const char *name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},          {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},    {"reverse", false},           {"session", true},
    {"display", true},         {"name", true},               {"style", true},
    {"stylesheet", true},      {"widgetcount", false},
};

QString programNameOf(const QStringList &arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("dorvane") : name;
}
} // namespace

CommandLine::CommandLine()
    : m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")),
      m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                QStringLiteral("Show the version and exit."))
{
    // Single-dash words are long options, as the toolkit's own (-platform, -style) are.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(
        QStringLiteral("A count-down and count-up clock whose digits can fill a whole screen.\n"
                       "Settings are kept in Dorvane.Ini beside the program when it can be written there,\n"
                       "otherwise in the user's own ~/.config/dorvane/Dorvane.Ini."));
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
    for (const ToolkitOption &toolkit : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(toolkit.name));
        if (toolkit.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
}

QString CommandLine::usageText(const QString &program) const
{
    // The parser's first line names the program only once an application object exists.
    QString help = m_parser.helpText();
    help.remove(0, help.indexOf(QLatin1Char('\n')) + 1);
    return QStringLiteral("Usage: %1 [options]\n").arg(program) + help;
}

CommandLineOutcome CommandLine::parse(const QStringList &arguments)
{
    const QString program = programNameOf(arguments);
    CommandLineOutcome outcome;
    QString error;
    if (!m_parser.parse(arguments))
        error = m_parser.errorText();
    else if (!m_parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(m_parser.positionalArguments().first());

    if (!error.isEmpty()) {
        outcome.startClock = false;
        outcome.exitCode = kUsageError;
        outcome.standardError = program + QStringLiteral(": ") + error + QLatin1Char('\n') + usageText(program);
    } else if (m_parser.isSet(m_help)) {
        outcome.startClock = false;
        outcome.standardOutput = usageText(program);
    } else if (m_parser.isSet(m_version)) {
        outcome.startClock = false;
        outcome.standardOutput = applicationName() + QLatin1Char(' ') + applicationVersion() + QLatin1Char('\n');
    }
    return outcome;
}

} // namespace dorvane
