#include "first_view_place.h"

#include <algorithm>
#include <cstdint>

namespace dorvane {

namespace {

std::int64_t areaOf(const QRect &rect)
{
    return rect.isEmpty() ? 0 : std::int64_t{rect.width()} * rect.height();
}

// `size` made no larger than `area`, keeping its shape.
QSize fittedInto(QSize size, const QRect &area)
{
    if (size.width() <= area.width() && size.height() <= area.height())
        return size;
    return size.scaled(area.size(), Qt::KeepAspectRatio);
}

// `size` centred in `area`.
QRect centredIn(QSize size, const QRect &area)
{
    QRect rect(QPoint(), fittedInto(size, area));
    rect.moveCenter(area.center());
    return rect;
}

// A place beside the main window, clear of it and inside the area, if there is one: to its right
// or left, level with its top, or below or above it, level with its left edge.
bool besideMainWindow(const QRect &area, const QRect &main, QSize size, QRect &place)
{
    const auto within = [&](int from, int length, int areaFrom, int areaLength) {
        return std::clamp(from, areaFrom, areaFrom + areaLength - length);
    };
    if (size.width() > area.width() || size.height() > area.height())
        return false;
    const int top = within(main.top(), size.height(), area.top(), area.height());
    const int left = within(main.left(), size.width(), area.left(), area.width());
    const QRect candidates[] = {
        QRect(QPoint(main.right() + 1, top), size),
        QRect(QPoint(main.left() - size.width(), top), size),
        QRect(QPoint(left, main.bottom() + 1), size),
        QRect(QPoint(left, main.top() - size.height()), size),
    };
    for (const QRect &candidate : candidates) {
        if (area.contains(candidate)) {
            place = candidate;
            return true;
        }
    }
    return false;
}

// The corner of `area` farthest from the main window's centre, as a rect of `size` there.
QRect inFarthestCorner(const QRect &area, const QRect &main, QSize size)
{
    const QPoint centre = main.center();
    const bool right = centre.x() - area.left() < area.right() - centre.x();
    const bool bottom = centre.y() - area.top() < area.bottom() - centre.y();
    QRect rect(QPoint(), size);
    if (right)
        rect.moveRight(area.right());
    else
        rect.moveLeft(area.left());
    if (bottom)
        rect.moveBottom(area.bottom());
    else
        rect.moveTop(area.top());
    return rect;
}

} // namespace

FirstViewPlace firstViewPlace(const QList<QRect> &screens, int mainScreen, const QRect &mainBounds, QSize viewSize,
                              QSize smallest)
{
    FirstViewPlace place;
    if (screens.isEmpty())
        return place;
    mainScreen = std::clamp(mainScreen, 0, static_cast<int>(screens.size()) - 1);
    for (int i = 0; i < screens.size(); ++i) {
        if (i != mainScreen) {
            place.screen = i;
            place.bounds = centredIn(viewSize, screens[i]);
            place.fullScreen = true;
            return place;
        }
    }

    const QRect area = screens[mainScreen];
    place.screen = mainScreen;
    const QSize size = fittedInto(viewSize, area);
    if (besideMainWindow(area, mainBounds, size, place.bounds))
        return place;

    // Smaller a step at a time, keeping the shape, until it covers little enough of the main window.
    const std::int64_t mostCovered = areaOf(mainBounds) / 10;
    const int steps = 50;
    for (int step = 0; step <= steps; ++step) {
        const double scale = 1.0 - step / double(steps);
        QSize smaller(std::max(smallest.width(), int(size.width() * scale)),
                      std::max(smallest.height(), int(size.height() * scale)));
        place.bounds = inFarthestCorner(area, mainBounds, fittedInto(smaller, area));
        if (areaOf(place.bounds & mainBounds) <= mostCovered)
            break;
    }
    return place;
}

} // namespace dorvane
