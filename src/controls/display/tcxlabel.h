#pragma once
#include "controls/base/tcontrol.h"

#include <QPixmap>

namespace dorvane::display {

// The look of an arrow label: background colour and font. The font follows the control's font
// until it is assigned; the colour counts as assigned once it has been set.
class LabelStyle final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Color READ Color WRITE SetColor NOTIFY Changed)
    Q_PROPERTY(TFont *Font READ Font)

public:
    explicit LabelStyle(QObject *parent = nullptr);

    int Color() const { return m_color; }
    void SetColor(int colour);
    bool ColorAssigned() const { return m_colorAssigned; }
    TFont *Font() const { return m_font; }
    bool FontAssigned() const { return m_fontAssigned; }
    // Mirrors `source` while the style's own font has not been assigned.
    void FollowFont(const TFont &source);

signals:
    void Changed();

private:
    int m_color = static_cast<int>(0xFF00000Fu); // clBtnFace
    bool m_colorAssigned = false;
    TFont *m_font;
    bool m_fontAssigned = false;
    bool m_following = false;
};

// Placement of the caption in an arrow label, stored as "Alignment": {"Horz": ..., "Vert": ...}.
class LabelAlignment final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(THorz Horz READ Horz WRITE SetHorz NOTIFY Changed)
    Q_PROPERTY(TVert Vert READ Vert WRITE SetVert NOTIFY Changed)

public:
    enum THorz { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(THorz)
    enum TVert { taTopJustify, taBottomJustify, taVCenter };
    Q_ENUM(TVert)

    using QObject::QObject;
    THorz Horz() const { return m_horz; }
    void SetHorz(THorz h);
    TVert Vert() const { return m_vert; }
    void SetVert(TVert v);
    int QtFlags() const;

signals:
    void Changed();

private:
    THorz m_horz = taLeftJustify;
    TVert m_vert = taTopJustify;
};

// Settings of an arrow label. A layout stores them nested,
//   ["Properties", {"Alignment": {"Horz": "taCenter", "Vert": "taTopJustify"}, "WordWrap": false}],
// or with the flat names "AlignmentHorz" and "AlignmentVert", which are the same values.
class LabelProperties final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(dorvane::display::LabelAlignment *Alignment READ Alignment)
    Q_PROPERTY(dorvane::display::LabelAlignment::THorz AlignmentHorz READ AlignmentHorz WRITE SetAlignmentHorz STORED false)
    Q_PROPERTY(dorvane::display::LabelAlignment::TVert AlignmentVert READ AlignmentVert WRITE SetAlignmentVert STORED false)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap NOTIFY Changed)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent NOTIFY Changed)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar NOTIFY Changed)
    Q_PROPERTY(bool ShowEndEllipsis READ ShowEndEllipsis WRITE SetShowEndEllipsis NOTIFY Changed)

public:
    explicit LabelProperties(QObject *parent = nullptr);

    LabelAlignment *Alignment() const { return m_alignment; }
    LabelAlignment::THorz AlignmentHorz() const { return m_alignment->Horz(); }
    void SetAlignmentHorz(LabelAlignment::THorz h) { m_alignment->SetHorz(h); }
    LabelAlignment::TVert AlignmentVert() const { return m_alignment->Vert(); }
    void SetAlignmentVert(LabelAlignment::TVert v) { m_alignment->SetVert(v); }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool v);
    bool ShowEndEllipsis() const { return m_showEndEllipsis; }
    void SetShowEndEllipsis(bool v);

signals:
    void Changed();

private:
    void set(bool &field, bool v);

    LabelAlignment *m_alignment;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_showAccelChar = true;
    bool m_showEndEllipsis = false;
};

} // namespace dorvane::display

// A windowed label that draws through a cached off-screen picture: rendered afresh after a
// change of text, colours, font, size or settings, otherwise only copied. It never takes the
// keyboard focus, whatever its tab position. The direction arrows are of this class.
class TcxLabel : public TControl
{
    Q_OBJECT
    Q_PROPERTY(dorvane::display::LabelStyle *Style READ Style)
    Q_PROPERTY(dorvane::display::LabelProperties *Properties READ Properties)

public:
    explicit TcxLabel(QWidget *parent = nullptr);

    dorvane::display::LabelStyle *Style() const { return m_style; }
    dorvane::display::LabelProperties *Properties() const { return m_properties; }

    void SetTabStop(bool v) override;
    void SetAutoSize(bool v) override;
    void Loaded() override;

    // The colour the picture is filled with: the style's, or the parent's while it is inherited.
    QColor BackgroundColour() const;
    // Fits the bounds to the caption (when auto-sizing and not loading).
    void AdjustBounds();
    // Renders of the cached picture so far; a paint without a change only copies it.
    int RenderCount() const { return m_renderCount; }
    const QPixmap &Picture() const { return m_picture; }

protected:
    void CaptionChanging() override;
    void ColorChanging() override;
    void FontChanging() override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void lookChanged();
    void render();
    int textFlags() const;

    dorvane::display::LabelStyle *m_style;
    dorvane::display::LabelProperties *m_properties;
    QPixmap m_picture;
    bool m_stale = true;
    int m_renderCount = 0;
};
