#pragma once
// Stand-ins for the window's control classes: just the published properties the elastic
// layout looks for, under the class names it recognises.
#include "controls/base/tcontrol.h"
#include "controls/base/tfont.h"

#include <QFontMetrics>
#include <QPixmap>
#include <QStringList>

class TLabel : public TGraphicControl
{
    Q_OBJECT
public:
    using TGraphicControl::TGraphicControl;
    // An auto-sized label takes the size of its caption in its font.
    void SetAutoSize(bool v) override
    {
        TControl::SetAutoSize(v);
        if (v) {
            const QSize text = Caption().isEmpty() ? QSize() : QFontMetrics(Font()->toQFont()).size(0, Caption());
            SetBounds(Left(), Top(), text.width(), text.height());
        }
    }
};

class TJvLabel : public TLabel
{
    Q_OBJECT
    Q_PROPERTY(TFont *HotTrackFont READ HotTrackFont)
public:
    explicit TJvLabel(QWidget *parent = nullptr) : TLabel(parent), m_hot(new TFont(this)) {}
    TFont *HotTrackFont() const { return m_hot; }

private:
    TFont *m_hot;
};

class TcxStyle : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TFont *Font READ Font)
public:
    explicit TcxStyle(QObject *parent) : QObject(parent), m_font(new TFont(this)) {}
    TFont *Font() const { return m_font; }

private:
    TFont *m_font;
};

class TcxLabel : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TcxStyle *Style READ Style)
public:
    explicit TcxLabel(QWidget *parent = nullptr) : TControl(parent), m_style(new TcxStyle(this)) {}
    TcxStyle *Style() const { return m_style; }

private:
    TcxStyle *m_style;
};

class TcxTabSheet : public TControl
{
    Q_OBJECT
    Q_PROPERTY(int PageIndex READ PageIndex)
public:
    using TControl::TControl;
    int PageIndex() const { return 0; }
};

class TcxPageControl : public TControl
{
    Q_OBJECT
    Q_PROPERTY(QStringList Pages READ Pages)
    Q_PROPERTY(TcxTabSheet *ActivePage READ ActivePage WRITE SetActivePage)
public:
    using TControl::TControl;
    QStringList Pages() const { return {}; }
    TcxTabSheet *ActivePage() const { return m_active; }
    void SetActivePage(TcxTabSheet *p) { m_active = p; }

private:
    TcxTabSheet *m_active = nullptr;
};

// A control holding a page under the declared class "TTabSheet": the font walk skips it.
class TTabSheet : public TControl
{
    Q_OBJECT
public:
    using TControl::TControl;
};
class TPageHolder : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TTabSheet *Sheet READ Sheet)
    Q_PROPERTY(TcxTabSheet *OtherSheet READ OtherSheet)
public:
    TPageHolder(QWidget *parent, TTabSheet *sheet, TcxTabSheet *other) : TControl(parent), m_sheet(sheet), m_other(other) {}
    TTabSheet *Sheet() const { return m_sheet; }
    TcxTabSheet *OtherSheet() const { return m_other; }

private:
    TTabSheet *m_sheet;
    TcxTabSheet *m_other;
};

class TImage : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(QPixmap Picture READ Picture)
public:
    using TGraphicControl::TGraphicControl;
    QPixmap Picture() const { return m_picture; }
    void SetPicture(const QPixmap &p) { m_picture = p; }

private:
    QPixmap m_picture;
};

// Items of a collection (sections, status panels) are its child objects.
class TCollectionItem : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
public:
    TCollectionItem(QObject *collection, int width) : QObject(collection), m_width(width) {}
    int Width() const { return m_width; }
    void SetWidth(int v) { m_width = v; }

private:
    int m_width;
};
class TCollection : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};

class TStatusBar : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TCollection *Panels READ Panels)
public:
    explicit TStatusBar(QWidget *parent = nullptr) : TControl(parent), m_panels(new TCollection(this)) {}
    TCollection *Panels() const { return m_panels; }

private:
    TCollection *m_panels;
};

// A control with title and tab fonts, header sections and one style reachable by two names.
class TTitledGrid : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TFont *TitleFont READ TitleFont)
    Q_PROPERTY(TFont *TabFont READ TabFont)
    Q_PROPERTY(TcxStyle *Style READ Style)
    Q_PROPERTY(TcxStyle *SameStyle READ Style)
    Q_PROPERTY(TCollection *Sections READ Sections)
public:
    explicit TTitledGrid(QWidget *parent = nullptr)
        : TControl(parent), m_title(new TFont(this)), m_tab(new TFont(this)), m_style(new TcxStyle(this)),
          m_sections(new TCollection(this))
    {
    }
    TFont *TitleFont() const { return m_title; }
    TFont *TabFont() const { return m_tab; }
    TcxStyle *Style() const { return m_style; }
    TCollection *Sections() const { return m_sections; }

private:
    TFont *m_title;
    TFont *m_tab;
    TcxStyle *m_style;
    TCollection *m_sections;
};
