#pragma once
#include "elastic_messages.h"

#include <QSize>
#include <functional>

class QWidget;
class TForm;

namespace dorvane {

// The size of the screen area a maximized window covers, for the screen the widget is on.
QSize MaximizedArea(const QWidget *widget);
// Tests pin the screen size; an empty hook restores the real screen. Returns the previous hook.
using MaximizedAreaHook = std::function<QSize()>;
MaximizedAreaHook setMaximizedAreaHook(MaximizedAreaHook hook);

// The widget that has the keyboard focus (the platform's focus handle), or nullptr.
QWidget *FocusedWidget();
void GiveFocus(QWidget *widget);

WindowPlacement ReadWindowPlacement(const TForm *form);
void ApplyWindowPlacement(TForm *form, const WindowPlacement &placement);

} // namespace dorvane
