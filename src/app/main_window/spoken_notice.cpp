#include "spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace dorvane {

namespace {

class AccessibleNotice final : public QAccessibleWidget
{
public:
    explicit AccessibleNotice(SpokenNotice *notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const SpokenNotice *>(widget())->Text() : QString();
    }
};

QAccessibleInterface *noticeInterface(const QString &, QObject *object)
{
    auto *notice = qobject_cast<SpokenNotice *>(object);
    return notice ? new AccessibleNotice(notice) : nullptr;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget *window) : QWidget(window)
{
    installSpokenNoticeInterface();
    setObjectName(QStringLiteral("SpokenNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Never on the screen: shown with its window, it would be read out with no text.
    setVisible(false);
}

void SpokenNotice::Say(const QString &text)
{
    m_text = text;
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    // Told once the events of the action that caused it are out: a focus moving with it would
    // otherwise be read after it and cut it short.
    QTimer::singleShot(0, this, [this, text] {
        if (m_text != text)
            return; // a later notice replaced this one before it was told
        // The new name first, so that a reader holding the old one reads it again; then the
        // showing that has the notification spoken (Orca asks no more of one than its name).
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    });
}

void installSpokenNoticeInterface()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(noticeInterface);
}

} // namespace dorvane
