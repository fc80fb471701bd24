#include "controls/base/layout_loader.h"
#include "controls/display/register_display.h"
#include "controls/display/tcxpagecontrol.h"
#include "engine/error.h"
#include "test_window.h"

#include "support/qt_wait.h"

#include <QHelpEvent>
#include <QJsonDocument>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolTip>
#include <memory>

namespace {

// A window shaped like the main one: a 608 x 393 page control with "Display" and
// "Configuration" pages, tabs at the bottom, focusable controls on both pages.
struct PagesWindow
{
    TForm form;
    TcxPageControl *pages;
    TcxTabSheet *display;
    TcxTabSheet *config;
    FocusBox *spin;     // on Display
    QLineEdit *colour;  // first control of Configuration
    FocusBox *options;  // last control of Configuration
    QStringList events;

    PagesWindow()
    {
        form.resize(608, 441);
        pages = new TcxPageControl(&form);
        pages->SetBounds(0, 8, 608, 393);
        pages->SetTabPosition(TcxPageControl::tpBottom);
        display = addPage(QStringLiteral("Display"));
        config = addPage(QStringLiteral("Configuration"));
        spin = new FocusBox(display);
        colour = new QLineEdit(config);
        options = new FocusBox(config);
        options->move(0, 40);
        config->SetHint(QStringLiteral("Normal background color of the clock."));
        config->SetShowHint(true);
        pages->SetActivePage(display);
        QObject::connect(config, &TControl::OnExit, &form, [this] { events << QStringLiteral("exit"); });
        QObject::connect(pages, &TcxPageControl::OnChange, &form, [this] {
            events << QStringLiteral("change:") + pages->ActivePage()->Caption();
        });
    }

    TcxTabSheet *addPage(const QString &caption)
    {
        auto *page = new TcxTabSheet(pages);
        page->SetCaption(caption);
        pages->InsertControl(page);
        return page;
    }

    void clickTab(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(pages, button, {}, pages->TabRect(index).center());
    }

    // Shows Configuration with the focus on its colour control, then forgets the events so far.
    void workInConfiguration()
    {
        clickTab(1);
        colour->setFocus();
        ASSERT_TRUE(colour->hasFocus());
        events.clear();
    }
};

// Counts the key presses that reach a window after its controls left them unhandled.
class KeySpy final : public QObject
{
public:
    KeySpy(QWidget *window, int &count) : m_window(window), m_count(count) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (watched == m_window && e->type() == QEvent::KeyPress)
            ++m_count;
        return false;
    }

private:
    QWidget *m_window;
    int &m_count;
};

std::unique_ptr<PagesWindow> shownWindow()
{
    auto w = std::make_unique<PagesWindow>();
    showActive(w->form);
    return w;
}

} // namespace

TEST(PageControl, PageAreaAndTabsAtTheBottom)
{
    PagesWindow w;
    EXPECT_EQ(w.pages->PageArea(), QRect(QPoint(2, 2), QPoint(605, 367)));
    EXPECT_EQ(w.display->geometry(), w.pages->PageArea());
    EXPECT_GE(w.pages->TabRect(0).top(), 368);
    EXPECT_LE(w.pages->TabRect(0).bottom(), 392);
    EXPECT_LT(w.pages->TabRect(0).right(), w.pages->TabRect(1).left());
    EXPECT_EQ(w.config->PageIndex(), 1);
}

TEST(PageControl, TabsOnTheLeftOrRightRunAlongTheTopWhereTheyCanBeClicked)
{
    for (auto position : {TcxPageControl::tpTop, TcxPageControl::tpLeft, TcxPageControl::tpRight}) {
        SCOPED_TRACE(position);
        auto w = shownWindow();
        w->pages->SetTabPosition(position);
        const QRect area = w->pages->PageArea();
        EXPECT_EQ(area.width(), 604);
        EXPECT_EQ(w->display->geometry(), area);
        for (int i : {0, 1}) {
            const QRect tab = w->pages->TabRect(i);
            EXPECT_TRUE(w->pages->rect().contains(tab)) << "tab " << i;
            EXPECT_LT(tab.bottom(), area.top()) << "tab " << i;
        }
        w->clickTab(1);
        EXPECT_EQ(w->pages->ActivePage(), w->config);
        EXPECT_EQ(w->pages->TabPosition(), position) << "the stored position is kept";
    }
}

TEST(PageControl, ClickingATabFocusesTheControlThenShowsThePage)
{
    auto w = shownWindow();
    QSignalSpy changing(w->pages, &TcxPageControl::OnPageChanging);
    w->clickTab(1);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    EXPECT_TRUE(w->config->isVisible());
    EXPECT_FALSE(w->display->isVisible());
    EXPECT_TRUE(w->pages->hasFocus());
    EXPECT_EQ(changing.count(), 1);
    EXPECT_EQ(w->events, QStringList{QStringLiteral("change:Configuration")});

    // Right button: focus only.  Clicks on a page's surface: neither page nor focus.
    w->spin->setFocus();
    w->clickTab(0, Qt::RightButton);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    w->colour->setFocus();
    QTest::mouseClick(w->config, Qt::LeftButton, {}, QPoint(300, 200));
    EXPECT_TRUE(w->colour->hasFocus());
    EXPECT_EQ(w->pages->ActivePage(), w->config);
}

TEST(PageControl, LeavingConfigurationByItsTabsFiresTheExitOnce)
{
    auto w = shownWindow();
    w->workInConfiguration();
    w->clickTab(1); // the tab already shown: no change, only the focus moves out of the page
    EXPECT_EQ(w->events, QStringList{QStringLiteral("exit")});
    EXPECT_TRUE(w->pages->hasFocus());

    w->workInConfiguration();
    w->clickTab(0);
    EXPECT_EQ(w->events, (QStringList{QStringLiteral("exit"), QStringLiteral("change:Display")}));
    EXPECT_TRUE(w->pages->hasFocus());

    // Shown and left again without the focus ever entering it: nothing.
    w->events.clear();
    w->clickTab(1);
    w->clickTab(0);
    EXPECT_EQ(w->events, (QStringList{QStringLiteral("change:Configuration"), QStringLiteral("change:Display")}));
}

TEST(PageControl, ArrowsHomeEndStopAtTheEndsAndAreConsumed)
{
    auto w = shownWindow();
    w->pages->setFocus();
    QTest::keyClick(w->pages, Qt::Key_Left);
    QTest::keyClick(w->pages, Qt::Key_Up);
    EXPECT_EQ(w->pages->ActivePage(), w->display);
    QTest::keyClick(w->pages, Qt::Key_Right);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    QTest::keyClick(w->pages, Qt::Key_Right);
    QTest::keyClick(w->pages, Qt::Key_Down);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    EXPECT_TRUE(w->pages->hasFocus());
    QTest::keyClick(w->pages, Qt::Key_Home);
    EXPECT_EQ(w->pages->ActivePage(), w->display);
    QTest::keyClick(w->pages, Qt::Key_End);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    EXPECT_TRUE(w->pages->HandleKey(Qt::Key_Right, {})) << "consumed even at the last tab";
    EXPECT_FALSE(w->pages->HandleKey(Qt::Key_Right, Qt::AltModifier));
}

TEST(PageControl, KeysAControlOnAPageLeavesUnhandledTurnNoPage)
{
    auto w = shownWindow();
    w->spin->setFocus();
    ASSERT_TRUE(w->spin->hasFocus());
    int reachedWindow = 0;
    KeySpy spy(&w->form, reachedWindow);
    for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_End, Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(w->spin, Qt::Key(key));
        EXPECT_EQ(w->pages->ActivePage(), w->display) << "key " << key;
    }
    EXPECT_EQ(reachedWindow, 5) << "the keys go on to the window";
    EXPECT_TRUE(w->spin->hasFocus());

    w->workInConfiguration();
    QTest::keyClick(w->colour, Qt::Key_Up);
    QTest::keyClick(w->colour, Qt::Key_Home);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    EXPECT_TRUE(w->events.isEmpty()) << "no exit, no change";
}

TEST(PageControl, CtrlTabWrapsBothWaysAndFocusesTheNewPagesFirstControl)
{
    auto w = shownWindow();
    w->pages->setFocus();
    QTest::keyClick(w->pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    QTest::keyClick(w->pages, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->pages->ActivePage(), w->display);
    QTest::keyClick(w->pages, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    EXPECT_TRUE(w->pages->hasFocus());

    // From inside a page: the focus follows to the first control of the new page.
    w->clickTab(0);
    w->spin->setFocus();
    w->events.clear();
    QTest::keyClick(w->spin, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    EXPECT_TRUE(w->colour->hasFocus());
    EXPECT_EQ(w->events, QStringList{QStringLiteral("change:Configuration")});

    QTest::keyClick(w->colour, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(w->pages->ActivePage(), w->display);
    EXPECT_TRUE(w->spin->hasFocus());
    EXPECT_EQ(w->events, (QStringList{QStringLiteral("change:Configuration"), QStringLiteral("exit"),
                                      QStringLiteral("change:Display")}));
}

TEST(PageControl, TabbingOutOfTheLastControlFiresTheExitWithoutChangingThePage)
{
    auto w = shownWindow();
    w->clickTab(1);
    w->options->setFocus();
    w->events.clear();
    QTest::keyClick(w->options, Qt::Key_Tab);
    EXPECT_TRUE(w->pages->hasFocus());
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    EXPECT_EQ(w->events, QStringList{QStringLiteral("exit")});
    QTest::keyClick(w->pages, Qt::Key_Tab);
    EXPECT_TRUE(w->config->isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(w->events, QStringList{QStringLiteral("exit")});
}

TEST(PageControl, AnotherWindowTakingTheFocusFiresNoExit)
{
    auto w = shownWindow();
    w->workInConfiguration();
    TForm other;
    showActive(other);
    showActive(w->form);
    ASSERT_TRUE(DORVANE_WAIT_FOR(w->colour->hasFocus()));
    EXPECT_TRUE(w->events.isEmpty());
}

TEST(PageControl, ThePageHintShowsOverItsControlsButNotOverTheTabs)
{
    auto w = shownWindow();
    w->clickTab(1);
    const QPoint tab = w->pages->TabRect(1).center();
    QHelpEvent overTabs(QEvent::ToolTip, tab, w->pages->mapToGlobal(tab));
    QApplication::sendEvent(w->pages, &overTabs);
    EXPECT_TRUE(QToolTip::text().isEmpty());
    const QPoint at = w->colour->rect().center();
    QHelpEvent overColour(QEvent::ToolTip, at, w->colour->mapToGlobal(at));
    QApplication::sendEvent(w->colour, &overColour);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Normal background color of the clock."));
    QToolTip::hideText();

    // A control that shows no hints of its own hands the tooltip to the nearest parent that does.
    w->options->SetHint(QStringLiteral("Not shown"));
    w->options->SetShowHint(false);
    QHelpEvent overOptions(QEvent::ToolTip, QPoint(2, 2), w->options->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(w->options, &overOptions);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Normal background color of the clock."));
    QToolTip::hideText();
}

TEST(PageControl, PageIndexOutOfRangeRaisesAndKeepsTheOrder)
{
    PagesWindow w;
    try {
        w.config->SetPageIndex(2);
        FAIL() << "no error";
    } catch (const dorvane::Error &e) {
        EXPECT_STREQ(e.what(), "2 is an invalid PageIndex value.  PageIndex must be between 0 and 1");
    }
    EXPECT_THROW(w.config->SetPageIndex(-1), dorvane::Error);
    EXPECT_EQ(w.pages->Pages(0), w.display);
    w.config->SetPageIndex(0);
    EXPECT_EQ(w.pages->Pages(0), w.config);
    EXPECT_EQ(w.pages->TabIndex(), 1) << "the active page's tab moved with it";
}

TEST(PageControl, RefusedChangesKeepThePage)
{
    auto w = shownWindow();
    QObject::connect(w->pages, &TcxPageControl::OnPageChanging, &w->form,
                     [](TcxTabSheet *, bool *allow) { *allow = false; });
    w->clickTab(1);
    w->pages->SetActivePage(w->config);
    EXPECT_EQ(w->pages->ActivePage(), w->display);
    EXPECT_EQ(w->pages->TabIndex(), 0);
    EXPECT_TRUE(w->events.isEmpty());
}

TEST(PageControl, DestroyingTheActivePageShowsTheNextOne)
{
    auto w = shownWindow();
    TcxTabSheet *third = w->addPage(QStringLiteral("Third"));
    w->clickTab(2);
    delete third;
    EXPECT_EQ(w->pages->PageCount(), 2);
    EXPECT_EQ(w->pages->ActivePage(), w->display) << "after the last page comes the first";
    delete w->display;
    EXPECT_EQ(w->pages->ActivePage(), w->config);
    delete w->config;
    EXPECT_EQ(w->pages->ActivePage(), nullptr);
    EXPECT_EQ(w->pages->TabIndex(), -1);
}

TEST(PageControl, WheelOverAnOverfullTabRowScrollsWithoutChangingPage)
{
    auto w = shownWindow();
    for (int i = 0; i < 8; ++i)
        w->addPage(QStringLiteral("Another page %1").arg(i));
    ASSERT_TRUE(w->pages->TabsOverflow());
    const QPoint row = w->pages->TabRect(0).center();
    QWheelEvent down(row, w->pages->mapToGlobal(row), {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->pages, &down);
    EXPECT_EQ(w->pages->FirstShownTab(), 1);
    EXPECT_EQ(w->pages->ActivePage(), w->display);
    EXPECT_TRUE(w->pages->TabRect(0).isEmpty());
}

TEST(PageControl, LoadsPagesAndResolvesTheActivePageWithoutEvents)
{
    dorvane::registerDisplayControls();
    TForm form;
    const QByteArray json = R"({"class": "TForm", "name": "MainForm", "children": [
        {"class": "TcxPageControl", "name": "cxPageControl1", "properties": [
            ["Left", 0], ["Top", 8], ["Width", 608], ["Height", 393], ["TabPosition", "tpBottom"],
            ["LookAndFeel", {"Kind": "lfStandard"}], ["ActivePage", "cxTabSheet1"]],
         "children": [
            {"class": "TcxTabSheet", "name": "cxTabSheet1", "properties": [["Caption", "Display"], ["ImageIndex", 0]]},
            {"class": "TcxTabSheet", "name": "cxTabSheet2", "properties": [["Caption", "Configuration"]]}]}]})";
    dorvane::LayoutLoader::loadInto(&form, QJsonDocument::fromJson(json).object());
    auto *pages = form.findChild<TcxPageControl *>(QStringLiteral("cxPageControl1"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage()->Name(), QStringLiteral("cxTabSheet1"));
    EXPECT_FALSE(pages->Pages(1)->isVisibleTo(pages));
    EXPECT_EQ(pages->PageArea(), QRect(2, 2, 604, 366));
    QSignalSpy changes(pages, &TcxPageControl::OnChange);
    pages->SetActivePage(pages->Pages(0)); // already active
    EXPECT_EQ(changes.count(), 0);
}
