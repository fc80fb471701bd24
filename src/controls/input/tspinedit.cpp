#include "tspinedit.h"

#include "edit_height.h"
#include "spin_value.h"
#include "tspinbutton.h"

#include "controls/base/accessible_change.h"
#include "controls/base/platform.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr int kClWindow = static_cast<int>(0xFF000005u);
constexpr int kPlatformBorderHeight = 1;

int saturatedSum(int a, int b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX));
}

} // namespace

TSpinEdit::TSpinEdit(QWidget *parent) : TControl(parent)
{
    m_editor = new dorvane::InnerLineEdit(this, this);
    m_editor->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_editor->setText(QStringLiteral("0"));
    setFocusProxy(m_editor);
    connect(m_editor, &QLineEdit::textChanged, this, &TSpinEdit::OnChange);
    connect(m_editor, &QLineEdit::textChanged, this, [this] { dorvane::announceValueChange(this); });

    m_button = new TSpinButton(this);
    m_button->SetBounds(0, 0, 15, 17);
    m_button->SetFocusControl(this);
    connect(m_button, &TSpinButton::OnUpClick, this, [this] { StepUp(); });
    connect(m_button, &TSpinButton::OnDownClick, this, [this] { StepDown(); });

    SetTabStop(true);
    SetColor(kClWindow);
    TControl::SetAutoSize(true);
    resize(121, std::max(21, MinHeight()));
    placeChildren();
}

TSpinEdit::~TSpinEdit() = default;

int TSpinEdit::Value() const
{
    return dorvane::parseSpinInteger(m_editor->text()).value_or(m_minValue);
}

void TSpinEdit::SetValue(int v)
{
    m_editor->setText(QString::number(CheckValue(v)));
}

int TSpinEdit::CheckValue(int v) const
{
    return dorvane::clampToSpinLimits(v, m_minValue, m_maxValue);
}

QString TSpinEdit::Text() const
{
    return m_editor->text();
}

void TSpinEdit::SetText(const QString &text)
{
    m_editor->setText(text);
}

bool TSpinEdit::ReadOnly() const
{
    return m_editor->isReadOnly();
}

void TSpinEdit::SetReadOnly(bool v)
{
    m_editor->setReadOnly(v);
}

void TSpinEdit::SetMaxLength(int v)
{
    m_maxLength = std::max(0, v);
    m_editor->setMaxLength(m_maxLength == 0 ? 32767 : m_maxLength);
}

void TSpinEdit::SetCtl3D(bool v)
{
    if (v == m_ctl3D)
        return;
    m_ctl3D = v;
    placeChildren();
    update();
}

void TSpinEdit::StepUp()
{
    if (ReadOnly()) {
        dorvane::Beep();
        return;
    }
    SetValue(saturatedSum(Value(), m_increment));
}

void TSpinEdit::StepDown()
{
    if (ReadOnly()) {
        dorvane::Beep();
        return;
    }
    SetValue(saturatedSum(Value(), m_increment == INT_MIN ? INT_MAX : -m_increment));
}

bool TSpinEdit::AcceptsCharacter(QChar c) const
{
    const char16_t u = c.unicode();
    if (u == 13)
        return false; // Enter
    if (u < 0x20 || u == 0x7F)
        return m_editorEnabled || u != 8;
    if (!m_editorEnabled)
        return false;
    if (u == '+' || u == '-' || (u >= '0' && u <= '9'))
        return true;
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 && separator.at(0) == c;
}

void TSpinEdit::ApplyExitRule()
{
    const int v = Value();
    if (CheckValue(v) != v)
        SetValue(v);
}

int TSpinEdit::MinHeight() const
{
    return dorvane::textBoxHeight(font(), 4 * kPlatformBorderHeight + 2);
}

void TSpinEdit::SetAutoSize(bool v)
{
    TControl::SetAutoSize(v);
    if (v)
        SetBounds(Left(), Top(), Width(), MinHeight());
}

QRect TSpinEdit::TextRect() const
{
    const int clientWidth = width() - 2 * BorderWidth();
    const int clientHeight = height() - 2 * BorderWidth();
    // Right and bottom edges are exclusive: the text stops two pixels short of the buttons.
    return QRect(0, 0, clientWidth - m_button->width() - 2, clientHeight + 1);
}

void TSpinEdit::placeChildren()
{
    const int b = BorderWidth();
    const int buttonWidth = m_button->width();
    if (m_ctl3D)
        m_button->SetBounds(b + width() - buttonWidth - 5, b, buttonWidth, height() - 5);
    else
        m_button->SetBounds(b + width() - buttonWidth, b + 1, buttonWidth, height() - 3);
    const QRect client = rect().adjusted(b, b, -b, -b);
    m_editor->setGeometry(client);
    const QRect text = TextRect();
    m_editor->setTextMargins(0, 0, std::max(0, client.width() - text.width()), 0);
    m_button->raise();
}

void TSpinEdit::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, width, std::max(height, MinHeight()));
    placeChildren();
}

void TSpinEdit::SetTabStop(bool v)
{
    TControl::SetTabStop(v);
    // The text box takes the focus; the edit itself must not, or a click on its buttons
    // would focus it as a mouse click on the text.
    setFocusPolicy(Qt::NoFocus);
    m_editor->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

void TSpinEdit::mousePressEvent(QMouseEvent *e)
{
    // A click on the frame focuses the text like a click on the text itself.
    if (e->button() == Qt::LeftButton && m_editor->focusPolicy() != Qt::NoFocus)
        m_editor->setFocus(Qt::MouseFocusReason);
    TControl::mousePressEvent(e);
}

void TSpinEdit::resizeEvent(QResizeEvent *e)
{
    TControl::resizeEvent(e);
    if (height() < MinHeight()) {
        resize(width(), MinHeight());
        return;
    }
    placeChildren();
}

void TSpinEdit::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ResolvedColor());
    if (m_ctl3D) {
        qDrawWinPanel(&p, rect(), palette(), true);
    } else {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TSpinEdit::changeEvent(QEvent *e)
{
    TControl::changeEvent(e);
    if (e->type() == QEvent::PaletteChange)
        applyEditorColour();
}

void TSpinEdit::ColorChanging()
{
    applyEditorColour();
    TControl::ColorChanging();
}

void TSpinEdit::FontChanging()
{
    TControl::FontChanging();
    applyEditorColour();
    if (AutoSize() || height() < MinHeight())
        resize(width(), MinHeight());
    placeChildren();
}

void TSpinEdit::applyEditorColour()
{
    QPalette pal = m_editor->palette();
    pal.setColor(QPalette::Base, ResolvedColor());
    pal.setColor(QPalette::Text, dorvane::toQColor(Font()->Color(), palette()));
    m_editor->setPalette(pal);
}

bool TSpinEdit::editorKeyPress(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Up:
        StepUp();
        return true;
    case Qt::Key_Down:
        StepDown();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dorvane::Beep();
        return true;
    case Qt::Key_Delete:
        // Deleting is typing too: with the editor disabled only the buttons change the text.
        return !m_editorEnabled && !e->matches(QKeySequence::Cut);
    default:
        break;
    }
    const QString text = e->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    const bool shortcut = (e->modifiers() & Qt::ControlModifier) && c.isPrint();
    if (shortcut || AcceptsCharacter(c))
        return false;
    dorvane::Beep();
    return true;
}

void TSpinEdit::editorFocusIn(QFocusEvent *e)
{
    const Qt::FocusReason reason = e->reason();
    if (m_autoSelect && dorvane::InnerLineEdit::selectsAllOnEntry(reason))
        m_editor->selectAll();
}

void TSpinEdit::editorFocusOut(QFocusEvent *e)
{
    if (dorvane::isFocusMoveBetweenControls(e->reason()))
        ApplyExitRule();
}

bool TSpinEdit::editorClipboardAllowed() const
{
    return m_editorEnabled && !ReadOnly();
}
