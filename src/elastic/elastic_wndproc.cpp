#include "elastic_form.h"

#include "elastic_platform.h"
#include "layout_math.h"

#include <cstdlib>

using dorvane::ElasticMessage;
using dorvane::ElasticMessageId;
using dorvane::layoutmath::Round;

void TElasticForm::firstTimeSetup()
{
    InitializeLayout();
    HideControls();
    if (m_restoreMaximized) {
        m_form->SetWindowState(TForm::wsMaximized);
        m_placement.showCmd = 0;
        dorvane::ApplyWindowPlacement(m_form, m_placement);
    }
    m_sizingStartWidth = m_initialWidth;
    m_sizingStartHeight = m_initialHeight;
    m_setupDone = true;
    if (m_maintainProportions)
        ComputeMaxTrack();
    HideControls();
    if (m_form->WindowState() != TForm::wsMaximized)
        m_form->SetBounds(m_initialLeft, m_initialTop, m_initialWidth, m_initialHeight);
    ShowControls();
}

bool TElasticForm::widthOrHeightChanged() const
{
    const QSize outer = formOuterSize();
    return std::abs(outer.width() - m_lastWidth) > 5 || std::abs(outer.height() - m_lastHeight) > 5;
}

void TElasticForm::rememberActiveControl()
{
    if (QWidget *active = m_form->ActiveControl())
        m_efActiveControl = active->objectName();
}

void TElasticForm::restoreFocusTo(QWidget *focus)
{
    if (focus != m_form)
        dorvane::GiveFocus(focus);
}

bool TElasticForm::FormWndProc(ElasticMessage &message)
{
    if (message.id == ElasticMessageId::Destroy) {
        if (m_hooked) {
            unhook();
            message.result = 0;
        }
        return true;
    }
    if (!m_hooked || !m_active || !m_form->isVisible())
        return true;

    QWidget *focus = dorvane::FocusedWidget();
    SyncFormFont();
    if (m_initPending)
        firstTimeSetup();
    if (m_restorePosPending) {
        m_restorePosPending = false;
        m_initialLeft = Round(m_screenWidth * m_leftFraction);
        m_initialTop = Round(m_screenHeight * m_topFraction);
        m_form->SetBounds(m_initialLeft, m_initialTop, m_initialWidth, m_initialHeight);
    }

    switch (message.id) {
    case ElasticMessageId::Size:
        handleSize(message.wParam, focus);
        break;
    case ElasticMessageId::Activate:
        m_posChangeCount = 10000;
        if (m_statusBarsPending && !m_statusBars.isEmpty()) {
            ScaleStatusBars();
            m_statusBarsPending = false;
        }
        if (m_placementLoaded && m_restoreMaximized) {
            m_form->SetWindowState(TForm::wsMaximized);
            m_placementLoaded = m_restoreMaximized = false;
            m_placement.showCmd = 3;
            dorvane::ApplyWindowPlacement(m_form, m_placement);
            ShowControls();
        }
        dorvane::GiveFocus(focus);
        break;
    case ElasticMessageId::EraseBackground:
        if (paintsBackground() && message.painter) {
            PaintBackground(*message.painter);
            message.result = 0;
            return false;
        }
        break;
    case ElasticMessageId::ShowWindow:
        if (m_restoreSizePending) {
            if (!m_resolutionIndependence)
                HideControls();
            m_restoreSizePending = false;
            m_initialWidth = Round(m_screenWidth * m_widthFraction);
            m_initialHeight = Round(m_screenHeight * m_heightFraction);
            m_form->SetBounds(m_initialLeft, m_initialTop, m_initialWidth, m_initialHeight);
        }
        if (!m_skipShowRescale) {
            HideControls();
            Rescale();
            ShowControls();
            m_suppressFirstShow = false;
        }
        restoreFocusTo(focus);
        break;
    case ElasticMessageId::SetCursor:
        m_skipShowRescale = true;
        break;
    case ElasticMessageId::GetMinMaxInfo:
        if (message.minMaxInfo)
            FillMinMaxInfo(*message.minMaxInfo);
        break;
    case ElasticMessageId::WindowPosChanging:
        if (++m_posChangeCount >= 10000)
            m_userSized = true;
        break;
    case ElasticMessageId::DisplayChange:
        DisplayChanged();
        break;
    case ElasticMessageId::SysCommand:
        handleSysCommand(message.wParam);
        break;
    case ElasticMessageId::Sizing:
        m_sizing = true;
        m_sizedDuringMove = true;
        break;
    case ElasticMessageId::EnterSizeMove: {
        const QSize start = message.startSize.isValid() ? message.startSize : formOuterSize();
        m_sizingStartWidth = start.width();
        m_sizingStartHeight = start.height();
        break;
    }
    case ElasticMessageId::ExitSizeMove:
        handleExitSizeMove();
        break;
    case ElasticMessageId::Destroy:
        break;
    }
    return true;
}

void TElasticForm::handleSize(quintptr kind, QWidget *focus)
{
    if (m_sizing || kind == dorvane::SizeMinimized)
        return;
    if (kind == dorvane::SizeMaximized && !m_isMaximized) {
        focus = dorvane::FocusedWidget();
        const QSize outer = formOuterSize();
        if (std::abs(outer.width() - m_lastWidth) > 5 && std::abs(outer.height() - m_lastHeight) > 5)
            HideControls();
        m_userSized = true;
        m_isMaximized = true;
        SetFont(m_font);
    }
    if (m_userSized && kind == dorvane::SizeRestored) {
        if (m_isMaximized) {
            focus = dorvane::FocusedWidget();
            HideControls();
            m_restoreMaximized = false;
        }
        m_isMaximized = false;
        SetFont(m_font);
    }
    const bool borderless = m_form->windowFlags().testFlag(Qt::FramelessWindowHint);
    // A full-screen window, like a maximized one, has the size its state gives it.
    const bool fullScreen = m_form->windowState().testFlag(Qt::WindowFullScreen);
    if ((borderless || !m_userSized) && m_form->WindowState() != TForm::wsMaximized && !fullScreen)
        m_form->SetBounds(m_initialLeft, m_initialTop, m_initialWidth, m_initialHeight);
    if (widthOrHeightChanged()) {
        Rescale();
        m_form->update();
        ShowControls();
        const QSize outer = formOuterSize();
        m_lastWidth = outer.width();
        m_lastHeight = outer.height();
    }
    restoreFocusTo(focus);
    SavePlacement();
    ShowControls();
}

void TElasticForm::handleSysCommand(quintptr command)
{
    switch (command) {
    case dorvane::ScClose:
        SavePlacement();
        m_skipShowRescale = true;
        break;
    case dorvane::ScMinimize: {
        rememberActiveControl();
        SavePlacement();
        m_skipShowRescale = true;
        m_isMaximized = false;
        const QSize outer = formOuterSize();
        m_lastWidth = outer.width();
        m_lastHeight = outer.height();
        break;
    }
    case dorvane::ScMaximize:
        rememberActiveControl();
        HideControls();
        break;
    case dorvane::ScRestore:
        rememberActiveControl();
        HideControls();
        break;
    default:
        m_skipShowRescale = false;
        break;
    }
}

void TElasticForm::handleExitSizeMove()
{
    m_userSized = true;
    m_sizing = false;
    if (m_sizedDuringMove) {
        QWidget *focus = dorvane::FocusedWidget();
        HideControls();
        if (m_maintainProportions)
            KeepProportions();
        Rescale();
        m_form->update();
        ShowControls();
        dorvane::GiveFocus(focus);
        m_sizedDuringMove = false;
    }
    m_isMaximized = false;
    SavePlacement();
}
