// The drop-down list: rows as drawn, the double line under the recent colours, opening,
// moving and closing.
#include "colour_combo_fixture.h"

#include "controls/base/platform.h"

#include <QScrollBar>

using namespace colourtest;

namespace {

TEST_F(ColourPickerTest, ListShowsEightRowsOfEqualHeightUntilAColourIsRemembered)
{
    TcxCustomColorComboBoxListBox *list = openList(seconds);
    ASSERT_TRUE(list);
    const int h = list->BaseRowHeight();
    EXPECT_EQ(h, std::max(16, QFontMetrics(list->font()).height()));
    for (int row = 0; row < 52; ++row)
        ASSERT_EQ(list->RowHeight(row), h) << row;
    EXPECT_EQ(list->viewport()->height(), 8 * h);
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_GE(seconds->PopupWindow()->width(), seconds->width());
    EXPECT_EQ(list->ItemIndex(), 11) << "opens on the selected row";
    EXPECT_FALSE(list->RowRect(11).isEmpty()) << "scrolled into view";
    seconds->CloseUp(false);

    chooseColour(seconds, clRed);
    list = openList(seconds);
    EXPECT_EQ(list->RowHeight(0), h + 3);
    EXPECT_EQ(list->RowHeight(1), h);
    EXPECT_EQ(list->viewport()->height(), 8 * h + 3);
    seconds->CloseUp(false);
}

TEST_F(ColourPickerTest, DoubleLineClosesOffTheRecentColours)
{
    background->setPalette(QPalette(Qt::gray)); // window text black, window white
    chooseColour(background, clRed);
    chooseColour(background, 0x00FF0000); // blue: rows 0 blue, 1 red
    TcxCustomColorComboBoxListBox *list = openList(background);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->ItemIndex(), 0);
    const QColor text = dorvane::toQColor(dorvane::colours::clWindowText, list->palette());
    const QColor window = dorvane::toQColor(dorvane::colours::clWindow, list->palette());

    auto pixelsAt = [&](int row) {
        const QImage image = list->viewport()->grab().toImage();
        const QRect r = list->RowRect(row);
        const int x = r.center().x();
        const int bottom = r.top() + r.height();
        return std::array<QColor, 4>{image.pixelColor(x, bottom - 3), image.pixelColor(x, bottom - 1),
                                     image.pixelColor(x, bottom - 2), image.pixelColor(x, bottom - 7)};
    };
    auto last = pixelsAt(1);
    EXPECT_EQ(last[0], text);
    EXPECT_EQ(last[1], text);
    EXPECT_NE(last[2], text) << "a gap between the two lines";
    EXPECT_EQ(last[3], QColor(Qt::red)) << "the swatch stops above the lines";

    QTest::keyClick(background->PopupWindow(), Qt::Key_Down);
    ASSERT_EQ(list->ItemIndex(), 1);
    last = pixelsAt(1);
    EXPECT_EQ(last[0], window) << "highlighted: the lines take the window colour";
    EXPECT_EQ(last[1], window);
    EXPECT_EQ(background->ColorValue(), 0x00FF0000) << "moving the highlight changes nothing";
    background->CloseUp(false);
}

TEST_F(ColourPickerTest, DownThenEscLeavesTheValue)
{
    showAndFocus(seconds);
    QTest::keyClick(seconds, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(seconds->DroppedDown());
    TcxColorComboBoxPopupWindow *popup = seconds->PopupWindow();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_PageDown);
    EXPECT_EQ(popup->ListBox()->ItemIndex(), 19);
    EXPECT_EQ(seconds->ColorValue(), clYellow);
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_FALSE(seconds->DroppedDown());
    EXPECT_EQ(seconds->ColorValue(), clYellow);
    EXPECT_EQ(seconds->SelectedRow(), 11);
    EXPECT_EQ(seconds->Properties()->MRUCount(), 0);
}

TEST_F(ColourPickerTest, EnterF4AndAltArrowsAcceptTheHighlightedRow)
{
    showAndFocus(seconds);
    QTest::keyClick(seconds, Qt::Key_F4);
    ASSERT_TRUE(seconds->DroppedDown());
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Up);
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Return);
    EXPECT_FALSE(seconds->DroppedDown());
    EXPECT_EQ(seconds->ColorValue(), 0x0000FF00) << "clLime";

    QTest::keyClicks(seconds, QStringLiteral("x"));
    ASSERT_TRUE(seconds->DroppedDown()) << "a typed character opens the list";
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_End);
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_F4);
    EXPECT_EQ(seconds->ColorValue(), static_cast<int>(0xFF000008u));

    QTest::keyClick(seconds, Qt::Key_Up, Qt::AltModifier);
    ASSERT_TRUE(seconds->DroppedDown());
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Home);
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(seconds->ColorValue(), static_cast<int>(0xFF000008u)) << "row 0 is the recent clWindowText";
    EXPECT_EQ(mruColours(seconds), std::vector<int>({static_cast<int>(0xFF000008u), 0x0000FF00}));

    seconds->Properties()->SetReadOnly(true);
    seconds->DropDown();
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Down);
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_Return);
    EXPECT_FALSE(seconds->DroppedDown());
    EXPECT_EQ(seconds->ColorValue(), static_cast<int>(0xFF000008u)) << "read-only: Enter only closes";
}

TEST_F(ColourPickerTest, ClickOnTheBoxOpensAndAClickOutsideCancels)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QTest::mouseClick(expired, Qt::LeftButton, {}, expired->InteriorRect().center());
    ASSERT_TRUE(expired->DroppedDown());
    TcxColorComboBoxPopupWindow *popup = expired->PopupWindow();
    QTest::keyClick(popup, Qt::Key_Down);
    const QPoint outside = popup->mapFromGlobal(form->mapToGlobal(QPoint(5, 5)));
    QTest::mousePress(popup, Qt::LeftButton, {}, outside);
    EXPECT_FALSE(expired->DroppedDown());
    EXPECT_EQ(expired->ColorValue(), clRed);
    EXPECT_EQ(expired->Properties()->MRUCount(), 0);

    QTest::mousePress(expired, Qt::LeftButton, {}, expired->DropDownButtonRect().center());
    ASSERT_TRUE(expired->DroppedDown()) << "a press on the drop-down button opens";
    QTest::mouseRelease(expired->PopupWindow(), Qt::LeftButton, {},
                        expired->PopupWindow()->mapFromGlobal(expired->mapToGlobal(expired->DropDownButtonRect().center())));
    EXPECT_TRUE(expired->DroppedDown()) << "the release that follows the opening press accepts nothing";
    QTest::mousePress(expired->PopupWindow(), Qt::LeftButton, {},
                      expired->PopupWindow()->mapFromGlobal(expired->mapToGlobal(expired->InteriorRect().center())));
    EXPECT_FALSE(expired->DroppedDown());
    EXPECT_TRUE(expired->PopupWindow()->testAttribute(Qt::WA_NoMouseReplay)) << "the box does not reopen it";
    EXPECT_EQ(expired->ColorValue(), clRed);
}

TEST_F(ColourPickerTest, ValueOutsideTheListsOpensWithNoHighlightAndWheelOnlyScrolls)
{
    seconds->SetColorValue(0x123456);
    TcxCustomColorComboBoxListBox *list = openList(seconds);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(list->TopRow(), 0);
    const QPoint at = list->viewport()->rect().center();
    QWheelEvent toward(at, list->viewport()->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list->viewport(), &toward);
    EXPECT_EQ(list->TopRow(), QApplication::wheelScrollLines());
    EXPECT_EQ(list->ItemIndex(), -1);
    QTest::mouseMove(list->viewport(), list->RowRect(list->TopRow() + 1).center());
    EXPECT_EQ(list->ItemIndex(), list->TopRow() + 1) << "the pointer highlights";
    QTest::keyClick(seconds->PopupWindow(), Qt::Key_End);
    EXPECT_EQ(list->ItemIndex(), 51);
    EXPECT_FALSE(list->RowRect(51).isEmpty());
    EXPECT_EQ(list->RowAt(QPoint(1, list->viewport()->height() - 1)), 51);
    seconds->CloseUp(false);
    EXPECT_EQ(seconds->ColorValue(), 0x123456);
}

TEST_F(ColourPickerTest, FocusMarkShowsWhileFocusedAlsoWithTheListOpen)
{
    showAndFocus(expired);
    auto marked = [this] {
        const QImage image = expired->grab().toImage();
        const QRect r = expired->InteriorRect();
        int count = 0;
        for (int x = r.left() + 1; x < r.right(); ++x)
            count += image.pixelColor(x, r.top()) != expired->BackgroundColor();
        return count;
    };
    EXPECT_GT(marked(), 0);
    expired->DropDown();
    ASSERT_TRUE(expired->DroppedDown());
    EXPECT_GT(marked(), 0) << "the open list leaves the focus with the picker";
    expired->CloseUp(false);
    background->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(DORVANE_WAIT_FOR(!expired->hasFocus()));
    EXPECT_EQ(marked(), 0) << "the outer ring of the swatch is plain background";
}

} // namespace
