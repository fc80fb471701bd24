#include "arrow_glyphs.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <cmath>

namespace dorvane {

namespace {
const QString symbolFace = QStringLiteral("Symbol");
constexpr ushort symbolUpArrow = 0xAD;
constexpr ushort symbolDownArrow = 0xAF;
} // namespace

bool hasSymbolEncodedFace()
{
    static const bool present = [] {
        if (!QFontDatabase::families().contains(symbolFace, Qt::CaseSensitive))
            return false;
        return QFontDatabase::writingSystems(symbolFace).contains(QFontDatabase::Symbol);
    }();
    return present;
}

QChar substituteArrow(const QString &caption, const QFont &font)
{
    return hasSymbolEncodedFace() ? QChar() : symbolArrow(caption, font);
}

QChar symbolArrow(const QString &caption, const QFont &font)
{
    if (caption.size() != 1 || font.family().compare(symbolFace, Qt::CaseInsensitive) != 0)
        return {};
    switch (caption.at(0).unicode()) {
    case symbolUpArrow:
        return QChar(0x2191);
    case symbolDownArrow:
        return QChar(0x2193);
    default:
        return {};
    }
}

void drawSubstitutedArrow(QPainter &painter, const QRect &area, int flags, QChar arrow, const QFont &font)
{
    const int characterHeight = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setBold(true);
    face.setPixelSize(characterHeight);
    const QRect probe = QFontMetrics(face).tightBoundingRect(QString(arrow));
    if (probe.height() > 0)
        face.setPixelSize(std::max(1, static_cast<int>(std::lround(characterHeight * double(characterHeight) / probe.height()))));
    const QRect glyph = QFontMetrics(face).tightBoundingRect(QString(arrow));

    const int lineHeight = QFontMetrics(font).height();
    int lineTop = area.top();
    if (flags & Qt::AlignBottom)
        lineTop = area.bottom() + 1 - lineHeight;
    else if (flags & Qt::AlignVCenter)
        lineTop = area.top() + (area.height() - lineHeight) / 2;
    int glyphLeft = area.left();
    if (flags & Qt::AlignRight)
        glyphLeft = area.right() + 1 - glyph.width();
    else if (flags & Qt::AlignHCenter)
        glyphLeft = area.left() + (area.width() - glyph.width()) / 2;
    const int glyphTop = lineTop + (lineHeight - glyph.height()) / 2;

    painter.save();
    painter.setFont(face);
    painter.drawText(QPoint(glyphLeft - glyph.left(), glyphTop - glyph.top()), QString(arrow));
    painter.restore();
}

} // namespace dorvane
