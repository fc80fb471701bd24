#include "layout_loader.h"

#include "control_registry.h"
#include "published.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMetaMethod>
#include <QStringList>
#include <QWidget>

namespace dorvane {

namespace {

QString text(const char *s)
{
    return QString::fromLatin1(s);
}

struct Reference
{
    QObject *object;
    QMetaProperty property;
    QString target;
};
// Object references by name (an active page, say) are resolved once every control exists.
thread_local QList<Reference> *t_references = nullptr;

void assignValue(QObject *object, const QString &name, const QJsonValue &value);

void invokeIfPresent(QObject *object, const char *signature, QObject *argument = nullptr)
{
    const int index = object->metaObject()->indexOfMethod(signature);
    if (index < 0)
        return;
    const QMetaMethod method = object->metaObject()->method(index);
    if (method.parameterCount() == 1)
        method.invoke(object, Qt::DirectConnection, Q_ARG(QObject *, argument));
    else
        method.invoke(object, Qt::DirectConnection);
}

void assignObject(QObject *target, const QJsonObject &values)
{
    // A held object (a font, a style) takes the stored values of its own properties.
    for (auto it = values.begin(); it != values.end(); ++it)
        assignValue(target, it.key(), it.value());
}

void assignValue(QObject *object, const QString &name, const QJsonValue &value)
{
    const QMetaProperty property = findPublishedProperty(object, name);
    if (!property.isValid())
        throw LayoutLoader::Failure(QStringLiteral("Property %1 does not exist on %2")
                                        .arg(name, text(object->metaObject()->className()))
                                        .toStdString());
    const bool holdsObject = property.metaType().flags() & QMetaType::PointerToQObject;
    if (holdsObject && value.isString() && t_references) {
        t_references->append({object, property, value.toString()});
        return;
    }
    if (value.isObject()) {
        QObject *held = property.read(object).value<QObject *>();
        if (!held)
            throw LayoutLoader::Failure(QStringLiteral("Property %1 holds no object").arg(name).toStdString());
        assignObject(held, value.toObject());
        return;
    }
    QVariant v;
    if (value.isArray()) {
        QStringList list;
        for (const QJsonValue &item : value.toArray())
            list << item.toVariant().toString();
        v = list;
    } else {
        v = value.toVariant();
        if (value.isDouble() && property.metaType().id() == QMetaType::Int)
            v = QVariant(static_cast<int>(static_cast<qint64>(value.toDouble())));
        else if (value.isDouble() && property.metaType().id() == QMetaType::LongLong)
            v = QVariant(static_cast<qint64>(value.toDouble()));
    }
    if (!property.write(object, v))
        throw LayoutLoader::Failure(QStringLiteral("Cannot assign %1 of %2")
                                        .arg(name, object->objectName())
                                        .toStdString());
}

void wireEvents(QObject *source, QObject *root, const QJsonObject &events)
{
    for (auto it = events.begin(); it != events.end(); ++it) {
        const QMetaObject *sm = source->metaObject();
        int signalIndex = -1;
        for (int i = 0; i < sm->methodCount(); ++i) {
            const QMetaMethod m = sm->method(i);
            if (m.methodType() == QMetaMethod::Signal
                && sameNameIgnoringCase(m.name().constData(), it.key())) {
                signalIndex = i;
                break;
            }
        }
        const QByteArray handler = it.value().toString().toLatin1();
        const int slotIndex = root->metaObject()->indexOfMethod(handler + "()");
        if (signalIndex < 0 || slotIndex < 0)
            throw LayoutLoader::Failure(QStringLiteral("Cannot wire %1.%2 to %3")
                                            .arg(source->objectName(), it.key(), it.value().toString())
                                            .toStdString());
        QMetaObject::connect(source, signalIndex, root, slotIndex);
    }
}

void assignAll(QObject *object, QObject *root, const QJsonObject &d)
{
    if (d.contains(QLatin1String("name")))
        object->setObjectName(d.value(QLatin1String("name")).toString());
    for (const QJsonValue &pair : d.value(QLatin1String("properties")).toArray()) {
        const QJsonArray p = pair.toArray();
        assignValue(object, p.at(0).toString(), p.at(1));
    }
    wireEvents(object, root, d.value(QLatin1String("events")).toObject());
}

void build(QObject *object, QObject *root, const QJsonObject &d, QList<QObject *> &created)
{
    created.append(object);
    invokeIfPresent(object, "BeginLoading()");
    assignAll(object, root, d);
    for (const QJsonValue &c : d.value(QLatin1String("children")).toArray()) {
        const QJsonObject cd = c.toObject();
        const QString cls = cd.value(QLatin1String("class")).toString();
        QObject *child = ControlRegistry::instance().create(cls, object);
        if (!child)
            throw LayoutLoader::Failure(QStringLiteral("Class %1 not found").arg(cls).toStdString());
        if (auto *w = qobject_cast<QWidget *>(child))
            w->show(); // visible unless the stored properties say otherwise
        // A container may adopt its children in its own way (a page control takes its pages).
        invokeIfPresent(object, "InsertControl(QObject*)", child);
        build(child, root, cd, created);
    }
}

} // namespace

void LayoutLoader::loadInto(QObject *root, const QJsonObject &description)
{
    const QString cls = description.value(QLatin1String("class")).toString();
    if (cls != text(root->metaObject()->className()))
        throw Failure(QStringLiteral("Layout is for %1").arg(cls).toStdString());
    QList<QObject *> created;
    QList<Reference> references;
    t_references = &references;
    try {
        build(root, root, description, created);
    } catch (...) {
        t_references = nullptr;
        throw;
    }
    t_references = nullptr;
    for (const Reference &r : references) {
        QObject *target = root->objectName() == r.target ? root : root->findChild<QObject *>(r.target);
        if (!target || !r.property.write(r.object, QVariant::fromValue(target)))
            throw Failure(QStringLiteral("Cannot resolve %1").arg(r.target).toStdString());
    }
    for (QObject *o : created)
        invokeIfPresent(o, "Loaded()");
}

QJsonObject LayoutLoader::readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot open %1").arg(path).toStdString());
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull() || !doc.isObject())
        throw Failure(QStringLiteral("%1: %2").arg(path, error.errorString()).toStdString());
    return doc.object();
}

} // namespace dorvane
