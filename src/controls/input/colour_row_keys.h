#pragma once
#include <Qt>
#include <optional>

namespace dorvane {

// How a key or a wheel notch moves through the picker's rows; the closed box and the open list
// share this table. Nothing wraps around.
enum class RowMove { Up, Down, PageUp, PageDown, First, Last };

// The row after the move; `current` is -1 when no row is selected. A move that cannot go
// anywhere returns `current` unchanged.
int rowAfterMove(RowMove move, int current, int rowCount, int dropDownRows);

// The move a key stands for (Ctrl+PgUp/PgDn behave as Home/End), or none.
std::optional<RowMove> rowMoveForKey(int key, Qt::KeyboardModifiers modifiers);

} // namespace dorvane
