#include "app/raise_channel.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

using pelorin::app::AskRunningInstanceToRaise;
using pelorin::app::RaiseListener;

TEST(RaiseChannel, SecondStartReachesTheRunningInstance) {
    const QString channel =
        QString("/tmp/pelorin-raise-test-%1.sock").arg(QCoreApplication::applicationPid());
    int raised = 0;
    RaiseListener listener(channel, [&] { ++raised; });
    // The asking side blocks; let it run beside the listener's event loop.
    EXPECT_TRUE(AskRunningInstanceToRaise(channel));
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 3000));
    EXPECT_FALSE(AskRunningInstanceToRaise(channel + ".none"));
}
