#include "tcxspinedit.h"

#include "edit_height.h"
#include "spin_glyphs.h"

#include "controls/base/accessible_change.h"
#include "controls/base/platform.h"
#include "engine/error.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

#include <cmath>

using dorvane::NumberKind;
using dorvane::Variant;

namespace {
constexpr int kClWindow = static_cast<int>(0xFF000005u);
}

TcxSpinEdit::TcxSpinEdit(QWidget *parent)
    : TControl(parent), m_properties(new TcxSpinEditProperties(this)),
      m_style(new TcxEditStyle(kClWindow, this))
{
    m_editor = new dorvane::InnerLineEdit(this, this);
    m_editor->setText(QStringLiteral("0"));
    setFocusProxy(m_editor);
    SetTabStop(true);
    setFocusPolicy(Qt::NoFocus); // a click on the buttons must not focus the text as a mouse click
    m_editor->setFocusPolicy(Qt::StrongFocus);
    connect(m_editor, &QLineEdit::textChanged, this, &TcxSpinEdit::OnChange);
    connect(m_editor, &QLineEdit::textChanged, this, [this] { dorvane::announceValueChange(this); });
    connect(m_editor, &QLineEdit::textEdited, this, [this] {
        m_textEdited = true;
        m_changedSinceFocus = true;
    });
    connect(m_properties, &TcxSpinEditProperties::Changed, this, [this] {
        m_editor->setReadOnly(m_properties->ReadOnly());
        update();
    });
    connect(m_style, &TcxEditStyle::Changed, this, [this] {
        applyEditorColour();
        if (borderWidth() != m_fittedBorder)
            fitHeight();
        placeEditor();
        update();
    });
    applyEditorColour();
    TControl::SetAutoSize(true);
    TControl::SetBounds(0, 0, 121, 21);
    fitHeight();
    placeEditor();
}

TcxSpinEdit::~TcxSpinEdit() = default;

NumberKind TcxSpinEdit::kind() const
{
    return m_properties->ValueType() == TcxSpinEditProperties::vtFloat ? NumberKind::Float : NumberKind::Integer;
}

dorvane::NumericLimits TcxSpinEdit::limits() const
{
    return {m_properties->HasLimits(), m_properties->MinValue(), m_properties->MaxValue()};
}

QChar TcxSpinEdit::decimalSeparator() const
{
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

bool TcxSpinEdit::hasEditFocus() const
{
    return m_editor->hasFocus();
}

Variant TcxSpinEdit::Value() const
{
    if (!hasEditFocus())
        return m_editValue;
    if (!m_textEdited)
        return m_lastNumber;
    if (const std::optional<Variant> shown = ShownNumber())
        return *shown;
    throw dorvane::Error(dorvane::convertNumericText(m_editor->text(), kind(), decimalSeparator()).message());
}

std::optional<Variant> TcxSpinEdit::ShownNumber() const
{
    const dorvane::NumericConversion c = dorvane::convertNumericText(m_editor->text(), kind(), decimalSeparator());
    switch (c.status) {
    case dorvane::NumericConversion::Converted:
        return c.value;
    case dorvane::NumericConversion::Empty:
        return kind() == NumberKind::Float ? Variant(0.0) : Variant(std::int64_t{0});
    default:
        return std::nullopt;
    }
}

void TcxSpinEdit::SetValue(const Variant &value)
{
    Variant v;
    if (value.isInteger())
        v = kind() == NumberKind::Float ? Variant(static_cast<double>(value.integer())) : value;
    else if (value.isDouble() && std::isfinite(value.real())) {
        if (kind() == NumberKind::Float)
            v = value;
        else {
            const double r = dorvane::roundHalfEven(value.real());
            if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
                return; // no 64-bit integer stands for it
            v = Variant(static_cast<std::int64_t>(r));
        }
    } else {
        return; // not numeric
    }
    setEditValue(v);
    m_lastNumber = v;
    m_textEdited = false;
    m_changedSinceFocus = false;
    showNumber(v);
}

QVariant TcxSpinEdit::PublishedValue() const
{
    const Variant v = Value();
    if (v.isInteger())
        return QVariant(static_cast<qlonglong>(v.integer()));
    if (v.isDouble())
        return QVariant(v.real());
    return {};
}

void TcxSpinEdit::SetPublishedValue(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Short:
        SetValue(Variant(static_cast<std::int64_t>(value.toLongLong())));
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        SetValue(Variant(value.toDouble()));
        break;
    default:
        break; // strings and empty values are not numeric
    }
}

QString TcxSpinEdit::Text() const
{
    return m_editor->text();
}

void TcxSpinEdit::setEditValue(const Variant &value)
{
    if (value == m_editValue)
        return;
    m_editValue = value;
    emit OnEditValueChanged();
}

void TcxSpinEdit::showNumber(const Variant &value)
{
    m_editor->setText(dorvane::numericText(value, decimalSeparator()));
}

double TcxSpinEdit::stepOf(SpinButton direction) const
{
    const bool large = direction == sbFastDown || direction == sbFastUp;
    double step = large ? m_properties->LargeIncrement() : m_properties->Increment();
    if (kind() == NumberKind::Integer)
        step = dorvane::roundHalfEven(step);
    return direction == sbUp || direction == sbFastUp ? step : -step;
}

void TcxSpinEdit::Step(SpinButton direction)
{
    // A read-only control neither shows nor reports a step.
    if (direction == sbNone || m_properties->ReadOnly())
        return;
    Variant current = m_lastNumber;
    if (hasEditFocus() && m_textEdited) {
        const auto c = dorvane::convertNumericText(m_editor->text(), kind(), decimalSeparator());
        if (c.status == dorvane::NumericConversion::Converted)
            current = c.value;
        else if (c.status == dorvane::NumericConversion::Empty)
            current = kind() == NumberKind::Float ? Variant(0.0) : Variant(std::int64_t{0});
    }
    const Variant next = dorvane::steppedNumber(current, stepOf(direction), kind(), limits());
    m_lastNumber = next;
    m_textEdited = false;
    const QString text = dorvane::numericText(next, decimalSeparator());
    if (text != m_editor->text()) {
        m_editor->setText(text);
        m_changedSinceFocus = true;
        m_editor->end(false);
    }
    // Without the focus no commit follows, so the step is the value at once.
    if (!hasEditFocus() || m_properties->ImmediatePost())
        setEditValue(next);
}

void TcxSpinEdit::failCheck(const char *message)
{
    if (!hasEditFocus()) {
        // The focus is on its way elsewhere: take it back before that move completes, so
        // whoever moved it sees the move refused (a tab click must not go on to its page) and
        // the page around this field never hears that it was left.
        m_refocusing = true;
        m_editor->setFocus(Qt::OtherFocusReason);
        m_refocusing = false;
    }
    m_editor->selectAll();
    if (m_properties->BeepOnError())
        dorvane::Beep();
    throw dorvane::Error(message);
}

void TcxSpinEdit::Commit()
{
    if (!m_changedSinceFocus)
        return;
    const auto c = dorvane::convertNumericText(m_editor->text(), kind(), decimalSeparator());
    Variant value;
    switch (c.status) {
    case dorvane::NumericConversion::Converted:
        value = c.value;
        if (limits().active && dorvane::clampedNumber(value, kind(), limits()) != value)
            failCheck("Value out of bounds");
        break;
    case dorvane::NumericConversion::Empty:
        value = dorvane::clampedNumber(kind() == NumberKind::Float ? Variant(0.0) : Variant(std::int64_t{0}),
                                       kind(), limits());
        break;
    default:
        failCheck(c.message());
    }
    m_lastNumber = value;
    m_textEdited = false;
    showNumber(value);
    setEditValue(value);
}

void TcxSpinEdit::RestoreValueAtFocus()
{
    if (!m_changedSinceFocus)
        return;
    const Variant v = m_valueAtFocus;
    SetValue(v);
    m_editor->selectAll();
}

QRect TcxSpinEdit::ButtonRect(SpinButton button) const
{
    const int b = borderWidth();
    const QRect area(width() - b - kButtonWidth, b, kButtonWidth, height() - 2 * b);
    const int upHeight = area.height() / 2;
    switch (button) {
    case sbUp: return QRect(area.left(), area.top(), area.width(), upHeight);
    case sbDown: return QRect(area.left(), area.top() + upHeight, area.width(), area.height() - upHeight);
    default: return {};
    }
}

TcxSpinEdit::SpinButton TcxSpinEdit::ButtonAt(const QPoint &pos) const
{
    for (SpinButton b : {sbUp, sbDown})
        if (ButtonRect(b).contains(pos))
            return b;
    return sbNone;
}

void TcxSpinEdit::RepeatTimerFired()
{
    if (!m_repeatTimer)
        return;
    m_repeatTimer->setInterval(kRepeatMs);
    if (!m_mouseHeld)
        return;
    const SpinButton under = ButtonAt(m_mousePos);
    if (under == sbNone)
        return; // paused while the pointer is off the buttons
    m_pressed = under;
    update();
    Step(under);
}

void TcxSpinEdit::stopRepeat()
{
    delete m_repeatTimer;
    m_repeatTimer = nullptr;
    m_mouseHeld = false;
    if (m_pressed != sbNone) {
        m_pressed = sbNone;
        update();
    }
}

void TcxSpinEdit::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton) {
        TControl::mousePressEvent(e);
        return;
    }
    const SpinButton button = ButtonAt(e->position().toPoint());
    if (!hasEditFocus()) {
        m_editor->setFocus(button == sbNone ? Qt::MouseFocusReason : Qt::OtherFocusReason);
        m_selectAllOnPress = false; // the press was on the frame, not on the text box
    }
    if (button == sbNone)
        return;
    m_mouseHeld = true;
    m_mousePos = e->position().toPoint();
    m_pressed = button;
    update();
    Step(button);
    if (!m_properties->ReadOnly()) {
        delete m_repeatTimer;
        m_repeatTimer = new QTimer(this);
        m_repeatTimer->setTimerType(Qt::PreciseTimer);
        connect(m_repeatTimer, &QTimer::timeout, this, &TcxSpinEdit::RepeatTimerFired);
        m_repeatTimer->start(kFirstRepeatMs);
    }
}

void TcxSpinEdit::mouseMoveEvent(QMouseEvent *e)
{
    if (!m_mouseHeld)
        return;
    m_mousePos = e->position().toPoint();
    const SpinButton under = ButtonAt(m_mousePos);
    if (under != m_pressed) {
        m_pressed = under;
        update();
    }
}

void TcxSpinEdit::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        stopRepeat();
}

void TcxSpinEdit::wheelEvent(QWheelEvent *e)
{
    if (!editorWheel(e))
        TControl::wheelEvent(e);
}

bool TcxSpinEdit::editorWheel(QWheelEvent *e)
{
    if (!hasEditFocus())
        return false;
    m_wheelRemainder += e->angleDelta().y();
    while (m_wheelRemainder >= 120) {
        m_wheelRemainder -= 120;
        Step(sbUp);
    }
    while (m_wheelRemainder <= -120) {
        m_wheelRemainder += 120;
        Step(sbDown);
    }
    e->accept();
    return true;
}

bool TcxSpinEdit::editorKeyPress(QKeyEvent *e)
{
    SpinButton direction = sbNone;
    switch (e->key()) {
    case Qt::Key_Up: direction = sbUp; break;
    case Qt::Key_Down: direction = sbDown; break;
    case Qt::Key_PageUp: direction = sbFastUp; break;
    case Qt::Key_PageDown: direction = sbFastDown; break;
    default: break;
    }
    if (direction != sbNone) {
        if (m_properties->UseCtrlIncrement() && !(e->modifiers() & Qt::ControlModifier))
            return false;
        if (direction == sbUp || direction == sbDown) {
            m_pressed = direction;
            update();
        }
        Step(direction);
        return true;
    }
    if (m_repeatTimer)
        stopRepeat();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (m_properties->ValidateOnEnter())
            Commit(); // may raise for the general error report
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        if (!m_changedSinceFocus)
            return false;
        RestoreValueAtFocus();
        return true;
    }
    const bool canType = m_properties->CanEdit() && !m_properties->ReadOnly();
    if ((e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) && !e->matches(QKeySequence::Cut))
        return !canType;
    const QString text = e->text();
    if (text.isEmpty())
        return false;
    QChar c = text.at(0);
    if (!c.isPrint() || (e->modifiers() & Qt::ControlModifier))
        return false; // control characters and shortcuts
    if (c == QLatin1Char(',') || c == QLatin1Char('.'))
        c = decimalSeparator();
    const bool numberCharacter = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+')
                                 || c == QLatin1Char('-') || c == QLatin1Char('e') || c == QLatin1Char('E')
                                 || (kind() == NumberKind::Float && c == decimalSeparator());
    if (!numberCharacter || !canType) {
        dorvane::Beep();
        return true;
    }
    if (c != text.at(0)) {
        m_editor->insert(QString(c)); // the typed separator in the locale's form
        return true;
    }
    return false;
}

void TcxSpinEdit::editorKeyRelease(QKeyEvent *e)
{
    if ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) && !e->isAutoRepeat() && !m_mouseHeld
        && m_pressed != sbNone) {
        m_pressed = sbNone;
        update();
    }
}

void TcxSpinEdit::editorFocusIn(QFocusEvent *e)
{
    const bool returningWithWindow = m_awayWithWindow && !dorvane::isFocusMoveBetweenControls(e->reason());
    m_awayWithWindow = false;
    if (m_refocusing || returningWithWindow)
        return; // the edit goes on where it was
    m_valueAtFocus = m_editValue;
    m_lastNumber = m_editValue;
    m_textEdited = false;
    m_changedSinceFocus = false;
    // Unlike the allowance inputs, AutoSelect here covers a click into the text as well; the
    // press that brought the focus would otherwise put the caret over the selection.
    if (m_properties->AutoSelect() && dorvane::isFocusMoveBetweenControls(e->reason())) {
        m_editor->selectAll();
        m_selectAllOnPress = e->reason() == Qt::MouseFocusReason;
    }
}

void TcxSpinEdit::editorMousePress(QMouseEvent *)
{
    if (!m_selectAllOnPress)
        return;
    m_selectAllOnPress = false;
    m_editor->selectAll();
}

void TcxSpinEdit::editorFocusOut(QFocusEvent *e)
{
    m_selectAllOnPress = false;
    stopRepeat();
    m_awayWithWindow = !dorvane::isFocusMoveBetweenControls(e->reason());
    if (!m_awayWithWindow)
        Commit(); // may raise for the general error report
}

bool TcxSpinEdit::editorClipboardAllowed() const
{
    return m_properties->CanEdit() && !m_properties->ReadOnly();
}

int TcxSpinEdit::borderWidth() const
{
    switch (m_style->BorderStyle()) {
    case TcxEditStyle::ebsNone: return 0;
    case TcxEditStyle::ebs3D:
    case TcxEditStyle::ebsThick: return 2;
    default: return 1;
    }
}

int TcxSpinEdit::AutoHeight() const
{
    return dorvane::textBoxHeight(font(), 2 * borderWidth() + 2);
}

void TcxSpinEdit::SetAutoSize(bool v)
{
    TControl::SetAutoSize(v);
    fitHeight();
}

void TcxSpinEdit::fitHeight()
{
    m_fittedBorder = borderWidth();
    if (AutoSize())
        SetBounds(Left(), Top(), Width(), AutoHeight());
}

void TcxSpinEdit::placeEditor()
{
    const int b = borderWidth();
    m_editor->setGeometry(b, b, std::max(0, width() - 2 * b - kButtonWidth), std::max(0, height() - 2 * b));
}

void TcxSpinEdit::resizeEvent(QResizeEvent *e)
{
    TControl::resizeEvent(e);
    placeEditor();
}

void TcxSpinEdit::ColorChanging()
{
    applyEditorColour();
    TControl::ColorChanging();
}

void TcxSpinEdit::FontChanging()
{
    TControl::FontChanging();
    applyEditorColour();
    fitHeight();
}

void TcxSpinEdit::applyEditorColour()
{
    QPalette pal = m_editor->palette();
    pal.setColor(QPalette::Base, dorvane::toQColor(m_style->Color(), palette()));
    pal.setColor(QPalette::Text, dorvane::toQColor(Font()->Color(), palette()));
    m_editor->setPalette(pal);
}

void TcxSpinEdit::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), dorvane::toQColor(m_style->Color(), palette()));
    switch (m_style->BorderStyle()) {
    case TcxEditStyle::ebsNone:
        break;
    case TcxEditStyle::ebs3D:
    case TcxEditStyle::ebsThick:
        qDrawWinPanel(&p, rect(), palette(), true);
        break;
    default:
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const bool flat = m_style->ButtonStyle() == TcxEditStyle::btsFlat
                      || m_style->ButtonStyle() == TcxEditStyle::btsUltraFlat;
    for (SpinButton b : {sbUp, sbDown}) {
        const QRect r = ButtonRect(b);
        const bool down = m_pressed == b;
        if (flat)
            qDrawShadePanel(&p, r, palette(), down, 1, &palette().brush(QPalette::Button));
        else
            qDrawWinButton(&p, r, palette(), down, &palette().brush(QPalette::Button));
        const QPixmap glyph = dorvane::spinGlyph(b == sbUp ? QStringLiteral("SpinUp") : QStringLiteral("SpinDown"));
        const int offset = down ? 1 : 0;
        p.drawPixmap(r.left() + (r.width() - glyph.width()) / 2 + offset,
                     r.top() + (r.height() - glyph.height()) / 2 + offset, glyph);
    }
}
