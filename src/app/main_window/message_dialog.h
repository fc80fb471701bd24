#pragma once
#include <QDialog>
#include <QStringList>

class QComboBox;

namespace dorvane {

// `recent` with `message` put first, once, and no more than `limit` kept.
QStringList withRecentMessage(QStringList recent, const QString &message, int limit);

// Asks for the line of text for the speaker: typed, or picked from the recent ones, which the
// list offers latest first. Its text is empty until the user types or picks.
class MessageDialog final : public QDialog
{
    Q_OBJECT
public:
    // `longest`: the most characters a message may have.
    MessageDialog(const QStringList &recent, int longest, QWidget *parent);

    QString Text() const;
    QComboBox *Field() const { return m_field; }

private:
    QComboBox *m_field;
};

} // namespace dorvane
