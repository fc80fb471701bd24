#pragma once
#include "controls/base/tcontrol.h"
#include "look_and_feel.h"
#include "tab_row.h"

#include <QList>
#include <QPointer>

class TcxPageControl;

// One page of a page control: a windowed container that fills the page area, shown only while
// it is the active page. Its caption, enabled state and tab visibility are its tab's.
class TcxTabSheet : public TControl
{
    Q_OBJECT
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex STORED false)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool Highlighted READ Highlighted WRITE SetHighlighted)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)

public:
    explicit TcxTabSheet(QWidget *parent = nullptr);
    ~TcxTabSheet() override;

    TcxPageControl *PageControl() const { return m_pageControl; }
    // Position among the pages; -1 outside a page control. Out of range raises dorvane::Error.
    int PageIndex() const;
    void SetPageIndex(int index);
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool v);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int v);
    bool Highlighted() const { return m_highlighted; }
    void SetHighlighted(bool v);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int v) { m_borderWidth = v; }

signals:
    void OnShow();
    void OnHide();

protected:
    void CaptionChanging() override;
    void changeEvent(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    // Clicks on a page stay with the page: they neither select a tab nor move the focus.
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    friend class TcxPageControl;
    void tabChanged();

    TcxPageControl *m_pageControl = nullptr;
    bool m_tabVisible = true;
    int m_imageIndex = -1;
    bool m_highlighted = false;
    int m_borderWidth = 0;
};

// Pages stacked in one place with a row of tabs (at the bottom in the window) to choose among
// them. Changing pages moves the focus out of the old page first, so its exit handler runs
// before the new page shows; the change events are held back while loading or locked.
class TcxPageControl : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TcxTabSheet *ActivePage READ ActivePage WRITE SetActivePage)
    Q_PROPERTY(bool Focusable READ Focusable WRITE SetFocusable)
    Q_PROPERTY(TcxTabPosition TabPosition READ TabPosition WRITE SetTabPosition)
    Q_PROPERTY(int TabHeight READ TabHeight WRITE SetTabHeight)
    Q_PROPERTY(int TabWidth READ TabWidth WRITE SetTabWidth)
    Q_PROPERTY(dorvane::display::LookAndFeel *LookAndFeel READ LookAndFeel)

public:
    enum TcxTabPosition { tpTop, tpBottom, tpLeft, tpRight };
    Q_ENUM(TcxTabPosition)

    explicit TcxPageControl(QWidget *parent = nullptr);
    ~TcxPageControl() override;

    // Adopts a page created with this control as its parent (the layout loader's hook).
    Q_INVOKABLE void InsertControl(QObject *child);
    void BeginLoading() override;
    void Loaded() override;

    TcxTabSheet *ActivePage() const { return m_activePage; }
    void SetActivePage(TcxTabSheet *page);
    int PageCount() const { return m_pages.size(); }
    TcxTabSheet *Pages(int index) const { return m_pages.value(index); }
    int IndexOfPage(const TcxTabSheet *page) const;

    bool Focusable() const { return m_focusable; }
    void SetFocusable(bool v);
    TcxTabPosition TabPosition() const { return m_tabPosition; }
    void SetTabPosition(TcxTabPosition p);
    int TabHeight() const { return m_tabHeight; }
    void SetTabHeight(int v);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int v);
    dorvane::display::LookAndFeel *LookAndFeel() const { return m_lookAndFeel; }

    // The selected tab (its page's index), or -1.
    int TabIndex() const { return m_selectedTab; }
    // Selects a tab as a click or key does: permission, page change, events.
    void SelectTab(int index);
    // The rectangle the pages fill, and the tab of each page.
    QRect PageArea() const;
    QRect TabRect(int index) const;
    int FirstShownTab() const { return m_firstShownTab; }
    bool TabsOverflow() const;
    void ScrollTabs(int step);

    // Keys while the page control has the focus: true when handled (handled keys are consumed,
    // even when they change nothing).
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
    // Ctrl+Tab and Ctrl+Shift+Tab with the focus on the control or inside it.
    bool HandleDialogKey(int key, Qt::KeyboardModifiers modifiers);

signals:
    void OnChange();
    // Before a page change; a handler may set *allowChange to false to refuse it.
    void OnPageChanging(TcxTabSheet *newPage, bool *allowChange);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void FontChanging() override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    friend class TcxTabSheet;
    class UpdateLock;

    bool changeActivePage(TcxTabSheet *page);
    bool allowChange(TcxTabSheet *page);
    bool changesLocked() const { return m_updateLock > 0 || IsLoading(); }
    void removePage(TcxTabSheet *page);
    void tabsChanged();
    void placePages();
    bool tabSelectable(int index) const;
    int nextSelectableTab(int from, int direction, bool wrap) const;
    int acceleratorTab(const QString &letter) const;
    void pressAt(const QPoint &point, Qt::MouseButton button, bool secondPressOfDouble);
    int tabBandHeight() const;
    QRect tabRowRect() const;
    QList<int> tabWidths() const;
    QList<bool> tabVisibility() const;
    dorvane::TabRowLayout rowLayout() const;
    static QWidget *firstFocusableIn(QWidget *page);

    QList<TcxTabSheet *> m_pages;
    QPointer<TcxTabSheet> m_activePage;
    TcxTabSheet *m_pendingPage = nullptr;
    int m_selectedTab = -1;
    int m_pendingTab = -2;
    int m_firstShownTab = 0;
    int m_updateLock = 0;
    bool m_focusable = true;
    TcxTabPosition m_tabPosition = tpTop;
    int m_tabHeight = 0;
    int m_tabWidth = 0;
    dorvane::display::LookAndFeel *m_lookAndFeel;
};
