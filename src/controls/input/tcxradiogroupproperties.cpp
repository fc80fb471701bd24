#include "tcxradiogroupproperties.h"

void TcxRadioGroupItem::SetCaption(const QString &v)
{
    if (v == m_caption)
        return;
    m_caption = v;
    emit Changed();
}

void TcxRadioGroupItem::SetValue(const QVariant &v)
{
    if (v == m_value && v.isValid() == m_value.isValid())
        return;
    m_value = v;
    emit Changed();
}

void TcxRadioGroupItem::SetTag(int v)
{
    if (v == m_tag)
        return;
    m_tag = v;
    emit Changed();
}

QStringList TcxRadioGroupProperties::Items() const
{
    QStringList captions;
    for (const TcxRadioGroupItem *item : m_items)
        captions << item->Caption();
    return captions;
}

void TcxRadioGroupProperties::SetItems(const QStringList &captions)
{
    {
        const QSignalBlocker quiet(this); // one notification for the whole list
        ClearItems();
        for (const QString &caption : captions)
            AddItem(caption);
    }
    emit Changed();
}

TcxRadioGroupItem *TcxRadioGroupProperties::AddItem(const QString &caption)
{
    auto *item = new TcxRadioGroupItem(this);
    item->SetCaption(caption);
    connect(item, &TcxRadioGroupItem::Changed, this, &TcxRadioGroupProperties::Changed);
    m_items.append(item);
    emit Changed();
    return item;
}

void TcxRadioGroupProperties::ClearItems()
{
    if (m_items.isEmpty())
        return;
    qDeleteAll(m_items);
    m_items.clear();
    emit Changed();
}

void TcxRadioGroupProperties::SetColumns(int v)
{
    v = v < 1 ? 1 : v;
    if (v == m_columns)
        return;
    m_columns = v;
    emit Changed();
}

void TcxRadioGroupProperties::SetDefaultValue(const QVariant &v)
{
    m_defaultValue = v;
    emit Changed();
}

void TcxRadioGroupProperties::SetDefaultCaption(const QString &v)
{
    if (v == m_defaultCaption)
        return;
    m_defaultCaption = v;
    emit Changed();
}

void TcxRadioGroupProperties::SetWordWrap(bool v)
{
    if (v == m_wordWrap)
        return;
    m_wordWrap = v;
    emit Changed();
}

void TcxRadioGroupProperties::SetImmediatePost(bool v)
{
    m_immediatePost = v;
}
