#include "elastic_platform.h"

#include "controls/base/tform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace dorvane {

namespace {
MaximizedAreaHook &areaHook()
{
    static MaximizedAreaHook hook;
    return hook;
}
constexpr int PlacementRecordLength = 44;
constexpr int ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3;
} // namespace

QSize MaximizedArea(const QWidget *widget)
{
    if (areaHook())
        return areaHook()().size();
    QScreen *screen = widget ? widget->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize();
}

QRect PrimaryMaximizedArea()
{
    if (areaHook())
        return areaHook()();
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

MaximizedAreaHook setMaximizedAreaHook(MaximizedAreaHook hook)
{
    MaximizedAreaHook previous = std::move(areaHook());
    areaHook() = std::move(hook);
    return previous;
}

QWidget *FocusedWidget()
{
    return QApplication::focusWidget();
}

void GiveFocus(QWidget *widget)
{
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

WindowPlacement ReadWindowPlacement(const TForm *form)
{
    WindowPlacement p;
    p.length = PlacementRecordLength;
    switch (form->WindowState()) {
    case TForm::wsMinimized: p.showCmd = ShowMinimized; break;
    case TForm::wsMaximized: p.showCmd = ShowMaximized; break;
    default: p.showCmd = ShowNormal; break;
    }
    p.minPosition = QPoint(-1, -1);
    p.maxPosition = QPoint(-1, -1);
    const QRect normal = form->WindowState() == TForm::wsNormal ? form->BoundsRect()
                                                                 : QRect(form->normalGeometry().topLeft(),
                                                                         form->normalGeometry().size() + form->FrameExtra());
    p.normalLeft = normal.left();
    p.normalTop = normal.top();
    p.normalRight = normal.left() + normal.width();
    p.normalBottom = normal.top() + normal.height();
    return p;
}

void ApplyWindowPlacement(TForm *form, const WindowPlacement &placement)
{
    // The window stays shown whatever the record says: hiding a window while it is being shown
    // leaves it in a state no user can reach.
    if (placement.normalRight > placement.normalLeft && placement.normalBottom > placement.normalTop
        && form->WindowState() == TForm::wsNormal)
        form->SetBounds(placement.normalLeft, placement.normalTop, placement.normalRight - placement.normalLeft,
                        placement.normalBottom - placement.normalTop);
    if (placement.showCmd == ShowMaximized)
        form->SetWindowState(TForm::wsMaximized);
}

} // namespace dorvane
