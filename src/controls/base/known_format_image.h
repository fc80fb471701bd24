#pragma once
#include <QImage>
#include <QString>

namespace dorvane {

// Reads an image whose format the caller knows ("BMP", "PNG"), with Qt's own reader for it.
// Naming the format is not enough on its own: Qt still loads every image plugin to ask each
// whether it reads that format, which costs the window memory and time at start-up.
// A null image when the file is missing or not of that format.
QImage readKnownFormatImage(const QString &path, const char *format);

} // namespace dorvane
