#pragma once
#include "settings/view_settings.h"

#include <QList>
#include <QRect>
#include <QSize>

namespace dorvane {

// Whether a window's remembered outer bounds can be used as they are on the screens there are
// now (their usable areas): a usable part of the window's title area lies on one of them, and
// the window is no smaller than `minimum` and no larger than that screen's usable area. Bounds
// from a settings file can hold anything, and a window put where none of this holds is lost:
// off every screen, too small to find, or too large for a window system to draw.
bool rememberedPlaceFits(const WindowBounds &bounds, const QList<QRect> &screens, QSize minimum);

// The same for the screens of this session.
bool rememberedPlaceFits(const WindowBounds &bounds, QSize minimum);

// Whether a window's outer bounds show enough of its title area on some screen to be seen and
// taken hold of.
bool titleOnSomeScreen(const QRect &bounds);

} // namespace dorvane
