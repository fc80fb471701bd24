#include "field_caption.h"

#include "accessible_labels.h"

#include "controls/display/tovcurl.h"

#include <QWidget>
#include <climits>

namespace dorvane::accessible {

namespace {

bool overlapAcross(const QRect &a, const QRect &b)
{
    return a.left() <= b.right() && a.right() >= b.left();
}

bool overlapDown(const QRect &a, const QRect &b)
{
    return a.top() <= b.bottom() && a.bottom() >= b.top();
}

QList<QWidget *> shownSiblings(const QWidget *field)
{
    QList<QWidget *> siblings;
    if (const QWidget *parent = field->parentWidget())
        for (QObject *o : parent->children())
            if (auto *w = qobject_cast<QWidget *>(o); w && w != field && !w->isWindow() && !w->isHidden())
                siblings.append(w);
    return siblings;
}

bool isCaption(const QWidget *w)
{
    return !qobject_cast<const TOvcURL *>(w) && !shownLabelText(w).isEmpty(); // a link names no field
}

} // namespace

int captionIndexFor(const QRect &field, const QList<Neighbour> &neighbours)
{
    int best = -1;
    int bestGap = INT_MAX;
    for (int i = 0; i < neighbours.size(); ++i) {
        const QRect &r = neighbours[i].bounds;
        if (!neighbours[i].isCaption || r.bottom() >= field.top() || !overlapAcross(r, field))
            continue;
        const int gap = field.top() - r.bottom() - 1;
        if (gap <= field.height() && gap < bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    if (best >= 0)
        return best;
    for (int i = 0; i < neighbours.size(); ++i) {
        const QRect &r = neighbours[i].bounds;
        if (r.right() >= field.left() || !overlapDown(r, field))
            continue;
        const int gap = field.left() - r.right() - 1;
        if (gap < bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    return best >= 0 && neighbours[best].isCaption ? best : -1;
}

QWidget *captionLabelFor(const QWidget *field)
{
    if (!field)
        return nullptr;
    const QList<QWidget *> siblings = shownSiblings(field);
    QList<Neighbour> neighbours;
    neighbours.reserve(siblings.size());
    for (const QWidget *w : siblings)
        neighbours.append({w->geometry(), isCaption(w)});
    const int index = captionIndexFor(field->geometry(), neighbours);
    return index >= 0 ? siblings[index] : nullptr;
}

QString fieldCaption(const QWidget *field)
{
    return shownLabelText(captionLabelFor(field));
}

} // namespace dorvane::accessible
