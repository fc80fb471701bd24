// The "Share on the network" dialog as a user works it, on loopback, and the QR codes it shows.
#include "share_test_client.h"

#include "app/share/qr_image.h"
#include "app/share/share_dialog.h"
#include "app/share/sharing.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUdpSocket>

using namespace dorvane;
using namespace dorvane::test;

namespace {

TEST(ShareQrCode, HasItsFinderPatternsInsideAWhiteMarginAndRefusesWhatCannotFit)
{
    const QImage code = qrCodeImage(QStringLiteral("http://192.168.1.20:4747/control?key=0123456789abcdef0123456789abcdef"));
    ASSERT_FALSE(code.isNull());
    ASSERT_EQ(code.width(), code.height());
    const int modules = code.width() - 8;
    EXPECT_EQ((modules - 17) % 4, 0) << "a QR code is 21, 25, 29, … modules wide";
    const auto dark = [&](int x, int y) { return code.pixelIndex(x + 4, y + 4) == 1; };
    for (int i = -4; i < code.width() - 4; ++i)
        ASSERT_FALSE(code.pixelIndex(i + 4, 0) == 1 || code.pixelIndex(0, i + 4) == 1) << "margin";
    // The three corner squares: a dark ring, a light ring, a dark centre.
    for (const QPoint corner : {QPoint(0, 0), QPoint(modules - 7, 0), QPoint(0, modules - 7)}) {
        for (int i = 0; i < 7; ++i) {
            EXPECT_TRUE(dark(corner.x() + i, corner.y()) && dark(corner.x(), corner.y() + i));
        }
        EXPECT_FALSE(dark(corner.x() + 1, corner.y() + 1));
        EXPECT_TRUE(dark(corner.x() + 3, corner.y() + 3));
    }
    EXPECT_TRUE(qrCodeImage(QString(8000, QLatin1Char('x'))).isNull());
}

class ShareDialogTest : public SharedClock
{
protected:
    void SetUp() override
    {
        SharedClock::SetUp();
        ASSERT_TRUE(dir.isValid());
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        NetworkSettings settings;
        settings.port = probe.serverPort();
        settings.listen = NetworkSettings::Listen::ThisComputer;
        probe.close();
        sharing = std::make_unique<Sharing>(
            commands, settings, [this](const NetworkSettings &kept) { saved = kept; return true; },
            dir.filePath(QStringLiteral("dorvane/sharing.keys")));
        port = quint16(settings.port);
    }

    QTemporaryDir dir;
    std::unique_ptr<Sharing> sharing;
    NetworkSettings saved;
};

TEST_F(ShareDialogTest, TurningItOnShowsLinksWithCodesCountsScreensAndNewLinksReplaceThem)
{
    ShareDialog dialog(*sharing);
    auto *on = dialog.findChild<QCheckBox *>(QStringLiteral("shareOn"));
    auto *viewLink = dialog.findChild<QLineEdit *>(QStringLiteral("shareLink0"));
    auto *controlLink = dialog.findChild<QLineEdit *>(QStringLiteral("shareLink2"));
    auto *screens = dialog.findChild<QLabel *>(QStringLiteral("shareScreens"));
    ASSERT_TRUE(on && viewLink && controlLink && screens);
    QString error;
    EXPECT_TRUE(sharing->resume(error));
    EXPECT_FALSE(sharing->isOn()) << "nothing listens until the user says so";
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("dorvane/sharing.keys")))) << "nor is a key made";
    EXPECT_TRUE(viewLink->text().isEmpty());

    on->click();
    ASSERT_TRUE(sharing->isOn()) << dialog.findChild<QLabel *>(QStringLiteral("shareProblem"))->text().toStdString();
    EXPECT_TRUE(saved.sharing);
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(port);
    EXPECT_TRUE(viewLink->text().startsWith(base + QStringLiteral("view?key="))) << viewLink->text().toStdString();
    EXPECT_TRUE(controlLink->text().startsWith(base + QStringLiteral("control?key=")));
    EXPECT_FALSE(dialog.findChild<QLabel *>(QStringLiteral("shareCode2"))->pixmap().isNull());

    const QByteArray viewKey = viewLink->text().section(QStringLiteral("key="), 1).toLatin1();
    std::unique_ptr<QWebSocket> screen = live(viewKey);
    EXPECT_TRUE(DORVANE_WAIT_FOR(screens->text() == QStringLiteral("1 screen connected")));

    const QString before = viewLink->text();
    dialog.findChild<QPushButton *>(QStringLiteral("shareNewLinks"))->click();
    EXPECT_NE(viewLink->text(), before);
    EXPECT_TRUE(DORVANE_WAIT_FOR(screens->text() == QStringLiteral("0 screens connected")));
    EXPECT_TRUE(DORVANE_WAIT_FOR(screen->state() == QAbstractSocket::UnconnectedState));

    on->click();
    EXPECT_FALSE(sharing->isOn());
    EXPECT_FALSE(saved.sharing);
    EXPECT_TRUE(viewLink->text().isEmpty());
    QTcpSocket after;
    after.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_FALSE(after.waitForConnected(1000));
}

TEST_F(ShareDialogTest, OscTakesOnlyAListOfAddressesAndSaysWhenNoOneIsListed)
{
    ShareDialog dialog(*sharing);
    auto *osc = dialog.findChild<QCheckBox *>(QStringLiteral("shareOsc"));
    auto *senders = dialog.findChild<QLineEdit *>(QStringLiteral("shareOscAllowed"));
    auto *state = dialog.findChild<QLabel *>(QStringLiteral("shareOscState"));
    auto *problem = dialog.findChild<QLabel *>(QStringLiteral("shareProblem"));
    ASSERT_TRUE(osc && senders && state && problem);
    EXPECT_EQ(dialog.findChild<QSpinBox *>(QStringLiteral("shareOscPort"))->value(), 4748);
    EXPECT_EQ(state->text(), QStringLiteral("OSC is off."));

    QUdpSocket probe;
    ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
    const quint16 oscPort = probe.localPort();
    probe.close();
    dialog.findChild<QSpinBox *>(QStringLiteral("shareOscPort"))->setValue(oscPort);
    dialog.findChild<QCheckBox *>(QStringLiteral("shareOn"))->click();
    osc->click();
    EXPECT_TRUE(saved.osc);
    EXPECT_EQ(state->text(), QStringLiteral("OSC is taken from no address until you list one."));

    senders->setText(QStringLiteral("127.0.0.1, mixer.local"));
    emit senders->editingFinished();
    EXPECT_EQ(problem->text(), QStringLiteral("'mixer.local' is not an IPv4 or IPv6 address."));
    EXPECT_TRUE(saved.oscAllowed.empty());
    EXPECT_EQ(senders->text(), QStringLiteral("127.0.0.1, mixer.local")) << "left for the user to mend";

    senders->setText(QStringLiteral("127.0.0.1 ::1"));
    emit senders->editingFinished();
    EXPECT_EQ(saved.oscAllowed, "127.0.0.1 ::1");
    EXPECT_TRUE(problem->text().isEmpty()) << problem->text().toStdString();
    EXPECT_TRUE(state->text().startsWith(QStringLiteral("OSC on UDP port %1: 0 commands taken").arg(oscPort)))
        << state->text().toStdString();
}

} // namespace
