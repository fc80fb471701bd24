#pragma once
#include <QStringList>

// Messages that reached the test application's general error report, oldest first.
QStringList &reportedErrors();
