#pragma once
#include <QRect>
#include <QVector>

namespace dorvane {

// Cells of an option group's buttons: columns = min(columns, n) and at least 1, rows = n / columns
// rounded up; item i stands in column i / rows and row i % rows (the first column fills top to
// bottom first). Columns share the width equally with `gap` between them; rows share the height.
QVector<QRect> radioGridCells(int itemCount, int columns, const QRect &area, int gap);

} // namespace dorvane
