#include "command_line.h"

#include "app/app_identity.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>

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

// "H:M:S" or "M:S", each part a whole number.
std::optional<RemoteRequest> allowanceOf(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        bool ok = !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
        const int value = ok ? part.toInt(&ok) : 0;
        if (!ok)
            return std::nullopt;
        values[3 - parts.size() + i] = value;
    }
    RemoteRequest request;
    request.action = RemoteRequest::Action::SetAllowance;
    request.hours = values[0];
    request.minutes = values[1];
    request.seconds = values[2];
    return request;
}

// "[+|-]SECONDS", a whole number that fits the clock's seconds.
std::optional<int> secondsOf(const QString &text)
{
    const QString digits = text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString programNameOf(const QStringList &arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("dorvane") : name;
}
} // namespace

CommandLine::CommandLine()
    : m_help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")),
      m_version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                QStringLiteral("Show the version and exit.")),
      m_start(QStringLiteral("start"), QStringLiteral("Start the running clock, as its Start button does.")),
      m_stop(QStringLiteral("stop"), QStringLiteral("Stop the running clock.")),
      m_reset(QStringLiteral("reset"), QStringLiteral("Reset the running clock to its time allowance.")),
      m_set(QStringLiteral("set"), QStringLiteral("Set the running clock's time allowance and reset it."),
            QStringLiteral("H:M:S|M:S")),
      m_showClockView(QStringLiteral("show-clock-view"), QStringLiteral("Show the running clock's clock view.")),
      m_hideClockView(QStringLiteral("hide-clock-view"), QStringLiteral("Hide the running clock's clock view.")),
      m_status(QStringLiteral("status"),
               QStringLiteral("Print whether the running clock is running, stopped or expired, and its digits.")),
      m_follow(QStringLiteral("follow"), QStringLiteral("With --status: print a line at every change, until interrupted.")),
      m_message(QStringLiteral("message"), QStringLiteral("Show a line of text to the speaker in the clock view."),
                QStringLiteral("TEXT")),
      m_clearMessage(QStringLiteral("clear-message"), QStringLiteral("Take the message away.")),
      m_blank(QStringLiteral("blank"), QStringLiteral("Black out the clock view, or show it again; the clock goes on."),
              QStringLiteral("on|off")),
      m_add(QStringLiteral("add"),
            QStringLiteral("Add seconds to the time left of a count-down, or take them away with -."),
            QStringLiteral("[+|-]SECONDS")),
      m_share(QStringLiteral("share"),
              QStringLiteral("Share the running clock on the local network (on), stop (off), or print its links (links);\n"
                             "on and links print \"view <link>\", \"clock <link>\" and \"control <link>\"."),
              QStringLiteral("on|off|links"))
{
    // Single-dash words are long options, as the toolkit's own (-platform, -style) are.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(
        QStringLiteral("A count-down and count-up clock whose digits can fill a whole screen.\n"
                       "Settings are kept in Dorvane.Ini beside the program when it can be written there,\n"
                       "otherwise in the user's own ~/.config/dorvane/Dorvane.Ini.\n"
                       "--start, --stop, --reset, --set, --show-clock-view, --hide-clock-view, --status, --message,\n"
                       "--clear-message, --blank, --add and --share ask the clock already running in this desktop\n"
                       "session; they need no display, and exit with 3 when no clock runs."));
    for (const QCommandLineOption *option :
         {&m_help, &m_version, &m_start, &m_stop, &m_reset, &m_set, &m_showClockView, &m_hideClockView, &m_status, &m_follow,
          &m_message, &m_clearMessage, &m_blank, &m_add, &m_share})
        m_parser.addOption(*option);
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
    outcome.programName = program;
    QString error;
    if (!m_parser.parse(arguments))
        error = m_parser.errorText();
    else if (!m_parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(m_parser.positionalArguments().first());
    else if (!m_parser.isSet(m_help) && !m_parser.isSet(m_version))
        outcome.remote = remoteRequest(error);

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
    } else if (outcome.remote.action != RemoteRequest::Action::None) {
        outcome.startClock = false;
    }
    return outcome;
}

RemoteRequest CommandLine::remoteRequest(QString &error) const
{
    using Action = RemoteRequest::Action;
    const std::pair<const QCommandLineOption *, Action> actions[] = {
        {&m_start, Action::Start}, {&m_stop, Action::Stop},
        {&m_reset, Action::Reset}, {&m_set, Action::SetAllowance},
        {&m_showClockView, Action::ShowClockView}, {&m_hideClockView, Action::HideClockView},
        {&m_status, Action::Status}, {&m_message, Action::ShowMessage},
        {&m_clearMessage, Action::ClearMessage}, {&m_blank, Action::SetBlank},
        {&m_add, Action::AddSeconds}, {&m_share, Action::Share}};
    RemoteRequest request;
    int asked = 0;
    for (const auto &[option, action] : actions) {
        if (m_parser.isSet(*option)) {
            request.action = action;
            ++asked;
        }
    }
    if (asked > 1) {
        error = QStringLiteral("Give only one of --start, --stop, --reset, --set, --show-clock-view, "
                               "--hide-clock-view, --status, --message, --clear-message, --blank, --add and --share.");
        return {};
    }
    if (m_parser.isSet(m_follow) && request.action != Action::Status) {
        error = QStringLiteral("--follow goes with --status.");
        return {};
    }
    if (!readValue(request, error))
        return {};
    if (request.action == Action::Share) {
        const QString mode = m_parser.value(m_share);
        if (mode == QStringLiteral("on"))
            request.sharing = RemoteRequest::Sharing::On;
        else if (mode == QStringLiteral("off"))
            request.sharing = RemoteRequest::Sharing::Off;
        else if (mode == QStringLiteral("links"))
            request.sharing = RemoteRequest::Sharing::Links;
        else {
            error = QStringLiteral("--share takes on, off or links, not '%1'.").arg(mode);
            return {};
        }
    }
    request.follow = m_parser.isSet(m_follow);
    return request;
}

bool CommandLine::readValue(RemoteRequest &request, QString &error) const
{
    using Action = RemoteRequest::Action;
    switch (request.action) {
    case Action::SetAllowance: {
        const QString text = m_parser.value(m_set);
        const std::optional<RemoteRequest> allowance = allowanceOf(text);
        if (!allowance) {
            error = QStringLiteral("'%1' is not a time: give H:M:S or M:S.").arg(text);
            return false;
        }
        request = *allowance;
        return true;
    }
    case Action::ShowMessage:
        request.message = m_parser.value(m_message);
        return true;
    case Action::SetBlank: {
        const QString text = m_parser.value(m_blank);
        if (text != QLatin1String("on") && text != QLatin1String("off")) {
            error = QStringLiteral("'%1' is not on or off: give --blank on or --blank off.").arg(text);
            return false;
        }
        request.blank = text == QLatin1String("on");
        return true;
    }
    case Action::AddSeconds: {
        const QString text = m_parser.value(m_add);
        const std::optional<int> seconds = secondsOf(text);
        if (!seconds) {
            error = QStringLiteral("'%1' is not a number of seconds: give [+|-]SECONDS.").arg(text);
            return false;
        }
        request.seconds = *seconds;
        return true;
    }
    default:
        return true;
    }
}

} // namespace dorvane
