#pragma once
#include <QList>
#include <QPointer>

class QWidget;
class TControl;

namespace dorvane {

using ControlList = QList<QPointer<TControl>>;

struct RegisteredControls
{
    ControlList managed;
    ControlList statusBars;
};

// The controls the elastic layout manages under `parent`, each after its managed parent:
// named controls, except pages of a page control, children of a notebook and status bars.
void RegisterControls(const QWidget *parent, RegisteredControls &into);

// Top-aligned by increasing Top, bottom by decreasing Top, left by increasing Left, right by
// decreasing Left, client by increasing Left, then the rest in registration order.
// Among equal keys the control registered later comes first.
ControlList OrderByAlignment(const ControlList &managed);

// True when the object's class is `className` or derives from it.
bool InheritsClass(const QObject *object, const char *className);

} // namespace dorvane
