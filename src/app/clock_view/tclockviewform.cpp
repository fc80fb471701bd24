#include "tclockviewform.h"

#include "app/clock_view/clock_view_keys.h"
#include "app/clock_view/stage_view.h"
#include "controls/base/layout_loader.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QResizeEvent>

using namespace dorvane;

TClockViewForm::TClockViewForm(QWidget *parent) : TForm(parent), m_stage(new StageView(this))
{
    setObjectName(QStringLiteral("ClockViewForm"));
    // Takes the keys itself: none of its fields can hold the focus.
    setFocusPolicy(Qt::StrongFocus);
    LayoutLoader::loadInto(this, LayoutLoader::readResource(QStringLiteral(":/layout/ClockViewForm.json")));
    m_stage->setGeometry(rect());
}

void TClockViewForm::resizeEvent(QResizeEvent *event)
{
    TForm::resizeEvent(event);
    m_stage->setGeometry(rect());
}

QWidget *TClockViewForm::control(const char *name) const
{
    return findChild<QWidget *>(QLatin1String(name));
}

void TClockViewForm::SetPaused(bool paused)
{
    m_paused = paused;
    m_stage->SetPaused(paused);
}

void TClockViewForm::keyPressEvent(QKeyEvent *event)
{
    if (m_keys)
        m_keys->Press(*event);
}

void TClockViewForm::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
}

void TClockViewForm::contextMenuEvent(QContextMenuEvent *event)
{
    emit ContextMenuRequested(event->globalPos());
}
