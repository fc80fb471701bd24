#include "tcxcolorcomboboxitems.h"

#include "colour_tables.h"

#include <algorithm>

using dorvane::colourFromText;

void TcxColorComboBoxItem::SetColor(int colour)
{
    if (colour == m_color)
        return;
    m_color = colour;
    if (m_owner)
        m_owner->changed();
}

void TcxColorComboBoxItem::SetDescription(const QString &description)
{
    if (description == m_description)
        return;
    m_description = description;
    if (m_owner)
        m_owner->changed();
}

TcxColorComboBoxItems::TcxColorComboBoxItems(QObject *parent) : QObject(parent) {}

TcxColorComboBoxItems::~TcxColorComboBoxItems() = default;

TcxColorComboBoxItem *TcxColorComboBoxItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return m_items[static_cast<size_t>(index)].get();
}

TcxColorComboBoxItem *TcxColorComboBoxItems::FindColorItem(int colour) const
{
    return Item(IndexOfColor(colour));
}

int TcxColorComboBoxItems::IndexOfColor(int colour) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_items[static_cast<size_t>(i)]->Color() == colour)
            return i;
    return -1;
}

int TcxColorComboBoxItems::ColorAt(int index, int fallback) const
{
    const TcxColorComboBoxItem *item = Item(index);
    return item ? item->Color() : fallback;
}

TcxColorComboBoxItem *TcxColorComboBoxItems::AddColor(int colour, const QString &description)
{
    return InsertColor(Count(), colour, description);
}

TcxColorComboBoxItem *TcxColorComboBoxItems::InsertColor(int position, int colour, const QString &description)
{
    if (IndexOfColor(colour) >= 0)
        return nullptr;
    auto item = std::make_unique<TcxColorComboBoxItem>(this);
    TcxColorComboBoxItem *raw = item.get();
    BeginUpdate();
    raw->SetColor(colour);
    raw->SetDescription(description);
    position = std::clamp(position, 0, Count());
    m_items.insert(m_items.begin() + position, std::move(item));
    changed();
    EndUpdate();
    return raw;
}

void TcxColorComboBoxItems::Move(int from, int to)
{
    if (from == to || !Item(from) || !Item(to))
        return;
    auto item = std::move(m_items[static_cast<size_t>(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(item));
    changed();
}

void TcxColorComboBoxItems::Delete(int index)
{
    if (!Item(index))
        return;
    m_items.erase(m_items.begin() + index);
    changed();
}

void TcxColorComboBoxItems::DeletePrepared()
{
    BeginUpdate();
    for (int i = Count() - 1; i >= 0; --i)
        if (!m_items[static_cast<size_t>(i)]->IsCustom())
            Delete(i);
    EndUpdate();
}

void TcxColorComboBoxItems::Clear()
{
    if (m_items.empty())
        return;
    m_items.clear();
    changed();
}

QStringList TcxColorComboBoxItems::Entries() const
{
    QStringList entries;
    for (const auto &item : m_items) {
        if (!item->IsCustom())
            continue;
        const QString name = dorvane::colourNameIn(dorvane::standardColourTable(), item->Color());
        entries << (name.isEmpty() ? QString::number(item->Color()) : name) + QLatin1Char('=')
                       + item->Description();
    }
    return entries;
}

void TcxColorComboBoxItems::SetEntries(const QStringList &entries)
{
    BeginUpdate();
    Clear();
    for (const QString &entry : entries) {
        const int split = entry.indexOf(QLatin1Char('='));
        const QString colourText = split < 0 ? entry : entry.left(split);
        const auto colour = colourFromText(colourText.trimmed());
        if (!colour)
            continue; // an unreadable colour is left out rather than stored as black
        AddColor(*colour, split < 0 ? QString() : entry.mid(split + 1));
    }
    EndUpdate();
}

void TcxColorComboBoxItems::EndUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0 && m_pendingChange) {
        m_pendingChange = false;
        emit Changed();
    }
}

void TcxColorComboBoxItems::changed()
{
    if (m_updateDepth > 0)
        m_pendingChange = true;
    else
        emit Changed();
}
