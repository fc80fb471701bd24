// The elastic layout on the program's real main window, under the offscreen platform: which
// controls it manages, and where the controls and their fonts end up when the window is
// resized by the program, dragged by the user, maximized and restored.
#include "app/main_window/main_window_fixture.h"

#include "controls/base/tcontrol.h"
#include "controls/base/tfont.h"
#include "controls/display/tcustomlabel.h"
#include "controls/display/tcxlabel.h"
#include "controls/display/tcxpagecontrol.h"
#include "elastic/elastic_form.h"
#include "elastic/layout_math.h"
#include "elastic/qt_message_adapter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMap>
#include <QScreen>
#include <QWindow>
#include <algorithm>

using dorvane::layoutmath::Round;
using dorvane::layoutmath::RoundHalfDown;

namespace {

// The layout's design bounds of every control the component manages: the page control, the
// named controls of its two pages, the footer panel and the footer's three controls.
const QMap<QString, QRect> kDesignBounds = {
    {"cxPageControl1", {0, 8, 608, 393}},
    {"lblHrs", {7, 5, 182, 225}},         {"lblMins", {210, 5, 182, 225}},
    {"lblSecs", {413, 5, 182, 225}},      {"lblDirectionL", {6, 238, 66, 124}},
    {"lblDirectionR", {533, 238, 66, 124}}, {"Label3", {370, 264, 91, 16}},
    {"Label5", {337, 283, 34, 16}},       {"Label1", {389, 283, 46, 16}},
    {"Label2", {448, 283, 51, 16}},       {"spnHrs", {322, 303, 49, 26}},
    {"spnMin", {386, 303, 49, 26}},       {"spnSec", {450, 303, 49, 26}},
    {"btnStart", {114, 264, 75, 25}},     {"btnStop", {202, 264, 75, 25}},
    {"btnReset", {114, 304, 75, 25}},     {"btnDone", {202, 304, 75, 25}},
    {"Label6", {40, 16, 103, 16}},        {"cboBackgroundColor", {224, 16, 121, 24}},
    {"cboSecondsColor", {456, 72, 121, 24}}, {"cboExpiredColor", {456, 97, 121, 24}},
    {"cxLabel3", {272, 72, 68, 20}},      {"Label8", {272, 105, 89, 16}},
    {"spnColorSecs", {376, 72, 49, 24}},  {"rgColorChange", {40, 72, 185, 49}},
    {"rgDirection", {40, 152, 185, 49}},  {"rgVoice", {40, 232, 185, 49}},
    {"Panel1", {0, 408, 607, 33}},
    {"Label4", {121, 8, 203, 16}},        {"OvcURL1", {329, 8, 155, 16}},
    {"Label7", {552, 8, 42, 16}},
};

// Controls that keep exactly the bounds the scaling gives them: nothing sizes them to their
// text or font afterwards.
const QStringList kFixedSize = {"cxPageControl1", "Panel1", "lblDirectionL", "lblDirectionR",
                                "btnStart", "btnStop", "btnReset", "btnDone",
                                "rgColorChange", "rgDirection", "rgVoice"};
const QStringList kDigits = {"lblHrs", "lblMins", "lblSecs"};
const QStringList kArrows = {"lblDirectionL", "lblDirectionR"};
// Inputs whose height fits their font, but whose width is the scaled one.
const QStringList kInputs = {"spnHrs", "spnMin", "spnSec", "spnColorSecs",
                             "cboBackgroundColor", "cboSecondsColor", "cboExpiredColor"};

constexpr int kDesignClientWidth = 608;
constexpr int kDesignClientHeight = 441;
constexpr int kDigitPoints = 150;
constexpr int kArrowPoints = 76;
constexpr int kTextPoints = 10;
constexpr int kHotTrackPoints = 8; // the digit labels' stored hot-track font, never shown

QRect boundsOf(const QWidget *w)
{
    return w->geometry();
}

// A snapshot of every managed control's bounds and font size.
struct Layout
{
    QMap<QString, QRect> bounds;
    QMap<QString, int> fonts;
    bool operator==(const Layout &o) const { return bounds == o.bounds && fonts == o.fonts; }
};

} // namespace

inline void PrintTo(const QRect &r, std::ostream *os)
{
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

class MainWindowElastic : public MainWindowTest
{
protected:
    TMainForm &openWindow()
    {
        TMainForm &w = open();
        m_elastic = w.findChild<TElasticForm *>(QStringLiteral("ElasticForm1"));
        return w;
    }

    TControl *named(const QString &name) const { return qobject_cast<TControl *>(control(qPrintable(name))); }

    // The stretches and font ratio the scaling rules give for the window's current size.
    double stretchX() const { return m_window->width() * 1.0 / kDesignClientWidth; }
    double stretchY() const { return m_window->height() * 1.0 / kDesignClientHeight; }
    double fontRatio() const
    {
        const QSize outer = m_window->size() + m_window->FrameExtra();
        return std::min(outer.width() * 1.0 / kDesignClientWidth, outer.height() * 1.0 / kDesignClientHeight);
    }
    QRect scaled(const QString &name) const
    {
        const QRect d = kDesignBounds.value(name);
        return QRect(Round(d.left() * stretchX()), Round(d.top() * stretchY()), Round(d.width() * stretchX()),
                     Round(d.height() * stretchY()));
    }
    int scaledPoints(int designPoints) const { return RoundHalfDown(designPoints * fontRatio()); }

    void resizeOuter(QSize outer)
    {
        m_window->resize(outer - m_window->FrameExtra());
        QApplication::processEvents();
    }

    // A drag by the user: the window system resizes the window in steps; the drag ends when
    // the resizing goes quiet.
    void dragOuterTo(std::initializer_list<QSize> steps)
    {
        for (const QSize outer : steps) {
            const QSize client = outer - m_window->FrameExtra();
            m_window->windowHandle()->resize(client);
            ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->size() == client));
        }
    }

    Layout layout() const
    {
        Layout l;
        for (auto it = kDesignBounds.begin(); it != kDesignBounds.end(); ++it) {
            l.bounds[it.key()] = boundsOf(named(it.key()));
            l.fonts[it.key()] = named(it.key())->Font()->Size();
        }
        return l;
    }

    // Every managed control where the rules put it for the current client size.
    void expectScaledLayout() const
    {
        SCOPED_TRACE(testing::Message() << "client " << m_window->width() << " x " << m_window->height());
        for (auto it = kDesignBounds.begin(); it != kDesignBounds.end(); ++it) {
            const QString &name = it.key();
            const QRect expected = scaled(name);
            const QRect actual = boundsOf(named(name));
            EXPECT_EQ(actual.topLeft(), expected.topLeft()) << name.toStdString();
            if (kFixedSize.contains(name)) {
                EXPECT_EQ(actual.size(), expected.size()) << name.toStdString();
            }
            if (kInputs.contains(name)) {
                // The scaled width, and a height that fits the scaled font: neither the scaled
                // height with small text in it nor too little room for the text.
                EXPECT_EQ(actual.width(), expected.width()) << name.toStdString();
                const int text = QFontMetrics(named(name)->Font()->toQFont()).height();
                EXPECT_GE(actual.height(), text + 4) << name.toStdString();
                EXPECT_LE(actual.height(), text + text / 4 + 8) << name.toStdString();
            }
            if (kDigits.contains(name)) {
                // At least the scaled field; wider or taller only as far as the text needs.
                EXPECT_GE(actual.width(), expected.width()) << name.toStdString();
                EXPECT_GE(actual.height(), expected.height()) << name.toStdString();
                const QFontMetrics metrics(named(name)->Font()->toQFont());
                EXPECT_LE(actual.width(), std::max(expected.width(), metrics.horizontalAdvance(QStringLiteral("00")) + 2))
                    << name.toStdString();
                EXPECT_LE(actual.height(), std::max(expected.height(), metrics.height() + 2)) << name.toStdString();
            }
        }
    }

    void expectScaledFonts() const
    {
        SCOPED_TRACE(testing::Message() << "client " << m_window->width() << " x " << m_window->height());
        for (const QString &name : kDigits) {
            auto *digits = qobject_cast<TJvLabel *>(named(name));
            EXPECT_EQ(digits->Font()->Size(), scaledPoints(kDigitPoints)) << name.toStdString();
            EXPECT_EQ(digits->HotTrackFont()->Size(), scaledPoints(kHotTrackPoints)) << name.toStdString();
        }
        for (const QString &name : kArrows)
            EXPECT_EQ(qobject_cast<TcxLabel *>(named(name))->Style()->Font()->Size(), scaledPoints(kArrowPoints))
                << name.toStdString();
        for (auto it = kDesignBounds.begin(); it != kDesignBounds.end(); ++it) {
            if (!kDigits.contains(it.key()) && !kArrows.contains(it.key())) {
                EXPECT_EQ(named(it.key())->Font()->Size(), scaledPoints(kTextPoints)) << it.key().toStdString();
            }
        }
        EXPECT_EQ(m_elastic->Font()->Size(), Round(kTextPoints * fontRatio()));
    }

    // The digits stand inside their fields: the whole text as drawn fits the label, the
    // fields do not overlap each other, and the digits themselves stay clear of the arrows
    // below. (A field may grow into the gap above the arrows when a wide window's font needs
    // a taller line than the field's height.)
    void expectDigitsInsideTheirFields() const
    {
        SCOPED_TRACE(testing::Message() << "client " << m_window->width() << " x " << m_window->height());
        for (const QString &name : kDigits) {
            auto *label = qobject_cast<TCustomLabel *>(named(name));
            const QFont font = label->Font()->toQFont();
            const QFontMetrics metrics(font);
            EXPECT_LE(font.pixelSize(), label->height()) << name.toStdString();
            EXPECT_LE(metrics.height(), label->height()) << name.toStdString();
            const QRect drawn = metrics.boundingRect(label->TextRect(), dorvane::labelTextFlags(label->TextFormat()),
                                                     label->Caption());
            EXPECT_TRUE(label->rect().contains(drawn)) << name.toStdString();
            const int inkBottom = label->y() + drawn.top() + metrics.ascent() + metrics.tightBoundingRect(label->Caption()).bottom();
            EXPECT_LT(inkBottom, named("lblDirectionL")->y()) << name.toStdString();
        }
        EXPECT_LT(named("lblHrs")->geometry().right(), named("lblMins")->geometry().left());
        EXPECT_LT(named("lblMins")->geometry().right(), named("lblSecs")->geometry().left());
    }

    // The inner parts of composite controls on screen (spin buttons, edit fields, radio
    // buttons) stay inside the control that places them. Controls on the page that is not
    // shown are placed when their page is.
    void expectInnerPartsInside() const
    {
        SCOPED_TRACE(testing::Message() << "client " << m_window->width() << " x " << m_window->height());
        for (auto it = kDesignBounds.begin(); it != kDesignBounds.end(); ++it)
            if (named(it.key())->isVisible())
                expectChildrenInside(named(it.key()), it.key());
    }
    static void expectChildrenInside(const QWidget *parent, const QString &path)
    {
        for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || child->isHidden() || kDesignBounds.contains(child->objectName()))
                continue;
            const QString childPath = path + QLatin1Char('/') + QString::fromLatin1(child->metaObject()->className());
            EXPECT_TRUE(parent->rect().contains(child->geometry()))
                << childPath.toStdString() << " at (" << child->x() << ", " << child->y() << ", " << child->width() << ", "
                << child->height() << ") in " << parent->width() << " x " << parent->height();
            expectChildrenInside(child, childPath);
        }
    }

    // How much of its field a digit label's text fills, across and down.
    static QSizeF fill(const TCustomLabel *label)
    {
        const QFontMetrics metrics(label->Font()->toQFont());
        return {metrics.horizontalAdvance(label->Caption()) * 1.0 / label->width(),
                label->Font()->toQFont().pixelSize() * 1.0 / label->height()};
    }

    TElasticForm *m_elastic = nullptr;
};

TEST_F(MainWindowElastic, ManagesExactlyTheNamedControlsOfTheLayout)
{
    openWindow();
    ASSERT_NE(m_elastic, nullptr);
    QStringList managed;
    for (const auto &c : m_elastic->ManagedControls())
        managed << c->Name();
    QStringList expected = kDesignBounds.keys();
    std::sort(managed.begin(), managed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(managed, expected);
    EXPECT_EQ(m_elastic->ControlCount(), 31);
    // A managed parent comes before its managed children, so it is re-laid out first.
    const auto &list = m_elastic->ManagedControls();
    for (qsizetype i = 0; i < list.size(); ++i)
        for (QWidget *p = list[i]->parentWidget(); p; p = p->parentWidget())
            if (auto *parent = qobject_cast<TControl *>(p); parent && list.contains(parent)) {
                EXPECT_LT(list.indexOf(parent), i) << list[i]->Name().toStdString();
            }
}

TEST_F(MainWindowElastic, FirstShowLaysOutFromTheActualClientSize)
{
    openWindow();
    EXPECT_FALSE(m_elastic->CapturePending());
    EXPECT_EQ(m_elastic->ReferenceClientWidth(), kDesignClientWidth);
    EXPECT_EQ(m_elastic->ReferenceClientHeight(), kDesignClientHeight);
    EXPECT_EQ(m_window->size() + m_window->FrameExtra(), QSize(616, 468)) << "opens at the design outer size";
    expectScaledLayout();
    expectScaledFonts();
    expectDigitsInsideTheirFields();
    EXPECT_TRUE(named("cxPageControl1")->isVisible());
    EXPECT_TRUE(named("Panel1")->isVisible());
}

TEST_F(MainWindowElastic, ProgramResizesRelayoutEveryControlAndFont)
{
    openWindow();
    for (const QSize outer : {QSize(1232, 909), QSize(1920, 1080), QSize(8 + 608 * 3, 27 + 441), QSize(700, 1000),
                              QSize(500, 380), QSize(616, 468)}) {
        resizeOuter(outer);
        ASSERT_EQ(m_window->size() + m_window->FrameExtra(), outer);
        expectScaledLayout();
        expectScaledFonts();
        expectDigitsInsideTheirFields();
        expectInnerPartsInside();
    }
}

TEST_F(MainWindowElastic, DoublingTheWindowGivesTheWorkedExampleFigures)
{
    openWindow();
    resizeOuter(QSize(1232, 909));
    // Client 1224 x 882 when the frame takes 8 x 27; computed from the actual frame otherwise.
    EXPECT_EQ(boundsOf(named("cxPageControl1")), scaled("cxPageControl1"));
    EXPECT_EQ(boundsOf(named("Panel1")), scaled("Panel1"));
    if (m_window->FrameExtra() == QSize(8, 27)) {
        EXPECT_EQ(boundsOf(named("cxPageControl1")), QRect(0, 16, 1224, 786));
        EXPECT_EQ(boundsOf(named("Panel1")), QRect(0, 816, 1222, 66));
        EXPECT_EQ(named("lblSecs")->geometry().topLeft(), QPoint(831, 10));
        EXPECT_EQ(named("lblSecs")->Font()->Size(), 304);
        EXPECT_EQ(qobject_cast<TcxLabel *>(named("lblDirectionR"))->Style()->Font()->Size(), 154);
        EXPECT_EQ(named("btnStart")->Font()->Size(), 20);
    }
}

TEST_F(MainWindowElastic, DigitsKeepFillingTheirFieldsInProportion)
{
    openWindow();
    // The fonts follow the outer size and the fields the client size, so the share moves a
    // little with the window frame; it must not drift further than that.
    const QSizeF atDesign = fill(qobject_cast<TCustomLabel *>(named("lblSecs")));
    EXPECT_GT(atDesign.height(), 0.8) << "the digits fill most of their field's height";
    EXPECT_GT(atDesign.width(), 0.9) << "and nearly all of its width";
    for (const QSize outer : {QSize(1232, 909), QSize(924, 702), QSize(1920, 1080)}) {
        resizeOuter(outer);
        // A window wider than the design's proportion: the font follows the height, and the
        // wider fields leave room beside the digits.
        const bool wide = outer.width() * 468 > outer.height() * 616 * 1.05;
        for (const QString &name : kDigits) {
            const QSizeF now = fill(qobject_cast<TCustomLabel *>(named(name)));
            const std::string where = name.toStdString() + " at " + std::to_string(outer.width()) + " x "
                                      + std::to_string(outer.height());
            EXPECT_NEAR(now.height(), atDesign.height(), 0.05 * atDesign.height()) << where;
            if (wide) {
                EXPECT_LT(now.width(), atDesign.width()) << where;
            } else {
                EXPECT_NEAR(now.width(), atDesign.width(), 0.05 * atDesign.width()) << where;
            }
        }
        expectDigitsInsideTheirFields();
    }
}

TEST_F(MainWindowElastic, UserDragRelayoutsOnceWhenItEnds)
{
    openWindow();
    const Layout before = layout();
    ASSERT_NO_FATAL_FAILURE(dragOuterTo({QSize(800, 600), QSize(1000, 760), QSize(1232, 909)}));
    EXPECT_TRUE(m_elastic->Adapter()->IsDragging());
    EXPECT_EQ(layout(), before) << "nothing moves while the drag lasts";
    m_elastic->Adapter()->FinishDrag();
    EXPECT_FALSE(m_elastic->IsSizing());
    expectScaledLayout();
    expectScaledFonts();
    expectDigitsInsideTheirFields();

    // The same size reached in one program step gives the same layout.
    const Layout dragged = layout();
    resizeOuter(QSize(616, 468));
    resizeOuter(QSize(1232, 909));
    EXPECT_EQ(layout(), dragged);
}

TEST_F(MainWindowElastic, ADragAfterMinimizeAndRestoreStillRelayoutsOnlyAtItsEnd)
{
    openWindow();
    m_window->showMinimized();
    ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->isMinimized()));
    m_window->showNormal();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!m_window->isMinimized()));
    QApplication::processEvents();

    const Layout before = layout();
    ASSERT_NO_FATAL_FAILURE(dragOuterTo({QSize(800, 600)}));
    EXPECT_TRUE(m_elastic->Adapter()->IsDragging());
    EXPECT_EQ(layout(), before) << "the first step of the drag is a drag step too";
    m_elastic->Adapter()->FinishDrag();
    expectScaledLayout();
}

TEST_F(MainWindowElastic, MaximizeFillsTheScreenAndRestoreReturnsToTheSameLayout)
{
    openWindow();
    resizeOuter(QSize(900, 700));
    const QRect normal = m_window->geometry();
    const Layout before = layout();

    m_window->showMaximized();
    ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->isMaximized()));
    const QSize available = m_window->screen()->availableGeometry().size();
    const bool filled = DORVANE_WAIT_FOR(m_window->frameGeometry().size() == available);
    if (!filled && QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "this window system does not maximize by itself (no window manager)";
    ASSERT_TRUE(filled);
    EXPECT_TRUE(m_elastic->IsMaximized());
    EXPECT_FALSE(m_elastic->IsHidden());
    expectScaledLayout();
    expectScaledFonts();
    expectDigitsInsideTheirFields();
    EXPECT_EQ(named("cxPageControl1")->width(), m_window->width()) << "the pages span the whole client width";

    m_window->showNormal();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!m_window->isMaximized() && m_window->geometry() == normal));
    EXPECT_FALSE(m_elastic->IsMaximized());
    EXPECT_EQ(layout(), before);
    EXPECT_TRUE(named("cxPageControl1")->isVisible());
}

TEST_F(MainWindowElastic, MinimizeAndRestoreBringsEveryControlBack)
{
    openWindow();
    resizeOuter(QSize(900, 700));
    const Layout before = layout();

    m_window->showMinimized();
    ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->isMinimized()));
    m_window->showNormal();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!m_window->isMinimized()));
    QApplication::processEvents();
    EXPECT_FALSE(m_elastic->IsHidden());
    EXPECT_TRUE(named("cxPageControl1")->isVisible());
    EXPECT_TRUE(named("Panel1")->isVisible());
    EXPECT_TRUE(named("lblSecs")->isVisible());
    EXPECT_EQ(layout(), before);

    // Minimized from maximized and back: maximized again, with everything shown.
    m_window->showMaximized();
    ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->isMaximized()));
    m_window->setWindowState(m_window->windowState() | Qt::WindowMinimized);
    ASSERT_TRUE(DORVANE_WAIT_FOR(m_window->isMinimized()));
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    ASSERT_TRUE(DORVANE_WAIT_FOR(!m_window->isMinimized()));
    QApplication::processEvents();
    EXPECT_FALSE(m_elastic->IsHidden());
    EXPECT_TRUE(named("cxPageControl1")->isVisible());
    EXPECT_TRUE(named("Panel1")->isVisible());
}

TEST_F(MainWindowElastic, ConfigurationPageShownAfterAResizeIsLaidOutToo)
{
    openWindow();
    for (const QSize outer : {QSize(1232, 909), QSize(700, 1000)}) {
        resizeOuter(outer);
        qobject_cast<TcxPageControl *>(named("cxPageControl1"))->SelectTab(1);
        ASSERT_TRUE(DORVANE_WAIT_FOR(named("rgVoice")->isVisible()));
        QApplication::processEvents();
        expectScaledLayout();
        expectScaledFonts();
        expectInnerPartsInside();
        qobject_cast<TcxPageControl *>(named("cxPageControl1"))->SelectTab(0);
        ASSERT_TRUE(DORVANE_WAIT_FOR(named("lblSecs")->isVisible()));
    }
}
