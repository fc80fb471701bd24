#include "controls/base/focus_walk.h"
#include "controls/base/tcontrol.h"
#include "controls/base/tform.h"
#include "support/qt_wait.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace dorvane;

namespace {

// page1 { edit1 }, page2 { group { edit2 } , edit3 } inside a form; every notification logged.
class FocusWalkTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FocusWalk::install();
        form = std::make_unique<TForm>();
        form->resize(300, 200);
        page1 = named(new TControl(form.get()), "page1", QRect(0, 0, 150, 200));
        page2 = named(new TControl(form.get()), "page2", QRect(150, 0, 150, 200));
        group = named(new TControl(page2), "group", QRect(0, 0, 150, 100));
        edit1 = edit(page1, "edit1");
        edit2 = edit(group, "edit2");
        edit3 = edit(page2, "edit3");
        edit3->move(0, 120);
        for (TControl *c : {page1, page2, group}) {
            QObject::connect(c, &TControl::OnEnter, c, [this, c] { log << c->objectName() + QStringLiteral(" enter"); });
            QObject::connect(c, &TControl::OnExit, c, [this, c] { log << c->objectName() + QStringLiteral(" exit"); });
        }
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TControl *named(TControl *c, const char *name, QRect r)
    {
        c->setObjectName(QLatin1String(name));
        c->setGeometry(r);
        return c;
    }
    QLineEdit *edit(QWidget *parent, const char *name)
    {
        auto *e = new QLineEdit(parent);
        e->setObjectName(QLatin1String(name));
        return e;
    }
    void focus(QWidget *w)
    {
        w->setFocus();
        ASSERT_TRUE(DORVANE_WAIT_FOR(w->hasFocus()));
    }

    std::unique_ptr<TForm> form;
    TControl *page1 = nullptr, *page2 = nullptr, *group = nullptr;
    QLineEdit *edit1 = nullptr, *edit2 = nullptr, *edit3 = nullptr;
    QStringList log;
};

} // namespace

TEST_F(FocusWalkTest, ExitsGoUpToTheCommonParentThenEntersGoDown)
{
    focus(edit2);
    log.clear();
    focus(edit1);
    EXPECT_EQ(log, (QStringList{QStringLiteral("group exit"), QStringLiteral("page2 exit"),
                                QStringLiteral("page1 enter")}));
    log.clear();
    focus(edit2);
    EXPECT_EQ(log, (QStringList{QStringLiteral("page1 exit"), QStringLiteral("page2 enter"),
                                QStringLiteral("group enter")}));
}

TEST_F(FocusWalkTest, MovingWithinTheSameParentNotifiesOnlyWhatWasLeft)
{
    focus(edit2);
    log.clear();
    focus(edit3);
    EXPECT_EQ(log, QStringList{QStringLiteral("group exit")});
}

TEST_F(FocusWalkTest, AHandlerThatMovesTheFocusEndsTheWalk)
{
    focus(edit2);
    QObject::connect(group, &TControl::OnExit, group, [this] { edit3->setFocus(); });
    log.clear();
    edit1->setFocus();
    ASSERT_TRUE(DORVANE_WAIT_FOR(edit3->hasFocus()));
    // page2's exit and page1's enter belong to the walk that was cut short.
    EXPECT_FALSE(log.contains(QStringLiteral("page1 enter")));
    EXPECT_EQ(log.first(), QStringLiteral("group exit"));
}

TEST_F(FocusWalkTest, DeactivatingAndReactivatingTheWindowFiresNothing)
{
    focus(edit2);
    log.clear();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(DORVANE_WAIT_FOR(edit2->hasFocus()));
    EXPECT_TRUE(log.isEmpty()) << log.join(QStringLiteral(", ")).toStdString();
}

TEST_F(FocusWalkTest, FocusThatVisitsAnotherWindowAndComesBackFiresNothing)
{
    focus(edit2);
    log.clear();
    {
        // A box of the program's own, with a focusable field, that is gone before the form
        // gets the focus back.
        QWidget box;
        auto *field = new QLineEdit(&box);
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        field->setFocus();
        ASSERT_TRUE(DORVANE_WAIT_FOR(field->hasFocus()));
    }
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_TRUE(DORVANE_WAIT_FOR(edit2->hasFocus()));
    EXPECT_TRUE(log.isEmpty()) << log.join(QStringLiteral(", ")).toStdString();

    // The walk still runs from where the form's focus was.
    focus(edit1);
    EXPECT_EQ(log, (QStringList{QStringLiteral("group exit"), QStringLiteral("page2 exit"),
                                QStringLiteral("page1 enter")}));
}
