#include "platform.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstdlib>
#if QT_CONFIG(xcb)
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

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

namespace {

#if QT_CONFIG(xcb)
// X11: the frame extents the window manager writes on the window. Qt's own measure of the frame
// walks the window tree and can catch the window manager half-way through framing the window.
xcb_atom_t frameExtentsAtom(xcb_connection_t *connection)
{
    static xcb_connection_t *atomConnection = nullptr;
    static xcb_atom_t atom = XCB_ATOM_NONE;
    if (atomConnection != connection) {
        static const char name[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        atomConnection = connection;
    }
    return atom;
}

QMargins x11FrameExtents(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t atom = frameExtentsAtom(connection);
    if (atom == XCB_ATOM_NONE)
        return {};
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, atom, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    QMargins margins;
    if (reply && reply->type == XCB_ATOM_CARDINAL && reply->format == 32 && reply->value_len == 4) {
        const auto *extents = static_cast<const std::uint32_t *>(xcb_get_property_value(reply));
        // left, right, top, bottom
        margins = QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
    }
    std::free(reply);
    return margins;
}
#endif

} // namespace

QMargins FrameMargins(const QWidget *window)
{
    if (!window->isVisible() || !window->testAttribute(Qt::WA_WState_Created))
        return {};
#if QT_CONFIG(xcb)
    static const bool onX11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (auto *x11 = onX11 ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        if (xcb_connection_t *connection = x11->connection())
            return x11FrameExtents(connection, static_cast<xcb_window_t>(window->winId()));
#endif
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    const bool whole = margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0;
    return whole ? margins : QMargins();
}

QMargins FrameMarginsOr(const QWidget *window, QMargins expected)
{
    const QMargins frame = FrameMargins(window);
    return frame.isNull() ? expected : frame;
}

void MoveFrameTo(QWidget *window, QPoint topLeft, QMargins expected)
{
    // The window is placed by its client area, the one position every window system takes the
    // same way, whatever it has done to the frame so far.
    const QMargins frame = FrameMarginsOr(window, expected);
    const QPoint client = topLeft + QPoint(frame.left(), frame.top());
    if (window->geometry().topLeft() != client)
        window->setGeometry(QRect(client, window->size()));
}

} // namespace dorvane
