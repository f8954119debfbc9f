#include "ui/hamlog_query_thread.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace pelorin::ui {
namespace {

// Records the threads it is made, used and destroyed on.
struct ThreadRecordingPort : hamlog::HamlogPort {
    explicit ThreadRecordingPort(std::atomic<QThread*>& destroyedOn) : destroyedOn_(destroyedOn) {}
    ~ThreadRecordingPort() override { destroyedOn_ = QThread::currentThread(); }
    void EnumerateWindows(const std::function<bool(const hamlog::WindowInfo&)>&) override {}
    hamlog::SendResult Send(hamlog::WindowHandle, std::uint32_t, std::string_view,
                            std::chrono::milliseconds) override {
        return {};
    }
    QThread* madeOn = QThread::currentThread();
    std::atomic<QThread*>& destroyedOn_;
};

bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 5000);
}

TEST(HamlogQueryThreadTest, PortLivesOnTheQueryThreadAndDoneRunsOnTheCaller) {
    std::atomic<QThread*> destroyedOn = nullptr;
    std::atomic<int> portsMade = 0;
    QThread* queryThread = nullptr;
    {
        HamlogQueryThread query([&]() -> std::unique_ptr<hamlog::HamlogPort> {
            ++portsMade;
            return std::make_unique<ThreadRecordingPort>(destroyedOn);
        });
        QObject context;
        for (int round = 0; round < 2; ++round) {
            QThread* doneOn = nullptr;
            ASSERT_TRUE(query.Run(
                [&](hamlog::HamlogPort& port) {
                    queryThread = QThread::currentThread();
                    EXPECT_EQ(static_cast<ThreadRecordingPort&>(port).madeOn, queryThread);
                },
                &context, [&] { doneOn = QThread::currentThread(); }));
            ASSERT_TRUE(WaitFor([&] { return doneOn != nullptr; }));
            EXPECT_EQ(doneOn, QThread::currentThread());
            EXPECT_NE(queryThread, QThread::currentThread());
            EXPECT_FALSE(query.Busy());
        }
    }
    EXPECT_EQ(portsMade, 1);
    EXPECT_EQ(destroyedOn, queryThread);
}

TEST(HamlogQueryThreadTest, StaysResponsiveAndRefusesASecondRunWhileBusy) {
    std::atomic<QThread*> destroyedOn = nullptr;
    HamlogQueryThread query([&] { return std::make_unique<ThreadRecordingPort>(destroyedOn); });
    QObject context;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);

    bool done = false;
    ASSERT_TRUE(query.Run(
        [](hamlog::HamlogPort&) { std::this_thread::sleep_for(std::chrono::milliseconds(400)); },
        &context, [&] { done = true; }));
    EXPECT_TRUE(query.Busy());
    EXPECT_FALSE(query.Run([](hamlog::HamlogPort&) { ADD_FAILURE(); }, &context, [] {}));
    ASSERT_TRUE(WaitFor([&] { return done; }));
    EXPECT_GE(ticks, 3);
}

TEST(HamlogQueryThreadTest, DoneIsSkippedWhenItsContextIsGone) {
    std::atomic<QThread*> destroyedOn = nullptr;
    HamlogQueryThread query([&] { return std::make_unique<ThreadRecordingPort>(destroyedOn); });
    bool done = false;
    {
        QObject context;
        ASSERT_TRUE(query.Run(
            [](hamlog::HamlogPort&) { std::this_thread::sleep_for(std::chrono::milliseconds(50)); },
            &context, [&] { done = true; }));
    }
    ASSERT_TRUE(WaitFor([&] { return !query.Busy(); }));
    EXPECT_FALSE(done);
}

} // namespace
} // namespace pelorin::ui
