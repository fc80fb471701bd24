#include "share_dialog.h"

#include "app/share/osc_server.h"
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
#include <algorithm>

namespace dorvane {

namespace {
constexpr int kCodePixels = 180;
const char *const kPageCaptions[] = {"View: what the clock view shows", "Clock: the time of day",
                                     "Control: a remote for a phone"};
// Every module the same whole number of pixels wide, so that a camera reads sharp squares.
QPixmap codePixmap(const QImage &code)
{
    if (code.isNull())
        return {};
    const int scale = std::max(1, kCodePixels / code.width());
    return QPixmap::fromImage(code.scaled(code.width() * scale, code.height() * scale, Qt::KeepAspectRatio,
                                          Qt::FastTransformation));
}

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
    addOscChoices(choices);
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
        m_pages[i].code->setAlignment(Qt::AlignCenter);
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
    connect(m_osc, &QCheckBox::toggled, this, &ShareDialog::applyChoices);
    connect(m_oscPort, &QSpinBox::editingFinished, this, [this] {
        if (m_oscPort->value() != m_sharing.settings().oscPort)
            applyChoices();
    });
    connect(m_oscSenders, &QLineEdit::editingFinished, this, [this] {
        if (m_oscSenders->text().toStdString() != m_sharing.settings().oscAllowed)
            applyChoices();
    });
    connect(&m_sharing, &Sharing::oscTallyChanged, this, &ShareDialog::refreshOsc);
    connect(m_newLinks, &QPushButton::clicked, this, &ShareDialog::makeNewLinks);
    connect(&m_sharing, &Sharing::changed, this, &ShareDialog::refresh);
    connect(&m_sharing, &Sharing::screensChanged, this, &ShareDialog::showScreens);
}

void ShareDialog::addOscChoices(QFormLayout *choices)
{
    m_osc = new QCheckBox(QStringLiteral("Take OSC commands while the clock is shared"), this);
    m_osc->setObjectName(QStringLiteral("shareOsc"));
    choices->addRow(QString(), m_osc);
    m_oscPort = new QSpinBox(this);
    m_oscPort->setObjectName(QStringLiteral("shareOscPort"));
    m_oscPort->setRange(1024, 65535);
    choices->addRow(QStringLiteral("OSC port (UDP):"), m_oscPort);
    m_oscSenders = new QLineEdit(this);
    m_oscSenders->setObjectName(QStringLiteral("shareOscAllowed"));
    m_oscSenders->setPlaceholderText(QStringLiteral("IPv4 or IPv6 addresses, e.g. 192.168.1.30, fe80::1"));
    m_oscSenders->setToolTip(QStringLiteral("Addresses only, separated by spaces or commas; no names or ranges."));
    // Typed by the user alone: never rewritten under their hands, even while it does not read.
    m_oscSenders->setText(QString::fromStdString(m_sharing.settings().oscAllowed));
    choices->addRow(QStringLiteral("Take OSC from:"), m_oscSenders);
    m_oscState = new QLabel(this);
    m_oscState->setObjectName(QStringLiteral("shareOscState"));
    m_oscState->setWordWrap(true);
    choices->addRow(QString(), m_oscState);
}

void ShareDialog::applyChoices()
{
    NetworkSettings settings = m_sharing.settings();
    settings.sharing = m_on->isChecked();
    settings.port = m_port->value();
    settings.listen = m_listen->currentIndex() == 1 ? NetworkSettings::Listen::ThisComputer
                                                    : NetworkSettings::Listen::EveryAddress;
    settings.osc = m_osc->isChecked();
    settings.oscPort = m_oscPort->value();
    // A list that does not read keeps the one before it; the problem says which word is wrong.
    QList<QHostAddress> senders;
    QString listError;
    if (parseOscSenders(m_oscSenders->text(), senders, listError))
        settings.oscAllowed = m_oscSenders->text().trimmed().toStdString();
    QString error;
    m_sharing.apply(settings, error);
    refresh();
    m_problem->setText(error.isEmpty() ? listError : error);
}

void ShareDialog::refreshOsc()
{
    const NetworkSettings &settings = m_sharing.settings();
    const OscTally *tally = m_sharing.oscTally();
    QString state;
    if (!settings.osc)
        state = QStringLiteral("OSC is off.");
    else if (settings.oscAllowed.empty())
        state = QStringLiteral("OSC is taken from no address until you list one.");
    else if (!tally)
        state = QStringLiteral("OSC listens once the clock is shared.");
    else
        state = QStringLiteral("OSC on UDP port %1: %2 commands taken, %3 ignored (%4 from an address not listed).")
                    .arg(settings.oscPort)
                    .arg(tally->taken)
                    .arg(tally->ignored())
                    .arg(tally->notListed);
    m_oscState->setText(state);
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
    const QSignalBlocker blockOsc(m_osc);
    m_osc->setChecked(settings.osc);
    m_oscPort->setValue(settings.oscPort);
    refreshOsc();
    const std::optional<ShareLinks> links = m_sharing.links();
    const QUrl urls[] = {links ? links->view : QUrl(), links ? links->clock : QUrl(), links ? links->control : QUrl()};
    for (int i = 0; i < 3; ++i) {
        m_pages[i].link->setText(urls[i].toString());
        m_pages[i].link->setCursorPosition(0); // the address first; the key runs off the end
        m_pages[i].link->setEnabled(links.has_value());
        m_pages[i].code->setPixmap(codePixmap(links ? qrCodeImage(urls[i].toString()) : QImage()));
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
