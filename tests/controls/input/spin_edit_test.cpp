#include "input_test_support.h"

#include "controls/base/control_registry.h"
#include "controls/base/layout_loader.h"
#include "controls/input/input_controls.h"
#include "controls/input/spin_glyphs.h"
#include "controls/input/spin_value.h"
#include "controls/input/tspinbutton.h"
#include "controls/input/tspinedit.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonDocument>
#include <QTimer>
#include <memory>

using namespace dorvane;

TEST(SpinTextParsing, AcceptsDecimalAndTheFiveHexMarksRunningToTheEnd)
{
    const struct { const char *text; std::optional<int> value; } rows[] = {
        {"0", 0}, {"  12", 12}, {"+7", 7}, {"-3", -3}, {"05", 5}, {"$1F", 31}, {"x10", 16},
        {"X10", 16}, {"0x1f", 31}, {"0X1F", 31}, {"-$10", -16}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"", std::nullopt}, {"-", std::nullopt},
        {"$", std::nullopt}, {"0x", std::nullopt}, {"1.5", std::nullopt}, {"1-2", std::nullopt},
        {"abc", std::nullopt}, {"12 ", std::nullopt}, {"2147483648", std::nullopt},
        {"$80000000", std::nullopt}, {"1e2", std::nullopt}};
    for (const auto &row : rows)
        EXPECT_EQ(parseSpinInteger(QString::fromLatin1(row.text)), row.value) << "text: " << row.text;
}

TEST(SpinTextParsing, EqualLimitsMeanNoLimits)
{
    EXPECT_EQ(clampToSpinLimits(75, 0, 60), 60);
    EXPECT_EQ(clampToSpinLimits(-3, 0, 99), 0);
    EXPECT_EQ(clampToSpinLimits(60, 0, 60), 60);
    EXPECT_EQ(clampToSpinLimits(-123456, 0, 0), -123456);
    EXPECT_EQ(clampToSpinLimits(99999, 5, 5), 99999);
}

class SpinEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(300, 120);
        spnSec = makeSpin(QStringLiteral("spnSec"), 60, 10);
        spnMin = makeSpin(QStringLiteral("spnMin"), 60, 60);
        spnHrs = makeSpin(QStringLiteral("spnHrs"), 99, 110);
        showActive(*window);
        spnMin->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return spnMin->Editor()->hasFocus(); }));
    }

    TSpinEdit *makeSpin(const QString &name, int max, int left)
    {
        auto *spin = new TSpinEdit(window.get());
        spin->SetName(name);
        spin->SetBounds(left, 10, 49, 26);
        spin->SetMaxValue(max);
        return spin;
    }

    void type(TSpinEdit *spin, const QString &text)
    {
        spin->Editor()->selectAll();
        QTest::keyClick(spin->Editor(), Qt::Key_Backspace);
        QTest::keyClicks(spin->Editor(), text);
    }

    void leave(TSpinEdit *spin)
    {
        QTest::keyClick(spin->Editor(), Qt::Key_Tab);
        ASSERT_FALSE(spin->Editor()->hasFocus());
    }

    QPoint centreOf(QWidget *w) { return w->rect().center(); }

    std::unique_ptr<QWidget> window;
    TSpinEdit *spnSec = nullptr;
    TSpinEdit *spnMin = nullptr;
    TSpinEdit *spnHrs = nullptr;
};

TEST_F(SpinEditTest, LeavingClampsOnlyWhenClampingChangesTheNumber)
{
    type(spnMin, QStringLiteral("75"));
    EXPECT_EQ(spnMin->Value(), 75) << "reading never clamps";
    leave(spnMin);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("60"));

    const struct { const char *typed; const char *shown; int value; } rows[] = {
        {"60", "60", 60}, {"05", "05", 5}, {"1-2", "1-2", 0}, {"-3", "0", 0}, {"", "", 0}};
    for (const auto &row : rows) {
        spnMin->setFocus(Qt::TabFocusReason);
        type(spnMin, QString::fromLatin1(row.typed));
        leave(spnMin);
        EXPECT_EQ(spnMin->Text(), QString::fromLatin1(row.shown)) << "typed: " << row.typed;
        EXPECT_EQ(spnMin->Value(), row.value) << "typed: " << row.typed;
    }
}

TEST_F(SpinEditTest, NegativeHoursReadWhileFocusedAndShowZeroAfterLeaving)
{
    spnHrs->setFocus(Qt::TabFocusReason);
    type(spnHrs, QStringLiteral("-3"));
    EXPECT_EQ(spnHrs->Value(), -3);
    leave(spnHrs);
    EXPECT_EQ(spnHrs->Text(), QStringLiteral("0"));
}

TEST_F(SpinEditTest, ArrowKeysStepWithinTheLimitsWithoutWrapping)
{
    spnMin->SetValue(59);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Up);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("60"));
    QTest::keyClick(spnMin->Editor(), Qt::Key_Up);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("60"));
    spnMin->SetValue(0);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Down);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("0"));
    QTest::keyClick(spnMin->Editor(), Qt::Key_PageUp);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("0")) << "no page step";
    spnMin->SetIncrement(25);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Up);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Up);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Up);
    EXPECT_EQ(spnMin->Value(), 60);
}

TEST_F(SpinEditTest, RefusedCharactersBeepAndChangeNothing)
{
    BeepCounter beeps;
    type(spnMin, QStringLiteral("12"));
    QTest::keyClick(spnMin->Editor(), Qt::Key_Return);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Enter);
    QTest::keyClicks(spnMin->Editor(), QStringLiteral("ab ,"));
    EXPECT_EQ(beeps.count(), 6);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("12"));
    QTest::keyClicks(spnMin->Editor(), QStringLiteral("+-.9"));
    QTest::keyClick(spnMin->Editor(), Qt::Key_Backspace);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("12+-.")) << "signs, digits and the C locale's separator pass";
    EXPECT_EQ(beeps.count(), 6);
}

TEST_F(SpinEditTest, DisabledEditorLeavesOnlyTheArrowsAndButtons)
{
    BeepCounter beeps;
    spnMin->SetValue(7);
    spnMin->SetEditorEnabled(false);
    spnMin->Editor()->end(false);
    QTest::keyClicks(spnMin->Editor(), QStringLiteral("5-"));
    QTest::keyClick(spnMin->Editor(), Qt::Key_Backspace);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Home);
    QTest::keyClick(spnMin->Editor(), Qt::Key_Delete);
    EXPECT_EQ(beeps.count(), 3);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("7"));
    QTest::keyClick(spnMin->Editor(), Qt::Key_Up);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("8"));
}

TEST_F(SpinEditTest, PastedTextIsNotFilteredButStaysOnlyWhenEditingIsAllowed)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    spnMin->SetValue(5);

    spnMin->SetEditorEnabled(false);
    spnMin->Editor()->selectAll();
    QTest::keyClick(spnMin->Editor(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(spnMin->Editor(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("5"));

    spnMin->SetEditorEnabled(true);
    spnMin->SetReadOnly(true);
    QTest::keyClick(spnMin->Editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("5"));

    spnMin->SetReadOnly(false);
    spnMin->Editor()->selectAll();
    QTest::keyClick(spnMin->Editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("abc"));
    leave(spnMin);
    EXPECT_EQ(spnMin->Text(), QStringLiteral("abc"));
    EXPECT_EQ(spnMin->Value(), 0) << "text that is no number reads as MinValue";
}

TEST_F(SpinEditTest, ReadOnlyStepsBeepInstead)
{
    BeepCounter beeps;
    spnMin->SetValue(4);
    spnMin->SetReadOnly(true);
    spnMin->StepUp();
    spnMin->StepDown();
    EXPECT_EQ(beeps.count(), 2);
    EXPECT_EQ(spnMin->Value(), 4);
}

TEST_F(SpinEditTest, TabSelectsTheWholeTextButAMouseClickDoesNot)
{
    spnSec->SetValue(42);
    spnHrs->SetValue(17);
    spnSec->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(spnSec->Editor()->hasFocus());
    EXPECT_EQ(spnSec->Editor()->selectedText(), QStringLiteral("42"));

    QTest::mouseClick(spnHrs->Editor(), Qt::LeftButton, {}, QPoint(3, 5));
    ASSERT_TRUE(spnHrs->Editor()->hasFocus());
    EXPECT_TRUE(spnHrs->Editor()->selectedText().isEmpty());

    spnSec->SetAutoSelect(false);
    for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::ShortcutFocusReason}) {
        spnHrs->setFocus(Qt::TabFocusReason);
        spnSec->setFocus(reason);
        ASSERT_TRUE(spnSec->Editor()->hasFocus());
        EXPECT_TRUE(spnSec->Editor()->selectedText().isEmpty()) << "without AutoSelect, reason " << reason;
    }
}

TEST_F(SpinEditTest, EqualLimitsAcceptAnyInteger)
{
    spnSec->SetMaxValue(0);
    spnSec->setFocus(Qt::TabFocusReason);
    type(spnSec, QStringLiteral("-12345"));
    leave(spnSec);
    EXPECT_EQ(spnSec->Text(), QStringLiteral("-12345"));
    spnSec->SetValue(2147483647);
    spnSec->StepUp();
    EXPECT_EQ(spnSec->Value(), 2147483647) << "stepping past the 32-bit range stops at its end";
}

TEST_F(SpinEditTest, HoldingTheUpButtonForOneSecondFromZeroEndsAtEight)
{
    TTimerSpeedButton *up = spnMin->Button()->UpButton();
    spnSec->setFocus(Qt::TabFocusReason);
    QTest::mousePress(up, Qt::LeftButton, {}, centreOf(up));
    EXPECT_TRUE(spnMin->Editor()->hasFocus()) << "pressing a button focuses the edit";
    EXPECT_EQ(spnMin->Editor()->selectedText(), QStringLiteral("0"));
    EXPECT_TRUE(up->IsDown());
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_TRUE(up->RepeatTimer()->isActive());
    EXPECT_EQ(up->RepeatTimer()->interval(), 400);
    EXPECT_EQ(spnMin->Value(), 0) << "a press alone does not step";

    for (int tick = 0; tick < 7; ++tick) // at 400, 500, ..., 1000 ms
        up->RepeatTimerFired();
    EXPECT_EQ(up->RepeatTimer()->interval(), 100);
    EXPECT_EQ(spnMin->Value(), 7);
    QTest::mouseRelease(up, Qt::LeftButton, {}, centreOf(up));
    EXPECT_EQ(spnMin->Value(), 8);
    EXPECT_FALSE(up->RepeatTimer()->isActive());
    EXPECT_FALSE(up->IsDown());
}

TEST_F(SpinEditTest, MovingOffTheButtonPausesTheRepeatAndReleasingOutsideDoesNotStep)
{
    TTimerSpeedButton *down = spnMin->Button()->DownButton();
    spnMin->SetValue(10);
    QTest::mousePress(down, Qt::LeftButton, {}, centreOf(down));
    down->RepeatTimerFired();
    EXPECT_EQ(spnMin->Value(), 9);
    QMouseEvent off(QEvent::MouseMove, QPointF(-20, -20), down->mapToGlobal(QPointF(-20, -20)),
                    Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(down, &off);
    EXPECT_FALSE(down->IsDown());
    down->RepeatTimerFired();
    EXPECT_EQ(spnMin->Value(), 9) << "paused off the button";
    QMouseEvent back(QEvent::MouseMove, QPointF(centreOf(down)), down->mapToGlobal(QPointF(centreOf(down))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(down, &back);
    down->RepeatTimerFired();
    EXPECT_EQ(spnMin->Value(), 8) << "resumed over the button";
    QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(spnMin->Value(), 8);
}

TEST_F(SpinEditTest, AShortClickStepsOnceOnRelease)
{
    TTimerSpeedButton *up = spnHrs->Button()->UpButton();
    QTest::mouseClick(up, Qt::LeftButton, {}, centreOf(up));
    EXPECT_EQ(spnHrs->Value(), 1);
}

TEST(SpinEditGeometry, ButtonOverlapsByOnePixelAndTheTextStopsShortOfIt)
{
    TSpinEdit spin;
    spin.SetBounds(322, 303, 49, 26);
    TSpinButton *pair = spin.Button();
    EXPECT_EQ(pair->geometry(), QRect(2 + 49 - 15 - 5, 2, 15, 21));
    EXPECT_EQ(pair->UpButton()->geometry(), QRect(0, 0, 15, 10));
    EXPECT_EQ(pair->DownButton()->geometry(), QRect(0, 9, 15, 12));
    EXPECT_EQ(spin.TextRect(), QRect(0, 0, 45 - 15 - 2, 22 + 1));
    EXPECT_EQ(pair->UpButton()->FocusRectangle(), QRect(3, 3, 9, 4));

    spin.SetCtl3D(false);
    EXPECT_EQ(pair->geometry(), QRect(1 + 49 - 15, 1 + 1, 15, 23));

    spin.SetBounds(0, 0, 49, 5);
    EXPECT_EQ(spin.Height(), spin.MinHeight());
    // The text, a quarter of the smaller of its height and the system font's as leading, and six
    // pixels of border and gaps.
    const int fontHeight = QFontMetrics(spin.font()).height();
    const int systemHeight = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    EXPECT_EQ(spin.MinHeight(), fontHeight + std::min(fontHeight, systemHeight) / 4 + 6);

    pair->resize(4, 30);
    spin.show();
    QApplication::processEvents();
    EXPECT_EQ(pair->width(), TSpinButton::kMinimumWidth);
}

TEST(SpinEditGeometry, AutoSizeFitsTheFontWithTheTextCentredAndTheButtonsFullHeight)
{
    QWidget window;
    auto *spin = new TSpinEdit(&window);
    expectHeightFitsFont(*spin, *spin->Font());
    window.resize(200, 200);
    window.show();
    QApplication::processEvents();
    const QRect caret = spin->Editor()->inputMethodQuery(Qt::ImCursorRectangle).toRect().translated(spin->Editor()->pos());
    EXPECT_NEAR(caret.center().y(), spin->height() / 2, 2) << "text centred in a box taller than it needs";
    EXPECT_EQ(spin->Button()->height(), spin->height() - 5);
}

TEST(SpinEditGlyphs, TrianglesOfOneToSevenPixelsOnATransparentMargin)
{
    auto opaqueRun = [](const QImage &image, int y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255) {
                EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, 0u) << "black at " << x << "," << y;
                ++count;
            }
        return count;
    };
    const QImage up = spinGlyph(QStringLiteral("SpinUp")).toImage();
    const QImage down = spinGlyph(QStringLiteral("SpinDown")).toImage();
    ASSERT_EQ(up.size(), QSize(9, 6));
    ASSERT_EQ(down.size(), QSize(9, 6));
    const int upRows[] = {0, 1, 3, 5, 7, 0};
    const int downRows[] = {0, 7, 5, 3, 1, 0};
    for (int y = 0; y < 6; ++y) {
        EXPECT_EQ(opaqueRun(up, y), upRows[y]) << "up row " << y;
        EXPECT_EQ(opaqueRun(down, y), downRows[y]) << "down row " << y;
    }
    EXPECT_EQ(qAlpha(up.pixel(0, 4)), 0);
    EXPECT_EQ(qAlpha(up.pixel(4, 1)), 255);
}

TEST(SpinEditLayout, LoadsFromTheLayoutAndClampsValuesWrittenLater)
{
    registerInputControls();
    const QByteArray json = R"({"class": "QWidget", "children": [
        {"class": "TSpinEdit", "name": "spnMin", "properties": [
            ["Left", 386], ["Top", 303], ["Width", 49], ["Height", 26],
            ["Hint", "Maximum minutes for the count down."], ["ShowHint", true],
            ["MaxValue", 60], ["TabOrder", 1], ["Value", 0]]}]})";
    QWidget root;
    LayoutLoader::loadInto(&root, QJsonDocument::fromJson(json).object());
    auto *spin = root.findChild<TSpinEdit *>(QStringLiteral("spnMin"));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->Text(), QStringLiteral("0"));
    EXPECT_EQ(spin->geometry(), QRect(386, 303, 49, 26));
    spin->SetValue(75); // a stored setting from outside
    EXPECT_EQ(spin->Value(), 60);
    EXPECT_TRUE(ControlRegistry::instance().contains(QStringLiteral("TSpinButton")));
}
