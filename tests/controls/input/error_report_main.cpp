// Test entry for controls that raise their messages into the general error report: the
// application catches them in notify, as the program's own application object does, and keeps
// them for the tests to read.
#include "error_report.h"

#include "engine/error.h"

#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class ErrorReportingApplication final : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const dorvane::Error &error) {
            reportedErrors().append(QString::fromStdString(error.what()));
            return false;
        }
    }
};

} // namespace

QStringList &reportedErrors()
{
    static QStringList errors;
    return errors;
}

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale::c());
    ErrorReportingApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
