#pragma once
#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QVariant>
#include <vector>

namespace dorvane {

// Published properties: those declared by our own classes (Qt's own properties such as
// "font" or "visible" are not part of the published set). Names are compared without
// regard to ASCII case.
// Names as the layout and the property look-ups compare them: ASCII letters without regard to
// case, every other character exactly.
bool sameNameIgnoringCase(const char *name, const QString &wanted);
QMetaProperty findPublishedProperty(const QObject *object, const QString &name);
bool hasPublishedProperty(const QObject *object, const QString &name);
QVariant readPublished(const QObject *object, const QString &name);
bool writePublished(QObject *object, const QString &name, const QVariant &value);
// The object held by an object-valued published property, or nullptr.
QObject *readPublishedObject(const QObject *object, const QString &name);

struct PublishedObjectProperty
{
    QString name;
    QString declaredClass; // e.g. "TFont"
};
// Object-valued published properties of the object's class, sorted by name (ASCII, case-insensitive).
std::vector<PublishedObjectProperty> objectProperties(const QObject *object);

} // namespace dorvane
