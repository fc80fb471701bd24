#include "wm_window_test.h"

#include "controls/base/platform.h"
#include "controls/base/tcontrol.h"
#include "controls/base/tfont.h"
#include "elastic/elastic_form.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <ostream>

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
