#pragma once
#include "tfont.h"

#include <QString>
#include <QWidget>

// What every control of the window shares: bounds, caption, colour, font, hints, tab order,
// alignment and the enter/exit notifications. Controls are windowed unless they say otherwise
// (labels are windowless); the distinction decides their place in `Controls`.
class TControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Left READ Left WRITE SetLeft)
    Q_PROPERTY(int Top READ Top WRITE SetTop)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(int Color READ Color WRITE SetColor NOTIFY ColorChanged)
    Q_PROPERTY(TFont *Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
    Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
    Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(TAlign Align READ Align WRITE SetAlign)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
    Q_ENUM(TAlign)

    explicit TControl(QWidget *parent = nullptr);
    ~TControl() override;

    QString Name() const { return objectName(); }
    void SetName(const QString &name) { setObjectName(name); }

    int Left() const { return BoundsRect().x(); }
    int Top() const { return BoundsRect().y(); }
    int Width() const { return BoundsRect().width(); }
    int Height() const { return BoundsRect().height(); }
    // Outer bounds in the parent's client coordinates (a form: on the screen, frame included).
    virtual QRect BoundsRect() const { return geometry(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    int Color() const { return m_color; }
    void SetColor(int colour);
    TFont *Font() const { return m_font; }
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool v);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool v);

    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint) { m_hint = hint; }
    bool ShowHint() const;
    void SetShowHint(bool v);
    bool ParentShowHint() const { return m_parentShowHint; }
    void SetParentShowHint(bool v) { m_parentShowHint = v; }
    // The first non-empty hint from this control up through its parents.
    QString EffectiveHint() const;
    // Whose tooltip shows while the mouse rests here: this control, or else the nearest parent
    // whose ShowHint is true; none when no control on the way shows hints.
    const TControl *HintControl() const;
    // The text of that tooltip; empty when none shows.
    QString ShownHint() const;

    int TabOrder() const { return m_tabOrder; }
    void SetTabOrder(int v) { m_tabOrder = v; }
    bool TabStop() const { return m_tabStop; }
    virtual void SetTabStop(bool v);

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign a) { m_align = a; }
    bool AutoSize() const { return m_autoSize; }
    virtual void SetAutoSize(bool v) { m_autoSize = v; }
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool v) { setVisible(v); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool v) { setEnabled(v); }
    int Tag() const { return m_tag; }
    void SetTag(int v) { m_tag = v; }

    virtual bool IsWindowed() const { return true; }
    // Order of creation, which `Controls` keeps within windowless and windowed children.
    quint64 CreationIndex() const { return m_creationIndex; }

    // Loading from a layout description: stored properties are being assigned.
    bool IsLoading() const { return m_loading; }
    Q_INVOKABLE virtual void BeginLoading() { m_loading = true; }
    // Called once every control of the window has been created and loaded.
    Q_INVOKABLE virtual void Loaded();

    // Fired by the focus walk: the focus moved into / out of this control or one inside it.
    virtual void DoEnter();
    virtual void DoExit();

    // The colour value as Qt draws it right now (system colours through the palette).
    QColor ResolvedColor() const;

signals:
    void OnEnter();
    void OnExit();
    void CaptionChanged();
    void ColorChanged();

protected:
    virtual void CaptionChanging() {}
    virtual void ColorChanging() { update(); }
    virtual void FontChanging();
    bool event(QEvent *e) override;

private:
    void adoptParentFont();
    void propagateFontToChildren();
    void propagateColorToChildren();

    QString m_caption;
    int m_color = static_cast<int>(0xFF00000Fu); // clBtnFace
    TFont *m_font;
    bool m_parentFont = true;
    bool m_parentColor = false;
    QString m_hint;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    int m_tabOrder = -1;
    bool m_tabStop = false;
    TAlign m_align = alNone;
    bool m_autoSize = false;
    int m_tag = 0;
    bool m_loading = false;
    bool m_propagatingFont = false;
    quint64 m_creationIndex;
};

// A control without a window of its own (labels): listed before windowed children.
class TGraphicControl : public TControl
{
    Q_OBJECT
public:
    explicit TGraphicControl(QWidget *parent = nullptr);
    bool IsWindowed() const override { return false; }
};

namespace dorvane {
// Children in `Controls` order: windowless first, then windowed, each in creation order.
QList<TControl *> ControlsOf(const QWidget *parent);

} // namespace dorvane
