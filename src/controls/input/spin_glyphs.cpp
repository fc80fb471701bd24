#include "spin_glyphs.h"

#include "controls/base/known_format_image.h"

#include <QHash>
#include <QImage>

static void initialiseGlyphResources()
{
    // Resources of a static library must be registered by hand.
    Q_INIT_RESOURCE(glyphs);
}

namespace dorvane {

namespace {
const QRgb kTransparentOlive = qRgb(128, 128, 0);
}

QPixmap spinGlyph(const QString &name)
{
    static const bool registered = (initialiseGlyphResources(), true);
    Q_UNUSED(registered);
    static QHash<QString, QPixmap> cache;
    if (auto it = cache.constFind(name); it != cache.constEnd())
        return *it;
    QImage image = readKnownFormatImage(QStringLiteral(":/glyphs/") + name, "BMP");
    if (image.isNull())
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (kTransparentOlive & 0xFFFFFF))
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    const QPixmap pixmap = QPixmap::fromImage(image);
    cache.insert(name, pixmap);
    return pixmap;
}

} // namespace dorvane
