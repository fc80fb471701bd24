#pragma once
#include <QString>
#include <QWidget>

namespace dorvane {

// Something a screen reader should say now, whichever control has the focus: an invisible
// notification in a window. Orca speaks a notification object whenever it is shown, and reads
// its name; a field's own change it speaks only while that field has the focus.
class SpokenNotice final : public QWidget
{
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget *window);

    // Says `text` through the screen reader, if one listens.
    void Say(const QString &text);
    QString Text() const { return m_text; }

private:
    QString m_text;
};

// Makes screen readers see each SpokenNotice as a notification named by its text.
void installSpokenNoticeInterface();

} // namespace dorvane
