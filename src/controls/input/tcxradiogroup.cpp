#include "tcxradiogroup.h"

#include "radio_grid.h"

#include "controls/base/platform.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

// A radio button whose checking the group decides: a press or the arrival of the focus by mouse
// or arrow key checks it, and a click never unchecks it.
class OptionButton final : public QRadioButton
{
public:
    OptionButton(TcxRadioGroup *group, int index, const QString &caption)
        : QRadioButton(caption, group), m_group(group), m_index(index)
    {
        setAutoExclusive(false); // the group keeps exactly its ItemIndex checked
    }

protected:
    void nextCheckState() override { m_group->chooseButton(m_index); }

    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && hitButton(e->position().toPoint()))
            m_group->chooseButton(m_index);
        QRadioButton::mousePressEvent(e);
    }

    void focusInEvent(QFocusEvent *e) override
    {
        QRadioButton::focusInEvent(e);
        if (e->reason() == Qt::MouseFocusReason || e->reason() == Qt::OtherFocusReason)
            m_group->chooseButton(m_index);
    }

    void keyPressEvent(QKeyEvent *e) override
    {
        switch (e->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            m_group->moveFocusBy(m_index, 1);
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            m_group->moveFocusBy(m_index, -1);
            break;
        default:
            QRadioButton::keyPressEvent(e);
        }
    }

private:
    TcxRadioGroup *m_group;
    int m_index;
};

TcxRadioGroup::TcxRadioGroup(QWidget *parent)
    : TControl(parent), m_properties(new TcxRadioGroupProperties(this)),
      m_style(new TcxEditStyle(static_cast<int>(0xFF00000Fu), this))
{
    connect(m_properties, &TcxRadioGroupProperties::Changed, this, &TcxRadioGroup::rebuildButtons);
    connect(m_style, &TcxEditStyle::Changed, this, [this] {
        layoutButtons();
        update();
    });
    SetTabStop(true);
    TControl::SetBounds(0, 0, 185, 105);
}

void TcxRadioGroup::SetItemIndex(int index)
{
    if (IsLoading()) {
        m_itemIndex = index;
        syncButtons();
        return;
    }
    const int count = m_properties->ItemCount();
    if (index < -1)
        index = -1;
    if (index >= count)
        index = count - 1;
    if (index == m_itemIndex)
        return;
    m_itemIndex = index;
    m_editValue = index >= 0 ? m_properties->Item(index)->EditValue() : m_properties->DefaultValue();
    syncButtons();
    if (index >= 0)
        emit OnClick();
    emit OnChange();
}

void TcxRadioGroup::Loaded()
{
    TControl::Loaded();
    rebuildButtons();
    SetItemIndex(m_itemIndex);
}

void TcxRadioGroup::SetAlignment(TcxCaptionAlignment a)
{
    m_alignment = a;
    layoutButtons();
    update();
}

void TcxRadioGroup::SetEditValue(const QVariant &value)
{
    SetItemIndex(IndexOfEditValue(value));
}

int TcxRadioGroup::IndexOfEditValue(const QVariant &value) const
{
    for (int i = 0; i < m_properties->ItemCount(); ++i) {
        const TcxRadioGroupItem *item = m_properties->Item(i);
        const bool matches = item->Value().isValid() ? item->Value() == value
                                                     : item->Caption() == value.toString();
        if (matches)
            return i;
    }
    return -1;
}

void TcxRadioGroup::chooseButton(int index)
{
    if (index != m_itemIndex)
        SetItemIndex(index);
}

void TcxRadioGroup::moveFocusBy(int index, int delta)
{
    const int count = static_cast<int>(m_buttons.size());
    if (count == 0)
        return;
    const int next = ((index + delta) % count + count) % count;
    m_buttons[next]->setFocus(Qt::OtherFocusReason);
    chooseButton(next); // also when the focus could not move (the window is inactive)
}

void TcxRadioGroup::rebuildButtons()
{
    setFocusProxy(nullptr);
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < m_properties->ItemCount(); ++i) {
        auto *button = new OptionButton(this, i, m_properties->Item(i)->Caption());
        button->show();
        m_buttons.append(button);
    }
    layoutButtons();
    syncButtons();
}

void TcxRadioGroup::syncButtons()
{
    const bool anyChecked = m_itemIndex >= 0 && m_itemIndex < m_buttons.size();
    for (int i = 0; i < m_buttons.size(); ++i) {
        const bool checked = i == m_itemIndex;
        m_buttons[i]->setChecked(checked);
        // Tab reaches the group at its checked button only (at the first when none is checked).
        const bool tabStop = checked || (!anyChecked && i == 0);
        m_buttons[i]->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (tabStop)
            setFocusProxy(m_buttons[i]); // where the window's tab order enters the group
    }
}

int TcxRadioGroup::borderWidth() const
{
    switch (m_style->BorderStyle()) {
    case TcxEditStyle::ebsNone: return 0;
    case TcxEditStyle::ebs3D:
    case TcxEditStyle::ebsThick: return 2;
    default: return 1;
    }
}

int TcxRadioGroup::captionHeight() const
{
    return Caption().isEmpty() ? 0 : QFontMetrics(font()).height();
}

QRect TcxRadioGroup::ContentRect() const
{
    const int b = borderWidth();
    const int captionSpace = std::max(b, captionHeight());
    const bool captionOnTop = m_alignment <= alTopRight;
    const int padding = 6;
    QRect r = rect().adjusted(b + padding, captionOnTop ? captionSpace : b + 1, -(b + padding),
                              captionOnTop ? -(b + 1) : -captionSpace);
    return r.isValid() ? r : QRect(r.topLeft(), QSize(0, 0));
}

void TcxRadioGroup::layoutButtons()
{
    const QVector<QRect> cells = dorvane::radioGridCells(static_cast<int>(m_buttons.size()),
                                                         m_properties->Columns(), ContentRect(), kColumnGap);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(cells[i]);
}

void TcxRadioGroup::resizeEvent(QResizeEvent *e)
{
    TControl::resizeEvent(e);
    layoutButtons();
}

void TcxRadioGroup::FontChanging()
{
    TControl::FontChanging();
    layoutButtons();
}

void TcxRadioGroup::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ResolvedColor());
    const int captionH = captionHeight();
    const bool captionOnTop = m_alignment <= alTopRight;
    // The frame runs through the middle of the caption line.
    QRect frame = rect();
    if (captionH > 0) {
        if (captionOnTop)
            frame.setTop(captionH / 2);
        else
            frame.setBottom(height() - 1 - captionH / 2);
    }
    switch (m_style->BorderStyle()) {
    case TcxEditStyle::ebsNone:
        break;
    case TcxEditStyle::ebs3D:
    case TcxEditStyle::ebsThick:
        qDrawShadeRect(&p, frame, palette(), true, 1);
        break;
    default:
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(frame.adjusted(0, 0, -1, -1));
    }
    if (captionH == 0)
        return;
    const QFontMetrics fm(font());
    const int textWidth = fm.horizontalAdvance(Caption());
    const int margin = 8;
    int x = margin;
    const int column = static_cast<int>(m_alignment) % 3;
    if (column == 1)
        x = (width() - textWidth) / 2;
    else if (column == 2)
        x = width() - margin - textWidth;
    const QRect textRect(x - 2, captionOnTop ? 0 : height() - captionH, textWidth + 4, captionH);
    p.fillRect(textRect, ResolvedColor());
    p.setPen(dorvane::toQColor(Font()->Color(), palette()));
    p.drawText(textRect, Qt::AlignCenter, Caption());
}
