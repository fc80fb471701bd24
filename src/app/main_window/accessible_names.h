#pragma once
#include <QString>

class QWidget;

namespace dorvane {

// Names a screen reader gives those controls of the main window that no caption beside them
// names: the digit fields after the allowance fields' captions ("Hours", "Minutes", "Seconds"),
// and the "seconds" and "expired" pickers by what they colour. Every other control is named by
// its own caption or the caption beside it.
void nameMainFormControls(QWidget *form);

// The name of the direction arrows for the arrow code they show: "Counting down" or "Counting up".
QString directionName(unsigned char arrowCode);

} // namespace dorvane
