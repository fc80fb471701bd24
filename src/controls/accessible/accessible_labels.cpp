#include "accessible_labels.h"

#include "controls/display/arrow_glyphs.h"
#include "controls/display/tcustomlabel.h"
#include "controls/display/tcxlabel.h"
#include "controls/display/tovcurl.h"

namespace dorvane::accessible {

QString shownLabelText(const QWidget *label)
{
    if (auto *plain = qobject_cast<const TCustomLabel *>(label))
        return plain->ShowAccelChar() ? withoutAccelerators(plain->Caption()) : plain->Caption();
    if (auto *windowed = qobject_cast<const TcxLabel *>(label)) {
        const QString caption = windowed->Caption();
        if (const QChar arrow = symbolArrow(caption, windowed->Style()->Font()->toQFont()); !arrow.isNull())
            return QString(arrow);
        return windowed->Properties()->ShowAccelChar() ? withoutAccelerators(caption) : caption;
    }
    return {};
}

AccessibleLabel::AccessibleLabel(QWidget *label, QAccessible::Role role) : AccessibleControl(label, role)
{
}

void *AccessibleLabel::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return AccessibleControl::interface_cast(t);
}

AccessibleLink::AccessibleLink(TOvcURL *link) : AccessibleLabel(link, QAccessible::Link)
{
}

TOvcURL *AccessibleLink::link() const
{
    return static_cast<TOvcURL *>(widget());
}

QAccessible::State AccessibleLink::state() const
{
    QAccessible::State s = AccessibleLabel::state();
    s.linked = true;
    return s;
}

void *AccessibleLink::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::HyperlinkInterface)
        return static_cast<QAccessibleHyperlinkInterface *>(this);
    return AccessibleLabel::interface_cast(t);
}

QStringList AccessibleLink::actionNames() const
{
    return QStringList{pressAction()} + AccessibleLabel::actionNames();
}

QString AccessibleLink::localizedActionDescription(const QString &name) const
{
    return name == pressAction() ? link()->URL() : AccessibleLabel::localizedActionDescription(name);
}

void AccessibleLink::doAction(const QString &name)
{
    if (name == pressAction())
        link()->Click(); // as a click on the label: the desktop opens the address
    else
        AccessibleLabel::doAction(name);
}

QString AccessibleLink::anchorTarget() const
{
    return link()->URL();
}

} // namespace dorvane::accessible
