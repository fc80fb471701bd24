#pragma once
#include "controls/base/platform.h"

#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

// Counts platform beeps for the lifetime of the object.
class BeepCounter
{
public:
    BeepCounter() { m_previous = dorvane::setBeepHook([this] { ++m_count; }); }
    ~BeepCounter() { dorvane::setBeepHook(std::move(m_previous)); }
    int count() const { return m_count; }

private:
    int m_count = 0;
    dorvane::BeepHook m_previous;
};

// Shows a window and waits until it can hold the keyboard focus.
inline void showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

#include "controls/base/tcontrol.h"

#include <QFontDatabase>
#include <QFontMetrics>

// Drives a box with automatic height as a rescale does (bounds, then a larger font, then
// AutoSize off and on again) and checks that its height fits the text of `font` exactly, with
// `frame` pixels of border and gaps, while the other bounds stay put; with AutoSize off, the
// given height is kept. Returns the fitted height.
inline int expectHeightFitsFont(TControl &box, TFont &font, int frame = 6)
{
    EXPECT_TRUE(box.AutoSize()) << "on by default";
    box.SetBounds(10, 20, 120, 63);
    EXPECT_EQ(box.Height(), 63) << "bounds set from outside are kept until the font changes";
    font.SetSize(24);
    const int text = QFontMetrics(font.toQFont()).height();
    const int system = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    const int fitted = box.Height();
    // The leading is a quarter of the smaller text height, here the system font's.
    EXPECT_GT(text, system) << "a 24-point font is taller than the system font";
    EXPECT_EQ(fitted, text + system / 4 + frame);
    EXPECT_EQ(box.geometry().topLeft(), QPoint(10, 20));
    EXPECT_EQ(box.Width(), 120);

    box.SetBounds(10, 20, 120, 90);
    box.setProperty("AutoSize", false);
    EXPECT_EQ(box.Height(), 90);
    box.setProperty("AutoSize", true);
    EXPECT_EQ(box.Height(), fitted);

    box.SetAutoSize(false);
    box.SetBounds(10, 20, 120, 90);
    font.SetSize(26);
    EXPECT_EQ(box.Height(), 90) << "without AutoSize the box keeps its height";
    return fitted;
}
