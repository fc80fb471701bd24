#include "status_json.h"

namespace dorvane {

namespace {
QString cueName(ClockStatus::Cue cue)
{
    switch (cue) {
    case ClockStatus::Cue::Seconds: return QStringLiteral("seconds");
    case ClockStatus::Cue::Expired: return QStringLiteral("expired");
    case ClockStatus::Cue::Normal: break;
    }
    return QStringLiteral("normal");
}

QString colourName(quint32 rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

QJsonObject lookJson(const StageLook &look)
{
    return QJsonObject{
        {QStringLiteral("background"), colourName(look.background)},
        {QStringLiteral("digits"), colourName(look.digits)},
        {QStringLiteral("alwaysShowHours"), look.alwaysShowHours},
        {QStringLiteral("directionMarker"), look.directionMarker},
        {QStringLiteral("progressBar"), look.progressBar},
        {QStringLiteral("paused"), look.paused},
        {QStringLiteral("overtimeSeconds"), look.overtimeSeconds ? QJsonValue(*look.overtimeSeconds) : QJsonValue()},
        {QStringLiteral("timeOfDay"), look.timeOfDay},
        {QStringLiteral("timeOfDayOnly"), look.timeOfDayOnly},
    };
}
} // namespace

QJsonObject statusJson(const ClockStatus &status, const StageLook &look)
{
    return QJsonObject{
        {QStringLiteral("running"), status.running},
        {QStringLiteral("countingDown"), status.countingDown},
        {QStringLiteral("display"), status.display},
        {QStringLiteral("remainingSeconds"), status.remainingSeconds},
        {QStringLiteral("expired"), status.expired},
        {QStringLiteral("allowanceSeconds"), status.allowanceSeconds},
        {QStringLiteral("cue"), cueName(status.cue)},
        {QStringLiteral("message"), status.message},
        {QStringLiteral("blank"), status.blank},
        {QStringLiteral("view"), lookJson(look)},
    };
}

} // namespace dorvane
