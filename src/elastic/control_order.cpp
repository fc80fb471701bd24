#include "control_order.h"

#include "controls/base/published.h"
#include "controls/base/tcontrol.h"

#include <cstring>
#include <functional>

namespace dorvane {

namespace {

bool classIs(const QObject *o, const char *name)
{
    return o && std::strcmp(o->metaObject()->className(), name) == 0;
}

bool isManageable(const TControl *child, const QWidget *parent)
{
    if (hasPublishedProperty(child, QStringLiteral("PageIndex")) && !classIs(child, "TOvcNotebook")
        && !hasPublishedProperty(child, QStringLiteral("Pages")))
        return false;
    return !classIs(parent, "TOvcNotebook") && !classIs(child, "TStatusBar");
}

int alignOf(const TControl *c)
{
    const QVariant v = readPublished(c, QStringLiteral("Align"));
    return v.isValid() ? v.toInt() : TControl::alNone;
}

// Repeated selection; a later control whose key is equal or beyond the candidate's takes over.
ControlList selectionSorted(ControlList group, const std::function<int(const TControl *)> &key, bool ascending)
{
    ControlList sorted;
    while (!group.isEmpty()) {
        qsizetype best = 0;
        for (qsizetype i = 1; i < group.size(); ++i) {
            const int k = key(group[i]), kb = key(group[best]);
            if (ascending ? k <= kb : k >= kb)
                best = i;
        }
        sorted.append(group.takeAt(best));
    }
    return sorted;
}

} // namespace

bool InheritsClass(const QObject *object, const char *className)
{
    for (const QMetaObject *m = object ? object->metaObject() : nullptr; m; m = m->superClass())
        if (std::strcmp(m->className(), className) == 0)
            return true;
    return false;
}

void RegisterControls(const QWidget *parent, RegisteredControls &into)
{
    for (TControl *child : ControlsOf(parent)) {
        if (classIs(child, "TStatusBar"))
            into.statusBars.append(child);
        if (!child->Name().isEmpty() && isManageable(child, parent))
            into.managed.append(child);
        if (child->IsWindowed())
            RegisterControls(child, into);
    }
}

ControlList OrderByAlignment(const ControlList &managed)
{
    ControlList top, bottom, left, right, client, rest;
    for (const auto &c : managed) {
        if (!c)
            continue;
        switch (alignOf(c)) {
        case TControl::alTop: top.append(c); break;
        case TControl::alBottom: bottom.append(c); break;
        case TControl::alLeft: left.append(c); break;
        case TControl::alRight: right.append(c); break;
        case TControl::alClient: client.append(c); break;
        default: rest.append(c); break;
        }
    }
    const auto byTop = [](const TControl *c) { return c->Top(); };
    const auto byLeft = [](const TControl *c) { return c->Left(); };
    ControlList order;
    order << selectionSorted(top, byTop, true) << selectionSorted(bottom, byTop, false)
          << selectionSorted(left, byLeft, true) << selectionSorted(right, byLeft, false)
          << selectionSorted(client, byLeft, true) << rest;
    return order;
}

} // namespace dorvane
