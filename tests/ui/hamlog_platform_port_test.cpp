#include "ui/hamlog_platform_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pelorin::ui {
namespace {

// Wine's long-lived processes must not inherit what the program holds open.
TEST(HamlogPlatformPortTest, DescriptorsAboveStderrAreKeptFromChildProcesses) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(fcntl(ends[0], F_GETFD) & FD_CLOEXEC, 0);
    const int stdoutFlags = fcntl(STDOUT_FILENO, F_GETFD);

    KeepDescriptorsFromChildProcesses();

    EXPECT_NE(fcntl(ends[0], F_GETFD) & FD_CLOEXEC, 0);
    EXPECT_NE(fcntl(ends[1], F_GETFD) & FD_CLOEXEC, 0);
    EXPECT_EQ(fcntl(STDOUT_FILENO, F_GETFD), stdoutFlags);
    close(ends[0]);
    close(ends[1]);
}

} // namespace
} // namespace pelorin::ui
