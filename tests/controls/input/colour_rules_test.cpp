// The picker's rules without a window: key table, colour tables, entry lists, recent colours,
// descriptions.
#include "controls/input/colour_row_keys.h"
#include "controls/input/colour_tables.h"
#include "controls/input/tcxcolorcomboboxproperties.h"

#include <QApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <set>

using namespace dorvane;

namespace {

struct MoveCase
{
    const char *name;
    RowMove move;
    int current;
    int rowCount;
    int expected;
};

TEST(ColourRowKeys, MovesStopAtTheEndsAndFollowThePageSize)
{
    const MoveCase cases[] = {
        {"Up at row 0 stays", RowMove::Up, 0, 52, 0},
        {"Up with no row stays", RowMove::Up, -1, 52, -1},
        {"Up", RowMove::Up, 5, 52, 4},
        {"Down at the last row stays", RowMove::Down, 51, 52, 51},
        {"Down with no row selects row 0", RowMove::Down, -1, 52, 0},
        {"PgUp with no row stays", RowMove::PageUp, -1, 52, -1},
        {"PgUp stops at row 0", RowMove::PageUp, 3, 52, 0},
        {"PgUp by seven", RowMove::PageUp, 20, 52, 13},
        {"PgDn with no row selects row 7", RowMove::PageDown, -1, 52, 7},
        {"PgDn with no row and five rows", RowMove::PageDown, -1, 5, 4},
        {"PgDn by seven", RowMove::PageDown, 10, 52, 17},
        {"PgDn stops at the last row", RowMove::PageDown, 50, 53, 52},
        {"Home", RowMove::First, 30, 52, 0},
        {"End", RowMove::Last, -1, 52, 51},
        {"no rows at all", RowMove::Down, -1, 0, -1},
    };
    for (const MoveCase &c : cases)
        EXPECT_EQ(rowAfterMove(c.move, c.current, c.rowCount, 8), c.expected) << c.name;
    EXPECT_EQ(rowAfterMove(RowMove::PageDown, -1, 52, 1), 0) << "one-row pages";
}

TEST(ColourRowKeys, CtrlPagesActAsHomeAndEnd)
{
    EXPECT_EQ(rowMoveForKey(Qt::Key_PageUp, Qt::ControlModifier), RowMove::First);
    EXPECT_EQ(rowMoveForKey(Qt::Key_PageDown, Qt::ControlModifier), RowMove::Last);
    EXPECT_EQ(rowMoveForKey(Qt::Key_PageDown, Qt::NoModifier), RowMove::PageDown);
    EXPECT_FALSE(rowMoveForKey(Qt::Key_Left, Qt::NoModifier));
}

TEST(ColourTables, StandardTableHasFiftyTwoDistinctNamedColours)
{
    const auto &table = standardColourTable();
    ASSERT_EQ(table.size(), 52u);
    std::set<int> values;
    for (const NamedColour &c : table)
        values.insert(c.value);
    EXPECT_EQ(values.size(), 52u);
    EXPECT_STREQ(table[11].name, "clYellow");
    EXPECT_EQ(table[11].value, 65535);
    EXPECT_EQ(table[24].value, -16777201);
    EXPECT_STREQ(table[29].name, "clDefault");
    EXPECT_STREQ(table[45].name, "clNone");
    EXPECT_STREQ(table[47].name, "cl3DDkShadow");
    EXPECT_STREQ(table[51].name, "clWindowText");
    EXPECT_EQ(html4ColourTable().size(), 16u);
}

TEST(ColourTables, TextConvertsByIdentifierOrWholeNumber)
{
    EXPECT_EQ(colourFromText(QStringLiteral("clRed")), 255);
    EXPECT_EQ(colourFromText(QStringLiteral("CLBTNFACE")), -16777201);
    EXPECT_EQ(colourFromText(QStringLiteral(" -16777201 ")), -16777201);
    EXPECT_FALSE(colourFromText(QStringLiteral("")));
    EXPECT_FALSE(colourFromText(QStringLiteral("12abc")));
    EXPECT_FALSE(colourFromText(QStringLiteral("99999999999")));
}

TEST(ColourItems, ListHoldsEachColourOnceAndKeepsEntriesWhole)
{
    TcxColorComboBoxItems items;
    QSignalSpy changed(&items, &TcxColorComboBoxItems::Changed);
    TcxColorComboBoxItem *first = items.AddColor(255, QStringLiteral("red"));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->IsCustom());
    EXPECT_EQ(items.AddColor(255, QStringLiteral("again")), nullptr);
    items.InsertColor(0, 0, QStringLiteral("black"))->SetIsCustom(false);
    items.AddColor(65535, QStringLiteral("yellow"));
    EXPECT_EQ(items.IndexOfColor(65535), 2);
    EXPECT_EQ(items.ColorAt(7, -1), -1);
    items.Move(0, 2);
    EXPECT_EQ(items.Item(2)->Color(), 0);
    EXPECT_FALSE(items.Item(2)->IsCustom());
    EXPECT_EQ(items.Item(2)->Description(), QStringLiteral("black"));
    items.DeletePrepared();
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Entries(), QStringList({QStringLiteral("clRed=red"), QStringLiteral("clYellow=yellow")}));
    const int before = changed.count();
    items.Item(0)->SetColor(255);
    EXPECT_EQ(changed.count(), before) << "the same colour is no change";
    items.Item(0)->SetDescription(QStringLiteral("scarlet"));
    EXPECT_EQ(changed.count(), before + 1);
}

TEST(ColourItems, StoredEntriesReadBackAndSkipUnreadableColours)
{
    TcxColorComboBoxItems items;
    items.SetEntries({QStringLiteral("1193046=Ink = dark"), QStringLiteral("clRed="), QStringLiteral("bogus=x")});
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Item(0)->Color(), 0x123456);
    EXPECT_EQ(items.Item(0)->Description(), QStringLiteral("Ink = dark"));
    EXPECT_EQ(items.Item(1)->Color(), 255);
}

class ColourPropertiesTest : public ::testing::Test
{
protected:
    void SetUp() override { props.SetPrepareInfo(QString()); }

    std::vector<int> mru() const
    {
        std::vector<int> v;
        for (int i = 0; i < props.MRUColors()->Count(); ++i)
            v.push_back(props.MRUColors()->Item(i)->Color());
        return v;
    }

    TcxColorComboBoxProperties props;
};

TEST_F(ColourPropertiesTest, PreparingAgainAddsOnlyWhatIsMissingAfterCustomEntries)
{
    TcxColorComboBoxProperties fresh;
    fresh.Items()->AddColor(255, QStringLiteral("My red"));
    fresh.Items()->AddColor(0x123456, QStringLiteral("Ink"));
    fresh.SetPrepareInfo(QString());
    fresh.SetPrepareInfo(QString());
    ASSERT_EQ(fresh.Items()->Count(), 53);
    EXPECT_EQ(fresh.Items()->Item(0)->Description(), QStringLiteral("My red"));
    EXPECT_TRUE(fresh.Items()->Item(0)->IsCustom());
    EXPECT_EQ(fresh.Items()->Item(2)->Description(), QStringLiteral("clBlack"));
    EXPECT_FALSE(fresh.Items()->Item(2)->IsCustom());
    EXPECT_EQ(fresh.Items()->Count() - fresh.Items()->IndexOfColor(static_cast<int>(0xFF000008u)), 1);

    TcxColorComboBoxProperties none;
    none.SetPrepareList(TcxColorComboBoxProperties::cxplNone);
    none.SetPrepareInfo(QString());
    EXPECT_EQ(none.Items()->Count(), 0);
}

TEST_F(ColourPropertiesTest, RecentColoursMoveAddAndTrim)
{
    QSignalSpy added(&props, &TcxColorComboBoxProperties::OnAddedMRUColor);
    QSignalSpy deleted(&props, &TcxColorComboBoxProperties::OnDeletedMRUColor);
    using O = TcxColorComboBoxProperties::MruOutcome;
    EXPECT_EQ(props.AddMRUColor(0x123456), O::None) << "not in the list";
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(props.AddMRUColor(standardColourTable()[static_cast<size_t>(i)].value), O::Added);
    EXPECT_EQ(props.MRUColors()->Count(), 10);
    EXPECT_EQ(deleted.count(), 1);
    EXPECT_EQ(mru().front(), standardColourTable()[10].value);
    EXPECT_EQ(mru().back(), standardColourTable()[1].value);
    EXPECT_EQ(props.AddMRUColor(mru().front()), O::None);
    const int third = mru()[3];
    EXPECT_EQ(props.AddMRUColor(third), O::Moved);
    EXPECT_EQ(mru().front(), third);
    EXPECT_EQ(added.count(), 12);
    EXPECT_EQ(props.RowOfColor(third), 0);
    EXPECT_EQ(props.RowOfColor(0x00FFFFFF), 10 + 15) << "clWhite among the items";

    props.SetMaxMRUColors(3);
    EXPECT_EQ(mru().size(), 3u);
    EXPECT_EQ(deleted.count(), 8);
    props.SetMaxMRUColors(0);
    EXPECT_EQ(props.AddMRUColor(255), O::None);
    EXPECT_TRUE(mru().empty());
}

TEST_F(ColourPropertiesTest, DescriptionsFollowNamingAndFormat)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    using P = TcxColorComboBoxProperties;
    EXPECT_EQ(props.DescribeColor(255, QStringLiteral("x"), palette), QStringLiteral("clRed"));
    EXPECT_EQ(props.DescribeColor(0x123456, {}, palette), QStringLiteral("86.52.18"));
    props.SetColorValueFormat(P::cxcvHexadecimal);
    EXPECT_EQ(props.DescribeColor(0x123456, {}, palette), QStringLiteral("563412"));
    props.SetNamingConvention(P::cxncX11);
    EXPECT_EQ(props.DescribeColor(255, {}, palette), QStringLiteral("FF0000"));
    EXPECT_EQ(props.DescribeColor(-16777201, {}, palette), QStringLiteral("010203")) << "system colour resolved";
    props.SetColorValueFormat(P::cxcvInteger);
    EXPECT_EQ(props.DescribeColor(-16777201, {}, palette), QStringLiteral("-16777201"));
    props.SetNamingConvention(P::cxncHTML4);
    EXPECT_EQ(props.DescribeColor(255, {}, palette), QStringLiteral("Red"));
    props.SetNamingConvention(P::cxncNone);
    EXPECT_EQ(props.DescribeColor(255, QStringLiteral("stored"), palette), QStringLiteral("stored"));
    props.SetOnNamingConvention([](QObject *, int colour, QString &text) { text += QString::number(colour); });
    EXPECT_EQ(props.DescribeColor(255, QStringLiteral("s"), palette), QStringLiteral("s255"));
    props.SetShowDescriptions(false);
    EXPECT_EQ(props.DescribeColor(255, QStringLiteral("s"), palette), QString());
}

TEST_F(ColourPropertiesTest, SettingsKeepTheirRanges)
{
    props.SetColorBoxWidth(-5);
    EXPECT_EQ(props.ColorBoxWidth(), 0);
    props.SetDropDownRows(0);
    EXPECT_EQ(props.DropDownRows(), 1);
    props.SetMaxMRUColors(300);
    EXPECT_EQ(props.MaxMRUColors(), 255);
}

} // namespace
