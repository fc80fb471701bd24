#pragma once
#include "controls/base/tcontrol.h"
#include "inner_line_edit.h"

class TSpinButton;

// A one-line integer input with a pair of up and down buttons at its right edge. The value is
// the text itself, read afresh each time; only leaving the control or stepping rewrites it.
class TSpinEdit : public TControl, private dorvane::EditorHooks
{
    Q_OBJECT
    Q_PROPERTY(int MinValue READ MinValue WRITE SetMinValue)
    Q_PROPERTY(int MaxValue READ MaxValue WRITE SetMaxValue)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(bool EditorEnabled READ EditorEnabled WRITE SetEditorEnabled)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)

public:
    explicit TSpinEdit(QWidget *parent = nullptr);
    ~TSpinEdit() override;

    int MinValue() const { return m_minValue; }
    void SetMinValue(int v) { m_minValue = v; }
    int MaxValue() const { return m_maxValue; }
    void SetMaxValue(int v) { m_maxValue = v; }
    int Increment() const { return m_increment; }
    void SetIncrement(int v) { m_increment = v; }
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool v) { m_editorEnabled = v; }

    // The text as a number; text that is no number reads as MinValue. Never clamped.
    int Value() const;
    // Shows the clamped value in decimal.
    void SetValue(int v);
    // The limits apply only while MaxValue and MinValue differ.
    int CheckValue(int v) const;

    QString Text() const;
    void SetText(const QString &text);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool v) { m_autoSelect = v; }
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int v);
    bool Ctl3D() const { return m_ctl3D; }
    void SetCtl3D(bool v);

    virtual void StepUp();
    virtual void StepDown();

    // Whether the typed character reaches the text; refused ones beep.
    bool AcceptsCharacter(QChar c) const;
    // Leaving the control rewrites the text only when clamping changes the number.
    void ApplyExitRule();

    // The height below which the edit never goes for its current font; with AutoSize on, the
    // edit takes exactly this height whenever its font changes or AutoSize is switched on.
    int MinHeight() const;
    void SetAutoSize(bool v) override;
    // Where the text is laid out, in client coordinates.
    QRect TextRect() const;
    int BorderWidth() const { return m_ctl3D ? 2 : 1; }
    void SetBounds(int left, int top, int width, int height) override;
    void SetTabStop(bool v) override;

    QLineEdit *Editor() const { return m_editor; }
    TSpinButton *Button() const { return m_button; }

signals:
    void OnChange();

protected:
    void resizeEvent(QResizeEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;
    void ColorChanging() override;
    void FontChanging() override;

private:
    bool editorKeyPress(QKeyEvent *e) override;
    void editorFocusIn(QFocusEvent *e) override;
    void editorFocusOut(QFocusEvent *e) override;
    bool editorClipboardAllowed() const override;

    void placeChildren();
    void applyEditorColour();

    int m_minValue = 0;
    int m_maxValue = 0;
    int m_increment = 1;
    bool m_editorEnabled = true;
    bool m_autoSelect = true;
    int m_maxLength = 0;
    bool m_ctl3D = true;
    dorvane::InnerLineEdit *m_editor;
    TSpinButton *m_button;
};
