#include "app/instance_guard.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using pelorin::app::GuardOutcome;
using pelorin::app::TakeInstanceGuard;

namespace {

class InstanceGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_ = std::filesystem::temp_directory_path() /
                   ("pelorin_guard_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(runtime_);
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(runtime_); }

    // Runs `child` in a forked process and returns its exit code.
    static pid_t Fork(const std::function<int()>& child) {
        const pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(child());
        return pid;
    }
    static int Wait(pid_t pid) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::filesystem::path runtime_;
};

} // namespace

TEST_F(InstanceGuardTest, SecondTakerIsTurnedAwayOtherNamesAreNot) {
    ASSERT_EQ(TakeInstanceGuard("tolvarbrinsePelorin/a/pelorin"), GuardOutcome::Taken);
    const pid_t other = Fork([] {
        if (TakeInstanceGuard("tolvarbrinsePelorin/a/pelorin") != GuardOutcome::HeldByAnother)
            return 1;
        return TakeInstanceGuard("tolvarbrinsePelorin/b/pelorin") == GuardOutcome::Taken ? 0 : 2;
    });
    EXPECT_EQ(Wait(other), 0);
}

TEST_F(InstanceGuardTest, GuardDiesWithItsHolder) {
    const std::string name = "tolvarbrinsePelorin/crash/pelorin";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = Fork([&] {
        const bool taken = TakeInstanceGuard(name) == GuardOutcome::Taken;
        [[maybe_unused]] auto n = ::write(ready[1], "x", 1);
        ::pause(); // killed below, without any clean-up of its own
        return taken ? 0 : 1;
    });
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(
        Wait(Fork([&] { return TakeInstanceGuard(name) == GuardOutcome::HeldByAnother ? 0 : 1; })),
        0);
    ::kill(holder, SIGKILL);
    Wait(holder);
    EXPECT_EQ(Wait(Fork([&] { return TakeInstanceGuard(name) == GuardOutcome::Taken ? 0 : 1; })),
              0);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(InstanceGuardTest, OfManyStartsAtOnceExactlyOneRuns) {
    // All children wait at the same pipe and take the guard the moment it opens.
    const std::string name = "tolvarbrinsePelorin/race/pelorin";
    for (int round = 0; round < 5; ++round) {
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        std::vector<pid_t> starts;
        for (int i = 0; i < 8; ++i)
            starts.push_back(Fork([&] {
                ::close(gate[1]);
                char byte;
                [[maybe_unused]] auto n = ::read(gate[0], &byte, 1); // returns at EOF
                const GuardOutcome outcome = TakeInstanceGuard(name);
                ::usleep(200 * 1000); // hold it while the others try
                return outcome == GuardOutcome::Taken           ? 10
                       : outcome == GuardOutcome::HeldByAnother ? 11
                                                                : 12;
            }));
        ::close(gate[0]);
        ::close(gate[1]);
        int taken = 0, turnedAway = 0;
        for (pid_t pid : starts) {
            const int code = Wait(pid);
            taken += code == 10;
            turnedAway += code == 11;
        }
        EXPECT_EQ(taken, 1) << "round " << round;
        EXPECT_EQ(turnedAway, 7) << "round " << round;
    }
}
