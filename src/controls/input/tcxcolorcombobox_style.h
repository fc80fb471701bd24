#pragma once
#include "controls/base/tfont.h"

#include <QObject>

// The look of the picker's box: its background colour, its text font and its button style.
class TcxColorComboBoxStyle final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor NOTIFY Changed)
    Q_PROPERTY(TFont *Font READ Font)
    Q_PROPERTY(TcxEditButtonStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle NOTIFY Changed)

public:
    enum TcxEditButtonStyle { btsDefault, bts3D, btsFlat, btsHotFlat, btsOffice11, btsSimple, btsUltraFlat };
    Q_ENUM(TcxEditButtonStyle)

    explicit TcxColorComboBoxStyle(QObject *parent = nullptr);

    int Color() const { return m_color; }
    void SetColor(int colour);
    TFont *Font() const { return m_font; }
    TcxEditButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TcxEditButtonStyle style);

    // Follows the control's font until the style's own font is set.
    void FollowFont(const TFont &controlFont);

signals:
    void Changed();

private:
    int m_color = static_cast<int>(0xFF000005u); // clWindow
    TFont *m_font;
    bool m_ownFont = false;
    bool m_following = false;
    TcxEditButtonStyle m_buttonStyle = btsDefault;
};
