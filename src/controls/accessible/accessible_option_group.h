#pragma once
#include "accessible_control.h"

class QRadioButton;
class TcxRadioGroup;

namespace dorvane::accessible {

// An option group: a grouping named by its caption that holds its option buttons.
class AccessibleOptionGroup final : public AccessibleControl
{
public:
    explicit AccessibleOptionGroup(TcxRadioGroup *group);

protected:
    QString ownName() const override;
};

// One option of a group: a radio button with its caption, checked while it is the group's item.
// Pressing it chooses it, as a click does.
class AccessibleOptionButton final : public AccessibleControl
{
public:
    explicit AccessibleOptionButton(QRadioButton *button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;

protected:
    QString ownName() const override;

private:
    QRadioButton *button() const;
};

} // namespace dorvane::accessible
