// Large text drawn from kept glyph images must look as the toolkit draws it itself.
#include "controls/display/large_glyph_text.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace dorvane;

namespace {

// The largest difference of any channel between two images of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *left = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *right = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(left[x]) - qRed(right[x])),
                                std::abs(qGreen(left[x]) - qGreen(right[x])), std::abs(qBlue(left[x]) - qBlue(right[x]))});
        }
    }
    return largest;
}

int inkedPixels(const QImage &image, QRgb background)
{
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != background;
    return inked;
}

// The caption drawn into a label-sized picture, by the toolkit or from the kept glyphs.
QImage drawn(const QString &text, int pixelSize, QColor pen, int flags, bool kept)
{
    QImage image(240, 260, QImage::Format_RGB32);
    image.fill(QColor(255, 250, 235));
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(pen);
    const QRect area(3, 5, 230, 250);
    if (kept)
        drawLargeGlyphText(painter, area, flags, text);
    else
        painter.drawText(area, flags, text);
    return image;
}

} // namespace

TEST(LargeGlyphText, LooksAsTheToolkitDrawsItAndKeepsItsGlyphs)
{
    const int flags = Qt::AlignTop | Qt::AlignHCenter | Qt::TextShowMnemonic;
    const LargeGlyphCacheSize before = largeGlyphCacheSize();
    for (const QString &text : {QStringLiteral("05"), QStringLiteral("59"), QStringLiteral("+0:42")}) {
        for (const QColor &pen : {QColor(Qt::black), QColor(200, 30, 40)}) {
            const QImage toolkit = drawn(text, 200, pen, flags, false);
            const QImage kept = drawn(text, 200, pen, flags, true);
            EXPECT_GT(inkedPixels(kept, qRgb(255, 250, 235)), 2000) << text.toStdString();
            EXPECT_LE(largestDifference(toolkit, kept), 4) << text.toStdString();
            // Drawn again from what was kept, it is the same.
            EXPECT_EQ(drawn(text, 200, pen, flags, true), kept) << text.toStdString();
        }
    }
    EXPECT_GT(largeGlyphCacheSize().glyphs, before.glyphs) << "the large glyphs were kept";
}

TEST(LargeGlyphText, SmallTextAndUnderlinedMnemonicsAreTheToolkitsOwn)
{
    const int flags = Qt::AlignTop | Qt::AlignLeft | Qt::TextShowMnemonic;
    const LargeGlyphCacheSize before = largeGlyphCacheSize();
    EXPECT_EQ(drawn(QStringLiteral("Seconds"), 13, Qt::black, flags, true),
              drawn(QStringLiteral("Seconds"), 13, Qt::black, flags, false));
    EXPECT_EQ(drawn(QStringLiteral("&Go"), 120, Qt::black, flags, true),
              drawn(QStringLiteral("&Go"), 120, Qt::black, flags, false));
    EXPECT_EQ(largeGlyphCacheSize().glyphs, before.glyphs);
}
