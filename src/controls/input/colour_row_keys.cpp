#include "colour_row_keys.h"

#include <algorithm>

namespace dorvane {

int rowAfterMove(RowMove move, int current, int rowCount, int dropDownRows)
{
    if (rowCount <= 0)
        return current;
    const int last = rowCount - 1;
    const int page = std::max(1, dropDownRows) - 1;
    switch (move) {
    case RowMove::Up:
        return current - 1 >= 0 ? current - 1 : current;
    case RowMove::Down:
        return std::min(current + 1, last) > current ? current + 1 : current;
    case RowMove::PageUp:
        return current < 0 ? current : std::max(0, current - page);
    case RowMove::PageDown:
        return current < 0 ? std::min(page, last) : std::min(current + page, last);
    case RowMove::First:
        return 0;
    case RowMove::Last:
        return last;
    }
    return current;
}

std::optional<RowMove> rowMoveForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Up: return RowMove::Up;
    case Qt::Key_Down: return RowMove::Down;
    case Qt::Key_PageUp: return ctrl ? RowMove::First : RowMove::PageUp;
    case Qt::Key_PageDown: return ctrl ? RowMove::Last : RowMove::PageDown;
    case Qt::Key_Home: return RowMove::First;
    case Qt::Key_End: return RowMove::Last;
    default: return std::nullopt;
    }
}

} // namespace dorvane
