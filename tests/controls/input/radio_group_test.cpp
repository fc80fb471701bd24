#include "input_test_support.h"

#include "controls/base/layout_loader.h"
#include "controls/input/input_controls.h"
#include "controls/input/radio_grid.h"
#include "controls/input/tcxradiogroup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QSignalSpy>
#include <memory>

using namespace dorvane;

namespace {

QJsonObject groupLayout(const char *name, const char *caption, const char *first, const char *second, int top,
                        const char *extra = "")
{
    const QByteArray json = QStringLiteral(R"({"class": "TcxRadioGroup", "name": "%1", "properties": [
        ["Left", 40], ["Top", %5], ["Width", 185], ["Height", 49], %6
        ["Caption", "%2"], ["Alignment", "alTopLeft"],
        ["Properties", {"Columns": 2, "Items": ["%3", "%4"]}],
        ["Style", {"BorderStyle": "ebs3D"}], ["TabOrder", 5]]})")
                                .arg(QLatin1String(name), QLatin1String(caption), QLatin1String(first),
                                     QLatin1String(second))
                                .arg(top)
                                .arg(QLatin1String(extra))
                                .toUtf8();
    return QJsonDocument::fromJson(json).object();
}

QList<bool> checkedStates(const TcxRadioGroup *group)
{
    QList<bool> states;
    for (const QRadioButton *b : group->Buttons())
        states << b->isChecked();
    return states;
}

} // namespace

class RadioGroupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerInputControls();
        QJsonObject root{{QStringLiteral("class"), QStringLiteral("QWidget")}};
        root.insert(QStringLiteral("children"),
                    QJsonArray{groupLayout("rgColorChange", "Color Change?", "Yes", "No", 72),
                               groupLayout("rgDirection", "Time Direction?", "Down", "Up", 152),
                               groupLayout("rgVoice", "Voice Announcements?", "Yes", "No", 232)});
        window = std::make_unique<QWidget>();
        window->resize(300, 300);
        LayoutLoader::loadInto(window.get(), root);
        rgColorChange = window->findChild<TcxRadioGroup *>(QStringLiteral("rgColorChange"));
        ASSERT_NE(rgColorChange, nullptr);
    }

    std::unique_ptr<QWidget> window;
    TcxRadioGroup *rgColorChange = nullptr;
};

TEST_F(RadioGroupTest, LoadedGroupsHoldNoCheckUntilTheWindowWritesOne)
{
    for (const auto *group : window->findChildren<TcxRadioGroup *>()) {
        EXPECT_EQ(group->ItemIndex(), -1) << group->Name().toStdString();
        EXPECT_EQ(checkedStates(group), (QList<bool>{false, false}));
        EXPECT_EQ(group->Properties()->Columns(), 2);
        EXPECT_EQ(group->Style()->BorderStyle(), TcxEditStyle::ebs3D);
    }
    EXPECT_EQ(rgColorChange->Buttons().at(1)->text(), QStringLiteral("No"));
    rgColorChange->SetItemIndex(0);
    EXPECT_EQ(rgColorChange->ItemIndex(), 0);
    EXPECT_EQ(checkedStates(rgColorChange), (QList<bool>{true, false}));
}

TEST_F(RadioGroupTest, WrittenIndexesAreClampedAndNotifyOnlyOnChange)
{
    QSignalSpy clicks(rgColorChange, &TcxRadioGroup::OnClick);
    QSignalSpy changes(rgColorChange, &TcxRadioGroup::OnChange);
    rgColorChange->SetItemIndex(5);
    EXPECT_EQ(rgColorChange->ItemIndex(), 1);
    EXPECT_EQ(checkedStates(rgColorChange), (QList<bool>{false, true}));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(changes.count(), 1);

    rgColorChange->SetItemIndex(1);
    rgColorChange->SetItemIndex(99); // clamps to the same index
    EXPECT_EQ(changes.count(), 1);

    rgColorChange->SetItemIndex(-7);
    EXPECT_EQ(rgColorChange->ItemIndex(), -1);
    EXPECT_EQ(checkedStates(rgColorChange), (QList<bool>{false, false}));
    EXPECT_EQ(clicks.count(), 1) << "no click notification for -1";
    EXPECT_EQ(changes.count(), 2);

    TcxRadioGroup empty;
    empty.SetItemIndex(3);
    EXPECT_EQ(empty.ItemIndex(), -1);
}

TEST_F(RadioGroupTest, EditValueFollowsTheCheckedItem)
{
    rgColorChange->Properties()->SetDefaultValue(QStringLiteral("none"));
    rgColorChange->SetItemIndex(1);
    EXPECT_EQ(rgColorChange->EditValue(), QVariant(QStringLiteral("No")));
    rgColorChange->Properties()->Item(0)->SetValue(42);
    rgColorChange->SetEditValue(42);
    EXPECT_EQ(rgColorChange->ItemIndex(), 0);
    EXPECT_EQ(rgColorChange->EditValue(), QVariant(42));
    rgColorChange->SetEditValue(QStringLiteral("no")); // captions match case-sensitively
    EXPECT_EQ(rgColorChange->ItemIndex(), -1);
    EXPECT_EQ(rgColorChange->EditValue(), QVariant(QStringLiteral("none")));
}

TEST_F(RadioGroupTest, PressingAButtonChecksItAtOnceAndAgainChangesNothing)
{
    showActive(*window);
    rgColorChange->SetItemIndex(0);
    QSignalSpy clicks(rgColorChange, &TcxRadioGroup::OnClick);
    QRadioButton *no = rgColorChange->Buttons().at(1);
    QTest::mousePress(no, Qt::LeftButton, {}, QPoint(8, no->height() / 2));
    EXPECT_EQ(rgColorChange->ItemIndex(), 1) << "checked on the press";
    EXPECT_TRUE(no->hasFocus());
    QTest::mouseRelease(no, Qt::LeftButton, {}, QPoint(8, no->height() / 2));
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(no, Qt::LeftButton, {}, QPoint(8, no->height() / 2));
    EXPECT_EQ(rgColorChange->ItemIndex(), 1);
    EXPECT_TRUE(no->isChecked());
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(RadioGroupTest, ArrowKeysMoveTheCheckAndWrap)
{
    showActive(*window);
    rgColorChange->SetItemIndex(0);
    rgColorChange->Buttons().at(0)->setFocus(Qt::TabFocusReason);
    const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};
    int expected = 0;
    for (Qt::Key key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key);
        expected = 1 - expected;
        EXPECT_EQ(rgColorChange->ItemIndex(), expected) << "key " << key;
        EXPECT_TRUE(rgColorChange->Buttons().at(expected)->hasFocus());
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(rgColorChange->ItemIndex(), expected) << "space confirms the checked button";
}

TEST(RadioGroupFocus, TabReachesOnlyTheCheckedButton)
{
    QWidget window;
    auto *before = new QLineEdit(&window);
    auto *group = new TcxRadioGroup(&window);
    group->Properties()->SetItems({QStringLiteral("Down"), QStringLiteral("Up")});
    group->Properties()->SetColumns(2);
    auto *after = new QLineEdit(&window);
    group->SetItemIndex(1);
    showActive(window);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(group->Buttons().at(1)->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_TRUE(group->Buttons().at(1)->hasFocus());
    EXPECT_EQ(group->ItemIndex(), 1);
}

TEST(RadioGroupLayout, ItemsFillColumnsTopToBottomInEqualCells)
{
    TcxRadioGroup group;
    group.SetBounds(0, 0, 185, 105);
    group.SetCaption(QStringLiteral("Five"));
    group.Properties()->SetItems({"a", "b", "c", "d", "e"});
    group.Properties()->SetColumns(2);
    const auto buttons = group.Buttons();
    ASSERT_EQ(buttons.size(), 5);
    const QRect area = group.ContentRect();
    EXPECT_GT(area.top(), 0) << "clear of the caption";
    for (int i : {1, 2})
        EXPECT_EQ(buttons[i]->x(), buttons[0]->x());
    EXPECT_LT(buttons[0]->y(), buttons[1]->y());
    EXPECT_LT(buttons[1]->y(), buttons[2]->y());
    EXPECT_EQ(buttons[3]->y(), buttons[0]->y());
    EXPECT_EQ(buttons[4]->y(), buttons[1]->y());
    EXPECT_EQ(buttons[3]->x(), buttons[0]->x() + buttons[0]->width() + TcxRadioGroup::kColumnGap);
    for (const QRadioButton *b : buttons)
        EXPECT_EQ(b->size(), buttons[0]->size());

    group.Properties()->SetItems({"x", "y"});
    group.Properties()->SetColumns(9);
    EXPECT_EQ(group.Buttons()[0]->y(), group.Buttons()[1]->y()) << "two columns, one row";
    EXPECT_LT(group.Buttons()[0]->x(), group.Buttons()[1]->x());
    group.Properties()->SetColumns(0);
    EXPECT_EQ(group.Properties()->Columns(), 1);
    EXPECT_EQ(group.Buttons()[0]->x(), group.Buttons()[1]->x());
}

TEST(RadioGroupLayout, GridCellsShareTheAreaWithAGap)
{
    const QVector<QRect> cells = radioGridCells(5, 2, QRect(10, 20, 104, 90), 4);
    ASSERT_EQ(cells.size(), 5);
    EXPECT_EQ(cells[0], QRect(10, 20, 50, 30));
    EXPECT_EQ(cells[2], QRect(10, 80, 50, 30));
    EXPECT_EQ(cells[3], QRect(64, 20, 50, 30));
    EXPECT_TRUE(radioGridCells(0, 2, QRect(0, 0, 10, 10), 4).isEmpty());
}

TEST(RadioGroupLoading, AnIndexStoredWhileLoadingIsAppliedAtTheEnd)
{
    registerInputControls();
    QWidget root;
    QJsonObject layout{{QStringLiteral("class"), QStringLiteral("QWidget")}};
    layout.insert(QStringLiteral("children"),
                  QJsonArray{groupLayout("rgEarly", "Early", "Yes", "No", 0, R"(["ItemIndex", 5],)")});
    LayoutLoader::loadInto(&root, layout);
    auto *group = root.findChild<TcxRadioGroup *>(QStringLiteral("rgEarly"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(checkedStates(group), (QList<bool>{false, true}));
}
