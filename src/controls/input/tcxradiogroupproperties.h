#pragma once
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVector>

// One choice of an option group.
class TcxRadioGroupItem final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY Changed)
    Q_PROPERTY(QVariant Value READ Value WRITE SetValue NOTIFY Changed)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag NOTIFY Changed)

public:
    explicit TcxRadioGroupItem(QObject *parent = nullptr) : QObject(parent) {}

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &v);
    // Null (an invalid QVariant) when not set.
    QVariant Value() const { return m_value; }
    void SetValue(const QVariant &v);
    int Tag() const { return m_tag; }
    void SetTag(int v);

    // What the group's edit value becomes when this item is checked.
    QVariant EditValue() const { return m_value.isValid() ? m_value : QVariant(m_caption); }

signals:
    void Changed();

private:
    QString m_caption;
    QVariant m_value;
    int m_tag = 0;
};

// The settings of an option group: its items and how they are laid out.
class TcxRadioGroupProperties final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems NOTIFY Changed)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns NOTIFY Changed)
    Q_PROPERTY(QVariant DefaultValue READ DefaultValue WRITE SetDefaultValue NOTIFY Changed)
    Q_PROPERTY(QString DefaultCaption READ DefaultCaption WRITE SetDefaultCaption NOTIFY Changed)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap NOTIFY Changed)
    Q_PROPERTY(bool ImmediatePost READ ImmediatePost WRITE SetImmediatePost NOTIFY Changed)

public:
    explicit TcxRadioGroupProperties(QObject *parent = nullptr) : QObject(parent) {}

    // The layout stores the items as their captions.
    QStringList Items() const;
    void SetItems(const QStringList &captions);
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TcxRadioGroupItem *Item(int index) const { return m_items.value(index); }
    TcxRadioGroupItem *AddItem(const QString &caption);
    void ClearItems();

    int Columns() const { return m_columns; }
    void SetColumns(int v); // 0 or less is stored as 1
    QVariant DefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(const QVariant &v);
    QString DefaultCaption() const { return m_defaultCaption; }
    void SetDefaultCaption(const QString &v);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v);
    bool ImmediatePost() const { return m_immediatePost; }
    void SetImmediatePost(bool v);

signals:
    void Changed();

private:
    QVector<TcxRadioGroupItem *> m_items;
    int m_columns = 1;
    QVariant m_defaultValue;
    QString m_defaultCaption;
    bool m_wordWrap = false;
    bool m_immediatePost = false;
};
