#pragma once
#include "elastic_messages.h"

#include <QString>
#include <memory>

class QSettings;

namespace dorvane {

// The native settings store under the current user, opened by key path; one section per form.
class PlacementStore
{
public:
    PlacementStore(const QString &keyPath, const QString &section);
    ~PlacementStore();
    PlacementStore(const PlacementStore &) = delete;
    PlacementStore &operator=(const PlacementStore &) = delete;

    bool SectionExists() const;
    int ReadInteger(const QString &entry, int fallback) const;
    bool ReadBool(const QString &entry, bool fallback) const;
    double ReadFloat(const QString &entry, double fallback) const;
    void WriteInteger(const QString &entry, int value);
    void WriteBool(const QString &entry, bool value);
    void WriteFloat(const QString &entry, double value);

    void ReadPlacement(WindowPlacement &placement) const;
    void WritePlacement(const WindowPlacement &placement);

    // Entry names as stored.
    static QString VisibleEntry(int index) { return QStringLiteral("Visible ") + QString::number(index); }

private:
    QString key(const QString &entry) const;

    std::unique_ptr<QSettings> m_settings;
    QString m_section;
};

} // namespace dorvane
