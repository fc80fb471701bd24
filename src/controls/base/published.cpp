#include "published.h"

#include <QHash>
#include <QMetaObject>
#include <algorithm>
#include <utility>

namespace dorvane {

namespace {

// The first property index that belongs to one of our classes: Qt's own classes start with 'Q'.
int firstPublishedIndex(const QMetaObject *meta)
{
    const QMetaObject *m = meta;
    const QMetaObject *ownBase = nullptr;
    while (m) {
        if (m->className()[0] != 'Q')
            ownBase = m;
        m = m->superClass();
    }
    if (!ownBase)
        return meta->propertyCount();
    const QMetaObject *qtBase = ownBase->superClass();
    return qtBase ? qtBase->propertyCount() : 0;
}

// Only ASCII letters match across case: Unicode folding would let "\u017F" (long s) or the
// Kelvin sign stand for "s" and "k".
char asciiLower(char16_t c)
{
    return static_cast<char>(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c);
}

} // namespace

bool sameNameIgnoringCase(const char *a, const QString &b)
{
    const qsizetype length = static_cast<qsizetype>(qstrlen(a));
    if (length != b.size())
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = b.at(i).unicode();
        if (c > 0x7F || asciiLower(static_cast<unsigned char>(a[i])) != asciiLower(c))
            return false;
    }
    return true;
}

namespace {

// The index of the published property `name` of the class, or -1.
int publishedIndex(const QMetaObject *meta, const QString &name)
{
    const int first = firstPublishedIndex(meta);
    // Most derived declaration wins, as a redeclared published property would.
    for (int i = meta->propertyCount() - 1; i >= first; --i)
        if (sameNameIgnoringCase(meta->property(i).name(), name))
            return i;
    return -1;
}

// The clock's fields are written and read by name on every tick: each class's answer for a name
// is remembered. The names come from the program and its layouts, so the table stays small; it
// starts again should anything ever ask for many more.
int rememberedPublishedIndex(const QMetaObject *meta, const QString &name)
{
    constexpr qsizetype kMostRemembered = 4096;
    thread_local QHash<std::pair<const QMetaObject *, QString>, int> known;
    const auto key = std::make_pair(meta, name);
    if (const auto it = known.constFind(key); it != known.cend())
        return *it;
    if (known.size() >= kMostRemembered)
        known.clear();
    const int index = publishedIndex(meta, name);
    known.insert(key, index);
    return index;
}

} // namespace

QMetaProperty findPublishedProperty(const QObject *object, const QString &name)
{
    if (!object)
        return {};
    const QMetaObject *meta = object->metaObject();
    const int index = rememberedPublishedIndex(meta, name);
    return index >= 0 ? meta->property(index) : QMetaProperty();
}

bool hasPublishedProperty(const QObject *object, const QString &name)
{
    return findPublishedProperty(object, name).isValid();
}

QVariant readPublished(const QObject *object, const QString &name)
{
    const QMetaProperty p = findPublishedProperty(object, name);
    return p.isValid() ? p.read(object) : QVariant();
}

bool writePublished(QObject *object, const QString &name, const QVariant &value)
{
    const QMetaProperty p = findPublishedProperty(object, name);
    return p.isValid() && p.isWritable() && p.write(object, value);
}

QObject *readPublishedObject(const QObject *object, const QString &name)
{
    const QMetaProperty p = findPublishedProperty(object, name);
    if (!p.isValid() || !(p.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    return p.read(object).value<QObject *>();
}

std::vector<PublishedObjectProperty> objectProperties(const QObject *object)
{
    std::vector<PublishedObjectProperty> result;
    if (!object)
        return result;
    const QMetaObject *meta = object->metaObject();
    for (int i = firstPublishedIndex(meta); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!(p.metaType().flags() & QMetaType::PointerToQObject))
            continue;
        QString cls = QString::fromLatin1(p.typeName());
        cls.remove(QLatin1Char('*'));
        const int colons = cls.lastIndexOf(QLatin1String("::"));
        if (colons >= 0)
            cls = cls.mid(colons + 2);
        result.push_back({QString::fromLatin1(p.name()), cls.trimmed()});
    }
    std::sort(result.begin(), result.end(), [](const auto &a, const auto &b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
    return result;
}

} // namespace dorvane
