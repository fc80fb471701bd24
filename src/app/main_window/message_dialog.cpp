#include "message_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dorvane {

QStringList withRecentMessage(QStringList recent, const QString &message, int limit)
{
    recent.removeAll(message);
    recent.prepend(message);
    return recent.mid(0, limit);
}

MessageDialog::MessageDialog(const QStringList &recent, int longest, QWidget *parent)
    : QDialog(parent), m_field(new QComboBox(this))
{
    setObjectName(QStringLiteral("MessageDialog"));
    setWindowTitle(QStringLiteral("Message"));
    m_field->setObjectName(QStringLiteral("MessageText"));
    m_field->setEditable(true);
    // What is typed is the message; only OK takes it into the list of recent ones.
    m_field->setInsertPolicy(QComboBox::NoInsert);
    m_field->addItems(recent);
    m_field->setCurrentIndex(-1);
    m_field->lineEdit()->setMaxLength(longest);
    m_field->lineEdit()->setPlaceholderText(QStringLiteral("Wrap up"));
    m_field->setMinimumContentsLength(32);

    auto *caption = new QLabel(QStringLiteral("&Message to the speaker, shown under the time:"), this);
    caption->setBuddy(m_field);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
}

QString MessageDialog::Text() const
{
    return m_field->currentText();
}

} // namespace dorvane
