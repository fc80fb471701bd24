#pragma once
#include <QList>
#include <QPoint>
#include <QRect>

namespace dorvane {

// Where the tabs of a page control sit in their row. Tabs run from the row's left edge in page
// order from the first shown one; hidden tabs take no room. When they do not all fit, two scroll
// buttons take the right end of the row and the tabs beyond it are cut off.
struct TabRowLayout
{
    QList<QRect> tabs; // one per tab; empty for a hidden tab or one scrolled out of the row
    bool overflow = false;
    QRect scrollBack;
    QRect scrollForward;

    // Index of the tab under `point`, or -1.
    int tabAt(const QPoint &point) const;
};

constexpr int TabScrollButtonWidth = 17;

TabRowLayout layoutTabRow(const QRect &row, const QList<int> &widths, const QList<bool> &visible, int firstShown);

// First shown tab after scrolling by `step` tabs (the wheel or a scroll button), kept within
// the visible tabs.
int scrolledFirstTab(const QList<bool> &visible, int firstShown, int step);

// The first shown tab that brings `selected` into the row.
int firstTabShowing(const QRect &row, const QList<int> &widths, const QList<bool> &visible, int firstShown,
                    int selected);

} // namespace dorvane
