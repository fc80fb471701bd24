#include "controls/base/platform.h"
#include "controls/base/published.h"
#include "controls/base/tcontrol.h"
#include "controls/base/tfont.h"
#include "controls/base/ttimer.h"
#include "support/qt_wait.h"

#include <QApplication>
#include <QSignalSpy>
#include <QThread>
#include <QTest>
#include <gtest/gtest.h>

using namespace dorvane;

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    struct Row { int n, num, den, expected; } rows[] = {
        {-13, 72, 96, -10}, // -9.75
        {-101, 72, 96, -76}, // -75.75
        {-200, 72, 96, -150},
        {3, 1, 2, 2},       // 1.5
        {-3, 1, 2, -2},     // -1.5
        {5, 1, 4, 1},       // 1.25
        {7, 0, 1, 0},
        {1, 1, 0, -1},      // division by zero reports -1
    };
    for (const Row &r : rows)
        EXPECT_EQ(mulDiv(r.n, r.num, r.den), r.expected) << r.n << "*" << r.num << "/" << r.den;
}

TEST(TFont, SizeFollowsHeightAtNinetySixPixelsPerInch)
{
    TFont font;
    font.SetHeight(-200);
    EXPECT_EQ(font.Size(), 150);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.toQFont().pixelSize(), 13);
}

TEST(TFont, AssignNotifiesOnlyOnARealChange)
{
    TFont a, b;
    b.SetName(QStringLiteral("Arial Narrow"));
    b.SetStyle(TFont::fsBold);
    QSignalSpy changed(&a, &TFont::Changed);
    a.Assign(b);
    a.Assign(b);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(a.sameAs(b));
    EXPECT_TRUE(a.toQFont().bold());
}

TEST(PublishedProperties, LookUpOurOwnPropertiesWithoutRegardToCase)
{
    TControl control;
    EXPECT_TRUE(writePublished(&control, QStringLiteral("caption"), QStringLiteral("Start")));
    EXPECT_EQ(readPublished(&control, QStringLiteral("CAPTION")).toString(), QStringLiteral("Start"));
    EXPECT_EQ(readPublishedObject(&control, QStringLiteral("font")), control.Font());
    // Qt's own lower-case properties are not part of the published set.
    EXPECT_FALSE(hasPublishedProperty(&control, QStringLiteral("windowTitle")));
    EXPECT_FALSE(hasPublishedProperty(&control, QStringLiteral("NoSuchThing")));
    // Only ASCII letters match across case: a long s or a dotless i is no "s" or "i".
    EXPECT_TRUE(hasPublishedProperty(&control, QStringLiteral("tABsTOP")));
    EXPECT_FALSE(hasPublishedProperty(&control, QStringLiteral("Tab\u017Ftop")));
    EXPECT_FALSE(hasPublishedProperty(&control, QStringLiteral("V\u0131sible")));
    EXPECT_FALSE(hasPublishedProperty(&control, QStringLiteral("Captio")));
}

namespace {

// Declares "Caption" again, as text it keeps apart from the control's own caption.
class TRenamedCaption final : public TControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ OwnCaption WRITE SetOwnCaption)
public:
    QString OwnCaption() const { return m_own; }
    void SetOwnCaption(const QString &text) { m_own = text; }

private:
    QString m_own;
};

} // namespace

// A name's property is remembered per class: asked again, or of a class that declares it
// again, the answer is the one a fresh look-up gives.
TEST(PublishedProperties, ALookUpAskedAgainOrOfAnotherClassGivesTheSameAnswer)
{
    TControl base;
    TRenamedCaption derived;
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(hasPublishedProperty(&base, QStringLiteral("NoSuchThing")));
        EXPECT_TRUE(writePublished(&base, QStringLiteral("CAPTION"), QStringLiteral("base")));
        EXPECT_TRUE(writePublished(&derived, QStringLiteral("CAPTION"), QStringLiteral("derived")));
    }
    EXPECT_EQ(base.Caption(), QStringLiteral("base"));
    EXPECT_EQ(derived.OwnCaption(), QStringLiteral("derived"));
    EXPECT_TRUE(derived.Caption().isEmpty());
}

TEST(PublishedProperties, ObjectValuedPropertiesAreListedByName)
{
    TControl control;
    const auto list = objectProperties(&control);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, QStringLiteral("Font"));
    EXPECT_EQ(list[0].declaredClass, QStringLiteral("TFont"));
}

TEST(Controls, WindowlessChildrenComeFirstThenWindowedInCreationOrder)
{
    TControl parent;
    auto *windowed1 = new TControl(&parent);
    auto *label1 = new TGraphicControl(&parent);
    auto *windowed2 = new TControl(&parent);
    auto *label2 = new TGraphicControl(&parent);
    windowed1->raise(); // stacking changes do not change the order
    const QList<TControl *> expected{label1, label2, windowed1, windowed2};
    EXPECT_EQ(ControlsOf(&parent), expected);
}

TEST(Controls, ChildrenTakeTheParentsFontUntilTheyHaveTheirOwn)
{
    TControl parent;
    parent.Font()->SetName(QStringLiteral("Arial"));
    auto *inherits = new TControl(&parent);
    auto *own = new TControl(&parent);
    own->Font()->SetHeight(-200);
    parent.Font()->SetHeight(-20);
    EXPECT_EQ(inherits->Font()->Height(), -20);
    EXPECT_TRUE(inherits->ParentFont());
    EXPECT_EQ(own->Font()->Height(), -200);
    EXPECT_FALSE(own->ParentFont());
}

TEST(Hints, FirstNonEmptyHintUpThroughParentsAndInheritedShowHint)
{
    TControl page;
    page.SetHint(QStringLiteral("Normal background color of the clock."));
    page.SetShowHint(true);
    auto *picker = new TControl(&page);
    auto *withOwn = new TControl(&page);
    withOwn->SetHint(QStringLiteral("Own hint"));
    EXPECT_EQ(picker->EffectiveHint(), QStringLiteral("Normal background color of the clock."));
    EXPECT_TRUE(picker->ShowHint());
    EXPECT_EQ(withOwn->EffectiveHint(), QStringLiteral("Own hint"));
    withOwn->SetShowHint(false); // no longer inherited
    EXPECT_FALSE(withOwn->ShowHint());
}

TEST(SystemColours, ResolveThroughThePaletteWhenDrawn)
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    EXPECT_EQ(toQColor(static_cast<int>(0xFF00000Fu), palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(0x0000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0xF0FBFF, palette), QColor(255, 251, 240));
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
}

TEST(TTimer, LoadingHoldsTheTimerStillUntilLoadingEnds)
{
    TTimer timer; // on when created
    timer.SetInterval(5);
    QSignalSpy ticks(&timer, &TTimer::OnTimer);
    timer.BeginLoading();
    QTest::qWait(60);
    EXPECT_EQ(ticks.count(), 0);
    timer.Loaded();
    ASSERT_TRUE(DORVANE_WAIT_FOR(ticks.count() > 0));
}

TEST(TTimer, SettingTheSameStateKeepsThePhase)
{
    TTimer timer;
    QSignalSpy ticks(&timer, &TTimer::OnTimer);
    EXPECT_TRUE(timer.Enabled());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    timer.Tick();
    EXPECT_EQ(ticks.count(), 1);
    EXPECT_EQ(timer.Interval(), 1000);
}

TEST(TTimer, ATickMissedDuringALongHandlerComesOnceAndTheRestAreDropped)
{
    TTimer timer;
    timer.SetInterval(20);
    int ticks = 0;
    QObject::connect(&timer, &TTimer::OnTimer, &timer, [&ticks] {
        if (++ticks == 1)
            QThread::msleep(200); // ten periods fall due meanwhile
    });
    ASSERT_TRUE(DORVANE_WAIT_FOR(ticks >= 2));
    // Whatever else falls due now comes one period at a time, not as a burst of queued ticks.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_LE(ticks, 3);
}

TEST(Beep, HookCountsBeeps)
{
    int beeps = 0;
    BeepHook previous = setBeepHook([&] { ++beeps; });
    Beep();
    Beep();
    setBeepHook(previous);
    EXPECT_EQ(beeps, 2);
}

#include "fonts_and_properties_test.moc"
