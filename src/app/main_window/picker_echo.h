#pragma once
#include <QObject>

class QWidget;

namespace dorvane {

class ClockAnnouncer;

// Says the new colour when a closed colour picker is stepped by its keys. Orca reads a focused
// combo box's value only when the focus arrives, and Qt gives it no selection to follow.
class PickerEcho final : public QObject
{
    Q_OBJECT
public:
    PickerEcho(QWidget *form, ClockAnnouncer &announcer);
};

} // namespace dorvane
