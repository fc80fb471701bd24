#include "placement_store.h"

#include <QSettings>

namespace dorvane {

namespace {
std::unique_ptr<QSettings> openNative(const QString &keyPath)
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + keyPath, QSettings::NativeFormat);
#else
    QString path = keyPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, path);
#endif
}
} // namespace

PlacementStore::PlacementStore(const QString &keyPath, const QString &section)
    : m_settings(openNative(keyPath)), m_section(section)
{
}

PlacementStore::~PlacementStore()
{
    m_settings->sync();
}

QString PlacementStore::key(const QString &entry) const
{
    return m_section + QLatin1Char('/') + entry;
}

bool PlacementStore::SectionExists() const
{
    return m_settings->childGroups().contains(m_section);
}

int PlacementStore::ReadInteger(const QString &entry, int fallback) const
{
    bool ok = false;
    const int v = m_settings->value(key(entry), fallback).toInt(&ok);
    return ok ? v : fallback;
}

bool PlacementStore::ReadBool(const QString &entry, bool fallback) const
{
    return m_settings->value(key(entry), fallback).toBool();
}

double PlacementStore::ReadFloat(const QString &entry, double fallback) const
{
    bool ok = false;
    const double v = m_settings->value(key(entry), fallback).toDouble(&ok);
    return ok ? v : fallback;
}

void PlacementStore::WriteInteger(const QString &entry, int value)
{
    m_settings->setValue(key(entry), value);
}

void PlacementStore::WriteBool(const QString &entry, bool value)
{
    m_settings->setValue(key(entry), value);
}

void PlacementStore::WriteFloat(const QString &entry, double value)
{
    m_settings->setValue(key(entry), value);
}

void PlacementStore::ReadPlacement(WindowPlacement &p) const
{
    p.length = ReadInteger(QStringLiteral("wp length "), 0);
    p.flags = ReadInteger(QStringLiteral("wp flags"), 0);
    p.showCmd = ReadInteger(QStringLiteral("wp showCmd"), 0);
    p.minPosition.setX(ReadInteger(QStringLiteral("wp MinPosX"), 0));
    p.minPosition.setY(ReadInteger(QStringLiteral("wp MinPosY"), 0));
    p.maxPosition.setX(ReadInteger(QStringLiteral("wp MaxPosX"), 0));
    p.maxPosition.setY(ReadInteger(QStringLiteral("wp MaxPosY"), 0));
    p.normalLeft = ReadInteger(QStringLiteral("wp NormPosLeft"), 0);
    p.normalTop = ReadInteger(QStringLiteral("wp NormPosTop"), 0);
    p.normalRight = ReadInteger(QStringLiteral("wp NormPosRight"), 0);
    p.normalBottom = ReadInteger(QStringLiteral("wp NormPosBottom"), 0);
}

void PlacementStore::WritePlacement(const WindowPlacement &p)
{
    WriteInteger(QStringLiteral("wp length "), p.length);
    WriteInteger(QStringLiteral("wp flags"), p.flags);
    WriteInteger(QStringLiteral("wp showCmd"), p.showCmd);
    WriteInteger(QStringLiteral("wp MinPosX"), p.minPosition.x());
    WriteInteger(QStringLiteral("wp MinPosY"), p.minPosition.y());
    WriteInteger(QStringLiteral("wp MaxPosX"), p.maxPosition.x());
    WriteInteger(QStringLiteral("wp MaxPosY"), p.maxPosition.y());
    WriteInteger(QStringLiteral("wp NormPosLeft"), p.normalLeft);
    WriteInteger(QStringLiteral("wp NormPosTop"), p.normalTop);
    WriteInteger(QStringLiteral("wp NormPosRight"), p.normalRight);
    WriteInteger(QStringLiteral("wp NormPosBottom"), p.normalBottom);
}

} // namespace dorvane
