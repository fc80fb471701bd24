#include "control_registry.h"

#include <QWidget>

namespace dorvane {

ControlRegistry &ControlRegistry::instance()
{
    static ControlRegistry registry;
    return registry;
}

void ControlRegistry::add(const QString &className, Creator creator)
{
    m_creators.insert(className, std::move(creator));
}

bool ControlRegistry::contains(const QString &className) const
{
    return m_creators.contains(className);
}

QObject *ControlRegistry::create(const QString &className, QObject *parent) const
{
    const auto it = m_creators.constFind(className);
    return it == m_creators.constEnd() ? nullptr : (*it)(parent);
}

} // namespace dorvane
