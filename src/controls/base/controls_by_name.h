#pragma once
#include <QByteArray>
#include <QHash>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <utility>

namespace dorvane {

// A form's controls by name, each remembered once found. A search by name walks every object of
// the form (a few hundred with their fonts, styles and actions), and the clock looks its fields
// up several times on every tick. A control keeps the name and the form its layout gave it; one
// that has been destroyed is looked for again.
class ControlsByName
{
public:
    explicit ControlsByName(const QObject *root) : m_root(root) {}

    // The first descendant named `name` that is a T, as findChild finds it, or nullptr.
    template <typename T>
    T *find(const char *name) const
    {
        const Key key(QByteArray(name), &T::staticMetaObject);
        if (const auto it = m_found.constFind(key); it != m_found.cend() && *it)
            return static_cast<T *>(it->data());
        T *found = m_root->findChild<T *>(QLatin1String(name));
        if (found)
            m_found.insert(key, found);
        return found;
    }

private:
    using Key = std::pair<QByteArray, const QMetaObject *>;
    const QObject *m_root;
    mutable QHash<Key, QPointer<QObject>> m_found;
};

} // namespace dorvane
