#include "tcxpagecontrol.h"

#include "controls/base/accessible_change.h"
#include "controls/base/platform.h"
#include "engine/error.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <qdrawutil.h>

namespace {

constexpr int FrameWidth = 2;
constexpr int TabTextPadding = 8;

bool isAltOnly(Qt::KeyboardModifiers m)
{
    m &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return m == Qt::AltModifier || m == (Qt::AltModifier | Qt::ShiftModifier);
}

} // namespace

// Holds back the change events while a change that fires them itself is under way.
class TcxPageControl::UpdateLock
{
public:
    explicit UpdateLock(TcxPageControl *control) : m_control(control) { ++m_control->m_updateLock; }
    ~UpdateLock() { --m_control->m_updateLock; }
    UpdateLock(const UpdateLock &) = delete;
    UpdateLock &operator=(const UpdateLock &) = delete;

private:
    TcxPageControl *m_control;
};

TcxTabSheet::TcxTabSheet(QWidget *parent) : TControl(parent)
{
    hide();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetParentColor(true);
}

TcxTabSheet::~TcxTabSheet()
{
    if (m_pageControl)
        m_pageControl->removePage(this);
}

int TcxTabSheet::PageIndex() const
{
    return m_pageControl ? m_pageControl->IndexOfPage(this) : -1;
}

void TcxTabSheet::SetPageIndex(int index)
{
    if (!m_pageControl)
        return;
    const int count = m_pageControl->PageCount();
    if (index < 0 || index >= count)
        throw dorvane::Error(QStringLiteral("%1 is an invalid PageIndex value.  PageIndex must be between 0 and %2")
                                 .arg(index)
                                 .arg(count - 1)
                                 .toStdString());
    const int current = PageIndex();
    if (current == index)
        return;
    m_pageControl->m_pages.move(current, index);
    m_pageControl->tabsChanged();
}

void TcxTabSheet::SetTabVisible(bool v)
{
    if (v == m_tabVisible)
        return;
    m_tabVisible = v;
    tabChanged();
}

void TcxTabSheet::SetImageIndex(int v)
{
    if (v == m_imageIndex)
        return;
    m_imageIndex = v;
    tabChanged();
}

void TcxTabSheet::SetHighlighted(bool v)
{
    if (v == m_highlighted)
        return;
    m_highlighted = v;
    tabChanged();
}

void TcxTabSheet::tabChanged()
{
    if (m_pageControl)
        m_pageControl->tabsChanged();
}

void TcxTabSheet::CaptionChanging()
{
    tabChanged();
}

void TcxTabSheet::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange)
        tabChanged();
    TControl::changeEvent(e);
}

void TcxTabSheet::showEvent(QShowEvent *e)
{
    TControl::showEvent(e);
    emit OnShow();
}

void TcxTabSheet::hideEvent(QHideEvent *e)
{
    TControl::hideEvent(e);
    emit OnHide();
}

void TcxTabSheet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ResolvedColor());
}

void TcxTabSheet::mousePressEvent(QMouseEvent *e)
{
    e->accept();
}

void TcxTabSheet::mouseDoubleClickEvent(QMouseEvent *e)
{
    e->accept();
}

TcxPageControl::TcxPageControl(QWidget *parent)
    : TControl(parent), m_lookAndFeel(new dorvane::display::LookAndFeel(this))
{
    resize(289, 193);
    TControl::SetTabStop(true);
    SetFocusable(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    qApp->installEventFilter(this);
    connect(m_lookAndFeel, &dorvane::display::LookAndFeel::Changed, this, qOverload<>(&QWidget::update));
}

TcxPageControl::~TcxPageControl()
{
    // The pages die with this control's widget; they must not call back into it.
    for (TcxTabSheet *page : std::as_const(m_pages))
        page->m_pageControl = nullptr;
    m_pages.clear();
}

void TcxPageControl::InsertControl(QObject *child)
{
    auto *page = qobject_cast<TcxTabSheet *>(child);
    if (!page || m_pages.contains(page))
        return;
    if (page->m_pageControl && page->m_pageControl != this)
        page->m_pageControl->removePage(page);
    if (page->parentWidget() != this)
        page->setParent(this);
    page->m_pageControl = this;
    m_pages.append(page);
    page->setGeometry(PageArea());
    page->setVisible(page == m_activePage);
    tabsChanged();
}

void TcxPageControl::BeginLoading()
{
    TControl::BeginLoading();
    m_pendingPage = nullptr;
    m_pendingTab = -2;
}

void TcxPageControl::Loaded()
{
    TControl::Loaded();
    TcxTabSheet *target = m_activePage;
    if (m_pendingPage)
        target = m_pendingPage;
    else if (m_pendingTab >= 0)
        target = Pages(m_pendingTab);
    m_pendingPage = nullptr;
    m_pendingTab = -2;
    if (target && !target->isEnabledTo(this)) {
        target = nullptr;
        for (TcxTabSheet *page : std::as_const(m_pages))
            if (page->isEnabledTo(this) && page->TabVisible()) {
                target = page;
                break;
            }
    }
    {
        UpdateLock lock(this);
        changeActivePage(target);
    }
    for (TcxTabSheet *page : std::as_const(m_pages))
        page->setVisible(page == m_activePage);
    placePages();
    tabsChanged();
}

int TcxPageControl::IndexOfPage(const TcxTabSheet *page) const
{
    for (int i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == page)
            return i;
    return -1;
}

void TcxPageControl::SetFocusable(bool v)
{
    m_focusable = v;
    // Clicks focus the control only on the tab band, which the press handler decides.
    setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}

void TcxPageControl::SetTabPosition(TcxTabPosition p)
{
    if (p == m_tabPosition)
        return;
    m_tabPosition = p;
    placePages();
    update();
}

void TcxPageControl::SetTabHeight(int v)
{
    m_tabHeight = std::max(0, v);
    placePages();
    update();
}

void TcxPageControl::SetTabWidth(int v)
{
    m_tabWidth = std::max(0, v);
    update();
}

void TcxPageControl::SetActivePage(TcxTabSheet *page)
{
    if (page && page->m_pageControl != this)
        return;
    if (IsLoading()) {
        m_pendingPage = page;
        return;
    }
    if (page == m_activePage)
        return;
    changeActivePage(page);
}

bool TcxPageControl::allowChange(TcxTabSheet *page)
{
    if (changesLocked())
        return true;
    bool allow = true;
    emit OnPageChanging(page, &allow);
    return allow;
}

void TcxPageControl::SelectTab(int index)
{
    if (IsLoading()) {
        m_pendingTab = index;
        return;
    }
    if (index < -1 || index >= m_pages.size())
        return;
    if (index != -1 && !m_pages[index]->TabVisible())
        index = -1;
    if (index == m_selectedTab)
        return;
    TcxTabSheet *page = index == -1 ? nullptr : m_pages[index];
    if (page && !allowChange(page))
        return;
    m_selectedTab = index;
    bool changed;
    {
        UpdateLock lock(this);
        changed = changeActivePage(page);
    }
    if (changed && !changesLocked())
        emit OnChange();
    m_firstShownTab = dorvane::firstTabShowing(tabRowRect(), tabWidths(), tabVisibility(), m_firstShownTab, m_selectedTab);
    update();
}

QWidget *TcxPageControl::firstFocusableIn(QWidget *page)
{
    QWidget *fallback = nullptr;
    for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || !w->isEnabled() || !w->isVisible() || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (w->focusPolicy() & Qt::TabFocus)
            return w;
        if (!fallback)
            fallback = w;
    }
    return fallback;
}

bool TcxPageControl::changeActivePage(TcxTabSheet *page)
{
    TcxTabSheet *current = m_activePage;
    if (page == current)
        return false;
    if (!allowChange(page))
        return false;
    // Leaving the page runs its exit handlers first; one that keeps the focus inside stops the change.
    if (QWidget *focus = QApplication::focusWidget(); current && focus && current->isAncestorOf(focus)) {
        current->setFocus(Qt::OtherFocusReason);
        if (QApplication::focusWidget() != current) {
            m_selectedTab = current->TabVisible() ? IndexOfPage(current) : -1;
            update();
            return false;
        }
    }
    const dorvane::AccessibleChange leaving(current), arriving(page);
    const bool focusOnCurrent = current && QApplication::focusWidget() == current;
    if (page) {
        page->setGeometry(PageArea());
        page->raise();
        page->show();
        if (focusOnCurrent) {
            if (page->isEnabled() && page->isVisible())
                page->setFocus(Qt::OtherFocusReason);
            else
                setFocus(Qt::OtherFocusReason);
        }
    } else if (focusOnCurrent) {
        setFocus(Qt::OtherFocusReason); // nowhere else to go once the page hides
    }
    if (current)
        current->hide();
    m_activePage = page;
    m_selectedTab = page && page->TabVisible() ? IndexOfPage(page) : -1;
    if (!changesLocked())
        emit OnChange();
    if (page && QApplication::focusWidget() == page)
        if (QWidget *first = firstFocusableIn(page))
            first->setFocus(Qt::TabFocusReason);
    if (page && hasFocus())
        dorvane::announceFocus(page); // the keys stay with the tabs; a screen reader follows the new one
    update();
    return true;
}

void TcxPageControl::removePage(TcxTabSheet *page)
{
    const int index = IndexOfPage(page);
    if (index < 0)
        return;
    page->m_pageControl = nullptr;
    if (page != m_activePage) {
        m_pages.removeAt(index);
        tabsChanged();
        return;
    }
    TcxTabSheet *next = nullptr;
    for (int k = 1; k < m_pages.size(); ++k)
        if (TcxTabSheet *candidate = m_pages[(index + k) % m_pages.size()]; candidate->TabVisible()) {
            next = candidate;
            break;
        }
    if (QWidget *focus = QApplication::focusWidget(); focus && (focus == page || page->isAncestorOf(focus)))
        setFocus(Qt::OtherFocusReason);
    m_pages.removeAt(index);
    m_activePage = nullptr;
    m_selectedTab = -1;
    if (next)
        changeActivePage(next);
    tabsChanged();
}

void TcxPageControl::tabsChanged()
{
    m_selectedTab = m_activePage && m_activePage->TabVisible() ? IndexOfPage(m_activePage) : -1;
    m_firstShownTab = std::min(m_firstShownTab, std::max(0, int(m_pages.size()) - 1));
    update();
}

int TcxPageControl::tabBandHeight() const
{
    const int tab = m_tabHeight > 0 ? m_tabHeight : QFontMetrics(Font()->toQFont()).height() + 6;
    return tab + 2 * FrameWidth;
}

QRect TcxPageControl::PageArea() const
{
    const int band = tabBandHeight();
    const QRect all = rect();
    if (m_tabPosition == tpBottom)
        return QRect(FrameWidth, FrameWidth, all.width() - 2 * FrameWidth, all.height() - band - FrameWidth);
    // Tabs on the left or right run along the top as well: one row of upright tabs the user can
    // see and click, rather than a band beside the pages.
    return QRect(FrameWidth, band, all.width() - 2 * FrameWidth, all.height() - band - FrameWidth);
}

QRect TcxPageControl::tabRowRect() const
{
    const int tab = tabBandHeight() - 2 * FrameWidth;
    const QRect area = PageArea();
    if (m_tabPosition == tpBottom)
        return QRect(FrameWidth, area.bottom() + 1 + FrameWidth, width() - 2 * FrameWidth, tab);
    return QRect(FrameWidth, area.top() - FrameWidth - tab, width() - 2 * FrameWidth, tab);
}

QList<int> TcxPageControl::tabWidths() const
{
    const QFontMetrics metrics(Font()->toQFont());
    QList<int> widths;
    for (const TcxTabSheet *page : m_pages) {
        const int text = metrics.boundingRect(QRect(), Qt::TextShowMnemonic, page->Caption()).width();
        widths << (m_tabWidth > 0 ? m_tabWidth : text + 2 * TabTextPadding);
    }
    return widths;
}

QList<bool> TcxPageControl::tabVisibility() const
{
    QList<bool> visible;
    for (const TcxTabSheet *page : m_pages)
        visible << page->TabVisible();
    return visible;
}

dorvane::TabRowLayout TcxPageControl::rowLayout() const
{
    return dorvane::layoutTabRow(tabRowRect(), tabWidths(), tabVisibility(), m_firstShownTab);
}

QRect TcxPageControl::TabRect(int index) const
{
    return rowLayout().tabs.value(index);
}

bool TcxPageControl::TabsOverflow() const
{
    return rowLayout().overflow;
}

void TcxPageControl::ScrollTabs(int step)
{
    if (!TabsOverflow())
        return;
    const int first = dorvane::scrolledFirstTab(tabVisibility(), m_firstShownTab, step);
    if (first != m_firstShownTab) {
        m_firstShownTab = first;
        update();
    }
}

void TcxPageControl::placePages()
{
    const QRect area = PageArea();
    for (TcxTabSheet *page : std::as_const(m_pages))
        page->setGeometry(area);
}

bool TcxPageControl::tabSelectable(int index) const
{
    const TcxTabSheet *page = m_pages.value(index);
    return page && page->TabVisible() && page->isEnabledTo(this);
}

int TcxPageControl::nextSelectableTab(int from, int direction, bool wrap) const
{
    const int count = m_pages.size();
    int i = from;
    for (int step = 0; step < count; ++step) {
        i += direction;
        if (i < 0 || i >= count) {
            if (!wrap)
                return -1;
            i = direction > 0 ? 0 : count - 1;
        }
        if (i == from)
            return -1;
        if (tabSelectable(i))
            return i;
    }
    return -1;
}

int TcxPageControl::acceleratorTab(const QString &letter) const
{
    for (int i = 0; i < m_pages.size(); ++i) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(m_pages[i]->Caption());
        if (!mnemonic.isEmpty() && mnemonic == QKeySequence(QStringLiteral("Alt+") + letter.toUpper()))
            return i;
    }
    return -1;
}

bool TcxPageControl::HandleKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (isAltOnly(modifiers))
        return false;
    int target = -2;
    switch (key) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        target = nextSelectableTab(m_selectedTab, 1, false);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        target = m_selectedTab < 0 ? -1 : nextSelectableTab(m_selectedTab, -1, false);
        break;
    case Qt::Key_Home:
        target = nextSelectableTab(-1, 1, false);
        break;
    case Qt::Key_End:
        target = nextSelectableTab(int(m_pages.size()), -1, false);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return true; // no separate keyboard-focus tab in this style
    default:
        return false;
    }
    if (target >= 0)
        SelectTab(target);
    return true;
}

bool TcxPageControl::HandleDialogKey(int key, Qt::KeyboardModifiers modifiers)
{
    if ((key != Qt::Key_Tab && key != Qt::Key_Backtab) || !(modifiers & Qt::ControlModifier)
        || (modifiers & Qt::AltModifier))
        return false;
    const bool backwards = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
    const int target = nextSelectableTab(m_selectedTab, backwards ? -1 : 1, true);
    if (target >= 0)
        SelectTab(target);
    return true;
}

bool TcxPageControl::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() != QEvent::KeyPress || !isVisible() || !isEnabled())
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget != QApplication::focusWidget())
        return false; // each key once, at the focused control
    auto *key = static_cast<QKeyEvent *>(e);
    if ((widget == this || isAncestorOf(widget)) && HandleDialogKey(key->key(), key->modifiers()))
        return true;
    if (widget->window() == window() && isAltOnly(key->modifiers()) && !key->text().isEmpty()) {
        const int tab = acceleratorTab(key->text());
        if (tab >= 0 && tabSelectable(tab)) {
            SelectTab(tab);
            if (m_focusable)
                setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return false;
}

void TcxPageControl::keyPressEvent(QKeyEvent *e)
{
    // A key that a control on a page leaves unhandled bubbles up to here; only the control's
    // own keys turn the page.
    if (hasFocus() && HandleKey(e->key(), e->modifiers()))
        e->accept();
    else
        TControl::keyPressEvent(e);
}

void TcxPageControl::pressAt(const QPoint &point, Qt::MouseButton button, bool secondPressOfDouble)
{
    if (!secondPressOfDouble && m_focusable && isEnabled() && isVisible() && !hasFocus()) {
        setFocus(Qt::MouseFocusReason);
        // A control on the page that refused to let the focus go keeps its page as well. The
        // window's own record is asked: an error box it raised may leave the window inactive.
        const QWidget *focus = window()->focusWidget();
        if (focus != this && m_activePage && focus && m_activePage->isAncestorOf(focus))
            return;
    }
    if (button != Qt::LeftButton)
        return;
    const dorvane::TabRowLayout layout = rowLayout();
    if (layout.overflow && layout.scrollBack.contains(point)) {
        ScrollTabs(-1);
        return;
    }
    if (layout.overflow && layout.scrollForward.contains(point)) {
        ScrollTabs(1);
        return;
    }
    const int tab = layout.tabAt(point);
    if (tab >= 0 && m_pages[tab]->isEnabledTo(this))
        SelectTab(tab);
}

void TcxPageControl::mousePressEvent(QMouseEvent *e)
{
    pressAt(e->position().toPoint(), e->button(), false);
    e->accept();
}

void TcxPageControl::mouseDoubleClickEvent(QMouseEvent *e)
{
    pressAt(e->position().toPoint(), e->button(), true);
    e->accept();
}

void TcxPageControl::wheelEvent(QWheelEvent *e)
{
    if (!tabRowRect().contains(e->position().toPoint())) {
        e->ignore();
        return;
    }
    const int delta = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
    if (delta != 0)
        ScrollTabs(delta > 0 ? -1 : 1);
    e->accept();
}

void TcxPageControl::resizeEvent(QResizeEvent *e)
{
    TControl::resizeEvent(e);
    placePages();
}

void TcxPageControl::FontChanging()
{
    TControl::FontChanging();
    placePages();
}

void TcxPageControl::focusInEvent(QFocusEvent *e)
{
    TControl::focusInEvent(e);
    update();
    // A screen reader hears the tabs get the focus as a list it cannot look into (Qt offers it
    // no selection of the tabs): once that is told, the focus it follows moves on to the tab of
    // the page shown, as it does when the page changes.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && m_activePage)
            dorvane::announceFocus(m_activePage);
    });
}

void TcxPageControl::focusOutEvent(QFocusEvent *e)
{
    TControl::focusOutEvent(e);
    update();
}

void TcxPageControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ResolvedColor());
    const QPalette &pal = palette();
    const bool bottom = m_tabPosition == tpBottom;
    const dorvane::TabRowLayout layout = rowLayout();

    // The page frame: a raised edge two pixels wide around the page area.
    const QRect frame = PageArea().adjusted(-FrameWidth, -FrameWidth, FrameWidth - 1, FrameWidth - 1);
    auto hline = [&](int x1, int x2, int y, const QColor &c) { painter.setPen(c); painter.drawLine(x1, y, x2, y); };
    auto vline = [&](int x, int y1, int y2, const QColor &c) { painter.setPen(c); painter.drawLine(x, y1, x, y2); };
    hline(frame.left(), frame.right(), frame.top(), pal.color(QPalette::Light));
    hline(frame.left() + 1, frame.right() - 1, frame.top() + 1, pal.color(QPalette::Midlight));
    vline(frame.left(), frame.top(), frame.bottom(), pal.color(QPalette::Light));
    vline(frame.left() + 1, frame.top() + 1, frame.bottom() - 1, pal.color(QPalette::Midlight));
    hline(frame.left(), frame.right(), frame.bottom(), pal.color(QPalette::Shadow));
    hline(frame.left() + 1, frame.right() - 1, frame.bottom() - 1, pal.color(QPalette::Dark));
    vline(frame.right(), frame.top(), frame.bottom(), pal.color(QPalette::Shadow));
    vline(frame.right() - 1, frame.top() + 1, frame.bottom() - 1, pal.color(QPalette::Dark));

    painter.setFont(Font()->toQFont());
    QList<int> shown;
    for (int i = 0; i < layout.tabs.size(); ++i)
        if (!layout.tabs[i].isEmpty() && i != m_selectedTab)
            shown << i;
    if (m_selectedTab >= 0 && !layout.tabs.value(m_selectedTab).isEmpty())
        shown << m_selectedTab; // last, so that it overlaps its neighbours and the frame
    for (int i : std::as_const(shown)) {
        const TcxTabSheet *page = m_pages[i];
        const bool selected = i == m_selectedTab;
        QRect tab = layout.tabs[i];
        if (selected)
            tab.adjust(-FrameWidth, bottom ? -FrameWidth : 0, FrameWidth, bottom ? 0 : FrameWidth);
        else
            tab.adjust(0, bottom ? 0 : FrameWidth, 0, bottom ? -FrameWidth : 0);
        painter.fillRect(tab, ResolvedColor());
        const int open = bottom ? tab.top() : tab.bottom();   // the edge joined to the page
        const int closed = bottom ? tab.bottom() : tab.top(); // the free edge
        vline(tab.left(), std::min(open, closed) + 1, std::max(open, closed) - 1, pal.color(QPalette::Light));
        vline(tab.right(), std::min(open, closed) + 1, std::max(open, closed) - 1, pal.color(QPalette::Shadow));
        vline(tab.right() - 1, std::min(open, closed) + 1, std::max(open, closed) - 1, pal.color(QPalette::Dark));
        hline(tab.left() + 1, tab.right() - 1, closed, pal.color(bottom ? QPalette::Shadow : QPalette::Light));
        if (bottom)
            hline(tab.left() + 1, tab.right() - 2, closed - 1, pal.color(QPalette::Dark));
        if (!selected)
            hline(tab.left(), tab.right(), bottom ? open - 1 : open + 1, ResolvedColor()); // sits apart from the frame
        const QRect text = layout.tabs[i].adjusted(0, bottom ? 0 : FrameWidth, 0, bottom ? -FrameWidth : 0);
        QColor ink = dorvane::toQColor(Font()->Color(), pal);
        if (page->Highlighted())
            ink = pal.color(QPalette::Highlight);
        if (!page->isEnabledTo(this)) {
            painter.setPen(pal.color(QPalette::Light));
            painter.drawText(text.translated(1, 1), Qt::AlignCenter | Qt::TextShowMnemonic, page->Caption());
            ink = pal.color(QPalette::Dark);
        }
        painter.setPen(ink);
        painter.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, page->Caption());
        if (selected && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = painter.boundingRect(text, Qt::AlignCenter | Qt::TextShowMnemonic, page->Caption()).adjusted(-2, -1, 2, 1);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
    if (layout.overflow) {
        for (const auto &[area, arrow] : {std::pair{layout.scrollBack, QStyle::PE_IndicatorArrowLeft},
                                          std::pair{layout.scrollForward, QStyle::PE_IndicatorArrowRight}}) {
            QStyleOption option;
            option.initFrom(this);
            option.rect = area;
            qDrawShadePanel(&painter, area, pal, false, 1, &pal.brush(QPalette::Button));
            option.rect = area.adjusted(3, 3, -3, -3);
            style()->drawPrimitive(arrow, &option, &painter, this);
        }
    }
}
