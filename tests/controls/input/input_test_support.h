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
