#pragma once
#include "accessible_control.h"

class TcxPageControl;
class TcxTabSheet;

namespace dorvane::accessible {

// A page control: a page-tab list whose children are its pages' tabs, in page order.
class AccessiblePageControl final : public AccessibleControl
{
public:
    explicit AccessiblePageControl(TcxPageControl *pageControl);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    TcxPageControl *pageControl() const;
};

// A page as its tab: a page tab named by its caption, selected while its page shows, placed
// where its tab is drawn; the page's controls are its children. Pressing it selects the page,
// as a click on the tab does.
class AccessibleTabSheet final : public AccessibleControl
{
public:
    explicit AccessibleTabSheet(TcxTabSheet *sheet);

    QRect rect() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &name) override;

protected:
    QString ownName() const override;

private:
    TcxTabSheet *sheet() const;
};

} // namespace dorvane::accessible
