#include "tcxcolorcombobox.h"

#include "colour_popup.h"
#include "colour_tables.h"
#include "edit_height.h"
#include "controls/base/accessible_change.h"
#include "controls/base/platform.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWheelEvent>

using namespace dorvane;

TcxColorComboBox::TcxColorComboBox(QWidget *parent)
    : TControl(parent),
      m_properties(new TcxColorComboBoxProperties(this)),
      m_style(new TcxColorComboBoxStyle(this)),
      m_state(colours::clWindow)
{
    SetTabStop(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_style->FollowFont(*Font());
    SetAutoSize(true);
    connect(m_style->Font(), &TFont::Changed, this, &TcxColorComboBox::fitHeight);
    auto repaint = [this] { update(); };
    connect(m_style, &TcxColorComboBoxStyle::Changed, this, repaint);
    connect(m_properties, &TcxColorComboBoxProperties::Changed, this, repaint);
    connect(this, &TcxColorComboBox::ColorValueChanged, this, [this] { announceValueChange(this); });
    connect(m_properties, &TcxColorComboBoxProperties::RowsChanged, this, [this] {
        keepSelectionOnValue();
        if (m_popup && m_popup->isVisible())
            m_popup->ListBox()->RowsChanged();
        update();
    });
}

TcxColorComboBox::~TcxColorComboBox() = default;

void TcxColorComboBox::SetColorValue(int value)
{
    if (!m_state.Write(value, m_properties->RowOfColor(value)))
        return; // the same value: no re-selection, no repaint
    update();
    emit ColorValueChanged();
}

int TcxColorComboBox::RowColor(int row) const
{
    const TcxColorComboBoxItem *item = m_properties->RowItem(row);
    return item ? item->Color() : m_properties->DefaultColor();
}

QString TcxColorComboBox::RowDescription(int row) const
{
    const TcxColorComboBoxItem *item = m_properties->RowItem(row);
    if (!item)
        return m_properties->ShowDescriptions() ? m_properties->DefaultDescription() : QString();
    return m_properties->DescribeColor(item->Color(), item->Description(), palette());
}

void TcxColorComboBox::selectRow(int row)
{
    const int before = ColorValue();
    const TcxColorComboBoxItem *item = m_properties->RowItem(row);
    m_state.SelectRow(item ? row : -1, item ? std::optional<int>(item->Color()) : std::nullopt);
    valueMayHaveChanged(before);
}

void TcxColorComboBox::valueMayHaveChanged(int before)
{
    update();
    if (ColorValue() != before)
        emit ColorValueChanged();
}

void TcxColorComboBox::keepSelectionOnValue()
{
    // The selected row always carries the value's colour. When the rows shift under it
    // (recent colours trimmed, entries inserted by code), follow the colour, not the index.
    const int row = SelectedRow();
    const TcxColorComboBoxItem *item = m_properties->RowItem(row);
    if (row < 0 || (item && item->Color() == ColorValue()))
        return;
    const int found = m_properties->RowOfColor(ColorValue());
    if (found >= 0)
        m_state.AdoptEditValue(ColorValue(), found);
}

void TcxColorComboBox::AcceptRow(int row)
{
    const TcxColorComboBoxItem *item = m_properties->RowItem(row);
    if (!item || !CanEdit())
        return;
    const int colour = item->Color();
    selectRow(row);
    if (m_properties->AddMRUColor(colour) != TcxColorComboBoxProperties::MruOutcome::None)
        selectRow(m_properties->MRUColors()->IndexOfColor(colour));
}

void TcxColorComboBox::MoveSelection(RowMove move)
{
    if (!CanEdit())
        return;
    const int row = rowAfterMove(move, SelectedRow(), RowCount(), m_properties->DropDownRows());
    if (row != SelectedRow())
        selectRow(row);
}

void TcxColorComboBox::ClearValue()
{
    if (!CanEdit())
        return;
    selectRow(-1);
}

bool TcxColorComboBox::RestoreFocusValue()
{
    if (!CanEdit())
        return false;
    const auto restore = m_state.ValueToRestore();
    if (!restore)
        return false;
    const std::optional<int> editValue = *restore;
    const int before = ColorValue();
    m_state.RestoreSelection(editValue ? m_properties->RowOfColor(*editValue) : -1, editValue);
    valueMayHaveChanged(before);
    return true;
}

QColorDialog *TcxColorComboBox::colourDialog()
{
    if (!m_dialog) {
        m_dialog = new QColorDialog(this);
        m_dialog->setOption(QColorDialog::DontUseNativeDialog);
        connect(m_dialog, &QDialog::finished, this, &TcxColorComboBox::onDialogFinished);
    }
    return m_dialog;
}

void TcxColorComboBox::SelectCustomColor()
{
    if (m_dialogOpen)
        return;
    if (m_properties->ColorDialogType() == TcxColorComboBoxProperties::cxcdtCustom) {
        finishCustomColor(colours::clNone);
        return;
    }
    QColorDialog *dialog = colourDialog();
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white); // empty slots
    QColor initial = toQColor(ColorValue(), palette());
    initial.setAlpha(255);
    dialog->setCurrentColor(initial);
    m_dialogOpen = true;
    update();
    dialog->open();
}

void TcxColorComboBox::onDialogFinished(int result)
{
    m_dialogOpen = false;
    update();
    if (result == QDialog::Accepted && m_dialog)
        finishCustomColor(fromQColor(m_dialog->selectedColor()));
}

void TcxColorComboBox::finishCustomColor(int candidate)
{
    QString description;
    bool addToList = true;
    if (const auto &hook = m_properties->OnSelectCustomColor())
        hook(m_properties, candidate, description, addToList);
    // A picker that may not be edited keeps its value, selection and lists.
    if (!CanEdit())
        return;
    using Outcome = TcxColorComboBoxProperties::MruOutcome;
    const int row = m_properties->RowOfColor(candidate);
    if (addToList && row < 0) {
        m_properties->Items()->AddColor(candidate, description); // a custom entry, behind the rest
        m_properties->AddMRUColor(candidate);
    } else {
        selectRow(row);
    }
    if (m_properties->AddMRUColor(candidate) != Outcome::None)
        selectRow(m_properties->MRUColors()->IndexOfColor(candidate));
    if (!addToList)
        return;
    const int before = ColorValue();
    m_state.Write(candidate, m_properties->RowOfColor(candidate));
    // The chosen colour's row; with no recent list kept that is its row among the items.
    selectRow(m_properties->RowOfColor(candidate));
    m_modified = true;
    valueMayHaveChanged(before);
}

TcxColorComboBox::Display TcxColorComboBox::DisplayValue() const
{
    using P = TcxColorComboBoxProperties;
    if (const TcxColorComboBoxItem *item = m_properties->RowItem(SelectedRow()))
        return {item->Color(), m_properties->DescribeColor(item->Color(), item->Description(), palette()),
                SwatchFill::Colour};

    Display d{m_properties->DefaultColor(), m_properties->DefaultDescription(), SwatchFill::Colour};
    const std::optional<int> edit = EditValue();
    if (!(m_properties->ColorComboStyle() == P::cxccsComboList && edit)) {
        const std::optional<int> converted = edit ? colourFromText(QString::number(*edit)) : std::nullopt;
        if (converted)
            d = {*converted, m_properties->DescribeColor(*converted, QString(), palette()), SwatchFill::Colour};
    }
    if (!m_properties->ShowDescriptions())
        d.text.clear();
    switch (m_properties->DefaultColorStyle()) {
    case P::cxdcClear: d.fill = SwatchFill::Clear; break;
    case P::cxdcColor: d.fill = SwatchFill::Colour; break;
    case P::cxdcHatched: d.fill = SwatchFill::Hatched; break;
    case P::cxdcText: d.fill = SwatchFill::None; break;
    case P::cxdcCustom:
        if (const auto &hook = m_properties->OnGetDefaultColor())
            hook(m_properties, d.colour);
        d.fill = SwatchFill::Colour;
        break;
    }
    return d;
}

QColor TcxColorComboBox::BackgroundColor() const
{
    return toQColor(m_style->Color(), palette());
}

QColor TcxColorComboBox::FrameColor() const
{
    return toQColor(m_properties->ColorBoxFrameColor(), palette());
}

bool TcxColorComboBox::IsFocused() const
{
    return hasFocus() || m_dialogOpen;
}

void TcxColorComboBox::DropDown()
{
    if (DroppedDown() || RowCount() == 0)
        return;
    if (!m_popup) {
        m_popup = new TcxColorComboBoxPopupWindow(this);
        connect(m_popup, &TcxColorComboBoxPopupWindow::AcceptRequested, this, [this] { CloseUp(true); });
        connect(m_popup, &TcxColorComboBoxPopupWindow::Closed, this, [this] {
            update();
            // A screen reader followed the rows, which are gone: it follows the picker again.
            if (hasFocus())
                announceFocus(this);
        });
    }
    const AccessibleChange expanded(this);
    m_popup->Popup();
    update();
}

void TcxColorComboBox::CloseUp(bool accept)
{
    if (!DroppedDown())
        return;
    const int row = m_popup->ListBox()->ItemIndex();
    if (accept && row >= 0)
        AcceptRow(row); // the value is current before the list leaves the screen
    const AccessibleChange collapsed(this);
    m_popup->hide();
}

bool TcxColorComboBox::DroppedDown() const
{
    return m_popup && m_popup->isVisible();
}

QRect TcxColorComboBox::DropDownButtonRect() const
{
    const QRect inside = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    const int right = inside.right() - (m_properties->AllowSelectColor() ? ColourComboButtonWidth : 0);
    return QRect(right - ColourComboButtonWidth + 1, inside.top(), ColourComboButtonWidth, inside.height());
}

QRect TcxColorComboBox::EllipsisButtonRect() const
{
    if (!m_properties->AllowSelectColor())
        return {};
    const QRect inside = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    return QRect(inside.right() - ColourComboButtonWidth + 1, inside.top(), ColourComboButtonWidth,
                 inside.height());
}

QRect TcxColorComboBox::InteriorRect() const
{
    const QRect inside = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    return QRect(inside.topLeft(), QPoint(DropDownButtonRect().left() - 1, inside.bottom()));
}

int TcxColorComboBox::AutoHeight() const
{
    return dorvane::textBoxHeight(m_style->Font()->toQFont(), 2 * BorderWidth + 2);
}

void TcxColorComboBox::SetAutoSize(bool v)
{
    TControl::SetAutoSize(v);
    fitHeight();
}

void TcxColorComboBox::fitHeight()
{
    if (AutoSize())
        SetBounds(Left(), Top(), Width(), AutoHeight());
}

void TcxColorComboBox::BeginLoading()
{
    TControl::BeginLoading();
    m_properties->HoldPreparation();
}

void TcxColorComboBox::Loaded()
{
    TControl::Loaded();
    m_properties->ReleasePreparation();
    // Select the stored colour's row once the prepared colours exist.
    if (m_properties->Items()->IndexOfColor(ColorValue()) >= 0) {
        m_state.AdoptEditValue(ColorValue(), m_properties->RowOfColor(ColorValue()));
        update();
    }
}

void TcxColorComboBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor background = BackgroundColor();
    p.fillRect(rect(), background);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect interior = InteriorRect();
    const Display d = DisplayValue();
    const bool descriptions = m_properties->ShowDescriptions();
    if (!descriptions) {
        drawColourSwatch(p, interior, FrameColor(), background, d.colour, d.fill, palette());
    } else {
        QRect textRect = interior;
        if (d.fill != SwatchFill::None) {
            const int boxWidth = std::min(m_properties->ColorBoxWidth(), interior.width());
            const bool right = m_properties->ColorBoxAlign() == TcxColorComboBoxProperties::cbaRight;
            const QRect box = right ? QRect(interior.right() - boxWidth + 1, interior.top(), boxWidth, interior.height())
                                    : QRect(interior.left(), interior.top(), boxWidth, interior.height());
            drawColourSwatch(p, box, FrameColor(), background, d.colour, d.fill, palette());
            textRect = right ? interior.adjusted(0, 0, -boxWidth, 0) : interior.adjusted(boxWidth, 0, 0, 0);
        }
        p.setPen(palette().color(isEnabled() ? QPalette::Text : QPalette::PlaceholderText));
        p.setFont(m_style->Font()->toQFont());
        p.drawText(textRect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, d.text);
    }
    if (IsFocused())
        drawFocusMark(p, interior, palette().color(QPalette::Text));
    paintButtons(p);
}

void TcxColorComboBox::paintButtons(QPainter &p)
{
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = DropDownButtonRect();
    button.state = (isEnabled() ? QStyle::State_Enabled : QStyle::State_None)
                   | (DroppedDown() ? QStyle::State_Sunken : QStyle::State_Raised);
    style()->drawControl(QStyle::CE_PushButtonBevel, &button, &p, this);
    QStyleOption arrow = button;
    arrow.rect = button.rect.adjusted(4, 4, -4, -4);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &p, this);

    const QRect ellipsis = EllipsisButtonRect();
    if (ellipsis.isEmpty())
        return;
    button.rect = ellipsis;
    button.state = (isEnabled() ? QStyle::State_Enabled : QStyle::State_None)
                   | (m_ellipsisPressed ? QStyle::State_Sunken : QStyle::State_Raised);
    style()->drawControl(QStyle::CE_PushButtonBevel, &button, &p, this);
    const QColor dots = palette().color(isEnabled() ? QPalette::ButtonText : QPalette::PlaceholderText);
    const QPoint c = ellipsis.center();
    for (int dx : {-4, 0, 4})
        p.fillRect(QRect(c.x() + dx - 1, c.y() + 2, 2, 2), dots);
}

void TcxColorComboBox::keyPressEvent(QKeyEvent *e)
{
    const bool alt = e->modifiers() & Qt::AltModifier;
    const int key = e->key();
    if ((alt && (key == Qt::Key_Up || key == Qt::Key_Down)) || (key == Qt::Key_F4 && !alt)) {
        DropDown();
        return;
    }
    if (const auto move = rowMoveForKey(key, e->modifiers())) {
        MoveSelection(*move);
        return;
    }
    switch (key) {
    case Qt::Key_Delete:
        ClearValue();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return; // nothing to validate: every value of the list is a colour
    case Qt::Key_Escape:
        if (RestoreFocusValue())
            return;
        break;
    default:
        if (!e->text().isEmpty() && e->text().at(0).isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            DropDown();
            return;
        }
        break;
    }
    TControl::keyPressEvent(e);
}

void TcxColorComboBox::wheelEvent(QWheelEvent *e)
{
    const int delta = e->angleDelta().y();
    if (!hasFocus() || delta == 0 || DroppedDown()) {
        e->ignore();
        return;
    }
    MoveSelection(delta > 0 ? RowMove::Up : RowMove::Down);
    e->accept();
}

void TcxColorComboBox::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    if (EllipsisButtonRect().contains(e->position().toPoint())) {
        m_ellipsisPressed = true;
        update();
        return;
    }
    DropDown();
}

void TcxColorComboBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !m_ellipsisPressed)
        return;
    m_ellipsisPressed = false;
    update();
    if (EllipsisButtonRect().contains(e->position().toPoint()))
        SelectCustomColor();
}

void TcxColorComboBox::focusInEvent(QFocusEvent *e)
{
    // Coming back from the list or the colour dialog is not a new visit.
    if (!m_inFocusSession) {
        m_state.BeginFocusSession();
        m_inFocusSession = true;
    }
    TControl::focusInEvent(e);
    update();
}

void TcxColorComboBox::focusOutEvent(QFocusEvent *e)
{
    const Qt::FocusReason reason = e->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && !m_dialogOpen)
        m_inFocusSession = false;
    TControl::focusOutEvent(e);
    update();
}

void TcxColorComboBox::FontChanging()
{
    TControl::FontChanging();
    m_style->FollowFont(*Font());
}
