#pragma once
#include "app/commands/clock_status.h"

#include <QJsonObject>

namespace dorvane {

// The clock's status as the pages and the API read it: the same facts the bus announces.
QJsonObject statusJson(const ClockStatus &status);

} // namespace dorvane
