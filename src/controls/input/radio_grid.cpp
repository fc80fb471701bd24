#include "radio_grid.h"

#include <algorithm>

namespace dorvane {

QVector<QRect> radioGridCells(int itemCount, int columns, const QRect &area, int gap)
{
    QVector<QRect> cells;
    if (itemCount <= 0)
        return cells;
    const int c = std::max(1, std::min(columns, itemCount));
    const int r = (itemCount + c - 1) / c;
    const int columnWidth = std::max(0, (area.width() - (c - 1) * gap) / c);
    const int rowHeight = std::max(0, area.height() / r);
    cells.reserve(itemCount);
    for (int i = 0; i < itemCount; ++i) {
        const int column = i / r;
        const int row = i % r;
        cells.append(QRect(area.left() + column * (columnWidth + gap), area.top() + row * rowHeight,
                           columnWidth, rowHeight));
    }
    return cells;
}

} // namespace dorvane
