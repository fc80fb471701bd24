#pragma once
#include "app/commands/clock_status.h"

#include <QString>
#include <QVariantMap>

namespace dorvane {

// The status under the names of the clock's properties on the bus.
QVariantMap propertiesOf(const ClockStatus &status);
// Only the properties whose values differ between the two.
QVariantMap changedProperties(const ClockStatus &before, const ClockStatus &after);
// Takes the values the bus delivered; names it does not know are left alone.
void applyProperties(ClockStatus &status, const QVariantMap &properties);

// One line for a terminal or a status bar: "running", "stopped" or "expired", then the digits.
QString statusLine(const ClockStatus &status);

} // namespace dorvane
