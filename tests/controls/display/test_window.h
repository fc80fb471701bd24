#pragma once
#include "controls/base/focus_walk.h"
#include "controls/base/tform.h"

#include <QEvent>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// Counts the paint events a widget receives.
class PaintCounter final : public QObject
{
public:
    explicit PaintCounter(QWidget *w) : QObject(w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A focusable control of our own, so the focus walk sends it enter and exit.
class FocusBox : public TControl
{
public:
    explicit FocusBox(QWidget *parent) : TControl(parent)
    {
        SetTabStop(true);
        resize(40, 20);
    }
};

inline void showActive(TForm &form)
{
    dorvane::FocusWalk::install();
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

inline void settlePaints()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Rows of `image` that contain a pixel darker than mid-grey: first and last, or {-1, -1}.
inline std::pair<int, int> darkRows(const QImage &image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
    return {first, last};
}

inline int darkPixelsInRow(const QImage &image, int y)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += qGray(image.pixel(x, y)) < 128;
    return n;
}
