#include "clock_mirror.h"

#include "app/clock_view/clock_fields.h"
#include "controls/display/tcustomlabel.h"
#include "controls/display/tcxlabel.h"

#include <QWidget>

namespace dorvane {

namespace {
template <typename Label>
Label *labelOf(QWidget *window, const char *name)
{
    auto *label = window->findChild<Label *>(QLatin1String(name));
    Q_ASSERT(label);
    return label;
}
} // namespace

ClockMirror::ClockMirror(QWidget *source, QWidget *target) : QObject(target)
{
    for (int i = 0; i < 3; ++i) {
        Digit &d = m_digits[i];
        d = {labelOf<TJvLabel>(source, kDigitFields[i]), labelOf<TJvLabel>(target, kDigitFields[i])};
        const auto copy = [this, i] { copyDigit(m_digits[i]); };
        connect(d.source, &TControl::CaptionChanged, this, copy);
        connect(d.source, &TControl::ColorChanged, this, copy);
        connect(d.source->Font(), &TFont::Changed, this, copy);
        copyDigit(d);
    }
    for (int i = 0; i < 2; ++i) {
        Arrow &a = m_arrows[i];
        a = {labelOf<TcxLabel>(source, kArrowFields[i]), labelOf<TcxLabel>(target, kArrowFields[i])};
        const auto copy = [this, i] { copyArrow(m_arrows[i]); };
        connect(a.source, &TControl::CaptionChanged, this, copy);
        connect(a.source->Style(), &display::LabelStyle::Changed, this, copy);
        copyArrow(a);
    }
}

void ClockMirror::copyDigit(const Digit &d)
{
    d.target->setAccessibleName(d.source->accessibleName());
    d.target->SetCaption(d.source->Caption());
    d.target->SetColor(m_held.value_or(d.source->Color()));
    // Only the colour: the view scales its own fonts to its own size.
    d.target->Font()->SetColor(d.source->Font()->Color());
}

void ClockMirror::copyArrow(const Arrow &a)
{
    a.target->setAccessibleName(a.source->accessibleName());
    a.target->SetCaption(a.source->Caption());
    a.target->Style()->SetColor(m_held.value_or(a.source->Style()->Color()));
    a.target->Style()->Font()->SetColor(a.source->Style()->Font()->Color());
}

void ClockMirror::copyClockColours()
{
    for (const Digit &d : m_digits)
        copyDigit(d);
    for (const Arrow &a : m_arrows)
        copyArrow(a);
}

void ClockMirror::HoldClockColour(ColourValue colour)
{
    m_held = colour;
    copyClockColours();
}

void ClockMirror::ReleaseClockColour()
{
    m_held.reset();
    copyClockColours();
}

} // namespace dorvane
