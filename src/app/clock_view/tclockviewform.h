#pragma once
#include "controls/base/tform.h"

#include <QPoint>

namespace dorvane {
class ClockViewKeys;
}

// The clock alone, for the front of a room: the three digit fields and the two arrows, laid out
// from its own layout description by its own elastic component, and a "Paused" badge. It has
// no inputs: the keys a presentation remote sends are its keys' actions, and a right-click becomes
// a request. Closing it only hides it.
class TClockViewForm final : public TForm
{
    Q_OBJECT
public:
    explicit TClockViewForm(QWidget *parent = nullptr);

    // The named control of the layout.
    QWidget *control(const char *name) const;

    bool Paused() const;
    void SetPaused(bool paused);
    // The keys it answers; it takes every key, and does nothing with the others.
    void SetKeys(dorvane::ClockViewKeys *keys) { m_keys = keys; }

signals:
    void ContextMenuRequested(QPoint globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    dorvane::ClockViewKeys *m_keys = nullptr;
};
