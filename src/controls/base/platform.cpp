#include "platform.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <cstdint>

namespace dorvane {

namespace {

QPalette::ColorRole roleOfSystemColour(int index, QPalette::ColorGroup &group)
{
    group = QPalette::Active;
    switch (index) {
    case 0: return QPalette::Window;         // scroll bar
    case 1: return QPalette::Shadow;         // desktop
    case 2: return QPalette::Highlight;      // active caption
    case 3: group = QPalette::Inactive; return QPalette::Highlight; // inactive caption
    case 4: return QPalette::Window;         // menu
    case 5: return QPalette::Base;           // window
    case 6: return QPalette::Shadow;         // window frame
    case 7: return QPalette::WindowText;     // menu text
    case 8: return QPalette::Text;           // window text
    case 9: return QPalette::HighlightedText; // caption text
    case 10: case 11: return QPalette::Mid;  // borders
    case 12: return QPalette::Dark;          // app workspace
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;        // button face
    case 16: return QPalette::Dark;          // button shadow
    case 17: group = QPalette::Disabled; return QPalette::Text; // grey text
    case 18: return QPalette::ButtonText;
    case 19: group = QPalette::Inactive; return QPalette::HighlightedText;
    case 20: return QPalette::Light;         // button highlight
    case 21: return QPalette::Shadow;        // 3-D dark shadow
    case 22: return QPalette::Midlight;      // 3-D light
    case 23: return QPalette::ToolTipText;
    case 24: return QPalette::ToolTipBase;
    case 26: return QPalette::Link;          // hot light
    case 29: return QPalette::Highlight;     // menu highlight
    case 30: return QPalette::Window;        // menu bar
    default: return QPalette::Window;
    }
}

BeepHook &beepHook()
{
    static BeepHook hook;
    return hook;
}

} // namespace

QColor toQColor(int colourValue, const QPalette &palette)
{
    const auto v = static_cast<std::uint32_t>(colourValue);
    if ((v & 0xFF000000u) == 0xFF000000u) {
        QPalette::ColorGroup group;
        const QPalette::ColorRole role = roleOfSystemColour(static_cast<int>(v & 0xFFu), group);
        return palette.color(group, role);
    }
    if (colourValue == 0x1FFFFFFF) // clNone
        return QColor(Qt::transparent);
    if (colourValue == 0x20000000) // clDefault
        return palette.color(QPalette::Base);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

int fromQColor(const QColor &c)
{
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

void Beep()
{
    if (beepHook())
        beepHook()();
    else
        QApplication::beep();
}

BeepHook setBeepHook(BeepHook hook)
{
    BeepHook previous = std::move(beepHook());
    beepHook() = std::move(hook);
    return previous;
}

void MoveFrameTo(QWidget *window, QPoint topLeft)
{
    window->move(topLeft);
    // A window that exists on the screen but has no frame yet is placed by its client area;
    // only the window handle can say that the point is meant for the frame.
    const bool framed = window->frameGeometry().size() != window->geometry().size();
    if (window->testAttribute(Qt::WA_WState_Created) && window->windowHandle() && !framed)
        window->windowHandle()->setFramePosition(topLeft);
}

} // namespace dorvane
