#pragma once
#include <QString>
#include <QVariantMap>

namespace dorvane {

// What another program can see of the clock: the properties the clock publishes on the bus.
struct ClockStatus
{
    bool running = false;
    bool countingDown = false;
    QString display;          // the three digit fields as shown, "00 04 38"
    int remainingSeconds = 0; // for a count-up, the seconds counted
    bool expired = false;     // the count has reached a non-zero allowance

    bool operator==(const ClockStatus &other) const;
    bool operator!=(const ClockStatus &other) const { return !(*this == other); }
};

// The properties under their bus names.
QVariantMap propertiesOf(const ClockStatus &status);
// Only the properties whose values differ between the two.
QVariantMap changedProperties(const ClockStatus &before, const ClockStatus &after);
// Takes the values the bus delivered; names it does not know are left alone.
void applyProperties(ClockStatus &status, const QVariantMap &properties);

// One line for a terminal or a status bar: "running", "stopped" or "expired", then the digits.
QString statusLine(const ClockStatus &status);

} // namespace dorvane
