#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TcxColorComboBoxItems;

// One row of the colour list: its colour, the text stored with it, and whether the user
// (or the layout) added it rather than a prepared list.
class TcxColorComboBoxItem final
{
public:
    explicit TcxColorComboBoxItem(TcxColorComboBoxItems *owner) : m_owner(owner) {}

    int Color() const { return m_color; }
    void SetColor(int colour);
    QString Description() const { return m_description; }
    void SetDescription(const QString &description);
    bool IsCustom() const { return m_isCustom; }
    void SetIsCustom(bool custom) { m_isCustom = custom; }

private:
    TcxColorComboBoxItems *m_owner;
    int m_color = 0;
    QString m_description;
    bool m_isCustom = true;
};

// An ordered list of colour entries in which each colour appears at most once when added
// through AddColor/InsertColor. `Entries` carries the custom entries of a layout description,
// one "colour=description" text each, the colour as an identifier ("clRed") or an integer.
class TcxColorComboBoxItems final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList Entries READ Entries WRITE SetEntries)

public:
    explicit TcxColorComboBoxItems(QObject *parent = nullptr);
    ~TcxColorComboBoxItems() override;

    int Count() const { return static_cast<int>(m_items.size()); }
    TcxColorComboBoxItem *Item(int index) const;

    TcxColorComboBoxItem *FindColorItem(int colour) const;
    int IndexOfColor(int colour) const;
    int ColorAt(int index, int fallback) const;
    // nullptr when the colour is already listed.
    TcxColorComboBoxItem *AddColor(int colour, const QString &description);
    TcxColorComboBoxItem *InsertColor(int position, int colour, const QString &description);
    void Move(int from, int to);
    void Delete(int index);
    void DeletePrepared();
    void Clear();

    QStringList Entries() const;
    void SetEntries(const QStringList &entries);

    // Holds back Changed while a batch of edits runs; one Changed at the end if anything changed.
    void BeginUpdate() { ++m_updateDepth; }
    void EndUpdate();

signals:
    void Changed();

private:
    friend class TcxColorComboBoxItem;
    void changed();

    std::vector<std::unique_ptr<TcxColorComboBoxItem>> m_items;
    int m_updateDepth = 0;
    bool m_pendingChange = false;
};
