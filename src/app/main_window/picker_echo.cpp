#include "picker_echo.h"

#include "app/main_window/clock_announcer.h"
#include "controls/input/tcxcolorcombobox.h"

#include <QAccessible>

namespace dorvane {

PickerEcho::PickerEcho(QWidget *form, ClockAnnouncer &announcer) : QObject(form)
{
    for (TcxColorComboBox *picker : form->findChildren<TcxColorComboBox *>()) {
        connect(picker, &TcxColorComboBox::ColorValueChanged, this, [picker, &announcer] {
            // An open list speaks its rows itself; a value set from elsewhere is no step.
            if (!QAccessible::isActive() || !picker->hasFocus() || picker->DroppedDown())
                return;
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(picker))
                announcer.Say(iface->text(QAccessible::Value));
        });
    }
}

} // namespace dorvane
