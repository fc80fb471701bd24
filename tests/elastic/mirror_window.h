#pragma once
// A window with the main window's structure (names, bounds, fonts), built from plain
// controls, with its elastic component, for checks that need no window manager.
#include "mirror_controls.h"

#include "elastic/elastic_form.h"
#include "elastic/elastic_platform.h"
#include "elastic/qt_message_adapter.h"

#include <QMap>
#include <gtest/gtest.h>
#include <memory>

struct MirrorWindow
{
    std::unique_ptr<TForm> form;
    TElasticForm *elastic = nullptr;
    QMap<QString, TControl *> controls;

    TControl *operator[](const QString &name) const { return controls.value(name); }
    template <typename T>
    T *as(const QString &name) const { return qobject_cast<T *>(controls.value(name)); }
};

// Builds the window at its design bounds; the component gets the stored values.
std::unique_ptr<MirrorWindow> buildMirror(bool resolutionIndependence = false);

// A form with no controls of its own and the window's design metrics, for the rules that
// depend on the form alone (where it opens, what an empty layout does).
struct BareForm
{
    explicit BareForm(TForm::TPosition position, QPoint designTopLeft = {327, 295});
    // Shown without a window system; the component gets its first show-window message.
    void show();

    std::unique_ptr<TForm> form;
    TElasticForm *elastic = nullptr;
};

// Feeds one message to the component; returns whether it would be passed on.
bool send(TElasticForm *e, dorvane::ElasticMessageId id, quintptr wParam = 0);

// Rule-level fixture: the form is "shown" without a window system and gets its messages by
// hand, so each message's effect can be checked alone. The maximized area is pinned.
class ElasticRules : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Shows the form as the platform would: show-window, then the first activation.
    void showAndActivate();
    // A programmatic size change of the outer bounds, as the window system reports it.
    void resizeTo(int width, int height, quintptr kind = dorvane::SizeRestored);
    void setScreen(QSize size) { m_area = QRect(QPoint(), size); }
    // The maximized area where it lies on the desktop (a screen right of another, a panel above).
    void setArea(QRect area) { m_area = area; }

    std::unique_ptr<MirrorWindow> w;
    QRect m_area{0, 0, 1255, 1004};
    dorvane::MaximizedAreaHook m_previousHook;
};

QRect boundsOf(const TControl *c);

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
