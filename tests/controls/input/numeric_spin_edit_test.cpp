#include "error_report.h"
#include "input_test_support.h"

#include "controls/base/focus_walk.h"
#include "controls/base/layout_loader.h"
#include "controls/base/tform.h"
#include "controls/display/tcxpagecontrol.h"
#include "controls/input/input_controls.h"
#include "controls/input/tcxspinedit.h"
#include "engine/error.h"

#include "support/qt_wait.h"

#include <QApplication>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTimer>
#include <memory>

using namespace dorvane;

TEST(NumericText, ConvertsLocaleNumbersAndNamesTheFailure)
{
    using S = NumericConversion;
    const struct { const char *text; S::Status status; std::int64_t value; } rows[] = {
        {"60", S::Converted, 60}, {" -12 ", S::Converted, -12}, {"+7", S::Converted, 7},
        {"1E2", S::Converted, 100}, {"1e-1", S::Converted, 0}, {"2.5", S::Converted, 2},
        {"3.5", S::Converted, 4}, {"3000000000", S::Converted, 3000000000LL},
        {"9007199254740993", S::Converted, 9007199254740993LL}, {"", S::Empty, 0}, {"   ", S::Invalid, 0},
        {"1e-400", S::Invalid, 0}, {"0e-400", S::Converted, 0}, {"1e-310", S::Converted, 0},
        {"-", S::Invalid, 0}, {"E", S::Invalid, 0}, {"1-2", S::Invalid, 0}, {"1E", S::Invalid, 0},
        {"abc", S::Invalid, 0}, {"1,5", S::Invalid, 0}, {"9223372036854775807", S::OutOfBounds, 0},
        {"-9223372036854775808", S::OutOfBounds, 0}, {"99999999999999999999", S::OutOfBounds, 0},
        {"1E300", S::OutOfBounds, 0}};
    for (const auto &row : rows) {
        const S c = convertNumericText(QString::fromLatin1(row.text), NumberKind::Integer, QLatin1Char('.'));
        EXPECT_EQ(c.status, row.status) << "text: " << row.text;
        if (row.status == S::Converted) {
            EXPECT_EQ(c.value, Variant(row.value)) << "text: " << row.text;
        }
    }
    const S invalid{S::Invalid, {}};
    const S outOfBounds{S::OutOfBounds, {}};
    EXPECT_STREQ(invalid.message(), "Invalid numeric value");
    EXPECT_STREQ(outOfBounds.message(), "Value out of bounds");
    EXPECT_EQ(convertNumericText(QStringLiteral("1,5"), NumberKind::Float, QLatin1Char(',')).value, Variant(1.5));
    EXPECT_EQ(convertNumericText(QStringLiteral("1e-400"), NumberKind::Float, QLatin1Char('.')).status, S::Invalid);
    EXPECT_EQ(convertNumericText(QStringLiteral("1e400"), NumberKind::Float, QLatin1Char('.')).status, S::OutOfBounds);
}

TEST(NumericText, StepsFollowTheLimitRules)
{
    const NumericLimits none;
    const NumericLimits zeroToTen{true, 0, 10};
    auto step = [](std::int64_t from, double by, const NumericLimits &l) {
        return steppedNumber(Variant(from), by, NumberKind::Integer, l);
    };
    EXPECT_EQ(step(0, -1, none), Variant(std::int64_t{-1}));
    EXPECT_EQ(step(5, -10, none), Variant(std::int64_t{-5}));
    EXPECT_EQ(step(9, 10, zeroToTen), Variant(std::int64_t{10})) << "clamped to the limit it passed";
    EXPECT_EQ(step(-5, 1, zeroToTen), Variant(std::int64_t{0})) << "up from below lands on the minimum";
    EXPECT_EQ(step(-5, -1, zeroToTen), Variant(std::int64_t{-5})) << "down from below does nothing";
    EXPECT_EQ(step(50, -1, zeroToTen), Variant(std::int64_t{10}));
    EXPECT_EQ(step(50, 1, zeroToTen), Variant(std::int64_t{50}));
    EXPECT_EQ(step(INT64_MAX, 1, none), Variant(std::int64_t{INT64_MAX})) << "saturates";
}

class NumericSpinEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerInputControls();
        reportedErrors().clear();
        const QByteArray json = R"({"class": "QWidget", "children": [
            {"class": "TcxSpinEdit", "name": "spnColorSecs", "properties": [
                ["Left", 376], ["Top", 72], ["Width", 49], ["Height", 24],
                ["Style", {"ButtonStyle": "bts3D"}], ["TabOrder", 4], ["Value", 60]]}]})";
        window = std::make_unique<QWidget>();
        window->resize(500, 200);
        LayoutLoader::loadInto(window.get(), QJsonDocument::fromJson(json).object());
        spin = window->findChild<TcxSpinEdit *>(QStringLiteral("spnColorSecs"));
        ASSERT_NE(spin, nullptr);
        other = new QLineEdit(window.get());
        other->setGeometry(10, 10, 80, 24);
        showActive(*window);
        spin->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(spin->Editor()->hasFocus());
    }

    void type(const QString &text)
    {
        spin->Editor()->selectAll();
        QTest::keyClick(spin->Editor(), Qt::Key_Backspace);
        QTest::keyClicks(spin->Editor(), text);
    }

    void leave()
    {
        other->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }

    std::int64_t value() const { return spin->Value().integer(); }

    std::unique_ptr<QWidget> window;
    TcxSpinEdit *spin = nullptr;
    QLineEdit *other = nullptr;
};

TEST_F(NumericSpinEditTest, LayoutValueAndWrittenValuesReadBack)
{
    EXPECT_EQ(spin->Text(), QStringLiteral("60"));
    EXPECT_EQ(value(), 60);
    EXPECT_EQ(spin->Style()->ButtonStyle(), TcxEditStyle::bts3D);
    spin->SetValue(Variant(90));
    EXPECT_EQ(spin->Text(), QStringLiteral("90"));
    EXPECT_EQ(toInt32(spin->Value()), 90);
    spin->SetValue(Variant(std::string("75")));
    EXPECT_EQ(value(), 90) << "a value that is not numeric is ignored";
    spin->SetValue(Variant(2.5));
    EXPECT_EQ(value(), 2) << "halves round to even";
}

TEST_F(NumericSpinEditTest, AutoSizeFitsTheFontWithTheTextCentredAndTheButtonsFullHeight)
{
    expectHeightFitsFont(*spin, *spin->Font());
    QApplication::processEvents();
    const QRect caret = spin->Editor()->inputMethodQuery(Qt::ImCursorRectangle).toRect().translated(spin->Editor()->pos());
    EXPECT_NEAR(caret.center().y(), spin->height() / 2, 2);
    EXPECT_EQ(spin->ButtonRect(TcxSpinEdit::sbUp).top(), 2);
    EXPECT_EQ(spin->ButtonRect(TcxSpinEdit::sbDown).bottom(), spin->height() - 3);
}

TEST_F(NumericSpinEditTest, KeysAndWheelStepWithoutLimits)
{
    spin->SetValue(Variant(0));
    QTest::keyClick(spin->Editor(), Qt::Key_Down);
    EXPECT_EQ(spin->Text(), QStringLiteral("-1"));
    EXPECT_EQ(value(), -1) << "reading right after a step gives the stepped value";
    spin->SetValue(Variant(5));
    QTest::keyClick(spin->Editor(), Qt::Key_PageDown);
    EXPECT_EQ(value(), -5);
    QTest::keyClick(spin->Editor(), Qt::Key_PageUp);
    QTest::keyClick(spin->Editor(), Qt::Key_Up);
    EXPECT_EQ(value(), 6);
    QWheelEvent away(QPointF(5, 5), spin->Editor()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(spin->Editor(), &away);
    EXPECT_EQ(value(), 7);
    EXPECT_TRUE(reportedErrors().isEmpty());
    leave();
    EXPECT_EQ(toInt32(spin->Value()), 7) << "committed when the focus left";
}

TEST_F(NumericSpinEditTest, LettersAndTheFullStopBeepAndChangeNothing)
{
    BeepCounter beeps;
    spin->Editor()->end(false);
    QTest::keyClicks(spin->Editor(), QStringLiteral("abc"));
    EXPECT_EQ(beeps.count(), 3);
    QTest::keyClick(spin->Editor(), Qt::Key_Period);
    QTest::keyClick(spin->Editor(), Qt::Key_Comma);
    EXPECT_EQ(beeps.count(), 5);
    EXPECT_EQ(spin->Text(), QStringLiteral("60"));
    EXPECT_FALSE(spin->ChangedSinceFocus());
}

TEST_F(NumericSpinEditTest, LeavingCommitsTheTypedNumber)
{
    const struct { const char *typed; const char *shown; std::int64_t value; } rows[] = {
        {"1E2", "100", 100}, {"", "0", 0}, {"-0", "0", 0}, {"3000000000", "3000000000", 3000000000LL}};
    for (const auto &row : rows) {
        spin->setFocus(Qt::TabFocusReason);
        type(QString::fromLatin1(row.typed));
        leave();
        EXPECT_EQ(spin->Text(), QString::fromLatin1(row.shown)) << "typed: " << row.typed;
        EXPECT_EQ(spin->Value(), Variant(row.value)) << "typed: " << row.typed;
    }
    EXPECT_TRUE(reportedErrors().isEmpty());
    try {
        toInt32(spin->Value());
        ADD_FAILURE() << "3000000000 does not fit 32 bits";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
}

TEST_F(NumericSpinEditTest, ALoneMinusIsRefusedKeepingTheFocusAndEscRestores)
{
    type(QStringLiteral("-"));
    EXPECT_THROW(spin->Value(), Error) << "reading while focused parses the text";
    leave();
    ASSERT_EQ(reportedErrors(), QStringList{QStringLiteral("Invalid numeric value")});
    ASSERT_TRUE(DORVANE_WAIT_FOR(spin->Editor()->hasFocus()));
    EXPECT_EQ(spin->Text(), QStringLiteral("-"));
    EXPECT_EQ(spin->Editor()->selectedText(), QStringLiteral("-"));

    QTest::keyClick(spin->Editor(), Qt::Key_Escape);
    EXPECT_EQ(spin->Text(), QStringLiteral("60"));
    EXPECT_EQ(value(), 60);
    leave();
    EXPECT_EQ(reportedErrors().size(), 1);
    EXPECT_EQ(spin->Value(), Variant(std::int64_t{60}));
}

TEST_F(NumericSpinEditTest, PastedBlanksAndAnUnderflowAreNoNumberAndNeverZero)
{
    QApplication::clipboard()->setText(QStringLiteral("   "));
    spin->Editor()->selectAll();
    spin->Editor()->paste();
    EXPECT_THROW(spin->Value(), Error);
    leave();
    EXPECT_EQ(reportedErrors(), QStringList{QStringLiteral("Invalid numeric value")});
    ASSERT_TRUE(DORVANE_WAIT_FOR(spin->Editor()->hasFocus()));
    EXPECT_EQ(spin->Text(), QStringLiteral("   "));

    type(QStringLiteral("1e-400"));
    QTest::keyClick(spin->Editor(), Qt::Key_Return);
    EXPECT_EQ(reportedErrors().size(), 2);
    EXPECT_EQ(reportedErrors().last(), QStringLiteral("Invalid numeric value"));
    EXPECT_EQ(spin->Text(), QStringLiteral("1e-400"));
    QTest::keyClick(spin->Editor(), Qt::Key_Escape);
    leave();
    EXPECT_EQ(spin->Value(), Variant(std::int64_t{60})) << "nothing was committed";
}

TEST_F(NumericSpinEditTest, EnterValidatesInPlace)
{
    type(QStringLiteral("99999999999999999999"));
    QTest::keyClick(spin->Editor(), Qt::Key_Return);
    EXPECT_EQ(reportedErrors(), QStringList{QStringLiteral("Value out of bounds")});
    EXPECT_TRUE(spin->Editor()->hasFocus());
    type(QStringLiteral("42"));
    QTest::keyClick(spin->Editor(), Qt::Key_Enter);
    EXPECT_EQ(spin->Text(), QStringLiteral("42"));
    EXPECT_EQ(reportedErrors().size(), 1);
}

TEST_F(NumericSpinEditTest, LimitsRefuseValuesOutsideThem)
{
    spin->Properties()->SetMinValue(0);
    spin->Properties()->SetMaxValue(100);
    spin->Properties()->SetMaxValue(-5);
    EXPECT_EQ(spin->Properties()->MaxValue(), 0) << "below the minimum stores the minimum";
    spin->Properties()->SetMaxValue(100);
    type(QStringLiteral("150"));
    leave();
    EXPECT_EQ(reportedErrors(), QStringList{QStringLiteral("Value out of bounds")});
    ASSERT_TRUE(DORVANE_WAIT_FOR(spin->Editor()->hasFocus()));
    type(QStringLiteral("95"));
    QTest::keyClick(spin->Editor(), Qt::Key_PageUp);
    EXPECT_EQ(value(), 100);
}

TEST_F(NumericSpinEditTest, AutoSelectCoversEveryEntryAndOnlyWhenSet)
{
    leave();
    QTest::mouseClick(spin->Editor(), Qt::LeftButton, {}, QPoint(3, 5));
    ASSERT_TRUE(spin->Editor()->hasFocus());
    EXPECT_EQ(spin->Editor()->selectedText(), QStringLiteral("60")) << "a click into the text selects it all";
    QTest::mouseClick(spin->Editor(), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(spin->Editor()->selectedText().isEmpty()) << "a click while focused places the caret";

    spin->Properties()->SetAutoSelect(false);
    leave();
    spin->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(spin->Editor()->hasFocus());
    EXPECT_TRUE(spin->Editor()->selectedText().isEmpty()) << "tabbing in without AutoSelect";
    leave();
    QTest::mouseClick(spin->Editor(), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_TRUE(spin->Editor()->selectedText().isEmpty()) << "clicking in without AutoSelect";
}

TEST_F(NumericSpinEditTest, ReadOnlyStepsChangeNeitherTextNorValue)
{
    spin->Properties()->SetReadOnly(true);
    QTest::keyClick(spin->Editor(), Qt::Key_Up);
    QTest::keyClick(spin->Editor(), Qt::Key_PageDown);
    QTest::mouseClick(spin, Qt::LeftButton, {}, spin->ButtonRect(TcxSpinEdit::sbUp).center());
    EXPECT_EQ(spin->Text(), QStringLiteral("60"));
    EXPECT_EQ(value(), 60) << "read while focused";
    EXPECT_EQ(spin->RepeatTimer(), nullptr);
    leave();
    EXPECT_EQ(value(), 60);
}

TEST_F(NumericSpinEditTest, HoldingTheUpButtonStepsAtOnceThenRepeats)
{
    spin->SetValue(Variant(0));
    leave();
    const QPoint up = spin->ButtonRect(TcxSpinEdit::sbUp).center();
    QTest::mousePress(spin, Qt::LeftButton, {}, up);
    EXPECT_TRUE(spin->Editor()->hasFocus());
    EXPECT_EQ(value(), 1) << "one step at once";
    ASSERT_NE(spin->RepeatTimer(), nullptr);
    EXPECT_EQ(spin->RepeatTimer()->interval(), TcxSpinEdit::kFirstRepeatMs);
    spin->RepeatTimerFired();
    EXPECT_EQ(spin->RepeatTimer()->interval(), TcxSpinEdit::kRepeatMs);
    spin->RepeatTimerFired();
    spin->RepeatTimerFired();
    EXPECT_EQ(value(), 4);

    QTest::mouseMove(spin, QPoint(3, 3));
    QMouseEvent off(QEvent::MouseMove, QPointF(3, 3), spin->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(spin, &off);
    spin->RepeatTimerFired();
    EXPECT_EQ(value(), 4) << "paused off the buttons";
    const QPoint down = spin->ButtonRect(TcxSpinEdit::sbDown).center();
    QMouseEvent onDown(QEvent::MouseMove, QPointF(down), spin->mapToGlobal(QPointF(down)), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(spin, &onDown);
    spin->RepeatTimerFired();
    EXPECT_EQ(value(), 3) << "the button under the pointer steps";

    QTest::mouseRelease(spin, Qt::LeftButton, {}, down);
    EXPECT_EQ(spin->RepeatTimer(), nullptr);
    EXPECT_EQ(spin->PressedButton(), TcxSpinEdit::sbNone);
    EXPECT_EQ(value(), 3) << "no step on release";
}

// The options page of the window: a refused value must keep the user on that page, with the
// focus back in the field, instead of the tab click going on to the other page behind the box.
TEST(NumericSpinEditOnAPage, ARefusedValueKeepsItsPageWhenAnotherTabIsClicked)
{
    registerInputControls();
    reportedErrors().clear();
    FocusWalk::install();
    TForm form;
    form.resize(608, 441);
    auto *pages = new TcxPageControl(&form);
    pages->SetBounds(0, 8, 608, 393);
    pages->SetTabPosition(TcxPageControl::tpBottom);
    auto *display = new TcxTabSheet(pages);
    display->SetCaption(QStringLiteral("Display"));
    pages->InsertControl(display);
    auto *config = new TcxTabSheet(pages);
    config->SetCaption(QStringLiteral("Configuration"));
    pages->InsertControl(config);
    auto *spin = new TcxSpinEdit(config);
    spin->SetBounds(376, 72, 49, 24);
    spin->SetValue(Variant(std::int64_t{60}));
    pages->SetActivePage(config);
    int exits = 0;
    QObject::connect(config, &TControl::OnExit, &form, [&exits] { ++exits; });
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    spin->Editor()->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(DORVANE_WAIT_FOR(spin->Editor()->hasFocus()));
    spin->Editor()->selectAll();
    QTest::keyClicks(spin->Editor(), QStringLiteral("-"));
    QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(0).center());
    QApplication::processEvents();

    EXPECT_EQ(reportedErrors(), QStringList{QStringLiteral("Invalid numeric value")});
    EXPECT_EQ(pages->ActivePage(), config) << "the click on the other tab is refused with the value";
    EXPECT_TRUE(spin->Editor()->hasFocus());
    EXPECT_EQ(spin->Editor()->selectedText(), QStringLiteral("-"));
    EXPECT_EQ(exits, 0) << "the focus never left the page";

    // Corrected, the same click goes through and leaves the page once.
    QTest::keyClicks(spin->Editor(), QStringLiteral("25"));
    QTest::mouseClick(pages, Qt::LeftButton, {}, pages->TabRect(0).center());
    QApplication::processEvents();
    EXPECT_EQ(reportedErrors().size(), 1);
    EXPECT_EQ(pages->ActivePage(), display);
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(spin->Value(), Variant(std::int64_t{25}));
}
