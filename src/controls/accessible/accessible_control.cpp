#include "accessible_control.h"

#include "field_caption.h"

#include "controls/base/tcontrol.h"

namespace dorvane::accessible {

AccessibleControl::AccessibleControl(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
{
}

QString AccessibleControl::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        if (!widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (const QString own = ownName(); !own.isEmpty())
            return own;
        break;
    case QAccessible::Description:
        if (!widget()->accessibleDescription().isEmpty())
            return widget()->accessibleDescription();
        return shownHintOf(widget());
    default:
        break;
    }
    return QAccessibleWidget::text(t);
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
AccessibleField::relations(QAccessible::Relation match) const
{
    auto related = AccessibleControl::relations(match);
    if (match & QAccessible::Label)
        if (QWidget *label = captionLabelFor(widget()))
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label))
                related.append({iface, QAccessible::Label});
    return related;
}

QString AccessibleField::ownName() const
{
    return fieldCaption(widget());
}

QString shownHintOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (auto *control = qobject_cast<const TControl *>(w))
            return control->ShownHint();
    return {};
}

} // namespace dorvane::accessible
