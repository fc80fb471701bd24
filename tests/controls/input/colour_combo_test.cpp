// The picker as the Configuration page loads and uses it: value, recent colours, colour dialog,
// keys with the list closed.
#include "colour_combo_fixture.h"
#include "input_test_support.h"

#include "controls/base/focus_walk.h"
#include "controls/base/platform.h"

#include <QSignalSpy>
#include <QWheelEvent>

using namespace colourtest;
using dorvane::toQColor;

namespace {

TEST_F(ColourPickerTest, LoadingPreparesFiftyTwoColoursAndSelectsTheStoredOne)
{
    ASSERT_EQ(seconds->RowCount(), 52);
    const auto &table = dorvane::standardColourTable();
    for (int row = 0; row < 52; ++row) {
        EXPECT_EQ(seconds->RowColor(row), table[static_cast<size_t>(row)].value) << row;
        EXPECT_EQ(seconds->Properties()->RowItem(row)->Description(), QLatin1String(table[static_cast<size_t>(row)].name));
    }
    EXPECT_EQ(seconds->Properties()->MRUCount(), 0);
    EXPECT_EQ(seconds->SelectedRow(), 11);
    EXPECT_EQ(seconds->ColorValue(), clYellow);
    EXPECT_EQ(expired->SelectedRow(), 9);
    EXPECT_EQ(background->SelectedRow(), 49) << "clWindow";
    EXPECT_EQ(background->ColorValue(), clWindow);
    EXPECT_EQ(background->Style()->Color(), 0xFFFFFF);
    EXPECT_TRUE(seconds->Properties()->AllowSelectColor());
    EXPECT_FALSE(seconds->Properties()->ShowDescriptions());
}

TEST_F(ColourPickerTest, StoredCustomEntriesStandBeforeThePreparedOnesWhateverTheKeyOrder)
{
    TForm other;
    dorvane::LayoutLoader::loadInto(&other, QJsonDocument::fromJson(R"({"class": "TForm", "children": [
        {"class": "TcxColorComboBox", "name": "cbo", "properties": [["ColorValue", 1193046],
         ["Properties", {"PrepareInfo": "", "Items": {"Entries": ["1193046=Ink"]}}]]}]})").object());
    auto *picker = other.findChild<TcxColorComboBox *>();
    ASSERT_TRUE(picker);
    ASSERT_EQ(picker->RowCount(), 53);
    EXPECT_EQ(picker->RowColor(0), 0x123456);
    EXPECT_EQ(picker->SelectedRow(), 0);
}

TEST_F(ColourPickerTest, ChoosingFromTheListSetsTheValueBeforeTheListCloses)
{
    TcxCustomColorComboBoxListBox *list = openList(seconds);
    ASSERT_TRUE(list);
    int valueWhenHidden = 0;
    struct HideWatch : QObject
    {
        TcxColorComboBox *picker;
        int *seen;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Hide)
                *seen = picker->ColorValue();
            return false;
        }
    } watch;
    watch.picker = seconds;
    watch.seen = &valueWhenHidden;
    seconds->PopupWindow()->installEventFilter(&watch);
    list->SetItemIndex(9);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->RowRect(9).center());
    EXPECT_EQ(valueWhenHidden, clRed);
    EXPECT_FALSE(seconds->DroppedDown());
    EXPECT_EQ(seconds->RowCount(), 53);
    EXPECT_EQ(seconds->RowColor(0), clRed);
    EXPECT_EQ(seconds->SelectedRow(), 0);

    chooseRow(seconds, 0);
    EXPECT_EQ(mruColours(seconds), std::vector<int>({clRed}));
    EXPECT_EQ(seconds->SelectedRow(), 0);
}

TEST_F(ColourPickerTest, RecentColoursKeepTheLastTenAndMoveAChosenOneToTheTop)
{
    const auto &table = dorvane::standardColourTable();
    for (int i = 0; i < 11; ++i)
        chooseColour(seconds, table[static_cast<size_t>(i)].value);
    std::vector<int> expected;
    for (int i = 10; i >= 1; --i)
        expected.push_back(table[static_cast<size_t>(i)].value);
    EXPECT_EQ(mruColours(seconds), expected);
    EXPECT_EQ(seconds->RowCount(), 62);

    chooseRow(seconds, 3);
    std::vector<int> moved = expected; // row 3 to the top, the others keep their order
    moved.erase(moved.begin() + 3);
    moved.insert(moved.begin(), expected[3]);
    EXPECT_EQ(mruColours(seconds), moved);
    EXPECT_EQ(seconds->ColorValue(), expected[3]);
    EXPECT_EQ(seconds->SelectedRow(), 0);
}

TEST_F(ColourPickerTest, NewDialogColourIsAppendedRememberedAndBecomesTheValueOnce)
{
    chooseInDialog(seconds, QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(seconds->ColorValue(), 0x123456);
    EXPECT_EQ(seconds->AssignedColor(), 0x123456);
    const TcxColorComboBoxItems *items = seconds->Properties()->Items();
    ASSERT_EQ(items->Count(), 53);
    EXPECT_EQ(items->Item(52)->Color(), 0x123456);
    EXPECT_TRUE(items->Item(52)->IsCustom());
    EXPECT_EQ(mruColours(seconds), std::vector<int>({0x123456}));
    EXPECT_EQ(seconds->SelectedRow(), 0);
    EXPECT_TRUE(seconds->IsModified());

    chooseColour(seconds, clRed);
    chooseInDialog(seconds, QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(items->Count(), 53);
    EXPECT_EQ(mruColours(seconds), std::vector<int>({0x123456, clRed}));
    EXPECT_EQ(seconds->ColorValue(), 0x123456);
}

TEST_F(ColourPickerTest, DialogColourAlreadyListedIsOnlyRemembered)
{
    chooseInDialog(seconds, QColor(255, 0, 0));
    EXPECT_EQ(seconds->Properties()->Items()->Count(), 52);
    EXPECT_EQ(mruColours(seconds), std::vector<int>({clRed}));
    EXPECT_EQ(seconds->ColorValue(), clRed);
    EXPECT_EQ(seconds->SelectedRow(), 0);
}

TEST_F(ColourPickerTest, CancellingTheDialogChangesNothing)
{
    QSignalSpy changed(seconds, &TcxColorComboBox::ColorValueChanged);
    QColorDialog *dialog = openDialog(seconds);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(seconds->IsFocused()) << "the picker counts as focused while its dialog is up";
    EXPECT_EQ(dialog->currentColor(), QColor(255, 255, 0)) << "starts at the value";
    dialog->setCurrentColor(QColor(1, 2, 3));
    dialog->reject();
    EXPECT_EQ(seconds->ColorValue(), clYellow);
    EXPECT_EQ(seconds->SelectedRow(), 11);
    EXPECT_EQ(seconds->RowCount(), 52);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(seconds->IsFocused());
}

TEST_F(ColourPickerTest, DialogHookMayRenameOrKeepTheColourOutOfTheList)
{
    seconds->Properties()->SetOnSelectCustomColor([](QObject *, int &colour, QString &text, bool &add) {
        text = QStringLiteral("Ink");
        add = colour != 0x010203;
    });
    chooseInDialog(seconds, QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(seconds->Properties()->Items()->Item(52)->Description(), QStringLiteral("Ink"));
    chooseInDialog(seconds, QColor(3, 2, 1));
    EXPECT_EQ(seconds->RowCount(), 54) << "kept out of the list";
    EXPECT_EQ(seconds->SelectedRow(), -1);
    EXPECT_EQ(seconds->ColorValue(), seconds->AssignedColor());
}

TEST_F(ColourPickerTest, ReadOnlyPickerIgnoresKeysDeleteAndDialog)
{
    showAndFocus(seconds);
    seconds->Properties()->SetReadOnly(true);
    QTest::keyClick(seconds, Qt::Key_Down);
    QTest::keyClick(seconds, Qt::Key_Delete);
    chooseInDialog(seconds, QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(seconds->ColorValue(), clYellow);
    EXPECT_EQ(seconds->SelectedRow(), 11);
    EXPECT_EQ(seconds->RowCount(), 52);
}

TEST_F(ColourPickerTest, ReadOnlyPickerKeepsItsValueOnEscAndInItsList)
{
    showAndFocus(seconds);
    QTest::keyClick(seconds, Qt::Key_Down);
    ASSERT_EQ(seconds->SelectedRow(), 12);
    seconds->Properties()->SetReadOnly(true);
    QTest::keyClick(seconds, Qt::Key_Escape);
    EXPECT_EQ(seconds->SelectedRow(), 12) << "Esc is a key like the others";
    EXPECT_EQ(seconds->ColorValue(), 0x00FF0000);

    TcxCustomColorComboBoxListBox *list = openList(seconds);
    ASSERT_TRUE(list);
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Down);
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_F4);
    EXPECT_FALSE(seconds->DroppedDown());
    ASSERT_TRUE(openList(seconds));
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_FALSE(seconds->DroppedDown());
    chooseRow(seconds, 3);
    EXPECT_EQ(seconds->ColorValue(), 0x00FF0000);
    EXPECT_EQ(seconds->SelectedRow(), 12);
    EXPECT_EQ(seconds->Properties()->MRUCount(), 0);
}

TEST_F(ColourPickerTest, SelectionFollowsTheColourWhenTheRowsShift)
{
    chooseColour(seconds, clRed);
    ASSERT_EQ(seconds->SelectedRow(), 0);
    seconds->Properties()->SetMaxMRUColors(0); // the remembered red goes
    EXPECT_EQ(seconds->ColorValue(), clRed);
    EXPECT_EQ(seconds->SelectedRow(), 9);
    EXPECT_EQ(seconds->DisplayValue().colour, clRed);

    seconds->Properties()->Items()->InsertColor(0, 0x123456, QStringLiteral("Ink"));
    EXPECT_EQ(seconds->SelectedRow(), 10);
    EXPECT_EQ(seconds->ColorValue(), clRed);
    EXPECT_EQ(swatchPixel(seconds), QColor(Qt::red));
}

TEST_F(ColourPickerTest, WritingAValueOutsideTheListsSelectsNoRowAndShowsIt)
{
    QSignalSpy changed(background, &TcxColorComboBox::ColorValueChanged);
    background->SetColorValue(0x123456);
    EXPECT_EQ(background->ColorValue(), 0x123456);
    EXPECT_EQ(background->SelectedRow(), -1);
    EXPECT_EQ(background->DisplayValue().colour, 0x123456);
    EXPECT_EQ(swatchPixel(background), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(changed.count(), 1);

    // The same value again: nothing at all, not even a repaint.
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QCoreApplication::processEvents();
    struct PaintCount : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } count;
    background->installEventFilter(&count);
    background->SetColorValue(0x123456);
    QCoreApplication::processEvents();
    EXPECT_EQ(count.paints, 0);
    EXPECT_EQ(changed.count(), 1);

    background->SetColorValue(clRed);
    EXPECT_EQ(background->SelectedRow(), 9);
}

TEST_F(ColourPickerTest, DeleteFallsBackToTheLastWrittenColourAndShowsTheDefault)
{
    showAndFocus(background);
    background->SetColorValue(cream); // from the settings file
    chooseColour(background, clRed);
    ASSERT_EQ(background->ColorValue(), clRed);
    QTest::keyClick(background, Qt::Key_Delete);
    EXPECT_EQ(background->ColorValue(), cream);
    EXPECT_EQ(background->SelectedRow(), -1);
    EXPECT_EQ(background->DisplayValue().colour, clWindow);
    EXPECT_EQ(swatchPixel(background), background->palette().color(QPalette::Base));
}

TEST_F(ColourPickerTest, ArrowPageAndWheelMovesStopAtTheEnds)
{
    showAndFocus(seconds);
    QTest::keyClick(seconds, Qt::Key_End);
    EXPECT_EQ(seconds->SelectedRow(), 51);
    QTest::keyClick(seconds, Qt::Key_Down);
    EXPECT_EQ(seconds->SelectedRow(), 51);
    EXPECT_EQ(seconds->ColorValue(), static_cast<int>(0xFF000008u));
    QTest::keyClick(seconds, Qt::Key_Home);
    QTest::keyClick(seconds, Qt::Key_Up);
    EXPECT_EQ(seconds->SelectedRow(), 0);
    QTest::keyClick(seconds, Qt::Key_PageDown);
    EXPECT_EQ(seconds->SelectedRow(), 7);
    QTest::keyClick(seconds, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(seconds->SelectedRow(), 51);
    QTest::keyClick(seconds, Qt::Key_Left);
    EXPECT_EQ(seconds->SelectedRow(), 51);

    QTest::keyClick(seconds, Qt::Key_Delete);
    ASSERT_EQ(seconds->SelectedRow(), -1);
    QTest::keyClick(seconds, Qt::Key_Up);
    EXPECT_EQ(seconds->SelectedRow(), -1);
    QTest::keyClick(seconds, Qt::Key_PageDown);
    EXPECT_EQ(seconds->SelectedRow(), 7);
    QTest::keyClick(seconds, Qt::Key_Delete);
    QTest::keyClick(seconds, Qt::Key_Down);
    EXPECT_EQ(seconds->SelectedRow(), 0);

    const QPoint at = seconds->InteriorRect().center();
    QWheelEvent toward(at, seconds->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(seconds, &toward);
    EXPECT_EQ(seconds->SelectedRow(), 1);
    QWheelEvent away(at, seconds->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(seconds, &away);
    QApplication::sendEvent(seconds, &away);
    EXPECT_EQ(seconds->SelectedRow(), 0);
    EXPECT_EQ(seconds->Properties()->MRUCount(), 0) << "moves never touch the recent colours";
}

TEST_F(ColourPickerTest, EscRestoresTheValueAtFocusButNotADialogChoice)
{
    showAndFocus(seconds);
    QTest::keyClick(seconds, Qt::Key_Down);
    QTest::keyClick(seconds, Qt::Key_Down);
    ASSERT_EQ(seconds->SelectedRow(), 13);
    QTest::keyClick(seconds, Qt::Key_Escape);
    EXPECT_EQ(seconds->SelectedRow(), 11);
    EXPECT_EQ(seconds->ColorValue(), clYellow);

    chooseInDialog(seconds, QColor(0x56, 0x34, 0x12));
    ASSERT_TRUE(DORVANE_WAIT_FOR(seconds->hasFocus()));
    QTest::keyClick(seconds, Qt::Key_Escape);
    EXPECT_EQ(seconds->ColorValue(), 0x123456);
    QTest::keyClick(seconds, Qt::Key_Down);
    QTest::keyClick(seconds, Qt::Key_Escape);
    EXPECT_EQ(seconds->ColorValue(), 0x123456) << "the dialog's colour is the new point of return";
}

TEST_F(ColourPickerTest, SystemColourFollowsThePaletteWhenDrawn)
{
    chooseColour(expired, clBtnFace);
    EXPECT_EQ(expired->ColorValue(), -16777201);
    EXPECT_EQ(swatchPixel(expired), expired->palette().color(QPalette::Button));
    QPalette custom = expired->palette();
    custom.setColor(QPalette::Button, QColor(10, 200, 30));
    expired->setPalette(custom);
    EXPECT_EQ(swatchPixel(expired), QColor(10, 200, 30));
    EXPECT_EQ(toQColor(expired->ColorValue(), custom), QColor(10, 200, 30));
}

TEST_F(ColourPickerTest, EllipsisButtonFollowsAllowSelectColorAndOpensOnlyTheDialog)
{
    const QRect ellipsis = seconds->EllipsisButtonRect();
    ASSERT_FALSE(ellipsis.isEmpty());
    EXPECT_LT(seconds->DropDownButtonRect().right(), ellipsis.left());
    QColorDialog *dialog = openDialog(seconds);
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(seconds->DroppedDown());
    dialog->reject();

    seconds->Properties()->SetAllowSelectColor(false);
    EXPECT_TRUE(seconds->EllipsisButtonRect().isEmpty());
    EXPECT_EQ(seconds->DropDownButtonRect().right(), seconds->width() - 3);
    QTest::mouseClick(seconds, Qt::LeftButton, {}, ellipsis.center());
    EXPECT_TRUE(seconds->DroppedDown()) << "that spot is the drop-down button now";
    EXPECT_FALSE(dialog->isVisible());
    seconds->CloseUp(false);
}

TEST_F(ColourPickerTest, AutoSizeFitsTheTextFontWithTheButtonsFullHeight)
{
    expectHeightFitsFont(*seconds, *seconds->Style()->Font());
    for (const QRect &button : {seconds->DropDownButtonRect(), seconds->EllipsisButtonRect()}) {
        EXPECT_EQ(button.top(), 2);
        EXPECT_EQ(button.bottom(), seconds->height() - 3);
    }
}

TEST_F(ColourPickerTest, OpeningTheDialogIsNoExitFromThePage)
{
    dorvane::FocusWalk::install();
    showAndFocus(seconds);
    QSignalSpy exits(seconds, &TControl::OnExit);
    QSignalSpy formExits(form.get(), &TControl::OnExit);
    QColorDialog *dialog = openDialog(seconds);
    ASSERT_TRUE(dialog);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    ASSERT_TRUE(DORVANE_WAIT_FOR(dialog->isAncestorOf(QApplication::focusWidget())));
    dialog->reject();
    form->activateWindow();
    ASSERT_TRUE(DORVANE_WAIT_FOR(seconds->hasFocus()));
    EXPECT_EQ(exits.count(), 0);
    EXPECT_EQ(formExits.count(), 0);
}

} // namespace
