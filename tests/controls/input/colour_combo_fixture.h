#pragma once
#include "controls/base/layout_loader.h"
#include "controls/base/tform.h"
#include "controls/input/colour_popup.h"
#include "controls/input/colour_tables.h"
#include "controls/input/input_controls.h"
#include "controls/input/tcxcolorcombobox.h"
#include "support/qt_wait.h"

#include <QColorDialog>
#include <QJsonDocument>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace colourtest {

constexpr int clRed = 255;
constexpr int clYellow = 65535;
constexpr int cream = 15793151;
constexpr int clBtnFace = -16777201;
constexpr int clWindow = -16777211;

// The Configuration page's three pickers, loaded from a layout description as the program
// stores them: background (style colour white), "seconds" (yellow) and expired (red).
inline const char *programLayout()
{
    return R"({"class": "TForm", "name": "Form",
      "properties": [["ClientWidth", 640], ["ClientHeight", 200]],
      "children": [
        {"class": "TcxColorComboBox", "name": "cboBackgroundColor",
         "properties": [["Left", 224], ["Top", 16], ["Width", 121], ["Height", 24], ["TabOrder", 0],
           ["Properties", {"AllowSelectColor": true, "DefaultDescription": "Color not selected",
                           "ShowDescriptions": false}],
           ["Properties", {"PrepareInfo": ""}],
           ["Style", {"Color": 16777215, "ButtonStyle": "bts3D", "Shadow": false}]]},
        {"class": "TcxColorComboBox", "name": "cboSecondsColor",
         "properties": [["Left", 456], ["Top", 72], ["Width", 121], ["Height", 24], ["TabOrder", 1],
           ["ColorValue", 65535],
           ["Properties", {"AllowSelectColor": true, "DefaultDescription": "Color not selected",
                           "ShowDescriptions": false}],
           ["Properties", {"PrepareInfo": ""}],
           ["Style", {"ButtonStyle": "bts3D"}]]},
        {"class": "TcxColorComboBox", "name": "cboExpiredColor",
         "properties": [["Left", 456], ["Top", 97], ["Width", 121], ["Height", 24], ["TabOrder", 2],
           ["ColorValue", 255],
           ["Properties", {"AllowSelectColor": true, "DefaultDescription": "Color not selected",
                           "ShowDescriptions": false}],
           ["Properties", {"PrepareInfo": ""}],
           ["Style", {"ButtonStyle": "bts3D"}]]}
      ]})";
}

class ColourPickerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dorvane::registerInputControls();
        form = std::make_unique<TForm>();
        const QJsonObject layout = QJsonDocument::fromJson(programLayout()).object();
        ASSERT_FALSE(layout.isEmpty());
        dorvane::LayoutLoader::loadInto(form.get(), layout);
        background = form->findChild<TcxColorComboBox *>(QStringLiteral("cboBackgroundColor"));
        seconds = form->findChild<TcxColorComboBox *>(QStringLiteral("cboSecondsColor"));
        expired = form->findChild<TcxColorComboBox *>(QStringLiteral("cboExpiredColor"));
        ASSERT_TRUE(background && seconds && expired);
    }

    void showAndFocus(TcxColorComboBox *picker)
    {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        picker->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(DORVANE_WAIT_FOR(picker->hasFocus()));
    }

    static TcxCustomColorComboBoxListBox *openList(TcxColorComboBox *picker)
    {
        picker->DropDown();
        EXPECT_TRUE(picker->DroppedDown());
        return picker->PopupWindow() ? picker->PopupWindow()->ListBox() : nullptr;
    }

    // Opens the list and clicks the row, as the user chooses a colour.
    static void chooseRow(TcxColorComboBox *picker, int row)
    {
        TcxCustomColorComboBoxListBox *list = openList(picker);
        ASSERT_TRUE(list);
        list->SetItemIndex(row);
        const QRect r = list->RowRect(row);
        ASSERT_FALSE(r.isEmpty()) << "row " << row;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        ASSERT_FALSE(picker->DroppedDown());
    }

    static void chooseColour(TcxColorComboBox *picker, int colour)
    {
        const int row = picker->Properties()->RowOfColor(colour);
        ASSERT_GE(row, 0) << colour;
        chooseRow(picker, row);
    }

    static std::vector<int> mruColours(const TcxColorComboBox *picker)
    {
        std::vector<int> colours;
        const TcxColorComboBoxItems *mru = picker->Properties()->MRUColors();
        for (int i = 0; i < mru->Count(); ++i)
            colours.push_back(mru->Item(i)->Color());
        return colours;
    }

    // Clicks the ellipsis button and returns the colour dialog it opened.
    static QColorDialog *openDialog(TcxColorComboBox *picker)
    {
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->EllipsisButtonRect().center());
        auto *dialog = picker->findChild<QColorDialog *>();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }

    static void chooseInDialog(TcxColorComboBox *picker, const QColor &colour)
    {
        QColorDialog *dialog = openDialog(picker);
        ASSERT_TRUE(dialog);
        dialog->setCurrentColor(colour);
        dialog->accept();
    }

    // The colour drawn at the centre of the closed box's swatch.
    static QColor swatchPixel(TcxColorComboBox *picker)
    {
        return picker->grab().toImage().pixelColor(picker->InteriorRect().center());
    }

    std::unique_ptr<TForm> form;
    TcxColorComboBox *background = nullptr;
    TcxColorComboBox *seconds = nullptr;
    TcxColorComboBox *expired = nullptr;
};

} // namespace colourtest
