#pragma once
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

namespace dorvane {

// Creates controls and components by class name, as a layout description names them.
class ControlRegistry
{
public:
    using Creator = std::function<QObject *(QObject *parent)>;

    static ControlRegistry &instance();

    void add(const QString &className, Creator creator);
    template <typename T>
    void add()
    {
        add(QString::fromLatin1(T::staticMetaObject.className()), [](QObject *parent) -> QObject * {
            if constexpr (std::is_base_of_v<QWidget, T>)
                return new T(qobject_cast<QWidget *>(parent));
            else
                return new T(parent);
        });
    }
    bool contains(const QString &className) const;
    // nullptr when the class is unknown.
    QObject *create(const QString &className, QObject *parent) const;

private:
    QHash<QString, Creator> m_creators;
};

} // namespace dorvane
