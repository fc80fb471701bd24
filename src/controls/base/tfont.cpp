#include "tfont.h"

#include <cmath>
#include <cstdint>

namespace dorvane {

int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    std::int64_t q = product / denominator;
    const std::int64_t r = product % denominator;
    // halves away from zero
    if (2 * std::llabs(r) >= std::llabs(static_cast<std::int64_t>(denominator)))
        q += ((product < 0) != (denominator < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

} // namespace dorvane

using dorvane::mulDiv;

TFont::TFont(QObject *parent) : QObject(parent) {}

int TFont::Size() const
{
    return -mulDiv(m_height, 72, m_pixelsPerInch);
}

void TFont::SetName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    changed();
}

void TFont::SetHeight(int height)
{
    if (height == m_height)
        return;
    m_height = height;
    changed();
}

void TFont::SetSize(int points)
{
    SetHeight(-mulDiv(points, m_pixelsPerInch, 72));
}

void TFont::SetStyle(int style)
{
    if (style == m_style)
        return;
    m_style = style;
    changed();
}

void TFont::SetColor(int colour)
{
    if (colour == m_color)
        return;
    m_color = colour;
    changed();
}

void TFont::SetCharset(int charset)
{
    if (charset == m_charset)
        return;
    m_charset = charset;
    changed();
}

bool TFont::sameAs(const TFont &o) const
{
    return m_name == o.m_name && m_height == o.m_height && m_style == o.m_style
        && m_color == o.m_color && m_charset == o.m_charset;
}

void TFont::Assign(const TFont &other)
{
    if (&other == this || sameAs(other))
        return;
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_color = other.m_color;
    m_charset = other.m_charset;
    changed();
}

QFont TFont::toQFont() const
{
    QFont f(m_name);
    // A negative height is the character height; a positive one the cell height, of which
    // the character is about 85 per cent for the faces we use.
    const int pixels = m_height < 0 ? -m_height : std::max(1, static_cast<int>(std::lround(m_height * 0.85)));
    f.setPixelSize(std::max(1, pixels));
    f.setBold(m_style & fsBold);
    f.setItalic(m_style & fsItalic);
    f.setUnderline(m_style & fsUnderline);
    f.setStrikeOut(m_style & fsStrikeOut);
    return f;
}

void TFont::changed()
{
    emit Changed();
}
