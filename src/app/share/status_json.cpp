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
} // namespace

QJsonObject statusJson(const ClockStatus &status)
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
    };
}

} // namespace dorvane
