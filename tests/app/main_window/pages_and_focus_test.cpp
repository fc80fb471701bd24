#include "main_window_fixture.h"

#include "controls/base/published.h"
#include "controls/base/tcontrol.h"
#include "controls/base/ttimer.h"
#include "controls/display/tcxpagecontrol.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace dorvane;

namespace {

// The named control of the window that holds the keyboard focus.
QString focusedControl(const TMainForm &w)
{
    for (QWidget *f = QApplication::focusWidget(); f && f != &w; f = f->parentWidget())
        if (!f->objectName().isEmpty() && qobject_cast<TControl *>(f))
            return f->objectName();
    return {};
}

} // namespace

class PagesTest : public MainWindowTest
{
protected:
    TcxPageControl *pages() const { return m_window->findChild<TcxPageControl *>(QStringLiteral("cxPageControl1")); }
    void clickTab(int index) { click(pages(), pages()->TabRect(index).center()); }
    QString activePage() const { return pages()->ActivePage()->objectName(); }
    // Another window of the program takes the activation; the main window gets it back.
    void activateAnotherWindow()
    {
        m_other = std::make_unique<QWidget>();
        m_other->show();
        m_other->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_other.get()));
    }
    void comeBack()
    {
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }
    // Focuses a box and types `text` over what it holds.
    void typeInto(const char *name, const QString &text)
    {
        control(name)->setFocus();
        ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(*m_window) == QLatin1String(name)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    // Clicks the "No" button of a two-column option group.
    void clickSecondOption(const char *group)
    {
        QWidget *g = control(group);
        click(g, QPoint(g->width() * 3 / 4, g->height() * 3 / 5));
    }

    std::unique_ptr<QWidget> m_other;
};

TEST_F(PagesTest, TabbingThroughTheDisplayPageVisitsSecondsMinutesHoursThenTheButtons)
{
    TMainForm &w = open();
    control("spnSec")->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(w) == QStringLiteral("spnSec")));
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusedControl(w);
    }
    EXPECT_EQ(visited, (QStringList{QStringLiteral("spnMin"), QStringLiteral("spnHrs"), QStringLiteral("btnStart"),
                                    QStringLiteral("btnStop"), QStringLiteral("btnReset"), QStringLiteral("btnDone")}));
    EXPECT_FALSE(visited.contains(QStringLiteral("lblDirectionL")));
}

TEST_F(PagesTest, LeavingTheConfigurationPageForTheDisplayTabResetsExactlyOnce)
{
    TMainForm &w = open();
    click("btnStart");
    tick(3);
    ASSERT_EQ(display(), QStringLiteral("00 04 57"));

    clickTab(1);
    ASSERT_EQ(activePage(), QStringLiteral("cxTabSheet2"));
    clickSecondOption("rgVoice");
    EXPECT_EQ(intProperty("rgVoice", "ItemIndex"), 1);
    ASSERT_EQ(focusedControl(w), QStringLiteral("rgVoice"));

    QSignalSpy resets(control("btnReset"), SIGNAL(OnClick()));
    clickTab(0);
    EXPECT_EQ(activePage(), QStringLiteral("cxTabSheet1"));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(display(), QStringLiteral("00 05 00"));
    EXPECT_TRUE(w.timer()->Enabled()); // a running clock restarts from the allowance
}

TEST_F(PagesTest, SwitchingToAnotherWindowAndBackFiresNoReset)
{
    TMainForm &w = open();
    clickTab(1);
    clickSecondOption("rgDirection");
    ASSERT_EQ(focusedControl(w), QStringLiteral("rgDirection"));
    QSignalSpy resets(control("btnReset"), SIGNAL(OnClick()));

    ASSERT_NO_FATAL_FAILURE(activateAnotherWindow());
    ASSERT_NO_FATAL_FAILURE(comeBack());
    ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(w) == QStringLiteral("rgDirection")));
    EXPECT_EQ(resets.count(), 0);
    // The direction chosen counts from the next reset only.
    EXPECT_EQ(caption("lblDirectionL"), QString(QChar(0xAF)));
}

TEST_F(PagesTest, SpinEditsKeepTheirTypedTextWhileTheWindowIsInactive)
{
    TMainForm &w = open();
    const auto awayAndBack = [this] {
        ASSERT_NO_FATAL_FAILURE(activateAnotherWindow());
        ASSERT_NO_FATAL_FAILURE(comeBack());
    };

    // Too many minutes: neither clamped nor rewritten by the window losing the focus.
    ASSERT_NO_FATAL_FAILURE(typeInto("spnMin", QStringLiteral("75")));
    ASSERT_NO_FATAL_FAILURE(awayAndBack());
    EXPECT_EQ(readPublished(control("spnMin"), QStringLiteral("Text")).toString(), QStringLiteral("75"));
    EXPECT_EQ(focusedControl(w), QStringLiteral("spnMin"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(readPublished(control("spnMin"), QStringLiteral("Text")).toString(), QStringLiteral("60"))
        << "leaving the box clamps it";

    // The colour-change seconds, not yet checked: kept as typed, and no error box meanwhile.
    clickTab(1);
    ASSERT_NO_FATAL_FAILURE(typeInto("spnColorSecs", QStringLiteral("12")));
    ASSERT_NO_FATAL_FAILURE(awayAndBack());
    EXPECT_EQ(readPublished(control("spnColorSecs"), QStringLiteral("Text")).toString(), QStringLiteral("12"));
    EXPECT_EQ(focusedControl(w), QStringLiteral("spnColorSecs"));
}

TEST_F(PagesTest, ControlsWithoutAHintShowTheConfigurationPagesHint)
{
    open();
    const QString pageHint = QStringLiteral("Normal background color of the clock.");
    for (const char *name : {"cboBackgroundColor", "Label6", "cxLabel3"}) {
        auto *c = qobject_cast<TControl *>(control(name));
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->EffectiveHint(), pageHint) << name;
        EXPECT_TRUE(c->ShowHint()) << name;
    }
    auto *seconds = qobject_cast<TControl *>(control("cboSecondsColor"));
    EXPECT_EQ(seconds->EffectiveHint(), QStringLiteral("The clock background color at the \"seconds\" time."));
}

TEST_F(PagesTest, AColourChosenOnTheConfigurationPageShowsAfterLeavingItAndIsSaved)
{
    TMainForm &w = open();
    clickTab(1);
    QWidget *picker = control("cboBackgroundColor");
    click("cboBackgroundColor"); // the focus first; the list may open on a click
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    picker->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(w) == QStringLiteral("cboBackgroundColor")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    const int chosen = intProperty("cboBackgroundColor", "ColorValue");
    ASSERT_NE(chosen, 15793151);
    EXPECT_EQ(intProperty("lblHrs", "Color"), 15793151); // not before leaving the page

    clickTab(0);
    EXPECT_EQ(intProperty("lblHrs", "Color"), chosen);
    w.close();
    EXPECT_TRUE(settingsText().contains(QByteArray("Background=") + QByteArray::number(chosen) + "\n"))
        << settingsText().toStdString();
}

TEST_F(PagesTest, TypedAllowanceAboveTheMaximumIsSavedAsTypedAndClampedAtTheNextStart)
{
    TMainForm &w = open();
    ASSERT_NO_FATAL_FAILURE(typeInto("spnMin", QStringLiteral("75")));
    w.close();
    EXPECT_TRUE(settingsText().contains("Mins=75\n")) << settingsText().toStdString();
    m_window.reset();

    open();
    EXPECT_EQ(intProperty("spnMin", "Value"), 60);
}

TEST_F(PagesTest, ClickingAButtonWhileASpinEditHoldsTooMuchClampsItBeforeTheHandlerRuns)
{
    TMainForm &w = open();
    ASSERT_NO_FATAL_FAILURE(typeInto("spnMin", QStringLiteral("75")));
    click("btnReset");
    EXPECT_EQ(display(), QStringLiteral("00 60 00"));
    EXPECT_EQ(focusedControl(w), QStringLiteral("btnReset"));
}

TEST_F(PagesTest, APressInTheWindowBeforeItIsActiveClampsTheSpinEditBeforeTheHandlerRuns)
{
    open();
    ASSERT_NO_FATAL_FAILURE(typeInto("spnMin", QStringLiteral("75")));
    ASSERT_NO_FATAL_FAILURE(activateAnotherWindow());

    click("btnReset");
    EXPECT_EQ(display(), QStringLiteral("00 60 00"));
}

TEST_F(PagesTest, ResetClickedFromCodeLeavesTheFocusWhereItWas)
{
    TMainForm &w = open();
    control("spnSec")->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(w) == QStringLiteral("spnSec")));
    QSignalSpy resets(control("btnReset"), SIGNAL(OnClick()));
    QMetaObject::invokeMethod(control("btnReset"), "Click");
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(focusedControl(w), QStringLiteral("spnSec"));
}

TEST_F(PagesTest, EnterClicksTheFocusedButtonButNotFromASpinEdit)
{
    TMainForm &w = open();
    control("spnSec")->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(w) == QStringLiteral("spnSec")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(w.timer()->Enabled());
    control("btnStart")->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(w) == QStringLiteral("btnStart")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(w.timer()->Enabled());
}

TEST_F(PagesTest, CtrlTabFromTheDisplayPageFocusesTheConfigurationPagesFirstControl)
{
    TMainForm &w = open();
    control("spnSec")->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(focusedControl(w) == QStringLiteral("spnSec")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(activePage(), QStringLiteral("cxTabSheet2"));
    EXPECT_EQ(focusedControl(w), QStringLiteral("cboBackgroundColor"));
}

TEST_F(PagesTest, TabbingFromTheLastOptionGroupOntoTheTabsResetsOnceAndKeepsThePage)
{
    TMainForm &w = open();
    clickTab(1);
    clickSecondOption("rgVoice");
    ASSERT_EQ(focusedControl(w), QStringLiteral("rgVoice"));
    QSignalSpy resets(control("btnReset"), SIGNAL(OnClick()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusedControl(w), QStringLiteral("cxPageControl1"));
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(activePage(), QStringLiteral("cxTabSheet2"));
}
