#include "accessible_pages.h"

#include "shown_text.h"

#include "controls/display/tcxpagecontrol.h"

namespace dorvane::accessible {

AccessiblePageControl::AccessiblePageControl(TcxPageControl *pageControl)
    : AccessibleControl(pageControl, QAccessible::PageTabList)
{
}

TcxPageControl *AccessiblePageControl::pageControl() const
{
    return static_cast<TcxPageControl *>(widget());
}

int AccessiblePageControl::childCount() const
{
    return pageControl()->PageCount();
}

QAccessibleInterface *AccessiblePageControl::child(int index) const
{
    TcxTabSheet *page = pageControl()->Pages(index);
    return page ? QAccessible::queryAccessibleInterface(page) : nullptr;
}

int AccessiblePageControl::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *page = child ? qobject_cast<const TcxTabSheet *>(child->object()) : nullptr;
    return page ? pageControl()->IndexOfPage(page) : -1;
}

QAccessibleInterface *AccessiblePageControl::childAt(int x, int y) const
{
    const TcxPageControl *pc = pageControl();
    const QPoint local = pc->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < pc->PageCount(); ++i)
        if (pc->Pages(i)->TabVisible() && pc->TabRect(i).contains(local))
            return child(i);
    // Within the page area: the page that shows, through which its controls are reached.
    if (pc->ActivePage() && pc->PageArea().contains(local))
        return child(pc->IndexOfPage(pc->ActivePage()));
    return nullptr;
}

QAccessibleInterface *AccessiblePageControl::focusChild() const
{
    const TcxPageControl *pc = pageControl();
    if (pc->hasFocus() && pc->ActivePage())
        return child(pc->IndexOfPage(pc->ActivePage()));
    return AccessibleControl::focusChild();
}

AccessibleTabSheet::AccessibleTabSheet(TcxTabSheet *sheet) : AccessibleControl(sheet, QAccessible::PageTab)
{
}

TcxTabSheet *AccessibleTabSheet::sheet() const
{
    return static_cast<TcxTabSheet *>(widget());
}

QString AccessibleTabSheet::ownName() const
{
    return withoutAccelerators(sheet()->Caption());
}

QRect AccessibleTabSheet::rect() const
{
    const TcxPageControl *pc = sheet()->PageControl();
    if (!pc)
        return AccessibleControl::rect();
    const QRect tab = pc->TabRect(pc->IndexOfPage(sheet()));
    return tab.isEmpty() ? QRect() : QRect(pc->mapToGlobal(tab.topLeft()), tab.size());
}

QAccessible::State AccessibleTabSheet::state() const
{
    QAccessible::State s = AccessibleControl::state();
    const TcxPageControl *pc = sheet()->PageControl();
    if (!pc)
        return s;
    // The tab, not the page behind it, decides: a tab shows while its page is hidden.
    const bool selected = pc->ActivePage() == sheet();
    s.invisible = !sheet()->TabVisible() || !pc->isVisible();
    s.offscreen = !s.invisible && rect().isEmpty();
    s.selectable = true;
    s.selected = selected;
    s.focusable = pc->Focusable();
    s.focused = selected && pc->hasFocus();
    return s;
}

QStringList AccessibleTabSheet::actionNames() const
{
    return {pressAction()};
}

void AccessibleTabSheet::doAction(const QString &name)
{
    if (name != pressAction())
        return;
    if (TcxPageControl *pc = sheet()->PageControl())
        pc->SelectTab(pc->IndexOfPage(sheet()));
}

} // namespace dorvane::accessible
