#include "font_scaling.h"

#include "control_order.h"
#include "layout_math.h"
#include "tframe.h"

#include "controls/base/published.h"
#include "controls/base/tcontrol.h"

#include <cstring>

namespace dorvane::fontscaling {

using layoutmath::Round;
using layoutmath::RoundHalfDown;
using layoutmath::Trunc;

namespace {

QString name(const char *s)
{
    return QString::fromLatin1(s);
}

bool hasPublishedInfo(const QObject *o)
{
    return o && o->metaObject()->className()[0] != 'Q';
}

void appendFont(TFrame &frame, QObject *held)
{
    if (auto *font = qobject_cast<TFont *>(held))
        frame.ExtraFonts.append(font);
}

// Items of a collection (sections, status panels) are the collection's child objects.
QList<QObject *> itemsOf(const QObject *collection)
{
    QList<QObject *> items;
    for (QObject *child : collection->children())
        items.append(child);
    return items;
}

bool autoSizeOf(const TControl *control)
{
    return readPublished(control, name("AutoSize")).toBool();
}

} // namespace

int SizeOf(const TFont *font)
{
    return font ? font->Size() : 0;
}

void SetSize(TFont *font, int points)
{
    if (font)
        font->SetSize(points);
}

TFont *PublishedFont(const QObject *object, const char *propertyName)
{
    return qobject_cast<TFont *>(readPublishedObject(object, name(propertyName)));
}

void CollectExtraFonts(TFrame &frame, const TControl *control)
{
    frame.ExtraFonts.clear();
    for (const PublishedObjectProperty &p : objectProperties(control)) {
        if (p.declaredClass == QLatin1String("TTabSheet"))
            continue;
        if (p.declaredClass == QLatin1String("TFont")) {
            const QString upper = p.name.toUpper();
            if (upper != QLatin1String("FONT") && upper != QLatin1String("TITLEFONT")
                && upper != QLatin1String("TABFONT"))
                appendFont(frame, readPublishedObject(control, p.name));
            continue;
        }
        const QObject *o = readPublishedObject(control, p.name);
        if (!hasPublishedInfo(o))
            continue;
        for (const PublishedObjectProperty &q : objectProperties(o)) {
            if (q.declaredClass == QLatin1String("TFont")) {
                appendFont(frame, readPublishedObject(o, q.name));
                continue;
            }
            const QObject *o2 = readPublishedObject(o, q.name);
            if (!hasPublishedInfo(o2))
                continue;
            for (const PublishedObjectProperty &r : objectProperties(o2))
                if (r.declaredClass == QLatin1String("TFont"))
                    appendFont(frame, readPublishedObject(o2, r.name));
        }
    }
}

void CaptureFonts(TFrame &frame, TControl *control, double fr)
{
    frame.ExtraFontSizes.clear();
    for (const auto &font : frame.ExtraFonts)
        frame.ExtraFontSizes.push_back(SizeOf(font));
    for (const char *p : {"defaultRowHeight", "Columns", "DataSource"})
        if (hasPublishedProperty(control, name(p))) {
            control->SetParentFont(false);
            break;
        }
    const int size = SizeOf(control->Font());
    frame.DesignFontSize = Trunc(size * fr);
    for (int &s : frame.ExtraFontSizes)
        s = Trunc(s * fr);
    frame.RawFontSize = size;
    if (TFont *title = PublishedFont(control, "TitleFont")) {
        frame.RawTitleFontSize = SizeOf(title);
        frame.TitleFontDesignSize = Trunc(frame.RawTitleFontSize * fr);
        // A control without a sized font has no meaningful title ratio; keep it at 0.
        frame.TitleFontRatio = frame.DesignFontSize != 0 ? frame.TitleFontDesignSize * 1.0 / frame.DesignFontSize : 0;
    }
    if (TFont *tab = PublishedFont(control, "TabFont"))
        frame.TabFontDesignSize = Trunc(SizeOf(tab) * fr);
}

void FontPass(TFrame &frame, TControl *control, double ratio)
{
    if (std::strcmp(control->metaObject()->className(), "TToolBar") == 0)
        return;
    frame.LastFontRatio = ratio;
    for (size_t i = 0; i < static_cast<size_t>(frame.ExtraFonts.size()) && i < frame.ExtraFontSizes.size(); ++i)
        SetSize(frame.ExtraFonts[static_cast<qsizetype>(i)], RoundHalfDown(frame.ExtraFontSizes[i] * ratio));
    if (TFont *title = PublishedFont(control, "TitleFont"))
        SetSize(title, RoundHalfDown(frame.TitleFontDesignSize * ratio));
    SetSize(control->Font(), RoundHalfDown(frame.DesignFontSize * ratio));
    if (TFont *tab = PublishedFont(control, "TabFont"))
        SetSize(tab, RoundHalfDown(frame.TabFontDesignSize * ratio));
}

void CaptureSections(TFrame &frame, const TControl *control, double fontScreenRatio, double horzScreenRatio)
{
    if (std::strcmp(control->metaObject()->className(), "THeader") == 0)
        return;
    const QObject *sections = readPublishedObject(control, name("Sections"));
    if (!sections)
        return;
    const QList<QObject *> items = itemsOf(sections);
    frame.SectionCount = static_cast<int>(items.size());
    frame.SectionWidths.assign(items.size(), 0);
    for (qsizetype i = 0; i < items.size(); ++i)
        if (hasPublishedProperty(items[i], name("Width")))
            frame.SectionWidths[static_cast<size_t>(i)] =
                Round(fontScreenRatio * horzScreenRatio * readPublished(items[i], name("Width")).toInt());
}

void ApplySections(const TFrame &frame, const TControl *control, double stretchX)
{
    if (std::strcmp(control->metaObject()->className(), "THeader") == 0)
        return;
    const QObject *sections = readPublishedObject(control, name("Sections"));
    if (!sections)
        return;
    const QList<QObject *> items = itemsOf(sections);
    for (qsizetype i = 0; i < items.size() && static_cast<size_t>(i) < frame.SectionWidths.size(); ++i)
        if (hasPublishedProperty(items[i], name("Width")))
            writePublished(items[i], name("Width"), RoundHalfDown(frame.SectionWidths[static_cast<size_t>(i)] * stretchX));
}

void RefitLabel(TControl *control)
{
    if (!InheritsClass(control, "TLabel"))
        return;
    if (autoSizeOf(control)) {
        writePublished(control, name("AutoSize"), false);
        writePublished(control, name("AutoSize"), true);
        return;
    }
    const QRect scaled(control->Left(), control->Top(), control->Width(), control->Height());
    writePublished(control, name("AutoSize"), true);
    writePublished(control, name("AutoSize"), false);
    const int width = std::max(control->Width(), scaled.width());
    const int height = std::max(control->Height(), scaled.height());
    control->SetBounds(scaled.left(), scaled.top(), width, height);
}

void ToggleAutoSize(TControl *control)
{
    if (hasPublishedProperty(control, name("AutoSize")) && autoSizeOf(control)) {
        writePublished(control, name("AutoSize"), false);
        writePublished(control, name("AutoSize"), true);
    }
}

} // namespace dorvane::fontscaling
