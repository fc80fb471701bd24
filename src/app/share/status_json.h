#pragma once
#include "app/commands/clock_status.h"
#include "app/commands/stage_look.h"

#include <QJsonObject>

namespace dorvane {

// The clock's status as the pages and the API read it: the same facts the bus announces, and
// under "view" what the clock view draws with them.
QJsonObject statusJson(const ClockStatus &status, const StageLook &look = {});

} // namespace dorvane
