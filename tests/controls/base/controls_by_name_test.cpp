#include "controls/base/controls_by_name.h"
#include "controls/base/ttimer.h"

#include <QAction>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

using namespace dorvane;

namespace {

QLabel *labelNamed(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

// A remembered control is the one a search of the form finds, of the class asked for, and a
// destroyed one is not handed out: its successor under the same name is found instead.
TEST(ControlsByNameTest, FindsWhatASearchFindsAndForgetsADestroyedControl)
{
    QWidget form;
    auto *panel = new QWidget(&form);
    QLabel *digits = labelNamed("lblSecs", panel);
    auto *timer = new TTimer(&form);
    timer->setObjectName(QStringLiteral("Timer1"));
    // A non-widget of the same name as a widget: each lookup keeps to its own class.
    auto *action = new QAction(&form);
    action->setObjectName(QStringLiteral("lblSecs"));
    const ControlsByName controls(&form);

    EXPECT_EQ(controls.find<QWidget>("lblSecs"), digits);
    EXPECT_EQ(controls.find<QWidget>("lblSecs"), digits);
    EXPECT_EQ(controls.find<QAction>("lblSecs"), action);
    EXPECT_EQ(controls.find<TTimer>("Timer1"), timer);
    EXPECT_EQ(controls.find<QWidget>("Timer1"), nullptr);
    EXPECT_EQ(controls.find<QWidget>("lblMins"), nullptr);

    delete digits;
    EXPECT_EQ(controls.find<QWidget>("lblSecs"), nullptr);
    QLabel *successor = labelNamed("lblSecs", &form);
    EXPECT_EQ(controls.find<QWidget>("lblSecs"), successor);

    // A control that did not exist when first asked for is found once it does.
    QLabel *late = labelNamed("lblMins", panel);
    EXPECT_EQ(controls.find<QWidget>("lblMins"), late);
}
