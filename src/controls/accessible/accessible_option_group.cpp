#include "accessible_option_group.h"

#include "shown_text.h"

#include "controls/input/tcxradiogroup.h"

namespace dorvane::accessible {

AccessibleOptionGroup::AccessibleOptionGroup(TcxRadioGroup *group) : AccessibleControl(group, QAccessible::Grouping)
{
}

QString AccessibleOptionGroup::ownName() const
{
    return static_cast<const TcxRadioGroup *>(widget())->Caption(); // drawn as it stands
}

AccessibleOptionButton::AccessibleOptionButton(QRadioButton *button) : AccessibleControl(button, QAccessible::RadioButton)
{
}

QRadioButton *AccessibleOptionButton::button() const
{
    return static_cast<QRadioButton *>(widget());
}

QString AccessibleOptionButton::ownName() const
{
    return withoutAccelerators(button()->text());
}

QAccessible::State AccessibleOptionButton::state() const
{
    QAccessible::State s = AccessibleControl::state();
    s.checkable = true;
    s.checked = button()->isChecked();
    return s;
}

QStringList AccessibleOptionButton::actionNames() const
{
    return QStringList{pressAction()} + AccessibleControl::actionNames();
}

void AccessibleOptionButton::doAction(const QString &name)
{
    if (name == pressAction())
        button()->click();
    else
        AccessibleControl::doAction(name);
}

} // namespace dorvane::accessible
