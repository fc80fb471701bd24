#pragma once
#include "controls/base/tfont.h"
#include "controls/input/tcxeditstyle.h"

#include <QObject>

// The look of the picker's box: its background colour, its text font and its button style.
class TcxColorComboBoxStyle final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor NOTIFY Changed)
    Q_PROPERTY(TFont *Font READ Font)
    Q_PROPERTY(TcxEditStyle::TcxEditButtonStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle NOTIFY Changed)
    Q_PROPERTY(TcxEditStyle::TcxEditBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle NOTIFY Changed)
    Q_PROPERTY(bool Shadow READ Shadow WRITE SetShadow NOTIFY Changed)

public:
    // The same kinds as every other edit-like control's style.
    using TcxEditButtonStyle = TcxEditStyle::TcxEditButtonStyle;
    using TcxEditBorderStyle = TcxEditStyle::TcxEditBorderStyle;

    explicit TcxColorComboBoxStyle(QObject *parent = nullptr);

    int Color() const { return m_color; }
    void SetColor(int colour);
    TFont *Font() const { return m_font; }
    TcxEditButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TcxEditButtonStyle style);
    // Kept for the layout; the box draws one plain border and no shadow whatever they say.
    TcxEditBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TcxEditBorderStyle style);
    bool Shadow() const { return m_shadow; }
    void SetShadow(bool shadow);

    // Follows the control's font until the style's own font is set.
    void FollowFont(const TFont &controlFont);

signals:
    void Changed();

private:
    int m_color = static_cast<int>(0xFF000005u); // clWindow
    TFont *m_font;
    bool m_ownFont = false;
    bool m_following = false;
    TcxEditButtonStyle m_buttonStyle = TcxEditStyle::btsDefault;
    TcxEditBorderStyle m_borderStyle = TcxEditStyle::ebs3D;
    bool m_shadow = false;
};
