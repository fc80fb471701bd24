#pragma once
#include <QPoint>
#include <QSize>
#include <vector>

// The elastic layout's arithmetic: one rounding rule per name, used everywhere in this folder.
namespace dorvane::layoutmath {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int Round(double x);
// Drops the fraction toward zero.
int Trunc(double x);
// Truncates unless the fraction exceeds one half (10.5 -> 10, 151.97 -> 152).
int RoundHalfDown(double x);

// A signed size property: positive is pixels, negative a percentage of the screen extent,
// 0 stays 0 (no constraint).
int SignedSize(int value, int screenExtent);

// The maximized size that keeps the design proportions on a screen (6 and 5 pixel margins).
QSize ProportionalMaxTrack(QSize designForm, QSize screen);

// The size a drag ends at when proportions are kept: the side that changed more leads.
QSize KeepProportions(QSize start, QSize dragged);

// Where the tiles of a picture go to cover a client area; neighbours overlap by one pixel.
std::vector<QPoint> TileOrigins(QSize client, QSize picture);

} // namespace dorvane::layoutmath
