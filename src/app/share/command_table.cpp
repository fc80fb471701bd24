#include "command_table.h"

#include <QJsonValue>
#include <cmath>
#include <limits>
#include <optional>

namespace dorvane {

namespace {

// An integer argument; absent is `absent`, anything but a whole number is none.
std::optional<int> wholeNumber(const QJsonObject &arguments, const QString &key, int absent)
{
    const QJsonValue value = arguments.value(key);
    if (value.isUndefined())
        return absent;
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (std::floor(number) != number || std::abs(number) > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

NetworkCommandAnswer ran(const CommandResult &result) { return {NetworkCommandAnswer::Kind::Ran, result, {}}; }

NetworkCommandAnswer badArguments(const QString &text) { return {NetworkCommandAnswer::Kind::BadArguments, {}, text}; }

NetworkCommandAnswer setAllowance(ClockCommands &commands, const QJsonObject &arguments)
{
    const std::optional<int> hours = wholeNumber(arguments, QStringLiteral("hours"), 0);
    const std::optional<int> minutes = wholeNumber(arguments, QStringLiteral("minutes"), 0);
    const std::optional<int> seconds = wholeNumber(arguments, QStringLiteral("seconds"), 0);
    if (!hours || !minutes || !seconds)
        return badArguments(QStringLiteral("hours, minutes and seconds must be whole numbers."));
    return ran(commands.SetAllowance(*hours, *minutes, *seconds));
}

NetworkCommandAnswer addSeconds(ClockCommands &commands, const QJsonObject &arguments)
{
    const QJsonValue seconds = arguments.value(QStringLiteral("seconds"));
    const std::optional<int> value = wholeNumber(arguments, QStringLiteral("seconds"), 0);
    if (seconds.isUndefined() || !value)
        return badArguments(QStringLiteral("seconds must be a whole number."));
    return ran(commands.AddSeconds(*value));
}

NetworkCommandAnswer showMessage(ClockCommands &commands, const QJsonObject &arguments)
{
    const QJsonValue text = arguments.value(QStringLiteral("text"));
    if (!text.isString())
        return badArguments(QStringLiteral("text must be a string."));
    return ran(commands.ShowMessage(text.toString()));
}

// With "on" the black screen is set; without it, it is turned over, as a remote's key does.
NetworkCommandAnswer setBlank(ClockCommands &commands, const QJsonObject &arguments)
{
    const QJsonValue on = arguments.value(QStringLiteral("on"));
    if (on.isUndefined())
        return ran(commands.ToggleBlank());
    if (!on.isBool())
        return badArguments(QStringLiteral("on must be true or false."));
    return ran(commands.SetBlank(on.toBool()));
}

struct Entry
{
    const char *name;
    NetworkCommandAnswer (*run)(ClockCommands &, const QJsonObject &);
};

// One line per command, named as the command line names it.
const Entry kCommands[] = {
    {"start", [](ClockCommands &c, const QJsonObject &) { return ran(c.Start()); }},
    {"stop", [](ClockCommands &c, const QJsonObject &) { return ran(c.Stop()); }},
    {"toggle", [](ClockCommands &c, const QJsonObject &) { return ran(c.StartOrStop()); }},
    {"reset", [](ClockCommands &c, const QJsonObject &) { return ran(c.Reset()); }},
    {"set", setAllowance},
    {"add", addSeconds},
    {"message", showMessage},
    {"clear-message", [](ClockCommands &c, const QJsonObject &) { return ran(c.ClearMessage()); }},
    {"blank", setBlank},
};

const Entry *find(const QString &name)
{
    for (const Entry &entry : kCommands)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

} // namespace

bool isNetworkCommand(const QString &name) { return find(name) != nullptr; }

NetworkCommandAnswer runNetworkCommand(ClockCommands &commands, const QString &name, const QJsonObject &arguments)
{
    const Entry *entry = find(name);
    if (!entry)
        return {NetworkCommandAnswer::Kind::Unknown, {}, QStringLiteral("There is no command '%1'.").arg(name)};
    return entry->run(commands, arguments);
}

} // namespace dorvane
