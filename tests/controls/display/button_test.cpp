#include "controls/display/tcxbutton.h"
#include "test_window.h"

#include "support/qt_wait.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>

namespace {

struct ButtonsWindow
{
    TForm form;
    QLineEdit *edit;
    FocusBox *spin;
    TcxButton *start;
    TcxButton *stop;
    QStringList events;

    ButtonsWindow()
    {
        form.resize(300, 200);
        edit = new QLineEdit(&form);
        spin = new FocusBox(&form);
        spin->move(0, 40);
        start = button(QStringLiteral("Start"), 114);
        stop = button(QStringLiteral("Stop"), 202);
        QObject::connect(spin, &TControl::OnExit, &form, [this] { events << QStringLiteral("spin exit"); });
    }

    TcxButton *button(const QString &caption, int left)
    {
        auto *b = new TcxButton(&form);
        b->SetCaption(caption);
        b->SetBounds(left, 100, 75, 25);
        QObject::connect(b, &TcxButton::OnClick, &form, [this, caption] { events << caption; });
        return b;
    }
};

void sendMouse(QWidget *w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST(PushButton, MouseClicksCountOnlyWhenReleasedInside)
{
    ButtonsWindow w;
    showActive(w.form);
    QPushButton *native = w.stop->NativeButton();
    const QPoint inside = native->rect().center();
    QTest::mousePress(native, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(native, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_TRUE(w.events.isEmpty());
    EXPECT_TRUE(native->hasFocus()) << "the press took the focus";

    // A double-click is a second press: two clicks.
    sendMouse(native, QEvent::MouseButtonPress, inside);
    sendMouse(native, QEvent::MouseButtonRelease, inside);
    sendMouse(native, QEvent::MouseButtonDblClick, inside);
    sendMouse(native, QEvent::MouseButtonRelease, inside);
    EXPECT_EQ(w.events, (QStringList{QStringLiteral("Stop"), QStringLiteral("Stop")}));
}

TEST(PushButton, ThePreviousControlsExitRunsBeforeTheClick)
{
    ButtonsWindow w;
    showActive(w.form);
    w.spin->setFocus();
    QTest::mouseClick(w.start->NativeButton(), Qt::LeftButton);
    EXPECT_EQ(w.events, (QStringList{QStringLiteral("spin exit"), QStringLiteral("Start")}));

    // An exit handler that keeps the focus away discards the press.
    w.spin->setFocus();
    w.events.clear();
    QObject::connect(w.spin, &TControl::OnExit, &w.form, [&w] { w.edit->setFocus(); });
    QTest::mouseClick(w.start->NativeButton(), Qt::LeftButton);
    EXPECT_EQ(w.events, QStringList{QStringLiteral("spin exit")});
    EXPECT_TRUE(w.edit->hasFocus());
}

TEST(PushButton, APressInAWindowNotYetActiveRunsTheExitFirstAndClicks)
{
    ButtonsWindow w;
    showActive(w.form);
    w.spin->setFocus();
    TForm other;
    showActive(other);
    ASSERT_FALSE(w.form.isActiveWindow());
    QTest::mouseClick(w.stop->NativeButton(), Qt::LeftButton);
    EXPECT_EQ(w.events, (QStringList{QStringLiteral("spin exit"), QStringLiteral("Stop")}));

    // The window activating later with the focus on the button fires no second exit.
    showActive(w.form);
    ASSERT_TRUE(DORVANE_WAIT_FOR(w.stop->NativeButton()->hasFocus()));
    EXPECT_EQ(w.events, (QStringList{QStringLiteral("spin exit"), QStringLiteral("Stop")}));

    // An exit handler that keeps the focus away discards the press there too.
    w.spin->setFocus();
    showActive(other);
    w.events.clear();
    QObject::connect(w.spin, &TControl::OnExit, &w.form, [&w] { w.edit->setFocus(); });
    QTest::mouseClick(w.start->NativeButton(), Qt::LeftButton);
    EXPECT_EQ(w.events, QStringList{QStringLiteral("spin exit")});
    EXPECT_EQ(w.form.focusWidget(), w.edit);
}

TEST(PushButton, KeysClickTheActiveButtonOnly)
{
    ButtonsWindow w;
    showActive(w.form);
    QPushButton *start = w.start->NativeButton();
    start->setFocus();
    EXPECT_TRUE(w.start->IsActive());
    EXPECT_FALSE(w.stop->IsActive());
    QTest::keyClick(start, Qt::Key_Return);
    QTest::keyClick(start, Qt::Key_Space);
    QTest::keyClick(start, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(w.events, (QStringList{QStringLiteral("Start"), QStringLiteral("Start")}));

    w.events.clear();
    w.edit->setFocus();
    EXPECT_FALSE(w.start->IsActive());
    QTest::keyClick(w.edit, Qt::Key_Return);
    QTest::keyClick(w.edit, Qt::Key_Escape);
    EXPECT_TRUE(w.events.isEmpty());

    w.stop->SetDefault(true);
    w.start->SetCancel(true);
    EXPECT_TRUE(w.stop->IsActive());
    QTest::keyClick(w.edit, Qt::Key_Return);
    QTest::keyClick(w.edit, Qt::Key_Escape);
    EXPECT_EQ(w.events, (QStringList{QStringLiteral("Stop"), QStringLiteral("Start")}));
    EXPECT_TRUE(w.stop->NativeButton()->isDefault()) << "the default outline follows the active flag";
}

TEST(PushButton, ClickFromCodeMovesNoFocus)
{
    ButtonsWindow w;
    showActive(w.form);
    w.edit->setFocus();
    QSignalSpy clicks(w.start, &TcxButton::OnClick);
    w.start->Click();
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(w.edit->hasFocus());
    EXPECT_FALSE(w.start->NativeButton()->isDown());
}

TEST(PushButton, AcceleratorClicksAtOnce)
{
    ButtonsWindow w;
    w.start->SetCaption(QStringLiteral("&Go"));
    showActive(w.form);
    w.edit->setFocus();
    QTest::keyClick(w.edit, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(w.events, QStringList{QStringLiteral("Start")});
    EXPECT_EQ(w.start->size(), QSize(75, 25));
}
