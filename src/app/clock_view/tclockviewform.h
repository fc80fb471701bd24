#pragma once
#include "controls/base/tform.h"

#include <QPoint>

namespace dorvane {
class ClockViewKeys;
class StageView;
}

// The clock alone, for the front of a room: its picture fills the window, "Paused" under the time
// while a started count is stopped. The window is made from its own layout description. It has
// no inputs: the keys a presentation remote sends are its keys' actions, and a right-click becomes
// a request. Closing it only hides it.
class TClockViewForm final : public TForm
{
    Q_OBJECT
public:
    explicit TClockViewForm(QWidget *parent = nullptr);

    // The named control of the layout.
    QWidget *control(const char *name) const;

    dorvane::StageView *Stage() const { return m_stage; }

    bool Paused() const { return m_paused; }
    void SetPaused(bool paused);
    // The keys it answers; it takes every key, and does nothing with the others.
    void SetKeys(dorvane::ClockViewKeys *keys) { m_keys = keys; }

signals:
    void ContextMenuRequested(QPoint globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    dorvane::ClockViewKeys *m_keys = nullptr;
    dorvane::StageView *m_stage;
    bool m_paused = false;
};
