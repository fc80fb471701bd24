#include "elastic_form.h"

#include "elastic_platform.h"
#include "font_scaling.h"
#include "layout_math.h"

#include "controls/base/published.h"

#include <QApplication>
#include <QPainter>

using dorvane::layoutmath::Round;
using dorvane::layoutmath::RoundHalfDown;
using dorvane::layoutmath::SignedSize;
namespace fontscaling = dorvane::fontscaling;

namespace {
bool isBorderless(const TForm *form)
{
    return form->windowFlags().testFlag(Qt::FramelessWindowHint);
}

// The application's main window: the first top-level form, if it is not this one.
const TForm *mainFormOtherThan(const TForm *form)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *f = qobject_cast<TForm *>(w); f && f != form)
            return f;
    return nullptr;
}
} // namespace

QSize TElasticForm::formOuterSize() const
{
    return m_form->BoundsRect().size();
}

void TElasticForm::InitializeLayout()
{
    // Positions below are worked out within the area, then moved to where it lies on the desktop.
    const QRect area = dorvane::PrimaryMaximizedArea();
    const QSize screen = area.size();
    if (!m_resolutionIndependence) {
        m_designScreenWidth = screen.width();
        m_designScreenHeight = screen.height();
    }
    if (!m_listsBuilt) {
        m_listsBuilt = true;
        RegisterControls(m_form);
        OrderByAlignment();
        m_controlCount = static_cast<int>(m_managedControls.size());
        m_frames.clear();
        for (const auto &c : m_managedControls) {
            m_frames.push_back(std::make_unique<TFrame>(this));
            recordBounds(*m_frames.back(), c);
        }
        LoadPlacement();
        for (qsizetype i = 0; i < m_managedControls.size(); ++i)
            m_frames[static_cast<size_t>(i)]->SavedVisible = m_managedControls[i]->Visible();
    }
    if (m_form->WindowState() == TForm::wsMaximized) {
        m_designFormTop = SignedSize(m_maximizedPosY, m_designScreenHeight);
        m_designFormLeft = SignedSize(m_maximizedPosX, m_designScreenWidth);
        if (m_maintainProportions) {
            ComputeMaxTrack();
            m_designFormWidth = m_maximumTrackWidth;
            m_designFormHeight = m_maximumTrackHeight;
        } else {
            m_designFormWidth = m_designScreenWidth;
            m_designFormHeight = m_designScreenHeight;
        }
    }
    m_screenWidth = screen.width();
    m_screenHeight = screen.height();
    // A design screen of no size would make every ratio infinite; treat it as this screen.
    m_horzScreenRatio = m_designScreenWidth > 0 ? m_screenWidth * 1.0 / m_designScreenWidth : 1.0;
    m_vertScreenRatio = m_designScreenHeight > 0 ? m_screenHeight * 1.0 / m_designScreenHeight : 1.0;
    m_fontScreenRatio = m_vertScreenRatio;
    m_statusBarHorzRatio = m_horzScreenRatio;
    m_statusBarVertRatio = m_vertScreenRatio;
    m_statusBarFontRatio = m_vertScreenRatio;
    m_initPending = false;

    m_initialFontSize = RoundHalfDown(fontscaling::SizeOf(m_form->Font()) * m_fontScreenRatio);
    m_initialLeft = Round(m_designFormLeft * m_horzScreenRatio);
    m_initialTop = Round(m_designFormTop * m_vertScreenRatio);
    if (!isBorderless(m_form)) {
        m_initialWidth = Round(m_designFormWidth * m_horzScreenRatio);
        m_initialHeight = Round(m_designFormHeight * m_vertScreenRatio);
    } else {
        m_initialWidth = m_designFormClientWidth;
        m_initialHeight = m_designFormClientHeight;
    }
    switch (m_startPosition) {
    case TForm::poScreenCenter:
    case TForm::poDesktopCenter:
        m_initialLeft = (m_screenWidth - m_initialWidth) / 2;
        m_initialTop = (m_screenHeight - m_initialHeight) / 2;
        break;
    case TForm::poMainFormCenter:
        if (const TForm *main = mainFormOtherThan(m_form)) {
            m_initialLeft = main->Left() - area.left() + (main->Width() - m_initialWidth) / 2;
            m_initialTop = main->Top() - area.top() + (main->Height() - m_initialHeight) / 2;
        }
        break;
    default:
        break;
    }
    if (m_initialLeft + m_initialWidth > m_screenWidth)
        m_initialLeft = (m_screenWidth - m_initialWidth) / 2;
    if (m_initialTop + m_initialHeight > m_screenHeight)
        m_initialTop = (m_screenHeight - m_initialHeight) / 2;
    // The frame's top-left corner, and so the title bar, stays inside the area.
    m_initialLeft = area.left() + std::max(0, m_initialLeft);
    m_initialTop = area.top() + std::max(0, m_initialTop);
    if (m_placedBounds.isValid()) {
        m_initialLeft = m_placedBounds.left();
        m_initialTop = m_placedBounds.top();
        m_initialWidth = m_placedBounds.width();
        m_initialHeight = m_placedBounds.height();
    }
    m_posChangeCount = 0;
}

void TElasticForm::PlaceAt(const QRect &outerBounds)
{
    if (m_initPending) {
        m_placedBounds = outerBounds;
        return;
    }
    m_userSized = true;
    m_form->SetBounds(outerBounds.x(), outerBounds.y(), outerBounds.width(), outerBounds.height());
}

void TElasticForm::CaptureFrame(TFrame &frame, TControl *control, double hr, double vr, double fr, double k)
{
    frame.ExtraFonts.clear();
    if (dorvane::hasPublishedProperty(control, QStringLiteral("AllowHiding"))
        && !dorvane::readPublished(control, QStringLiteral("AllowHiding")).toBool())
        dorvane::writePublished(control, QStringLiteral("AllowHiding"), true);
    if (m_lookForExtraFonts)
        fontscaling::CollectExtraFonts(frame, control);
    if (dorvane::hasPublishedProperty(control, QStringLiteral("Sections")))
        fontscaling::CaptureSections(frame, control, m_fontScreenRatio, m_horzScreenRatio);
    frame.Left = Round(k * hr * frame.Left);
    frame.Top = Round(k * vr * frame.Top);
    frame.Width = Round(k * hr * frame.Width);
    frame.Height = Round(k * vr * frame.Height);
    fontscaling::CaptureFonts(frame, control, fr);
}

void TElasticForm::Rescale()
{
    if (m_sizing)
        return;
    if (!m_efActiveControl.isEmpty() && m_focusPending) {
        dorvane::GiveFocus(FindControlHandle(m_efActiveControl));
        m_focusPending = !m_form->ActiveControl();
    }
    if (m_capturePending) {
        for (qsizetype i = 0; i < m_managedControls.size(); ++i)
            if (TControl *c = m_managedControls[i])
                CaptureFrame(*m_frames[static_cast<size_t>(i)], c, m_horzScreenRatio, m_vertScreenRatio,
                             m_fontScreenRatio, 1.0);
        if (m_initialFontSize != 0)
            fontscaling::SetSize(m_font, m_initialFontSize);
        m_referenceClientWidth = Round(m_designFormClientWidth * m_horzScreenRatio);
        m_referenceClientHeight = Round(m_designFormClientHeight * m_vertScreenRatio);
        m_referenceFontSize = fontscaling::SizeOf(m_font);
        m_capturePending = false;
    }
    // Stored design sizes of zero leave nothing to scale against.
    if (m_referenceClientWidth <= 0 || m_referenceClientHeight <= 0 || m_referenceFontSize == 0)
        return;
    const QSize outer = formOuterSize();
    const double fh = static_cast<double>(static_cast<qint64>(m_referenceFontSize) * outer.width()) / m_referenceClientWidth;
    const double fv = static_cast<double>(static_cast<qint64>(m_referenceFontSize) * outer.height()) / m_referenceClientHeight;
    const double f = fh < fv ? fh : fv;
    if (m_elasticFont)
        fontscaling::SetSize(m_font, Round(f));
    m_fontRatio = f / m_referenceFontSize;
    for (qsizetype i = 0; i < m_managedControls.size(); ++i)
        if (TControl *c = m_managedControls[i])
            ApplyFrame(*m_frames[static_cast<size_t>(i)], c);
    if (m_firstShowPending && !m_suppressFirstShow) {
        ShowControls();
        m_firstShowPending = false;
    }
    DoAfterResize();
}

void TElasticForm::ApplyFrame(TFrame &frame, TControl *control)
{
    int left = frame.Left, top = frame.Top, width = frame.Width, height = frame.Height;
    m_lastStretchX = m_lastStretchY = 1.0;
    if (m_elasticFont)
        fontscaling::FontPass(frame, control, m_fontRatio);
    if (m_elasticHorizontal) {
        const double sx = m_form->ClientWidth() * 1.0 / m_referenceClientWidth;
        m_lastStretchX = frame.StretchX = sx;
        left = Round(frame.Left * sx);
        width = Round(frame.Width * sx);
    }
    if (m_elasticVertical) {
        const double sy = m_form->ClientHeight() * 1.0 / m_referenceClientHeight;
        m_lastStretchY = frame.StretchY = sy;
        top = Round(frame.Top * sy);
        height = Round(frame.Height * sy);
    }
    control->SetBounds(left, top, width, height);
    if (m_elasticHorizontal)
        fontscaling::ApplySections(frame, control, m_lastStretchX);
    if (m_elasticFont)
        fontscaling::FontPass(frame, control, m_fontRatio);
    // Toolbar buttons keep their size: the layout holds no base size to scale them from.
    fontscaling::RefitLabel(control);
    fontscaling::ToggleAutoSize(control);
}

void TElasticForm::ComputeMaxTrack()
{
    if (!m_maintainProportions)
        return;
    const QSize max = dorvane::layoutmath::ProportionalMaxTrack({m_designFormWidth, m_designFormHeight},
                                                                {m_screenWidth, m_screenHeight});
    if (max.isEmpty())
        return;
    m_maximumTrackWidth = max.width();
    m_maximumTrackHeight = max.height();
    m_maxSizeWidth = m_maximumTrackWidth;
    m_maxSizeHeight = m_maximumTrackHeight;
}

void TElasticForm::KeepProportions()
{
    const QSize now = formOuterSize();
    const QSize kept = dorvane::layoutmath::KeepProportions({m_sizingStartWidth, m_sizingStartHeight}, now);
    if (kept != now)
        m_form->SetBounds(m_form->Left(), m_form->Top(), kept.width(), kept.height());
}

void TElasticForm::FillMinMaxInfo(dorvane::MinMaxInfo &info)
{
    if (m_capturePending && m_form->WindowState() == TForm::wsMaximized)
        Rescale();
    const qint64 sum = qint64(m_maxSizeWidth) + m_maxSizeHeight + m_maximizedPosX + m_maximizedPosY
        + m_minimumTrackWidth + m_minimumTrackHeight + m_maximumTrackWidth + m_maximumTrackHeight;
    if (sum == 0 || m_capturePending)
        return;
    if (m_maxSizeWidth != 0)
        info.maxSize.setWidth(m_maxSizeWidth);
    if (m_maxSizeHeight != 0)
        info.maxSize.setHeight(m_maxSizeHeight);
    if (m_maximizedPosX != 0)
        info.maxPosition.setX(SignedSize(m_maximizedPosX, m_screenWidth));
    if (m_maximizedPosY != 0)
        info.maxPosition.setY(SignedSize(m_maximizedPosY, m_screenHeight));
    if (m_minimumTrackWidth != 0)
        info.minTrackSize.setWidth(SignedSize(m_minimumTrackWidth, m_screenWidth));
    if (m_minimumTrackHeight != 0)
        info.minTrackSize.setHeight(SignedSize(m_minimumTrackHeight, m_screenHeight));
    if (m_maximumTrackWidth != 0)
        info.maxTrackSize.setWidth(SignedSize(m_maximumTrackWidth, m_screenWidth));
    if (m_maximumTrackHeight != 0)
        info.maxTrackSize.setHeight(SignedSize(m_maximumTrackHeight, m_screenHeight));
}

void TElasticForm::DisplayChanged()
{
    const int oldWidth = m_designScreenWidth, oldHeight = m_designScreenHeight;
    const QSize screen = dorvane::MaximizedArea(m_form);
    m_designScreenWidth = screen.width();
    m_designScreenHeight = screen.height();
    if (oldWidth <= 0 || oldHeight <= 0)
        return;
    const double rx = m_designScreenWidth * 1.0 / oldWidth;
    const double ry = m_designScreenHeight * 1.0 / oldHeight;
    const QRect b = m_form->BoundsRect();
    m_form->SetBounds(Round(b.left() * rx), Round(b.top() * ry), Round(b.width() * rx), Round(b.height() * ry));
    HideControls();
    Rescale();
    ShowControls();
}

void TElasticForm::FrameChanged(QSize previous)
{
    // Before the first layout or during a drag the next rescale sees the new frame anyway.
    if (!m_hooked || !m_active || m_initPending || m_capturePending || m_sizing
        || m_form->WindowState() == TForm::wsMinimized)
        return;
    QWidget *focus = dorvane::FocusedWidget();
    HideControls();
    const QSize initialClient = QSize(m_initialWidth, m_initialHeight) - previous;
    // Going full screen takes the frame away: the window is on its way to the whole screen.
    const bool fullScreen = m_form->windowState().testFlag(Qt::WindowFullScreen);
    if (m_form->WindowState() == TForm::wsNormal && !fullScreen && m_form->size() == initialClient)
        m_form->SetBounds(m_initialLeft, m_initialTop, m_initialWidth, m_initialHeight);
    Rescale();
    ShowControls();
    const QSize outer = formOuterSize();
    m_lastWidth = outer.width();
    m_lastHeight = outer.height();
    restoreFocusTo(focus);
}

bool TElasticForm::paintsBackground() const
{
    if (!m_hasImage || !m_bkGrndImage)
        return false;
    const QPixmap picture = dorvane::readPublished(m_bkGrndImage, QStringLiteral("Picture")).value<QPixmap>();
    return picture.width() != 0 && picture.height() != 0;
}

void TElasticForm::PaintBackground(QPainter &dc)
{
    if (!m_bkGrndImage)
        return;
    const QPixmap picture = dorvane::readPublished(m_bkGrndImage, QStringLiteral("Picture")).value<QPixmap>();
    if (picture.isNull())
        return;
    if (m_bkGrndImage->Align() == TControl::alClient) {
        const QSize outer = formOuterSize();
        dc.drawPixmap(QRect(0, 0, outer.width(), outer.height()), picture);
        return;
    }
    for (const QPoint &origin : dorvane::layoutmath::TileOrigins(m_form->rect().size(), picture.size()))
        dc.drawPixmap(origin, picture);
}

void TElasticForm::SyncFormFont()
{
    const TFont *formFont = m_form->Font();
    if (formFont->Color() != m_font->Color() || formFont->Size() != m_font->Size())
        SetFont(m_font);
}

void TElasticForm::ScaleStatusBars()
{
    m_statusBarsPending = false;
    for (const auto &bar : dorvane::ControlList(m_statusBars)) {
        if (!bar)
            continue;
        AddControl(bar);
        bar->SetHeight(Round(bar->Height() * m_statusBarVertRatio));
        bar->SetWidth(Round(bar->Width() * m_statusBarHorzRatio));
        bar->SetTop(Round(bar->Top() * m_statusBarVertRatio * m_fontRatio));
        bar->SetLeft(Round(bar->Left() * m_statusBarHorzRatio * m_fontRatio));
        if (const QObject *panels = dorvane::readPublishedObject(bar, QStringLiteral("Panels")))
            for (QObject *panel : panels->children())
                if (dorvane::hasPublishedProperty(panel, QStringLiteral("Width")))
                    dorvane::writePublished(panel, QStringLiteral("Width"),
                                            Round(dorvane::readPublished(panel, QStringLiteral("Width")).toInt()
                                                  * m_statusBarHorzRatio));
        fontscaling::SetSize(bar->Font(), Round(bar->Font()->Size() * (m_statusBarFontRatio * m_fontRatio)));
        RecordControl(bar);
    }
}
