#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "QtTestApp.h"
#include "platform_ui/QtUiServices.h"

// A long loop may ask for events on every line: they run when some 30 ms
// have passed since they last ran, and then at once.
TEST(EventPump, KeepResponsiveLetsEventsRunSomeMillisecondsApart) {
    testsupport::EnsureQApplication();
    QtUiServices services;
    int ran = 0;
    auto post = [&] { QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { ++ran; }, Qt::QueuedConnection); };

    services.KeepResponsive();  // never ran before: runs now
    QElapsedTimer since;
    since.start();
    post();
    services.KeepResponsive();
    // Skipped on a machine that stalled longer than the pace itself.
    if (since.elapsed() < 20) {
        EXPECT_EQ(ran, 0);
    }
    QThread::msleep(40);
    services.KeepResponsive();
    EXPECT_EQ(ran, 1);
    // DoEvents lets them run whenever it is called.
    post();
    services.DoEvents();
    EXPECT_EQ(ran, 2);
}
