#include "tovcurl.h"

#include "controls/base/address_launcher.h"
#include "controls/base/platform.h"

#include <QCursor>
#include <QMouseEvent>
#include <QUrl>

TOvcURL::TOvcURL(QWidget *parent) : TCustomLabel(parent)
{
    setMouseTracking(true);
    SetCursor(crHandPoint);
    Font()->SetStyle(Font()->Style() | TFont::fsUnderline);
}

void TOvcURL::showText()
{
    SetCaption(m_caption.isEmpty() ? m_url : m_caption);
}

void TOvcURL::SetLinkCaption(const QString &caption)
{
    m_caption = caption;
    showText();
}

void TOvcURL::SetURL(const QString &url)
{
    m_url = url;
    if (m_caption.isEmpty())
        showText();
}

void TOvcURL::SetHighlightColor(int colour)
{
    m_highlightColor = colour == clNone ? Font()->Color() : colour;
    m_savedColor = Unsaved;
}

void TOvcURL::SetVisitedColor(int colour)
{
    m_visitedColor = colour == clNone ? Font()->Color() : colour;
    m_savedColor = Unsaved;
}

bool TOvcURL::UnderlineURL() const
{
    return Font()->Style() & TFont::fsUnderline;
}

void TOvcURL::SetUnderlineURL(bool v)
{
    const int style = v ? Font()->Style() | TFont::fsUnderline : Font()->Style() & ~TFont::fsUnderline;
    Font()->SetStyle(style);
}

void TOvcURL::SetCursor(int cursor)
{
    m_cursor = cursor;
    if (cursor == crHandPoint)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TOvcURL::Loaded()
{
    TCustomLabel::Loaded();
    m_savedColor = Unsaved;
}

void TOvcURL::mouseMoveEvent(QMouseEvent *e)
{
    TCustomLabel::mouseMoveEvent(e);
    HoverAt(e->position().toPoint());
}

void TOvcURL::HoverAt(const QPoint &point)
{
    if (!rect().contains(point) || m_pollTimer)
        return;
    if (m_savedColor == Unsaved)
        m_savedColor = Font()->Color();
    m_hoverReturnColor = m_savedColor;
    Font()->SetColor(m_highlightColor);
    m_pollTimer = new QTimer(this);
    m_pollTimer->setTimerType(Qt::PreciseTimer);
    m_pollTimer->setInterval(HoverPollInterval);
    connect(m_pollTimer, &QTimer::timeout, this, &TOvcURL::PollHover);
    m_pollTimer->start();
}

void TOvcURL::PollHover()
{
    if (!m_pollTimer || rect().contains(mapFromGlobal(QCursor::pos())))
        return;
    delete m_pollTimer;
    m_pollTimer = nullptr;
    Font()->SetColor(m_savedColor == Unsaved ? m_hoverReturnColor : m_savedColor);
    repaint();
}

void TOvcURL::Click()
{
    if (!m_url.isEmpty()) {
        const QUrl address = QUrl::fromUserInput(m_url.left(MaxAddressLength));
        if (address.isValid())
            dorvane::openAddress(address, [] { dorvane::Beep(); });
        else
            dorvane::Beep();
    }
    TCustomLabel::Click();
    if (m_useVisitedColor)
        m_savedColor = m_visitedColor;
}
