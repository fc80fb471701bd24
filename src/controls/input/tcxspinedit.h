#pragma once
#include "controls/base/tcontrol.h"
#include "engine/variant.h"
#include "inner_line_edit.h"
#include "numeric_text.h"
#include "tcxeditstyle.h"
#include "tcxspineditproperties.h"

#include <QVariant>
#include <optional>

class QTimer;

// A numeric edit with up and down buttons holding a 64-bit integer (or a double). The text is
// checked when the focus leaves or Enter is pressed; a failed check keeps the focus here and
// raises its message for the general error report.
class TcxSpinEdit : public TControl, private dorvane::EditorHooks
{
    Q_OBJECT
    Q_PROPERTY(QVariant Value READ PublishedValue WRITE SetPublishedValue)
    Q_PROPERTY(QString Text READ Text)
    Q_PROPERTY(TcxSpinEditProperties *Properties READ Properties)
    Q_PROPERTY(TcxEditStyle *Style READ Style)

public:
    // Button numbers, which are also step directions.
    enum SpinButton { sbNone = -1, sbDown = 0, sbUp = 1, sbFastDown = 2, sbFastUp = 3 };
    static constexpr int kButtonWidth = 15;
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 100;

    explicit TcxSpinEdit(QWidget *parent = nullptr);
    ~TcxSpinEdit() override;

    // While focused with edited text: the text converted, raising dorvane::Error with
    // "Invalid numeric value" or "Value out of bounds"; while focused otherwise: the last
    // number; without the focus: the committed value.
    dorvane::Variant Value() const;
    // A value that is not numeric is ignored; no limit is applied.
    void SetValue(const dorvane::Variant &value);
    // The number the text shows now, read without raising: none while the text is no number.
    std::optional<dorvane::Variant> ShownNumber() const;
    QVariant PublishedValue() const;
    void SetPublishedValue(const QVariant &value);

    QString Text() const;
    TcxSpinEditProperties *Properties() const { return m_properties; }
    TcxEditStyle *Style() const { return m_style; }

    // One step in the direction of a button number.
    void Step(SpinButton direction);
    // Checks and takes the text when it changed since the focus came; raises on failure.
    void Commit();
    // Esc: back to the value held when the focus came.
    void RestoreValueAtFocus();

    // The height the box takes for its font and border while AutoSize is on (the default):
    // whenever the font or border changes, and when AutoSize is switched on.
    int AutoHeight() const;
    void SetAutoSize(bool v) override;

    QLineEdit *Editor() const { return m_editor; }
    QRect ButtonRect(SpinButton button) const;
    SpinButton ButtonAt(const QPoint &pos) const;
    SpinButton PressedButton() const { return m_pressed; }
    bool ChangedSinceFocus() const { return m_changedSinceFocus; }
    // Present while an arrow button is held down.
    QTimer *RepeatTimer() const { return m_repeatTimer; }
    void RepeatTimerFired();

signals:
    void OnChange();
    void OnEditValueChanged();

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void ColorChanging() override;
    void FontChanging() override;

private:
    bool editorKeyPress(QKeyEvent *e) override;
    void editorKeyRelease(QKeyEvent *e) override;
    void editorFocusIn(QFocusEvent *e) override;
    void editorFocusOut(QFocusEvent *e) override;
    void editorMousePress(QMouseEvent *e) override;
    bool editorWheel(QWheelEvent *e) override;
    bool editorClipboardAllowed() const override;

    bool hasEditFocus() const;
    dorvane::NumberKind kind() const;
    dorvane::NumericLimits limits() const;
    QChar decimalSeparator() const;
    double stepOf(SpinButton direction) const;
    void showNumber(const dorvane::Variant &value);
    void setEditValue(const dorvane::Variant &value);
    [[noreturn]] void failCheck(const char *message);
    void stopRepeat();
    void fitHeight();
    void placeEditor();
    void applyEditorColour();
    int borderWidth() const;

    TcxSpinEditProperties *m_properties;
    TcxEditStyle *m_style;
    dorvane::InnerLineEdit *m_editor;
    dorvane::Variant m_editValue{std::int64_t{0}};
    dorvane::Variant m_lastNumber{std::int64_t{0}};
    dorvane::Variant m_valueAtFocus{std::int64_t{0}};
    bool m_textEdited = false;
    bool m_changedSinceFocus = false;
    bool m_refocusing = false;
    bool m_selectAllOnPress = false; // the focus came with a press on the text box
    bool m_awayWithWindow = false; // the window lost activation while the text had the focus
    SpinButton m_pressed = sbNone;
    bool m_mouseHeld = false;
    QPoint m_mousePos;
    int m_wheelRemainder = 0;
    QTimer *m_repeatTimer = nullptr;
    int m_fittedBorder = -1; // the border width the height was last fitted for
};
