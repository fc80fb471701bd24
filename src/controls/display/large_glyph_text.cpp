#include "large_glyph_text.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace dorvane {

namespace {

// The toolkit's own limit (QT_MAX_CACHED_GLYPH_SIZE): glyphs up to it come from its cache.
constexpr int kToolkitCachedPixels = 64;
// Far above what the digits of the window take (about 60 kB a glyph at 200 px, a few variants of
// each in each colour): when passed, everything kept is let go and filled again as it is drawn.
constexpr qsizetype kCacheBytes = qsizetype(8) << 20;
// Glyph origins are kept to 1/64 px, the toolkit's own fixed-point step.
constexpr int kSubpixelSteps = 64;
// Texts laid out and kept: the clock's captions are "00" to "59" in a few fonts.
constexpr qsizetype kLayouts = 512;

// One run of text that drawText would draw: where its baseline starts, and what it is.
struct TextItem
{
    QPointF baselineStart;
    QString text;
    QFont font;
    QTextItem::RenderFlags flags;
};

// Takes what drawText would draw, and draws nothing.
class ItemRecordingEngine final : public QPaintEngine
{
public:
    ItemRecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { m_other = true; }
    void drawPath(const QPainterPath &) override { m_other = true; }
    void drawLines(const QLineF *, int) override { m_other = true; }
    void drawRects(const QRectF *, int) override { m_other = true; }
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        m_items.push_back({p, item.text(), item.font(), item.renderFlags()});
    }
    Type type() const override { return QPaintEngine::User; }

    const std::vector<TextItem> &items() const { return m_items; }
    // Whether drawText drew anything but text (an underline drawn as a line, say).
    bool drewOtherThanText() const { return m_other; }

private:
    std::vector<TextItem> m_items;
    bool m_other = false;
};

// A device with the target's metrics, so that the text is laid out as it would be there.
class ItemRecordingDevice final : public QPaintDevice
{
public:
    explicit ItemRecordingDevice(const QPaintDevice &target) : m_target(target) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    const ItemRecordingEngine &engine() const { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_target.width();
        case PdmHeight:
            return m_target.height();
        case PdmWidthMM:
            return m_target.widthMM();
        case PdmHeightMM:
            return m_target.heightMM();
        case PdmNumColors:
            return m_target.colorCount();
        case PdmDepth:
            return m_target.depth();
        case PdmDpiX:
            return m_target.logicalDpiX();
        case PdmDpiY:
            return m_target.logicalDpiY();
        case PdmPhysicalDpiX:
            return m_target.physicalDpiX();
        case PdmPhysicalDpiY:
            return m_target.physicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QPaintDevice &m_target;
    mutable ItemRecordingEngine m_engine;
};

struct GlyphKey
{
    QString face; // family, style, size, hinting: what makes the outline
    quint32 glyph = 0;
    int subpixelX = 0;
    int subpixelY = 0;
    QRgb colour = 0;

    bool operator==(const GlyphKey &other) const
    {
        return glyph == other.glyph && subpixelX == other.subpixelX && subpixelY == other.subpixelY &&
               colour == other.colour && face == other.face;
    }
};

size_t qHash(const GlyphKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.face, key.glyph, key.subpixelX, key.subpixelY, key.colour);
}

// A glyph of a laid-out text, and where its origin falls.
struct PlacedGlyph
{
    QRawFont font;
    QString face; // the font's key among the kept glyphs
    quint32 glyph = 0;
    QPointF origin;
    QRect area; // the pixels its image covers, measured once when placed: a tick compares them

    // The whole pixel the origin falls in, and the origin's place within it in 1/64 px.
    QPoint wholePixel() const { return {int(std::floor(origin.x())), int(std::floor(origin.y()))}; }
    QPoint subpixel() const
    {
        return {qRound((origin.x() - std::floor(origin.x())) * kSubpixelSteps),
                qRound((origin.y() - std::floor(origin.y())) * kSubpixelSteps)};
    }
    QPointF subpixelOrigin() const { return QPointF(subpixel()) / kSubpixelSteps; }
    // The pixels the glyph may touch.
    QRect measuredArea() const
    {
        const QRect withinPixel = font.boundingRect(glyph).translated(subpixelOrigin()).toAlignedRect();
        return withinPixel.adjusted(-1, -1, 1, 1).translated(wholePixel());
    }

    bool sameAs(const PlacedGlyph &other) const
    {
        return glyph == other.glyph && origin == other.origin && face == other.face;
    }
};

void forgetEverything();

// Let go with the application object, while the fonts the kept glyphs hold are still the
// toolkit's to free.
void forgetWithTheApplication()
{
    static const bool registered = [] {
        qAddPostRoutine(forgetEverything);
        return true;
    }();
    Q_UNUSED(registered);
}

QHash<GlyphKey, QImage> &glyphCache()
{
    static QHash<GlyphKey, QImage> cache;
    forgetWithTheApplication();
    return cache;
}

qsizetype &glyphCacheBytes()
{
    static qsizetype bytes = 0;
    return bytes;
}

QString faceKey(const QRawFont &font)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(font.familyName(), font.styleName())
        .arg(font.pixelSize())
        .arg(font.weight())
        .arg(int(font.style()))
        .arg(int(font.hintingPreference()));
}

// The glyph filled in the pen's colour, premultiplied, as the toolkit fills an outline glyph: the
// same outline, the same antialiasing.
QImage fillGlyph(const PlacedGlyph &glyph, const QColor &colour)
{
    QImage filled(glyph.area.size(), QImage::Format_ARGB32_Premultiplied);
    filled.fill(Qt::transparent);
    QPainter painter(&filled);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(colour);
    QGlyphRun run;
    run.setRawFont(glyph.font);
    run.setGlyphIndexes({glyph.glyph});
    // At the origin's kept offset within its pixel, which is what the image is kept by.
    run.setPositions({QPointF(glyph.wholePixel() - glyph.area.topLeft()) + glyph.subpixelOrigin()});
    painter.drawGlyphRun(QPointF(0, 0), run);
    return filled;
}

// The glyph's image, filled at its first paint and kept: later paints at the same offset within
// the pixel, in the same colour, draw it again.
const QImage &cachedGlyph(const PlacedGlyph &glyph, const QColor &colour)
{
    QHash<GlyphKey, QImage> &cache = glyphCache();
    const QPoint subpixel = glyph.subpixel();
    const GlyphKey key{glyph.face, glyph.glyph, subpixel.x(), subpixel.y(), colour.rgba()};
    if (const auto found = cache.constFind(key); found != cache.cend())
        return found.value();
    QImage filled = fillGlyph(glyph, colour);
    const qsizetype bytes = filled.sizeInBytes();
    if (glyphCacheBytes() + bytes > kCacheBytes) {
        cache.clear();
        glyphCacheBytes() = 0;
    }
    glyphCacheBytes() += bytes;
    return cache.insert(key, std::move(filled)).value();
}

// Whether the images draw what drawText would on this painter.
bool imagesDrawAsTheToolkit(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return device && device->devicePixelRatioF() == 1.0 &&
           painter.deviceTransform().type() <= QTransform::TxTranslate &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver && painter.opacity() == 1.0 &&
           painter.pen().style() != Qt::NoPen && painter.pen().brush().style() == Qt::SolidPattern &&
           painter.testRenderHint(QPainter::TextAntialiasing) && !painter.testRenderHint(QPainter::Antialiasing) &&
           !(painter.font().styleStrategy() & QFont::NoAntialias);
}

// Where drawText puts each glyph of `item`: the run's baseline start, as drawText gave it, and the
// glyphs' places along it, as the toolkit shapes the run.
void placeItem(const TextItem &item, const QPaintDevice &device, std::vector<PlacedGlyph> &placed)
{
    QTextLayout layout(item.text, item.font, &device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QString face = faceKey(run.rawFont());
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            placed.push_back({run.rawFont(), face, glyphs[i],
                              item.baselineStart + QPointF(positions[i].x(), positions[i].y() - line.ascent()), {}});
            placed.back().area = placed.back().measuredArea();
        }
    }
}

// The glyphs of `text` as drawText(rect, flags, text) would place them in `font` on `device`, or
// nothing when drawText would draw more than plain glyphs (an underline, a struck-out run).
std::optional<std::vector<PlacedGlyph>> placeGlyphs(const QPaintDevice &device, const QFont &font, const QRect &rect,
                                                    int flags, const QString &text)
{
    ItemRecordingDevice recorder(device);
    {
        QPainter recording(&recorder);
        recording.setFont(font);
        recording.drawText(rect, flags, text);
    }
    const ItemRecordingEngine &engine = recorder.engine();
    const bool plain = !engine.drewOtherThanText() &&
                       std::all_of(engine.items().cbegin(), engine.items().cend(),
                                   [](const TextItem &item) { return item.flags == QTextItem::RenderFlags(); });
    if (!plain)
        return std::nullopt;
    std::vector<PlacedGlyph> placed;
    for (const TextItem &item : engine.items())
        placeItem(item, device, placed);
    return placed;
}

struct LayoutKey
{
    QString text;
    QFont font;
    QRect rect;
    int flags = 0;
    int dpiX = 0;
    int dpiY = 0;

    bool operator==(const LayoutKey &other) const
    {
        return rect == other.rect && flags == other.flags && dpiX == other.dpiX && dpiY == other.dpiY &&
               text == other.text && font == other.font;
    }
};

size_t qHash(const LayoutKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, qHash(key.font), key.rect.x(), key.rect.y(), key.rect.width(), key.rect.height(),
                      key.flags, key.dpiX, key.dpiY);
}

// Laying a text out costs about what the toolkit's shaping does: a tick's caption is laid out once,
// and found again a minute later.
QHash<LayoutKey, std::optional<std::vector<PlacedGlyph>>> &layoutCache()
{
    static QHash<LayoutKey, std::optional<std::vector<PlacedGlyph>>> layouts;
    forgetWithTheApplication();
    return layouts;
}

void forgetEverything()
{
    layoutCache().clear();
    glyphCache().clear();
    glyphCacheBytes() = 0;
}

const std::optional<std::vector<PlacedGlyph>> &cachedPlacement(const QPaintDevice &device, const QFont &font,
                                                               const QRect &rect, int flags, const QString &text)
{
    QHash<LayoutKey, std::optional<std::vector<PlacedGlyph>>> &layouts = layoutCache();
    const LayoutKey key{text, font, rect, flags, device.logicalDpiX(), device.logicalDpiY()};
    if (const auto found = layouts.constFind(key); found != layouts.cend())
        return found.value();
    if (layouts.size() >= kLayouts)
        layouts.clear();
    return layouts.insert(key, placeGlyphs(device, font, rect, flags, text)).value();
}

bool isLarge(const QFont &font)
{
    return QFontInfo(font).pixelSize() > kToolkitCachedPixels;
}

// A rectangle round the glyphs in `placed` that are not in `others` at the same place.
QRect areasNotIn(const std::vector<PlacedGlyph> &placed, const std::vector<PlacedGlyph> &others)
{
    QRect areas;
    for (const PlacedGlyph &glyph : placed) {
        const bool kept = std::any_of(others.cbegin(), others.cend(),
                                      [&](const PlacedGlyph &other) { return other.sameAs(glyph); });
        if (!kept)
            areas |= glyph.area;
    }
    return areas;
}

} // namespace

void drawLargeGlyphText(QPainter &painter, const QRect &rect, int flags, const QString &text)
{
    const std::optional<std::vector<PlacedGlyph>> *placed =
        isLarge(painter.font()) && imagesDrawAsTheToolkit(painter)
            ? &cachedPlacement(*painter.device(), painter.font(), rect, flags, text)
            : nullptr;
    if (!placed || !*placed) {
        painter.drawText(rect, flags, text);
        return;
    }
    // drawText keeps to its rectangle unless told not to.
    const bool clipped = !(flags & Qt::TextDontClip);
    if (clipped) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    const QColor colour = painter.pen().color();
    for (const PlacedGlyph &glyph : **placed)
        painter.drawImage(glyph.area.topLeft(), cachedGlyph(glyph, colour));
    if (clipped)
        painter.restore();
}

std::optional<QRect> largeGlyphTextChange(const QPaintDevice &device, const QFont &font, const QRect &rect, int flags,
                                            const QString &before, const QString &after)
{
    if (device.devicePixelRatioF() != 1.0 || !isLarge(font))
        return std::nullopt;
    // Both looked up before either is used: a lookup may let the other go.
    const std::optional<std::vector<PlacedGlyph>> was = cachedPlacement(device, font, rect, flags, before);
    const std::optional<std::vector<PlacedGlyph>> &is = cachedPlacement(device, font, rect, flags, after);
    if (!was || !is)
        return std::nullopt;
    QRect changed = areasNotIn(*was, *is) | areasNotIn(*is, *was);
    if (!(flags & Qt::TextDontClip))
        changed &= rect;
    return changed;
}

LargeGlyphCacheSize largeGlyphCacheSize()
{
    return {int(glyphCache().size()), glyphCacheBytes(), int(layoutCache().size())};
}

} // namespace dorvane
