#include "share_dialog.h"

#include "app/share/qr_image.h"
#include "app/share/sharing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace dorvane {

namespace {
constexpr int kCodePixels = 160;
const char *const kPageCaptions[] = {"View: what the clock view shows", "Clock: the time of day",
                                     "Control: a remote for a phone"};
} // namespace

ShareDialog::ShareDialog(Sharing &sharing, QWidget *parent) : QDialog(parent), m_sharing(sharing)
{
    setWindowTitle(QStringLiteral("Share on the network"));
    auto *layout = new QVBoxLayout(this);

    m_on = new QCheckBox(QStringLiteral("Share this clock on the network"), this);
    m_on->setObjectName(QStringLiteral("shareOn"));
    layout->addWidget(m_on);

    auto *choices = new QFormLayout;
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("sharePort"));
    m_port->setRange(1024, 65535);
    choices->addRow(QStringLiteral("Port:"), m_port);
    m_listen = new QComboBox(this);
    m_listen->setObjectName(QStringLiteral("shareListen"));
    m_listen->addItem(QStringLiteral("Every address of the local network"));
    m_listen->addItem(QStringLiteral("This computer only"));
    choices->addRow(QStringLiteral("Listen on:"), m_listen);
    layout->addLayout(choices);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("shareProblem"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);

    auto *pages = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto *caption = new QLabel(QLatin1String(kPageCaptions[i]), this);
        m_pages[i].link = new QLineEdit(this);
        m_pages[i].link->setReadOnly(true);
        m_pages[i].link->setObjectName(QStringLiteral("shareLink%1").arg(i));
        caption->setBuddy(m_pages[i].link);
        m_pages[i].code = new QLabel(this);
        m_pages[i].code->setObjectName(QStringLiteral("shareCode%1").arg(i));
        m_pages[i].code->setFixedSize(kCodePixels, kCodePixels);
        m_pages[i].code->setAccessibleName(QStringLiteral("QR code of the link"));
        pages->addWidget(caption, 0, i);
        pages->addWidget(m_pages[i].link, 1, i);
        pages->addWidget(m_pages[i].code, 2, i);
    }
    layout->addLayout(pages);

    auto *bottom = new QHBoxLayout;
    m_newLinks = new QPushButton(QStringLiteral("New links"), this);
    m_newLinks->setObjectName(QStringLiteral("shareNewLinks"));
    m_newLinks->setToolTip(QStringLiteral("Every link given out so far stops working."));
    bottom->addWidget(m_newLinks);
    m_screens = new QLabel(this);
    m_screens->setObjectName(QStringLiteral("shareScreens"));
    bottom->addWidget(m_screens, 1);
    layout->addLayout(bottom);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    refresh();
    connect(m_on, &QCheckBox::toggled, this, &ShareDialog::applyChoices);
    connect(m_port, &QSpinBox::editingFinished, this, [this] {
        if (m_port->value() != m_sharing.settings().port)
            applyChoices();
    });
    connect(m_listen, qOverload<int>(&QComboBox::activated), this, &ShareDialog::applyChoices);
    connect(m_newLinks, &QPushButton::clicked, this, &ShareDialog::makeNewLinks);
    connect(&m_sharing, &Sharing::changed, this, &ShareDialog::refresh);
    connect(&m_sharing, &Sharing::screensChanged, this, &ShareDialog::showScreens);
}

void ShareDialog::applyChoices()
{
    NetworkSettings settings = m_sharing.settings();
    settings.sharing = m_on->isChecked();
    settings.port = m_port->value();
    settings.listen = m_listen->currentIndex() == 1 ? NetworkSettings::Listen::ThisComputer
                                                    : NetworkSettings::Listen::EveryAddress;
    QString error;
    m_sharing.apply(settings, error);
    refresh();
    m_problem->setText(error);
}

void ShareDialog::makeNewLinks()
{
    QString error;
    m_sharing.newLinks(error);
    m_problem->setText(error);
}

void ShareDialog::refresh()
{
    const NetworkSettings &settings = m_sharing.settings();
    const QSignalBlocker blockOn(m_on);
    m_on->setChecked(m_sharing.isOn());
    m_port->setValue(settings.port);
    m_listen->setCurrentIndex(settings.listen == NetworkSettings::Listen::ThisComputer ? 1 : 0);
    const std::optional<ShareLinks> links = m_sharing.links();
    const QUrl urls[] = {links ? links->view : QUrl(), links ? links->clock : QUrl(), links ? links->control : QUrl()};
    for (int i = 0; i < 3; ++i) {
        m_pages[i].link->setText(urls[i].toString());
        m_pages[i].link->setEnabled(links.has_value());
        const QImage code = links ? qrCodeImage(urls[i].toString()) : QImage();
        m_pages[i].code->setPixmap(
            code.isNull() ? QPixmap() : QPixmap::fromImage(code.scaled(kCodePixels, kCodePixels, Qt::KeepAspectRatio,
                                                                       Qt::FastTransformation)));
    }
    m_newLinks->setEnabled(links.has_value());
    showScreens(m_sharing.screens());
}

void ShareDialog::showScreens(int count)
{
    m_screens->setText(count == 1 ? QStringLiteral("1 screen connected")
                                  : QStringLiteral("%1 screens connected").arg(count));
}

} // namespace dorvane
