#pragma once
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace dorvane::accessible {

// A control beside a field, in the parent's coordinates; a caption is a label with text.
struct Neighbour
{
    QRect bounds;
    bool isCaption = false;
};

// Which neighbour captions a field at `field`: the caption just above it (overlapping it
// across, at most the field's own height away; the closest wins), or else the nearest control
// to its left on the same line, when that is a caption. -1 when none does.
int captionIndexFor(const QRect &field, const QList<Neighbour> &neighbours);

// The label among the field's shown siblings that captions it, or nullptr.
QWidget *captionLabelFor(const QWidget *field);
// That label's text as shown; empty when no label captions the field.
QString fieldCaption(const QWidget *field);

} // namespace dorvane::accessible
