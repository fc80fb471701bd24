#pragma once
#include "tcustomlabel.h"

#include <QTimer>

// A label that acts as a hyperlink: it shows `Caption` (or the address when there is none),
// takes `HighlightColor` while the mouse is over it, and hands `URL` to the desktop on a click.
// The hover ends on a 100 ms poll of the cursor, not on leave events, so it also ends when the
// cursor jumps to another window.
class TOvcURL : public TCustomLabel
{
    Q_OBJECT
    // The stored caption; the text on show is TControl::Caption().
    Q_PROPERTY(QString Caption READ LinkCaption WRITE SetLinkCaption)
    Q_PROPERTY(int HighlightColor READ HighlightColor WRITE SetHighlightColor)
    Q_PROPERTY(bool UnderlineURL READ UnderlineURL WRITE SetUnderlineURL STORED false)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(bool UseVisitedColor READ UseVisitedColor WRITE SetUseVisitedColor)
    Q_PROPERTY(int VisitedColor READ VisitedColor WRITE SetVisitedColor)
    Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)

public:
    static constexpr int clNone = 0x1FFFFFFF;
    static constexpr int crHandPoint = -21;
    static constexpr int MaxAddressLength = 1023;
    static constexpr int HoverPollInterval = 100;

    explicit TOvcURL(QWidget *parent = nullptr);

    QString LinkCaption() const { return m_caption; }
    void SetLinkCaption(const QString &caption);
    QString URL() const { return m_url; }
    void SetURL(const QString &url);
    int HighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(int colour);
    int VisitedColor() const { return m_visitedColor; }
    void SetVisitedColor(int colour);
    bool UseVisitedColor() const { return m_useVisitedColor; }
    void SetUseVisitedColor(bool v) { m_useVisitedColor = v; }
    bool UnderlineURL() const;
    void SetUnderlineURL(bool v);
    int Cursor() const { return m_cursor; }
    void SetCursor(int cursor);

    void Loaded() override;
    // Hands the address to the desktop and returns without waiting for it; a launcher that
    // cannot start or reports failure beeps once it has ended.
    void Click() override;

    // A mouse move at `point` (client coordinates): starts the hover when inside.
    void HoverAt(const QPoint &point);
    // One tick of the hover poll: ends the hover once the cursor is outside the label.
    void PollHover();
    // The poll timer, present only while a hover is in progress.
    QTimer *PollTimer() const { return m_pollTimer; }
    bool Hovering() const { return m_pollTimer != nullptr; }

protected:
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void showText();
    static constexpr int Unsaved = 0x02000000;

    QString m_caption;
    QString m_url;
    int m_highlightColor = 0x0000FF;
    int m_visitedColor = 0x000000;
    bool m_useVisitedColor = false;
    int m_cursor = crHandPoint;
    int m_savedColor = Unsaved;
    // The colour this hover returns to should a colour setter mark the saved colour unsaved meanwhile.
    int m_hoverReturnColor = 0;
    QTimer *m_pollTimer = nullptr;
};
