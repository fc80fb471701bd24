#include "tcxcolorcombobox_style.h"

TcxColorComboBoxStyle::TcxColorComboBoxStyle(QObject *parent) : QObject(parent), m_font(new TFont(this))
{
    connect(m_font, &TFont::Changed, this, [this] {
        if (!m_following)
            m_ownFont = true;
        emit Changed();
    });
}

void TcxColorComboBoxStyle::SetColor(int colour)
{
    if (colour == m_color)
        return;
    m_color = colour;
    emit Changed();
}

void TcxColorComboBoxStyle::SetButtonStyle(TcxEditButtonStyle style)
{
    if (style == m_buttonStyle)
        return;
    m_buttonStyle = style;
    emit Changed();
}

void TcxColorComboBoxStyle::SetBorderStyle(TcxEditBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    emit Changed();
}

void TcxColorComboBoxStyle::SetShadow(bool shadow)
{
    if (shadow == m_shadow)
        return;
    m_shadow = shadow;
    emit Changed();
}

void TcxColorComboBoxStyle::FollowFont(const TFont &controlFont)
{
    if (m_ownFont)
        return;
    m_following = true;
    m_font->Assign(controlFont);
    m_following = false;
}
