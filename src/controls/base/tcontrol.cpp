#include "tcontrol.h"

#include "accessible_change.h"
#include "platform.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <atomic>

namespace {
std::atomic<quint64> g_nextCreationIndex{0};
}

using dorvane::ControlsOf;
using dorvane::toQColor;

TControl::TControl(QWidget *parent)
    : QWidget(parent), m_font(new TFont(this)), m_creationIndex(g_nextCreationIndex++)
{
    setFocusPolicy(Qt::NoFocus);
    connect(m_font, &TFont::Changed, this, [this] {
        if (!m_propagatingFont)
            m_parentFont = false; // a font of its own now
        FontChanging();
    });
    adoptParentFont();
    setFont(m_font->toQFont());
}

TControl::~TControl() = default;

void TControl::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, std::max(0, width), std::max(0, height));
}

void TControl::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    const dorvane::AccessibleChange change(this);
    m_caption = caption;
    CaptionChanging();
    emit CaptionChanged();
}

void TControl::SetColor(int colour)
{
    if (colour == m_color)
        return;
    m_color = colour;
    m_parentColor = false;
    ColorChanging();
    propagateColorToChildren();
    emit ColorChanged();
}

void TControl::SetParentFont(bool v)
{
    m_parentFont = v;
    if (v)
        adoptParentFont();
}

void TControl::SetParentColor(bool v)
{
    m_parentColor = v;
    if (auto *p = qobject_cast<TControl *>(parentWidget()); v && p && p->Color() != m_color) {
        m_color = p->Color();
        ColorChanging();
        emit ColorChanged();
    }
}

bool TControl::ShowHint() const
{
    if (m_parentShowHint)
        if (auto *p = qobject_cast<TControl *>(parentWidget()))
            return p->ShowHint();
    return m_showHint;
}

void TControl::SetShowHint(bool v)
{
    m_showHint = v;
    m_parentShowHint = false;
}

const TControl *TControl::HintControl() const
{
    for (const QWidget *w = this; w; w = w->parentWidget())
        if (auto *c = qobject_cast<const TControl *>(w); c && c->ShowHint())
            return c;
    return nullptr;
}

QString TControl::ShownHint() const
{
    const TControl *owner = HintControl();
    return owner ? owner->EffectiveHint() : QString();
}

QString TControl::EffectiveHint() const
{
    for (const QWidget *w = this; w; w = w->parentWidget())
        if (auto *c = qobject_cast<const TControl *>(w); c && !c->Hint().isEmpty())
            return c->Hint();
    return {};
}

void TControl::SetTabStop(bool v)
{
    m_tabStop = v;
    setFocusPolicy(v ? Qt::StrongFocus : (focusPolicy() == Qt::NoFocus ? Qt::NoFocus : Qt::ClickFocus));
}

void TControl::Loaded()
{
    m_loading = false;
}

void TControl::DoEnter()
{
    emit OnEnter();
}

void TControl::DoExit()
{
    emit OnExit();
}

QColor TControl::ResolvedColor() const
{
    return toQColor(m_color, palette());
}

void TControl::FontChanging()
{
    setFont(m_font->toQFont());
    propagateFontToChildren();
    updateGeometry();
    update();
}

void TControl::adoptParentFont()
{
    auto *p = qobject_cast<TControl *>(parentWidget());
    if (!p)
        return;
    m_propagatingFont = true;
    m_font->Assign(*p->Font());
    m_propagatingFont = false;
}

void TControl::propagateFontToChildren()
{
    for (TControl *child : ControlsOf(this))
        if (child->ParentFont())
            child->adoptParentFont();
}

void TControl::propagateColorToChildren()
{
    for (TControl *child : ControlsOf(this))
        if (child->ParentColor() && child->Color() != m_color) {
            child->m_color = m_color;
            child->ColorChanging();
            child->propagateColorToChildren();
            emit child->ColorChanged();
        }
}

bool TControl::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::ToolTip: {
        auto *help = static_cast<QHelpEvent *>(e);
        const QString hint = ShownHint();
        if (!hint.isEmpty())
            QToolTip::showText(help->globalPos(), hint, this);
        else
            QToolTip::hideText();
        e->accept();
        return true;
    }
    case QEvent::ParentChange:
        if (m_parentFont)
            adoptParentFont();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

TGraphicControl::TGraphicControl(QWidget *parent) : TControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

namespace dorvane {

QList<TControl *> ControlsOf(const QWidget *parent)
{
    QList<TControl *> controls;
    if (!parent)
        return controls;
    for (QObject *o : parent->children())
        if (auto *c = qobject_cast<TControl *>(o); c && !c->isWindow())
            controls.append(c);
    std::stable_sort(controls.begin(), controls.end(), [](const TControl *a, const TControl *b) {
        if (a->IsWindowed() != b->IsWindowed())
            return !a->IsWindowed();
        return a->CreationIndex() < b->CreationIndex();
    });
    return controls;
}

} // namespace dorvane
