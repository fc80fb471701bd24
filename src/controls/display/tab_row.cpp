#include "tab_row.h"

namespace dorvane {

int TabRowLayout::tabAt(const QPoint &point) const
{
    if (overflow && (scrollBack.contains(point) || scrollForward.contains(point)))
        return -1;
    for (int i = 0; i < tabs.size(); ++i)
        if (!tabs[i].isEmpty() && tabs[i].contains(point))
            return i;
    return -1;
}

TabRowLayout layoutTabRow(const QRect &row, const QList<int> &widths, const QList<bool> &visible, int firstShown)
{
    TabRowLayout layout;
    layout.tabs.resize(widths.size());
    int total = 0;
    for (int i = 0; i < widths.size(); ++i)
        if (visible.value(i))
            total += widths[i];
    layout.overflow = total > row.width();
    int right = row.right();
    if (layout.overflow) {
        layout.scrollForward = QRect(row.right() + 1 - TabScrollButtonWidth, row.top(), TabScrollButtonWidth, row.height());
        layout.scrollBack = layout.scrollForward.translated(-TabScrollButtonWidth, 0);
        right = layout.scrollBack.left() - 1;
    } else {
        firstShown = 0;
    }
    int x = row.left();
    for (int i = 0; i < widths.size(); ++i) {
        if (!visible.value(i) || i < firstShown || x > right)
            continue;
        const QRect tab(x, row.top(), widths[i], row.height());
        layout.tabs[i] = tab.intersected(QRect(QPoint(row.left(), row.top()), QPoint(right, row.bottom())));
        x += widths[i];
    }
    return layout;
}

int scrolledFirstTab(const QList<bool> &visible, int firstShown, int step)
{
    int candidate = firstShown;
    const int direction = step < 0 ? -1 : 1;
    for (int moved = 0; moved != step;) {
        int next = candidate + direction;
        while (next >= 0 && next < visible.size() && !visible[next])
            next += direction;
        if (next < 0 || next >= visible.size())
            break;
        candidate = next;
        moved += direction;
    }
    return candidate;
}

int firstTabShowing(const QRect &row, const QList<int> &widths, const QList<bool> &visible, int firstShown,
                    int selected)
{
    if (selected < 0 || selected >= widths.size())
        return firstShown;
    if (selected < firstShown)
        return selected;
    for (int first = firstShown; first <= selected; ++first) {
        const TabRowLayout layout = layoutTabRow(row, widths, visible, first);
        const QRect tab = layout.tabs.value(selected);
        if (!layout.overflow || (!tab.isEmpty() && tab.width() == widths[selected]))
            return layout.overflow ? first : 0;
    }
    return selected;
}

} // namespace dorvane
