#include "known_format_image.h"

#include <QImageReader>

namespace dorvane {

QImage readKnownFormatImage(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace dorvane
