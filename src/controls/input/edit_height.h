#pragma once
#include <QFont>

namespace dorvane {

// Height of a one-line text box for `font`: the text height, a quarter of the smaller of the
// system font's and this font's text height as leading, and `frame` pixels for the border and
// the gaps above and below the text. Boxes with automatic height take exactly this.
int textBoxHeight(const QFont &font, int frame);

} // namespace dorvane
