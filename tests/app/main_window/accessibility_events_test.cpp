// What a listening screen reader is told while the window changes. Runs with Qt's accessibility
// bridge active (a session bus with the accessibility bus, see with_accessibility_bus.sh); the
// events are caught in-process before they would reach the bridge.
#include "main_window_fixture.h"

#include "controls/base/published.h"
#include "controls/display/tcxpagecontrol.h"
#include "controls/input/colour_popup.h"
#include "controls/input/tcxcolorcombobox.h"
#include "controls/input/tspinedit.h"
#include "app/main_window/clock_announcer.h"

#include <QAccessible>
#include <QLineEdit>

using namespace dorvane;

namespace {

struct Heard
{
    QString object;
    QAccessible::Event type;
    int child = -1;
    QString detail; // removed > inserted text, the new value, or the changed states
};

std::vector<Heard> g_heard;

void hear(QAccessibleEvent *event)
{
    Heard heard{event->object() ? event->object()->objectName() : QString(), event->type(), event->child(), {}};
    if (event->type() == QAccessible::TextUpdated) {
        auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        heard.detail = update->textRemoved() + QStringLiteral(" > ") + update->textInserted();
    } else if (event->type() == QAccessible::ValueChanged) {
        heard.detail = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
    } else if (event->type() == QAccessible::ObjectShow) {
        if (QAccessibleInterface *iface = event->accessibleInterface())
            heard.detail = iface->text(QAccessible::Name);
    } else if (event->type() == QAccessible::StateChanged) {
        const QAccessible::State changed = static_cast<QAccessibleStateChangeEvent *>(event)->changedStates();
        heard.detail = QStringLiteral("%1%2%3").arg(changed.selected ? "selected " : "", changed.expanded ? "expanded " : "",
                                                    changed.checked ? "checked" : "");
    }
    g_heard.push_back(heard);
}

} // namespace

class AccessibilityEventsTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(DORVANE_WAIT_FOR(QAccessible::isActive())) << "the accessibility bridge never came up";
        open();
        g_heard.clear();
        QAccessible::installUpdateHandler(hear);
    }
    void TearDown() override
    {
        QAccessible::installUpdateHandler(nullptr);
        MainWindowTest::TearDown();
    }

    static std::vector<Heard> heardOf(const char *object, QAccessible::Event type)
    {
        std::vector<Heard> found;
        for (const Heard &h : g_heard)
            if (h.object == QLatin1String(object) && h.type == type)
                found.push_back(h);
        return found;
    }
};

TEST_F(AccessibilityEventsTest, EachTickTellsTheChangedDigitsAndNothingElseOfThem)
{
    click("btnStart");
    g_heard.clear();
    tick();
    const auto seconds = heardOf("lblSecs", QAccessible::TextUpdated);
    ASSERT_EQ(seconds.size(), 1u);
    EXPECT_EQ(seconds[0].detail, QStringLiteral("00 > 59"));
    ASSERT_EQ(heardOf("lblMins", QAccessible::TextUpdated).size(), 1u);
    EXPECT_TRUE(heardOf("lblHrs", QAccessible::TextUpdated).empty()) << "the hours stayed 00";
    EXPECT_TRUE(heardOf("lblSecs", QAccessible::NameChanged).empty()) << "the field keeps its name";
    tick();
    EXPECT_EQ(heardOf("lblSecs", QAccessible::TextUpdated).back().detail, QStringLiteral("59 > 58"));
}

TEST_F(AccessibilityEventsTest, AStepInASpinEditTellsItsNewValue)
{
    auto *minutes = static_cast<TSpinEdit *>(control("spnMin"));
    minutes->Editor()->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(minutes->Editor()->hasFocus()));
    QTest::keyClick(minutes->Editor(), Qt::Key_Up);
    const auto values = heardOf("spnMin", QAccessible::ValueChanged);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back().detail, QStringLiteral("6"));
}

TEST_F(AccessibilityEventsTest, ChangingPagesTellsBothTabsTheirSelection)
{
    static_cast<TcxPageControl *>(control("cxPageControl1"))->SelectTab(1);
    const auto arriving = heardOf("cxTabSheet2", QAccessible::StateChanged);
    const auto leaving = heardOf("cxTabSheet1", QAccessible::StateChanged);
    ASSERT_FALSE(arriving.empty());
    ASSERT_FALSE(leaving.empty());
    EXPECT_TRUE(arriving[0].detail.contains(QStringLiteral("selected")));
    EXPECT_TRUE(leaving[0].detail.contains(QStringLiteral("selected")));
}

TEST_F(AccessibilityEventsTest, APickerTellsItsListOpeningTheRowItIsOnAndTheColourChosen)
{
    static_cast<TcxPageControl *>(control("cxPageControl1"))->SelectTab(1);
    auto *picker = static_cast<TcxColorComboBox *>(control("cboSecondsColor"));
    picker->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(picker->hasFocus()));
    g_heard.clear();
    picker->DropDown();
    ASSERT_TRUE(picker->DroppedDown());
    const auto opened = heardOf("cboSecondsColor", QAccessible::StateChanged);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].detail.contains(QStringLiteral("expanded")));

    TcxCustomColorComboBoxListBox *list = picker->PopupWindow()->ListBox();
    list->setObjectName(QStringLiteral("list"));
    const int row = list->ItemIndex();
    QTest::keyClick(picker->PopupWindow(), Qt::Key_Down);
    const auto followed = heardOf("list", QAccessible::Focus);
    ASSERT_EQ(followed.size(), 1u);
    EXPECT_EQ(followed[0].child, row + 1);

    QTest::keyClick(picker->PopupWindow(), Qt::Key_Return);
    const auto values = heardOf("cboSecondsColor", QAccessible::ValueChanged);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].detail, QStringLiteral("Blue"));
}

TEST_F(AccessibilityEventsTest, TheFocusInASpinEditsBoxIsTheSpinEditsOwn)
{
    auto *minutes = static_cast<TSpinEdit *>(control("spnMin"));
    minutes->Editor()->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(!heardOf("spnMin", QAccessible::Focus).empty()));
    // The box's own focus event reaches no reader: its object is no valid one.
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(minutes->Editor())->isValid());
}

TEST_F(AccessibilityEventsTest, TheTabsGettingTheFocusHandItOnToTheTabOfThePageShown)
{
    control("cxPageControl1")->setFocus();
    EXPECT_TRUE(DORVANE_WAIT_FOR(!heardOf("cxTabSheet1", QAccessible::Focus).empty()));
}

TEST_F(AccessibilityEventsTest, ClosingAPickersListByEnterOrEscGivesThePickerTheFocusAgain)
{
    static_cast<TcxPageControl *>(control("cxPageControl1"))->SelectTab(1);
    auto *picker = static_cast<TcxColorComboBox *>(control("cboSecondsColor"));
    picker->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(picker->hasFocus()));
    for (Qt::Key close : {Qt::Key_Return, Qt::Key_Escape}) {
        picker->DropDown();
        ASSERT_TRUE(picker->DroppedDown());
        g_heard.clear();
        QTest::keyClick(picker->PopupWindow(), close);
        EXPECT_FALSE(picker->DroppedDown());
        EXPECT_EQ(heardOf("cboSecondsColor", QAccessible::Focus).size(), 1u) << close;
    }
}

TEST_F(AccessibilityEventsTest, TheMomentsAndAClosedPickersStepAreShownNotificationsNamedByWhatIsSaid)
{
    click("btnStart");
    ASSERT_TRUE(DORVANE_WAIT_FOR(!heardOf("SpokenNotice", QAccessible::ObjectShow).empty()));
    EXPECT_EQ(heardOf("SpokenNotice", QAccessible::ObjectShow).back().detail, QStringLiteral("Started"));
    EXPECT_FALSE(heardOf("SpokenNotice", QAccessible::NameChanged).empty());
    g_heard.clear();
    tick();
    QCoreApplication::processEvents();
    EXPECT_TRUE(heardOf("SpokenNotice", QAccessible::ObjectShow).empty()) << "a plain tick";

    static_cast<TcxPageControl *>(control("cxPageControl1"))->SelectTab(1);
    auto *picker = static_cast<TcxColorComboBox *>(control("cboSecondsColor"));
    picker->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(picker->hasFocus()));
    g_heard.clear();
    QTest::keyClick(picker, Qt::Key_Down);
    ASSERT_TRUE(DORVANE_WAIT_FOR(!heardOf("SpokenNotice", QAccessible::ObjectShow).empty()));
    EXPECT_EQ(heardOf("SpokenNotice", QAccessible::ObjectShow).back().detail,
              QAccessible::queryAccessibleInterface(picker)->text(QAccessible::Value));
}
