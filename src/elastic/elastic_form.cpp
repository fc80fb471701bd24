#include "elastic_form.h"

#include "elastic_platform.h"
#include "font_scaling.h"
#include "layout_math.h"
#include "placement_store.h"
#include "qt_message_adapter.h"

#include "controls/base/published.h"
#include "engine/error.h"

#include <algorithm>

using dorvane::ControlList;
using dorvane::layoutmath::Round;
namespace fontscaling = dorvane::fontscaling;

TElasticForm::TElasticForm(QObject *owner) : QObject(owner), m_font(new TFont(this))
{
    m_form = qobject_cast<TForm *>(owner);
    if (!m_form)
        throw dorvane::Error("Owner of TElasticForm component must be a form");
    const auto siblings = owner->findChildren<TElasticForm *>(QString(), Qt::FindDirectChildrenOnly);
    if (siblings.size() > 1)
        throw dorvane::Error("A TElasticForm component already exists in " + m_form->Name().toStdString());

    m_adapter = new dorvane::QtMessageAdapter(this);
    m_form->installEventFilter(m_adapter);
    m_hooked = true;

    if (dorvane::hasPublishedProperty(m_form, QStringLiteral("Autosize"))
        && dorvane::readPublished(m_form, QStringLiteral("Autosize")).toBool())
        dorvane::writePublished(m_form, QStringLiteral("Autosize"), false);

    m_font->Assign(*m_form->Font());
    if (QWidget *active = m_form->ActiveControl())
        m_efActiveControl = active->objectName();
    const QSize screen = dorvane::MaximizedArea(m_form);
    m_screenWidth = screen.width();
    m_screenHeight = screen.height();
    m_startPosition = m_form->Position();
    m_isMaximized = m_form->WindowState() == TForm::wsMaximized;
}

TElasticForm::~TElasticForm()
{
    unhook();
}

void TElasticForm::unhook()
{
    if (!m_hooked)
        return;
    m_hooked = false;
    if (m_form)
        m_form->removeEventFilter(m_adapter);
}

void TElasticForm::SetFont(TFont *font)
{
    if (font && font != m_font)
        m_font->Assign(*font);
    if (m_form) {
        m_form->Font()->Assign(*m_font);
        m_form->update();
    }
}

void TElasticForm::SetBkGrndImage(TControl *image)
{
    m_bkGrndImage = image;
    m_hasImage = image != nullptr;
    if (image)
        image->SetVisible(false);
}

const TFrame *TElasticForm::FrameOf(const TControl *control) const
{
    const int i = indexOf(control);
    return i >= 0 ? m_frames[static_cast<size_t>(i)].get() : nullptr;
}

int TElasticForm::indexOf(const TControl *control) const
{
    for (qsizetype i = 0; i < m_managedControls.size(); ++i)
        if (m_managedControls[i] == control)
            return static_cast<int>(i);
    return -1;
}

void TElasticForm::RegisterControls(QWidget *parent)
{
    dorvane::RegisteredControls found;
    dorvane::RegisterControls(parent, found);
    m_managedControls << found.managed;
    if (!found.statusBars.isEmpty()) {
        m_statusBars << found.statusBars;
        m_statusBarsPending = true;
    }
}

void TElasticForm::OrderByAlignment()
{
    m_alignOrder = dorvane::OrderByAlignment(m_managedControls);
    ControlList managed = m_alignOrder;
    for (const auto &c : m_managedControls)
        if (!managed.contains(c))
            managed.append(c);
    // Frames follow their controls to their new places.
    if (!m_frames.empty()) {
        std::vector<std::unique_ptr<TFrame>> frames(m_frames.size());
        for (qsizetype i = 0; i < managed.size(); ++i)
            frames[static_cast<size_t>(i)] = std::move(m_frames[static_cast<size_t>(indexOf(managed[i]))]);
        m_frames = std::move(frames);
    }
    m_managedControls = managed;
}

void TElasticForm::HideControls()
{
    if (m_hidden)
        return;
    m_hidden = true;
    for (qsizetype i = 0; i < m_managedControls.size(); ++i)
        if (const auto &c = m_managedControls[i])
            m_frames[static_cast<size_t>(i)]->SavedVisible = c->Visible();
    for (qsizetype i = m_alignOrder.size() - 1; i >= 0; --i) {
        TControl *c = m_alignOrder[i];
        if (!c || (c->parentWidget() != m_form && c->Align() == TControl::alNone))
            continue;
        if (dorvane::hasPublishedProperty(c, QStringLiteral("AllowHiding"))
            && !dorvane::readPublished(c, QStringLiteral("AllowHiding")).toBool())
            dorvane::writePublished(c, QStringLiteral("AllowHiding"), true);
        c->SetVisible(false);
    }
}

void TElasticForm::ShowControls()
{
    for (qsizetype i = 0; i < m_managedControls.size(); ++i) {
        TControl *c = m_managedControls[i];
        if (c && (c->parentWidget() == m_form || c->Align() != TControl::alNone))
            c->SetVisible(m_frames[static_cast<size_t>(i)]->SavedVisible);
    }
    m_hidden = false;
    if (!m_efActiveControl.isEmpty() && !m_form->ActiveControl()) {
        QWidget *handle = FindControlHandle(m_efActiveControl);
        dorvane::GiveFocus(handle);
        m_focusPending = !m_form->ActiveControl();
        if (TControl *c = FindControlByHandle(handle))
            c->setFocus(Qt::OtherFocusReason);
        m_focusPending = !m_form->ActiveControl();
    }
}

QWidget *TElasticForm::FindControlHandle(const QString &name) const
{
    QWidget *found = nullptr;
    for (const auto &c : m_managedControls)
        if (c && c->IsWindowed() && c->Name() == name)
            found = c;
    return found;
}

TControl *TElasticForm::FindControlByHandle(const QWidget *handle) const
{
    if (!handle)
        return nullptr;
    TControl *found = nullptr;
    for (const auto &c : m_managedControls)
        if (c && c->IsWindowed() && c == handle)
            found = c;
    return found;
}

void TElasticForm::recordBounds(TFrame &frame, const TControl *control) const
{
    frame.Left = control->Left();
    frame.Width = control->Width();
    frame.Top = control->Top();
    frame.Height = control->Height();
}

void TElasticForm::RecordControl(TControl *control)
{
    if (control == m_form)
        m_referenceFontSize = fontscaling::SizeOf(m_font);
    const int i = indexOf(control);
    if (i < 0)
        return;
    TFrame &frame = *m_frames[static_cast<size_t>(i)];
    frame.Left = Round(control->Left() / frame.StretchX);
    frame.Width = Round(control->Width() / frame.StretchX);
    frame.Top = Round(control->Top() / frame.StretchY);
    frame.Height = Round(control->Height() / frame.StretchY);
    frame.SavedVisible = control->Visible();
    if (TFont *font = fontscaling::PublishedFont(control, "font"))
        frame.DesignFontSize = fontscaling::SizeOf(font);
}

void TElasticForm::AddControl(TControl *control)
{
    if (!control || indexOf(control) >= 0)
        return;
    ++m_controlCount;
    m_horzScreenRatio = m_vertScreenRatio = m_fontScreenRatio = 1.0;
    const bool onForm = control->parentWidget() == m_form;
    size_t at = m_frames.size();
    if (onForm) {
        at = static_cast<size_t>(std::min<qsizetype>(m_alignOrder.size(), m_managedControls.size()));
        m_managedControls.insert(static_cast<qsizetype>(at), control);
    } else {
        m_managedControls.append(control);
    }
    m_frames.insert(m_frames.begin() + static_cast<std::ptrdiff_t>(at), std::make_unique<TFrame>(this));
    TFrame &frame = *m_frames[at];
    recordBounds(frame, control);
    CaptureFrame(frame, control, 1.0, 1.0, 1.0, 1.0);
    frame.SavedVisible = control->Visible();
    if (onForm) {
        if (control->Align() == TControl::alNone)
            m_alignOrder.append(control);
        else
            OrderByAlignment();
    }
    RecaptureAll();
}

void TElasticForm::RecaptureAll()
{
    m_designFormClientHeight = m_form->ClientHeight();
    m_designFormClientWidth = m_form->ClientWidth();
    m_designFormHeight = m_form->Height();
    m_designFormWidth = m_form->Width();
    for (qsizetype i = 0; i < m_managedControls.size(); ++i) {
        TControl *c = m_managedControls[i];
        if (!c)
            continue;
        TFrame &frame = *m_frames[static_cast<size_t>(i)];
        recordBounds(frame, c);
        frame.ExtraFonts.clear();
        CaptureFrame(frame, c, m_horzScreenRatio, m_vertScreenRatio, m_fontScreenRatio, 1.0);
    }
    m_referenceClientWidth = m_form->ClientWidth();
    m_referenceClientHeight = m_form->ClientHeight();
    m_referenceFontSize = fontscaling::SizeOf(m_form->Font());
}

void TElasticForm::DoAfterResize()
{
    emit OnAfterResize(this);
}

void TElasticForm::SavePlacement()
{
    if (m_elFrmIniFile.isEmpty() || m_screenWidth <= 0 || m_screenHeight <= 0)
        return;
    dorvane::PlacementStore store(m_elFrmIniFile, m_form->Name());
    store.WriteInteger(QStringLiteral("Total Controls"), m_controlCount);
    store.WriteInteger(QStringLiteral("Window State"), m_isMaximized ? 2 : 0);
    const QRect bounds = m_form->BoundsRect();
    if (!m_isMaximized && !m_restoreMaximized) {
        store.WriteFloat(QStringLiteral("Left"), bounds.left() * 1.0 / m_screenWidth);
        store.WriteFloat(QStringLiteral("Top"), bounds.top() * 1.0 / m_screenHeight);
        store.WriteFloat(QStringLiteral("Width"), bounds.width() * 1.0 / m_screenWidth);
        store.WriteFloat(QStringLiteral("Height"), bounds.height() * 1.0 / m_screenHeight);
        m_placement = dorvane::ReadWindowPlacement(m_form);
    }
    if (m_isMaximized) {
        const auto percent = [](int size, int screen) {
            const int p = -Round(size * 1.0 / screen * 100);
            return p <= -100 ? 0 : p;
        };
        m_maximumTrackWidth = percent(bounds.width(), m_screenWidth);
        m_maximumTrackHeight = percent(bounds.height(), m_screenHeight);
    }
    store.WriteInteger(QStringLiteral("MaxTrackWidth"), m_maximumTrackWidth);
    store.WriteInteger(QStringLiteral("MaxTrackHeight"), m_maximumTrackHeight);
    for (qsizetype i = 0; i < m_managedControls.size(); ++i)
        if (const auto &c = m_managedControls[i])
            store.WriteBool(dorvane::PlacementStore::VisibleEntry(static_cast<int>(i)), c->Visible());
    store.WritePlacement(m_placement);
}

void TElasticForm::LoadPlacement()
{
    if (m_elFrmIniFile.isEmpty())
        return;
    dorvane::PlacementStore store(m_elFrmIniFile, m_form->Name());
    if (!store.SectionExists() || store.ReadInteger(QStringLiteral("Total Controls"), 0) != m_controlCount)
        return;
    const int state = store.ReadInteger(QStringLiteral("Window State"), 0) & 0xFF;
    if (m_form->WindowState() == TForm::wsNormal && state == 2)
        m_suppressFirstShow = true;
    if (state == 0) {
        m_restorePosPending = true;
        m_leftFraction = store.ReadFloat(QStringLiteral("Left"), 0.0);
        m_topFraction = store.ReadFloat(QStringLiteral("Top"), 0.0);
        m_restoreSizePending = true;
        m_widthFraction = store.ReadFloat(QStringLiteral("Width"), 0.0);
        m_heightFraction = store.ReadFloat(QStringLiteral("Height"), 0.0);
    } else {
        m_restoreMaximized = true;
    }
    // An absent limit means none, not the one the form was designed with.
    m_maximumTrackWidth = store.ReadInteger(QStringLiteral("MaxTrackWidth"), 0);
    m_maximumTrackHeight = store.ReadInteger(QStringLiteral("MaxTrackHeight"), 0);
    for (qsizetype i = 0; i < m_managedControls.size(); ++i)
        if (const auto &c = m_managedControls[i])
            c->SetVisible(store.ReadBool(dorvane::PlacementStore::VisibleEntry(static_cast<int>(i)), true));
    for (qsizetype i = 0; i < m_managedControls.size(); ++i)
        if (const auto &c = m_managedControls[i])
            m_frames[static_cast<size_t>(i)]->SavedVisible = c->Visible();
    store.ReadPlacement(m_placement);
    m_placementLoaded = true;
}
