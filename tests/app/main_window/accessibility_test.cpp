// What a screen reader finds in the main window, read through Qt's accessibility interfaces as
// the platform's bridge reads them.
#include "main_window_fixture.h"

#include "controls/base/address_launcher.h"
#include "controls/base/published.h"
#include "controls/display/tcxpagecontrol.h"
#include "controls/input/tcxcolorcombobox.h"
#include "controls/input/tcxspinedit.h"
#include "controls/input/tspinedit.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLineEdit>
#include <climits>

using namespace dorvane;

namespace {

QString textOf(QAccessibleInterface *iface)
{
    QAccessibleTextInterface *text = iface->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

QAccessibleInterface *childNamed(QAccessibleInterface *parent, const QString &name)
{
    for (int i = 0; i < parent->childCount(); ++i)
        if (QAccessibleInterface *child = parent->child(i); child && child->text(QAccessible::Name) == name)
            return child;
    return nullptr;
}

void act(QAccessibleInterface *iface, const QString &action)
{
    ASSERT_NE(iface->actionInterface(), nullptr);
    ASSERT_TRUE(iface->actionInterface()->actionNames().contains(action)) << action.toStdString();
    iface->actionInterface()->doAction(action);
}

// Takes the addresses the desktop is asked to open.
class OpenedAddresses : public QObject
{
    Q_OBJECT
public:
    OpenedAddresses()
    {
        m_launcher = setAddressLauncher(QString()); // the platform's own open, caught below
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~OpenedAddresses() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        setAddressLauncher(m_launcher);
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl &address) { opened.append(address); }

private:
    QString m_launcher;
};

} // namespace

class AccessibilityTest : public MainWindowTest
{
protected:
    QAccessibleInterface *a11y(const char *name) const { return QAccessible::queryAccessibleInterface(control(name)); }
    void showConfiguration() { static_cast<TcxPageControl *>(control("cxPageControl1"))->SelectTab(1); }
};

TEST_F(AccessibilityTest, DigitFieldsAreStaticTextNamedAfterTheAllowanceCaptionsAndFollowTheTicks)
{
    open();
    const struct
    {
        const char *field;
        const char *name;
        const char *text;
    } fields[] = {{"lblHrs", "Hours", "00"}, {"lblMins", "Minutes", "05"}, {"lblSecs", "Seconds", "00"}};
    for (const auto &f : fields) {
        QAccessibleInterface *digits = a11y(f.field);
        EXPECT_EQ(digits->role(), QAccessible::StaticText) << f.field;
        EXPECT_EQ(digits->text(QAccessible::Name), QLatin1String(f.name));
        EXPECT_EQ(textOf(digits), QLatin1String(f.text)) << f.field;
    }
    click("btnStart");
    tick();
    EXPECT_EQ(textOf(a11y("lblMins")), QStringLiteral("04"));
    EXPECT_EQ(textOf(a11y("lblSecs")), QStringLiteral("59"));
}

TEST_F(AccessibilityTest, TheArrowsSayWhichWayTheClockCounts)
{
    open();
    for (const char *arrow : {"lblDirectionL", "lblDirectionR"}) {
        EXPECT_EQ(a11y(arrow)->role(), QAccessible::StaticText);
        EXPECT_EQ(a11y(arrow)->text(QAccessible::Name), QStringLiteral("Counting down")) << arrow;
        EXPECT_EQ(textOf(a11y(arrow)), QStringLiteral("\u2193"));
    }
    writePublished(control("rgDirection"), QStringLiteral("ItemIndex"), 1);
    click("btnReset");
    EXPECT_EQ(a11y("lblDirectionL")->text(QAccessible::Name), QStringLiteral("Counting up"));
    EXPECT_EQ(textOf(a11y("lblDirectionR")), QStringLiteral("\u2191"));
}

TEST_F(AccessibilityTest, AllowanceFieldsAreSpinBoxesNamedByTheirCaptionsWithValueRangeAndSteps)
{
    open();
    QAccessibleInterface *hours = a11y("spnHrs");
    EXPECT_EQ(hours->role(), QAccessible::SpinBox);
    EXPECT_EQ(hours->text(QAccessible::Name), QStringLiteral("Hours"));
    EXPECT_EQ(hours->text(QAccessible::Description), QStringLiteral("Maximum hours for the count down."));
    QAccessibleValueInterface *value = hours->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 99);
    value->setCurrentValue(150);
    EXPECT_EQ(intProperty("spnHrs", "Value"), 99) << "a value set by a reader keeps to the range";
    EXPECT_EQ(value->currentValue().toInt(), 99);

    QAccessibleInterface *minutes = a11y("spnMin");
    act(minutes, QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(intProperty("spnMin", "Value"), 6);
    // The field itself holds the text and the focus; the box inside it is no object of its own.
    EXPECT_EQ(minutes->childCount(), 0);
    EXPECT_EQ(textOf(minutes), QStringLiteral("6"));
    EXPECT_TRUE(minutes->state().editable);
    QLineEdit *box = static_cast<TSpinEdit *>(control("spnMin"))->Editor();
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(box)->isValid());
    box->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(minutes->state().focused));
    EXPECT_EQ(minutes->focusChild(), nullptr);
}

TEST_F(AccessibilityTest, TheColourChangeSecondsIsASpinBoxThatReadsHalfTypedTextWithoutFailing)
{
    open();
    showConfiguration();
    QAccessibleInterface *seconds = a11y("spnColorSecs");
    EXPECT_EQ(seconds->role(), QAccessible::SpinBox);
    EXPECT_EQ(seconds->text(QAccessible::Name), QStringLiteral("@Seconds"));
    EXPECT_EQ(seconds->valueInterface()->currentValue().toInt(), 60);
    seconds->valueInterface()->setCurrentValue(30);
    act(seconds, QAccessibleActionInterface::decreaseAction());
    auto *edit = static_cast<TcxSpinEdit *>(control("spnColorSecs"));
    EXPECT_EQ(edit->Text(), QStringLiteral("29"));

    // A sign alone is no number yet: the value reads as unknown instead of raising the field's error.
    edit->Editor()->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(edit->Editor()->hasFocus()));
    edit->Editor()->selectAll();
    QTest::keyClick(edit->Editor(), Qt::Key_Minus);
    ASSERT_EQ(edit->Text(), QStringLiteral("-"));
    EXPECT_FALSE(seconds->valueInterface()->currentValue().isValid());
    EXPECT_EQ(seconds->text(QAccessible::Value), QStringLiteral("-"));
    QTest::keyClick(edit->Editor(), Qt::Key_Escape);
}

TEST_F(AccessibilityTest, OptionGroupsAreNamedGroupingsOfRadioButtonsThatAPressChooses)
{
    open();
    QAccessibleInterface *group = a11y("rgColorChange");
    EXPECT_EQ(group->role(), QAccessible::Grouping);
    EXPECT_EQ(group->text(QAccessible::Name), QStringLiteral("Color Change?"));
    ASSERT_EQ(group->childCount(), 2);
    QAccessibleInterface *yes = group->child(0);
    QAccessibleInterface *no = group->child(1);
    EXPECT_EQ(yes->role(), QAccessible::RadioButton);
    EXPECT_EQ(yes->text(QAccessible::Name), QStringLiteral("Yes"));
    EXPECT_EQ(no->text(QAccessible::Name), QStringLiteral("No"));
    EXPECT_TRUE(yes->state().checked);
    EXPECT_FALSE(no->state().checked);
    EXPECT_EQ(no->text(QAccessible::Description), readPublished(control("rgColorChange"), QStringLiteral("Hint")));

    act(no, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(intProperty("rgColorChange", "ItemIndex"), 1);
    EXPECT_TRUE(no->state().checked);
    EXPECT_FALSE(yes->state().checked);
}

TEST_F(AccessibilityTest, ColourPickersAreComboBoxesValuedByTheColourInWordsWithTheirRowsWhenOpen)
{
    open();
    EXPECT_EQ(a11y("cboBackgroundColor")->text(QAccessible::Name), QStringLiteral("Background Color"));
    EXPECT_EQ(a11y("cboBackgroundColor")->text(QAccessible::Description),
              QStringLiteral("Normal background color of the clock.")) << "the hint its page shows over it";
    EXPECT_EQ(a11y("cboExpiredColor")->text(QAccessible::Name), QStringLiteral("Color at @Time Expired"));
    EXPECT_EQ(a11y("cboExpiredColor")->text(QAccessible::Value), QStringLiteral("Red"));

    QAccessibleInterface *picker = a11y("cboSecondsColor");
    EXPECT_EQ(picker->role(), QAccessible::ComboBox);
    EXPECT_EQ(picker->text(QAccessible::Name), QStringLiteral("Color at @Seconds"));
    EXPECT_EQ(picker->text(QAccessible::Value), QStringLiteral("Yellow"));
    EXPECT_EQ(textOf(picker), QStringLiteral("Yellow"));
    writePublished(control("cboSecondsColor"), QStringLiteral("ColorValue"), 0x123456);
    EXPECT_EQ(picker->text(QAccessible::Value), QStringLiteral("#563412")) << "an unnamed colour by its red, green, blue";
    writePublished(control("cboSecondsColor"), QStringLiteral("ColorValue"), 0x00FFFF);

    showConfiguration();
    EXPECT_EQ(picker->childCount(), 0);
    EXPECT_TRUE(picker->state().collapsed);
    act(picker, QAccessibleActionInterface::showMenuAction());
    ASSERT_EQ(picker->childCount(), 1);
    EXPECT_TRUE(picker->state().expanded);
    QAccessibleInterface *list = picker->child(0);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->parent(), picker);
    auto *box = static_cast<TcxColorComboBox *>(control("cboSecondsColor"));
    ASSERT_EQ(list->childCount(), box->RowCount());
    QAccessibleInterface *chosen = list->child(box->SelectedRow());
    EXPECT_EQ(chosen->role(), QAccessible::ListItem);
    EXPECT_EQ(chosen->text(QAccessible::Name), QStringLiteral("Yellow"));
    EXPECT_TRUE(chosen->state().selected);
    EXPECT_EQ(list->indexOfChild(chosen), box->SelectedRow());

    QAccessibleInterface *moneyGreen = childNamed(list, QStringLiteral("Money Green"));
    ASSERT_NE(moneyGreen, nullptr);
    act(moneyGreen, QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(picker->childCount(), 0);
    EXPECT_EQ(picker->text(QAccessible::Value), QStringLiteral("Money Green"));
}

TEST_F(AccessibilityTest, PagesAreTabsOfAPageTabListWhereTheShownOneIsSelected)
{
    open();
    QAccessibleInterface *pages = a11y("cxPageControl1");
    EXPECT_EQ(pages->role(), QAccessible::PageTabList);
    ASSERT_EQ(pages->childCount(), 2);
    QAccessibleInterface *display = pages->child(0);
    QAccessibleInterface *configuration = pages->child(1);
    EXPECT_EQ(display->role(), QAccessible::PageTab);
    EXPECT_EQ(display->text(QAccessible::Name), QStringLiteral("Display"));
    EXPECT_EQ(configuration->text(QAccessible::Name), QStringLiteral("Configuration"));
    EXPECT_TRUE(display->state().selected);
    EXPECT_FALSE(configuration->state().selected);
    EXPECT_FALSE(configuration->state().invisible) << "a tab shows while its page is hidden";
    auto *control = static_cast<TcxPageControl *>(this->control("cxPageControl1"));
    EXPECT_EQ(configuration->rect(), QRect(control->mapToGlobal(control->TabRect(1).topLeft()), control->TabRect(1).size()));
    EXPECT_EQ(pages->childAt(configuration->rect().center().x(), configuration->rect().center().y()), configuration);

    act(configuration, QAccessibleActionInterface::pressAction());
    EXPECT_EQ(control->ActivePage(), this->control("cxTabSheet2"));
    EXPECT_TRUE(configuration->state().selected);
    EXPECT_FALSE(display->state().selected);
    EXPECT_NE(childNamed(configuration, QStringLiteral("Color Change?")), nullptr) << "the page's controls are the tab's";
}

TEST_F(AccessibilityTest, TheLinkOpensItsAddressAndTheFooterIsStaticText)
{
    open();
    QAccessibleInterface *link = a11y("OvcURL1");
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("(https://www.pellgrove.example/)"));
    EXPECT_EQ(link->text(QAccessible::Description), QStringLiteral("Go to Pellgrove web site."));
    const QString press = QAccessibleActionInterface::pressAction();
    EXPECT_EQ(link->actionInterface()->localizedActionDescription(press), QStringLiteral("https://www.pellgrove.example/"));
    OpenedAddresses desktop;
    act(link, press);
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.pellgrove.example/"))});

    for (const char *footer : {"Label4", "Label7"}) {
        EXPECT_EQ(a11y(footer)->role(), QAccessible::StaticText);
        EXPECT_EQ(a11y(footer)->text(QAccessible::Name), caption(footer));
    }
}

#include "accessibility_test.moc"

TEST_F(AccessibilityTest, TheTreeHoldsNoUnnamedFillerEveryChildKnowsItsParentAndEveryRangeIsTrue)
{
    open();
    std::vector<QAccessibleInterface *> todo{QAccessible::queryAccessibleInterface(m_window.get())};
    int buttons = 0;
    while (!todo.empty()) {
        QAccessibleInterface *node = todo.back();
        todo.pop_back();
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface *child = node->child(i);
            ASSERT_NE(child, nullptr);
            const std::string name = child->text(QAccessible::Name).toStdString();
            EXPECT_FALSE(child->role() == QAccessible::Client && name.empty())
                << "an unnamed filler in " << node->text(QAccessible::Name).toStdString();
            EXPECT_EQ(child->parent(), node) << name;
            EXPECT_EQ(node->indexOfChild(child), i) << name;
            if (child->role() == QAccessible::Button)
                ++buttons;
            if (QAccessibleValueInterface *value = child->valueInterface()) {
                EXPECT_GE(value->minimumValue().toDouble(), double(INT_MIN)) << name;
                EXPECT_LE(value->maximumValue().toDouble(), double(INT_MAX)) << name;
                EXPECT_LT(value->minimumValue().toDouble(), value->maximumValue().toDouble()) << name;
            }
            todo.push_back(child);
        }
    }
    EXPECT_EQ(buttons, 4) << "Start, Stop, Reset and Done, each once";
}
