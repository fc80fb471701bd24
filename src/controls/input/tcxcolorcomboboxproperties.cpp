#include "tcxcolorcomboboxproperties.h"

#include "colour_tables.h"
#include "controls/base/platform.h"

#include <algorithm>

using namespace dorvane;

TcxColorComboBoxProperties::TcxColorComboBoxProperties(QObject *parent)
    : QObject(parent), m_items(new TcxColorComboBoxItems(this)), m_mru(new TcxColorComboBoxItems(this))
{
    connect(m_items, &TcxColorComboBoxItems::Changed, this, &TcxColorComboBoxProperties::RowsChanged);
    connect(m_mru, &TcxColorComboBoxItems::Changed, this, &TcxColorComboBoxProperties::RowsChanged);
}

template <typename T>
void TcxColorComboBoxProperties::assign(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    emit Changed();
}

void TcxColorComboBoxProperties::SetAllowSelectColor(bool v) { assign(m_allowSelectColor, v); }
void TcxColorComboBoxProperties::SetColorComboStyle(TcxColorComboStyle v) { assign(m_colorComboStyle, v); }
void TcxColorComboBoxProperties::SetColorBoxAlign(TcxColorBoxAlign v) { assign(m_colorBoxAlign, v); }
void TcxColorComboBoxProperties::SetColorBoxFrameColor(int v) { assign(m_colorBoxFrameColor, v); }
void TcxColorComboBoxProperties::SetColorBoxWidth(int v) { assign(m_colorBoxWidth, std::max(0, v)); }
void TcxColorComboBoxProperties::SetColorDialogType(TcxColorDialogType v) { assign(m_colorDialogType, v); }
void TcxColorComboBoxProperties::SetColorValueFormat(TcxColorValueFormat v) { assign(m_colorValueFormat, v); }
void TcxColorComboBoxProperties::SetDefaultColor(int v) { assign(m_defaultColor, v); }
void TcxColorComboBoxProperties::SetDefaultDescription(const QString &v) { assign(m_defaultDescription, v); }
void TcxColorComboBoxProperties::SetDefaultColorStyle(TcxDefaultColorStyle v) { assign(m_defaultColorStyle, v); }
void TcxColorComboBoxProperties::SetShowDescriptions(bool v) { assign(m_showDescriptions, v); }
void TcxColorComboBoxProperties::SetNamingConvention(TcxColorNamingConvention v) { assign(m_namingConvention, v); }
void TcxColorComboBoxProperties::SetPrepareList(TcxColorPrepareList v) { assign(m_prepareList, v); }
void TcxColorComboBoxProperties::SetDropDownRows(int v) { assign(m_dropDownRows, std::max(1, v)); }
void TcxColorComboBoxProperties::SetReadOnly(bool v) { assign(m_readOnly, v); }

void TcxColorComboBoxProperties::SetMaxMRUColors(int v)
{
    // A byte: 0 to 255.
    assign(m_maxMRUColors, std::clamp(v, 0, 255));
    TrimMRU();
}

void TcxColorComboBoxProperties::SetPrepareInfo(const QString &info)
{
    m_prepareInfo = info;
    if (m_holdPreparation)
        m_preparationPending = true;
    else
        prepareList();
}

void TcxColorComboBoxProperties::HoldPreparation()
{
    m_holdPreparation = true;
}

void TcxColorComboBoxProperties::ReleasePreparation()
{
    m_holdPreparation = false;
    if (m_preparationPending) {
        m_preparationPending = false;
        prepareList();
    }
}

void TcxColorComboBoxProperties::prepareList()
{
    const std::vector<NamedColour> *table = nullptr;
    switch (m_prepareList) {
    case cxplVarnel: table = &standardColourTable(); break;
    case cxplHTML4: table = &html4ColourTable(); break;
    default: break; // the X11 tables are not carried by this program
    }
    if (!table)
        return;
    m_items->BeginUpdate();
    for (const NamedColour &c : *table)
        if (TcxColorComboBoxItem *added = m_items->AddColor(c.value, QString::fromLatin1(c.name)))
            added->SetIsCustom(false);
    m_items->EndUpdate();
}

const TcxColorComboBoxItem *TcxColorComboBoxProperties::RowItem(int row) const
{
    if (row < 0)
        return nullptr;
    if (row < m_mru->Count())
        return m_mru->Item(row);
    return m_items->Item(row - m_mru->Count());
}

int TcxColorComboBoxProperties::RowOfColor(int colour) const
{
    const int inMru = m_mru->IndexOfColor(colour);
    if (inMru >= 0)
        return inMru;
    const int inItems = m_items->IndexOfColor(colour);
    return inItems >= 0 ? m_mru->Count() + inItems : -1;
}

TcxColorComboBoxProperties::MruOutcome TcxColorComboBoxProperties::AddMRUColor(int colour)
{
    if (m_maxMRUColors == 0)
        return MruOutcome::None;
    const int index = m_mru->IndexOfColor(colour);
    if (index == 0)
        return MruOutcome::None;
    if (index > 0) {
        m_mru->Move(index, 0);
        emit OnAddedMRUColor();
        return MruOutcome::Moved;
    }
    const TcxColorComboBoxItem *source = m_items->FindColorItem(colour);
    if (!source)
        return MruOutcome::None; // only colours of the list itself are remembered
    m_mru->BeginUpdate();
    m_mru->InsertColor(0, colour, source->Description());
    TrimMRU();
    m_mru->EndUpdate();
    emit OnAddedMRUColor();
    return MruOutcome::Added;
}

void TcxColorComboBoxProperties::TrimMRU()
{
    while (m_mru->Count() > m_maxMRUColors) {
        m_mru->Delete(m_mru->Count() - 1);
        emit OnDeletedMRUColor();
    }
}

QString TcxColorComboBoxProperties::FormatColorValue(int colour, const QPalette &palette) const
{
    if (m_colorValueFormat == cxcvInteger)
        return QString::number(colour);
    int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    if (colours::isSystemColour(colour)) {
        const QColor resolved = toQColor(colour, palette);
        red = resolved.red();
        green = resolved.green();
        blue = resolved.blue();
    }
    if (m_colorValueFormat == cxcvHexadecimal)
        return QStringLiteral("%1%2%3")
            .arg(red, 2, 16, QLatin1Char('0'))
            .arg(green, 2, 16, QLatin1Char('0'))
            .arg(blue, 2, 16, QLatin1Char('0'))
            .toUpper();
    return QStringLiteral("%1.%2.%3").arg(red).arg(green).arg(blue);
}

QString TcxColorComboBoxProperties::DescribeColor(int colour, const QString &stored, const QPalette &palette) const
{
    if (!m_showDescriptions)
        return {};
    QString text;
    if (m_namingConvention == cxncNone) {
        text = stored;
    } else {
        if (m_namingConvention == cxncVarnel)
            text = colourNameIn(standardColourTable(), colour);
        else if (m_namingConvention == cxncHTML4)
            text = colourNameIn(html4ColourTable(), colour);
        if (text.isEmpty())
            text = FormatColorValue(colour, palette);
    }
    if (m_onNamingConvention)
        m_onNamingConvention(const_cast<TcxColorComboBoxProperties *>(this), colour, text);
    return text;
}
