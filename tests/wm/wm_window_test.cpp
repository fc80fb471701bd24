#include "wm_window_test.h"

#include "controls/base/platform.h"
#include "controls/base/tcontrol.h"
#include "controls/base/tfont.h"
#include "elastic/elastic_form.h"
#include "elastic/qt_message_adapter.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QProcess>
#include <QScreen>
#include <cstdlib>
#include <ostream>
#include <xcb/xcb.h>

void PrintTo(const LayoutSnapshot &layout, std::ostream *os)
{
    for (auto it = layout.bounds.begin(); it != layout.bounds.end(); ++it)
        *os << "\n  " << it.key().toStdString() << " (" << it->x() << ", " << it->y() << ", " << it->width() << ", "
            << it->height() << ") " << layout.fonts.value(it.key()) << " pt";
}

TElasticForm *WindowManagerTest::elastic() const
{
    return m_window->findChild<TElasticForm *>(QStringLiteral("ElasticForm1"));
}

LayoutSnapshot WindowManagerTest::layout() const
{
    LayoutSnapshot snapshot;
    for (const auto &control : elastic()->ManagedControls()) {
        snapshot.bounds[control->Name()] = control->geometry();
        snapshot.fonts[control->Name()] = control->Font()->Size();
    }
    return snapshot;
}

bool WindowManagerTest::xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QRect WindowManagerTest::outerBounds(const QWidget *window)
{
    return window->geometry().marginsAdded(dorvane::FrameMargins(window));
}

QRect WindowManagerTest::availableArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QRect WindowManagerTest::serverGeometry(const QWidget *window)
{
    xcb_connection_t *connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_get_geometry_reply_t *size = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr);
    xcb_translate_coordinates_reply_t *place =
        xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, id, root, 0, 0), nullptr);
    const QRect geometry = size && place ? QRect(place->dst_x, place->dst_y, size->width, size->height) : QRect();
    std::free(size);
    std::free(place);
    return geometry;
}

bool WindowManagerTest::placedInItsFrame(const TForm *window)
{
    const auto *elastic = window->findChild<TElasticForm *>();
    return window->FrameKnown() && elastic && elastic->Adapter()->FrameInLayout() == window->FrameExtra()
           && serverGeometry(window) == window->geometry();
}

bool WindowManagerTest::placedWhereItOpens(const TForm *window)
{
    return placedInItsFrame(window)
           && outerBounds(window) == window->findChild<TElasticForm *>()->InitialBounds();
}
