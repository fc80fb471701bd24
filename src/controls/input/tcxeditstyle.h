#pragma once
#include <QObject>

// The look settings of an edit-like control: its border, its buttons and its background.
class TcxEditStyle final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TcxEditBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle NOTIFY Changed)
    Q_PROPERTY(TcxEditButtonStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle NOTIFY Changed)
    Q_PROPERTY(int Color READ Color WRITE SetColor NOTIFY Changed)

public:
    enum TcxEditBorderStyle { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };
    Q_ENUM(TcxEditBorderStyle)
    enum TcxEditButtonStyle { btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11 };
    Q_ENUM(TcxEditButtonStyle)

    explicit TcxEditStyle(int defaultColour, QObject *parent) : QObject(parent), m_color(defaultColour) {}

    TcxEditBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TcxEditBorderStyle v) { set(m_borderStyle, v); }
    TcxEditButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TcxEditButtonStyle v) { set(m_buttonStyle, v); }
    int Color() const { return m_color; }
    void SetColor(int v) { set(m_color, v); }

signals:
    void Changed();

private:
    template <typename T>
    void set(T &field, T value)
    {
        if (field == value)
            return;
        field = value;
        emit Changed();
    }

    TcxEditBorderStyle m_borderStyle = ebs3D;
    TcxEditButtonStyle m_buttonStyle = btsDefault;
    int m_color;
};
