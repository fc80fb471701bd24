// The application's general error report: what an exception that escapes a handler turns into.
#include "app/main_window/main_window_fixture.h"

#include "app/error_report.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <stdexcept>

using namespace dorvane;

namespace {

// An object whose handler fails on every event it is sent.
class FailingHandler final : public QObject
{
public:
    explicit FailingHandler(std::string message) : m_message(std::move(message)) {}
    int handled = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        ++handled;
        throw std::runtime_error(m_message);
    }

private:
    std::string m_message;
};

} // namespace

TEST(GeneralErrorText, AddsAFullStopOnlyAfterACharacterThatSortsAfterIt)
{
    EXPECT_EQ(GeneralErrorText(QStringLiteral("Range check error")), QStringLiteral("Range check error."));
    EXPECT_EQ(GeneralErrorText(QStringLiteral("Invalid numeric value.")), QStringLiteral("Invalid numeric value."));
    EXPECT_EQ(GeneralErrorText(QStringLiteral("Disk full!")), QStringLiteral("Disk full!"));   // '!' sorts before
    EXPECT_EQ(GeneralErrorText(QStringLiteral("Bad value (7)")), QStringLiteral("Bad value (7)"));
    EXPECT_EQ(GeneralErrorText(QStringLiteral("Ends in -")), QStringLiteral("Ends in -"));
    EXPECT_EQ(GeneralErrorText(QStringLiteral("Cannot open /tmp/")), QStringLiteral("Cannot open /tmp/."));
    EXPECT_EQ(GeneralErrorText(QStringLiteral("Value 42")), QStringLiteral("Value 42."));
    EXPECT_EQ(GeneralErrorText(QString()), QString());
}

TEST_F(MainWindowTest, AnExceptionThatEscapesAHandlerIsReportedAndTheProgramGoesOn)
{
    FailingHandler failing("Something broke");
    const bool reported = expectModalBox(
        [&] {
            QEvent event(QEvent::User);
            QCoreApplication::sendEvent(&failing, &event);
        },
        [](QMessageBox *box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Dorvane"));
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            EXPECT_EQ(box->text(), QStringLiteral("Something broke."));
            ASSERT_EQ(box->buttons().size(), 1);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            EXPECT_TRUE(box->isModal());
        });
    EXPECT_TRUE(reported);
    EXPECT_EQ(failing.handled, 1);

    // Later events are handled (and reported) in the same way.
    const bool again = expectModalBox(
        [&] { QCoreApplication::postEvent(&failing, new QEvent(QEvent::User)); QCoreApplication::processEvents(); },
        [](QMessageBox *box) { EXPECT_EQ(box->text(), QStringLiteral("Something broke.")); });
    EXPECT_TRUE(again);
    EXPECT_EQ(failing.handled, 2);
}
