#pragma once
#include <QAccessibleWidget>

namespace dorvane::accessible {

// What every control tells a screen reader: the name code gave it (its accessible name), or
// else the control's own; the hint its tooltip shows as the description.
class AccessibleControl : public QAccessibleWidget
{
public:
    explicit AccessibleControl(QWidget *widget, QAccessible::Role role = QAccessible::Client);

    QString text(QAccessible::Text t) const override;

protected:
    // The name when code gave none: a caption, a label's text.
    virtual QString ownName() const { return {}; }
};

// A field named by the caption label beside it, which it reports as its label.
class AccessibleField : public AccessibleControl
{
public:
    using AccessibleControl::AccessibleControl;

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override;

protected:
    QString ownName() const override;
};

// The hint the tooltip shows over `widget`: that of the nearest control of ours, from the widget up.
QString shownHintOf(const QWidget *widget);

} // namespace dorvane::accessible
