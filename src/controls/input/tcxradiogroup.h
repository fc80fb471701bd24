#pragma once
#include "controls/base/tcontrol.h"
#include "tcxeditstyle.h"
#include "tcxradiogroupproperties.h"

#include <QRadioButton>

// A framed box with a caption and mutually exclusive radio buttons laid out in a grid.
// `ItemIndex` is the checked item, -1 for none; the user can move the check but not clear it.
class TcxRadioGroup : public TControl
{
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex NOTIFY OnChange)
    Q_PROPERTY(TcxCaptionAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TcxRadioGroupProperties *Properties READ Properties)
    Q_PROPERTY(TcxEditStyle *Style READ Style)

public:
    enum TcxCaptionAlignment { alTopLeft, alTopCenter, alTopRight, alBottomLeft, alBottomCenter, alBottomRight };
    Q_ENUM(TcxCaptionAlignment)
    static constexpr int kColumnGap = 4;

    explicit TcxRadioGroup(QWidget *parent = nullptr);

    int ItemIndex() const { return m_itemIndex; }
    // Clamped to -1 .. count - 1; the same index again changes nothing. While loading, the
    // index is stored as written and applied when loading ends.
    void SetItemIndex(int index);

    TcxCaptionAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TcxCaptionAlignment a);
    TcxRadioGroupProperties *Properties() const { return m_properties; }
    TcxEditStyle *Style() const { return m_style; }

    // The checked item's value (its caption when it has none), or DefaultValue.
    QVariant EditValue() const { return m_editValue; }
    void SetEditValue(const QVariant &value);
    // The first item whose value (or, without one, whose caption) matches; -1 when none does.
    int IndexOfEditValue(const QVariant &value) const;

    QList<QRadioButton *> Buttons() const { return m_buttons; }
    // The area the buttons share: inside the frame and clear of the caption.
    QRect ContentRect() const;

    void Loaded() override;

signals:
    void OnClick();
    void OnChange();

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void CaptionChanging() override { update(); }
    void FontChanging() override;

private:
    friend class OptionButton;
    void rebuildButtons();
    void layoutButtons();
    void syncButtons();
    void chooseButton(int index);
    void moveFocusBy(int index, int delta);
    int borderWidth() const;
    int captionHeight() const;

    TcxRadioGroupProperties *m_properties;
    TcxEditStyle *m_style;
    TcxCaptionAlignment m_alignment = alTopLeft;
    QList<QRadioButton *> m_buttons;
    int m_itemIndex = -1;
    QVariant m_editValue;
};
