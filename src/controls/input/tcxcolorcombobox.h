#pragma once
#include "colour_painter.h"
#include "colour_row_keys.h"
#include "colour_value_state.h"
#include "controls/base/tcontrol.h"
#include "tcxcolorcombobox_style.h"
#include "tcxcolorcomboboxproperties.h"

#include <QPointer>

class QColorDialog;
class TcxColorComboBoxPopupWindow;

// A closed, non-editable drop-down box that shows a swatch of its colour. Its list offers the
// recently chosen colours above the prepared and custom ones; the ellipsis button opens a
// colour dialog for any colour. `ColorValue` is current as soon as a choice is made.
class TcxColorComboBox final : public TControl
{
    Q_OBJECT
    Q_PROPERTY(int ColorValue READ ColorValue WRITE SetColorValue NOTIFY ColorValueChanged)
    Q_PROPERTY(TcxColorComboBoxProperties *Properties READ Properties)
    Q_PROPERTY(TcxColorComboBoxStyle *Style READ Style)

public:
    // What stands for the value in the closed box.
    struct Display
    {
        int colour;
        QString text;
        dorvane::SwatchFill fill;
    };

    explicit TcxColorComboBox(QWidget *parent = nullptr);
    ~TcxColorComboBox() override;

    int ColorValue() const { return m_state.ColorValue(); }
    void SetColorValue(int value);
    int AssignedColor() const { return m_state.AssignedColor(); }
    std::optional<int> EditValue() const { return m_state.EditValue(); }
    int SelectedRow() const { return m_state.SelectedRow(); }
    bool IsModified() const { return m_modified; }

    TcxColorComboBoxProperties *Properties() const { return m_properties; }
    TcxColorComboBoxStyle *Style() const { return m_style; }

    // Rows and their texts, as the list shows them.
    int RowCount() const { return m_properties->RowCount(); }
    int RowColor(int row) const;
    QString RowDescription(int row) const;
    bool IsLastMRURow(int row) const { return row >= 0 && row == m_properties->MRUCount() - 1; }

    // The user's actions, each as the box, the list or the dialog runs it.
    void AcceptRow(int row);
    void MoveSelection(dorvane::RowMove move);
    void ClearValue();
    void SelectCustomColor();
    // Esc with the list closed: back to the value the picker had when it got the focus.
    bool RestoreFocusValue();
    bool CanEdit() const { return isEnabled() && !m_properties->ReadOnly(); }

    Display DisplayValue() const;
    QColor BackgroundColor() const;
    QColor FrameColor() const;
    // Focused, or showing its colour dialog.
    bool IsFocused() const;

    // The list.
    void DropDown();
    void CloseUp(bool accept);
    bool DroppedDown() const;
    TcxColorComboBoxPopupWindow *PopupWindow() const { return m_popup; }

    // The height the box takes for its text font while AutoSize is on (the default): whenever
    // that font changes, and when AutoSize is switched on.
    int AutoHeight() const;
    void SetAutoSize(bool v) override;

    // Geometry of the box, in widget coordinates.
    QRect InteriorRect() const;
    QRect DropDownButtonRect() const;
    QRect EllipsisButtonRect() const; // empty while AllowSelectColor is false

    void BeginLoading() override;
    void Loaded() override;

signals:
    void ColorValueChanged();

protected:
    void paintEvent(QPaintEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void FontChanging() override;

private:
    static constexpr int BorderWidth = 2;

    void fitHeight();
    void selectRow(int row);
    void keepSelectionOnValue();
    void valueMayHaveChanged(int before);
    void finishCustomColor(int candidate);
    void onDialogFinished(int result);
    QColorDialog *colourDialog();
    void paintButtons(QPainter &p);

    TcxColorComboBoxProperties *m_properties;
    TcxColorComboBoxStyle *m_style;
    dorvane::ColourValueState m_state;
    TcxColorComboBoxPopupWindow *m_popup = nullptr;
    QPointer<QColorDialog> m_dialog;
    bool m_dialogOpen = false;
    bool m_modified = false;
    bool m_inFocusSession = false;
    bool m_ellipsisPressed = false;
};

namespace dorvane {
// Width of each of the two buttons at the right end of the box.
constexpr int ColourComboButtonWidth = 17;
} // namespace dorvane
