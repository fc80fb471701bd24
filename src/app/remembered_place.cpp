#include "remembered_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdint>

namespace dorvane {

namespace {

// The title bar's height as window managers draw it, near enough, and how much of its width must
// be on a screen for the user to find it and drag the window.
constexpr std::int64_t kTitleHeight = 24;
constexpr std::int64_t kTitleGrip = 64;

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

// The screen holding a usable part of the title area; null when none does. Worked in 64 bits:
// remembered values near the ends of the 32-bit range must not overflow.
const QRect *screenUnderTitle(const WindowBounds &bounds, const QList<QRect> &screens)
{
    const std::int64_t left = bounds.left;
    const std::int64_t top = bounds.top;
    const std::int64_t right = left + bounds.width;
    const std::int64_t titleBottom = top + std::min<std::int64_t>(kTitleHeight, bounds.height);
    for (const QRect &screen : screens) {
        const std::int64_t overlapWidth = std::min<std::int64_t>(right, std::int64_t(screen.x()) + screen.width())
                                        - std::max<std::int64_t>(left, screen.x());
        const std::int64_t overlapHeight =
            std::min<std::int64_t>(titleBottom, std::int64_t(screen.y()) + screen.height())
            - std::max<std::int64_t>(top, screen.y());
        if (overlapWidth >= std::min<std::int64_t>(kTitleGrip, bounds.width) && overlapHeight > 0
            && overlapHeight >= titleBottom - top)
            return &screen;
    }
    return nullptr;
}

} // namespace

bool rememberedPlaceFits(const WindowBounds &bounds, const QList<QRect> &screens, QSize minimum)
{
    if (bounds.width < minimum.width() || bounds.height < minimum.height())
        return false;
    const QRect *screen = screenUnderTitle(bounds, screens);
    return screen && bounds.width <= screen->width() && bounds.height <= screen->height();
}

bool rememberedPlaceFits(const WindowBounds &bounds, QSize minimum)
{
    return rememberedPlaceFits(bounds, availableAreas(), minimum);
}

bool titleOnSomeScreen(const QRect &bounds)
{
    return !bounds.isEmpty()
        && screenUnderTitle(WindowBounds{bounds.x(), bounds.y(), bounds.width(), bounds.height()}, availableAreas());
}

} // namespace dorvane
