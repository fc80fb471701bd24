#pragma once
#include <QPixmap>
#include <QString>

namespace dorvane {

// The spin-button glyph resources "SpinUp" and "SpinDown" with their olive background
// turned transparent. A null pixmap for an unknown name.
QPixmap spinGlyph(const QString &name);

} // namespace dorvane
