#pragma once
// Waiting for Qt event delivery inside GoogleTest. QTest's QTRY_* macros only return from the
// enclosing function on failure, which GoogleTest does not see; these report a real failure.
#include <QTest>

// True once `expr` holds, processing events for at most five seconds.
#define DORVANE_WAIT_FOR(expr) (QTest::qWaitFor([&]() { return static_cast<bool>(expr); }, 5000))
