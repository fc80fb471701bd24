#pragma once
#include "elastic_messages.h"

#include <QRect>
#include <QSize>
#include <functional>

class QWidget;
class TForm;

namespace dorvane {

// The size of the screen area a maximized window covers, for the screen the widget is on.
QSize MaximizedArea(const QWidget *widget);
// Where a new window opens: the area a maximized window covers on the primary screen, in
// desktop coordinates.
QRect PrimaryMaximizedArea();
// Tests pin the area (for every screen); an empty hook restores the real screens. Returns the
// previous hook.
using MaximizedAreaHook = std::function<QRect()>;
MaximizedAreaHook setMaximizedAreaHook(MaximizedAreaHook hook);

// The widget that has the keyboard focus (the platform's focus handle), or nullptr.
QWidget *FocusedWidget();
void GiveFocus(QWidget *widget);

WindowPlacement ReadWindowPlacement(const TForm *form);
void ApplyWindowPlacement(TForm *form, const WindowPlacement &placement);

} // namespace dorvane
