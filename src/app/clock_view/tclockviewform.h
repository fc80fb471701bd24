#pragma once
#include "controls/base/tform.h"

#include <QPoint>

// The clock alone, for the front of a room: the three digit fields and the two arrows, laid out
// from its own layout description by its own elastic component, and a "Paused" badge. It has
// no inputs: the keys a presentation remote sends and a right-click become requests that the
// main window answers. Closing it only hides it.
class TClockViewForm final : public TForm
{
    Q_OBJECT
public:
    explicit TClockViewForm(QWidget *parent = nullptr);

    // The named control of the layout.
    QWidget *control(const char *name) const;

    bool Paused() const;
    void SetPaused(bool paused);

signals:
    // Space, Page Down and Right: what Start does when the clock is stopped, Stop when it runs.
    void StartOrStopRequested();
    // Home.
    void ResetRequested();
    // Esc.
    void LeaveFullScreenRequested();
    void ContextMenuRequested(QPoint globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};
