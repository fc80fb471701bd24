#include "layout_math.h"

#include <climits>
#include <cmath>

namespace dorvane::layoutmath {

namespace {
int clampToInt(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (x <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(x);
}
} // namespace

int Round(double x)
{
    // nearbyint follows the default rounding mode, which is to nearest with ties to even.
    return clampToInt(std::nearbyint(x));
}

int Trunc(double x)
{
    return clampToInt(std::trunc(x));
}

int RoundHalfDown(double x)
{
    const double t = std::trunc(x);
    return x - t > 0.5 ? Round(x) : clampToInt(t);
}

int SignedSize(int value, int screenExtent)
{
    if (value >= 0)
        return value;
    return Round(std::fabs(static_cast<double>(value)) * 1.0 * screenExtent / 100.0);
}

QSize ProportionalMaxTrack(QSize designForm, QSize screen)
{
    if (screen.isEmpty() || designForm.height() == 0)
        return {};
    const double rw = double(designForm.width()) / screen.width();
    const double rh = double(designForm.height()) / screen.height();
    const double aspect = double(designForm.width()) / designForm.height();
    if (rw >= rh)
        return {screen.width() - 6, Round((screen.width() - 6) / aspect)};
    return {Round((screen.height() - 5) * aspect), screen.height() - 5};
}

QSize KeepProportions(QSize start, QSize dragged)
{
    const int sw = start.width(), sh = start.height();
    int w = dragged.width(), h = dragged.height();
    if (sh == 0 || sw == 0)
        return dragged;
    const bool growing = w + h > sw + sh;
    const int dw = w - sw, dh = h - sh;
    if (dw == dh)
        return dragged;
    if (growing == (dw > dh))
        h = Round(w * 1.0 * sh / sw);
    else
        w = Round(h * 1.0 * sw / sh);
    return {w, h};
}

std::vector<QPoint> TileOrigins(QSize client, QSize picture)
{
    std::vector<QPoint> origins;
    if (picture.width() <= 0 || picture.height() <= 0)
        return origins;
    const int cols = client.width() / picture.width();
    const int rows = client.height() / picture.height();
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= cols; ++c)
            origins.emplace_back(c * picture.width() - c, r * picture.height() - r);
    return origins;
}

} // namespace dorvane::layoutmath
