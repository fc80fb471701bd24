#include "edit_height.h"

#include <QFontDatabase>
#include <QFontMetrics>

#include <algorithm>

namespace dorvane {

int textBoxHeight(const QFont &font, int frame)
{
    const int fontHeight = QFontMetrics(font).height();
    const int systemHeight = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    return fontHeight + std::min(systemHeight, fontHeight) / 4 + frame;
}

} // namespace dorvane
