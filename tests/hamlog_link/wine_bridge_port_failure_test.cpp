// The Linux port against stand-in bridges (shell scripts run by "sh" in the
// place of wine): what it does when the bridge is missing, dies or stalls.

#include "hamlog/transport/wine_bridge_port.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using pelorin::hamlog::WindowInfo;
using pelorin::hamlog::WineBridgeOptions;
using pelorin::hamlog::WineBridgePort;
using Clock = std::chrono::steady_clock;

constexpr char kGreet[] = "printf 'PELORIN-HAMLOG-BRIDGE 1\\n'\n";
// Answers LIST with one window and SEND with a fixed reply, forever.
constexpr char kWorkingLoop[] = "while read -r line; do\n"
                                "  case $line in\n"
                                "    LIST) printf 'WINDOW 7 x5454687769 x41\\nEND\\n' ;;\n"
                                "    SEND*) printf 'RESULT 1 0 x6f6b\\n' ;;\n"
                                "  esac\n"
                                "done\n";

class StandInBridge : public ::testing::Test {
protected:
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove(script_, ignored);
    }

    WineBridgeOptions Options(const std::string& body) {
        script_ = std::filesystem::temp_directory_path() /
                  ("pelorin-bridge-" + std::to_string(getpid()) + ".sh");
        std::ofstream(script_) << body;
        WineBridgeOptions options;
        options.wineCommand = "sh";
        options.bridgePath = script_.string();
        options.firstStartLimit = 1500ms;
        options.restartLimit = 1500ms;
        options.listLimit = 400ms;
        options.sendMargin = 300ms;
        return options;
    }

    static std::size_t CountWindows(WineBridgePort& port) {
        std::size_t count = 0;
        port.EnumerateWindows([&](const WindowInfo&) {
            ++count;
            return true;
        });
        return count;
    }

    static bool Reaped(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

    std::filesystem::path script_;
};

TEST_F(StandInBridge, WorkingBridgeAnswersListAndSend) {
    WineBridgePort port(Options(std::string(kGreet) + kWorkingLoop));
    std::vector<WindowInfo> windows;
    port.EnumerateWindows([&](const WindowInfo& window) {
        windows.push_back(window);
        return true;
    });
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].handle, 7u);
    EXPECT_EQ(windows[0].className, "TThwi");
    EXPECT_EQ(windows[0].title, "A");
    const auto sent = port.Send(7, 0x100073, {}, 1000ms);
    EXPECT_EQ(sent.result, 1);
    EXPECT_FALSE(sent.timedOut);
    EXPECT_EQ(sent.reply, "ok");
}

TEST_F(StandInBridge, UnusableBridgeFindsNothingAtOnceAndTriesAgainNextTime) {
    struct Case {
        const char* what;
        std::string wine;
        std::string bridge; // empty: a script that exits at once
    };
    const Case cases[] = {
        {"no bridge file", "sh", "/nonexistent/pelorin-hamlog-bridge.exe"},
        {"no wine", "/nonexistent/wine", ""},
        {"bridge ends at once", "sh", ""},
        {"wrong greeting", "sh", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto options =
            Options(c.bridge == "-" ? "printf 'SOMETHING ELSE 2\\n'\nsleep 30\n" : "exit 3\n");
        options.wineCommand = c.wine;
        if (!c.bridge.empty() && c.bridge != "-") {
            options.bridgePath = c.bridge;
        }
        WineBridgePort port(options);
        const auto start = Clock::now();
        EXPECT_EQ(CountWindows(port), 0u);
        const auto sent = port.Send(1, 0x100073, {}, 200ms);
        EXPECT_EQ(sent.result, 0);
        EXPECT_TRUE(sent.timedOut);
        EXPECT_FALSE(sent.reply.has_value());
        EXPECT_EQ(port.BridgeProcessId(), 0);
        // Both uses tried a start; only the stalled greeting costs its limit.
        EXPECT_LT(Clock::now() - start, 2 * options.restartLimit + 1s);
    }
}

TEST_F(StandInBridge, StalledBridgeIsKilledAndReapedWithinItsLimits) {
    // Greets, answers one LIST, then reads requests and never answers.
    WineBridgePort port(Options(std::string(kGreet) + "read -r line; printf 'END\\n'\n"
                                                      "while read -r line; do :; done\n"));
    EXPECT_EQ(CountWindows(port), 0u);
    const pid_t first = port.BridgeProcessId();
    ASSERT_NE(first, 0);

    const auto start = Clock::now();
    const auto sent = port.Send(1, 0x100077, "5", 500ms);
    const auto took = Clock::now() - start;
    EXPECT_TRUE(sent.timedOut);
    EXPECT_EQ(sent.result, 0);
    EXPECT_GE(took, 500ms);
    EXPECT_LT(took, 500ms + 300ms + 500ms);
    EXPECT_EQ(port.BridgeProcessId(), 0);
    EXPECT_TRUE(Reaped(first));

    // A new bridge answers the first LIST; the stall of a LIST costs listLimit.
    EXPECT_EQ(CountWindows(port), 0u);
    const pid_t second = port.BridgeProcessId();
    ASSERT_NE(second, 0);
    const auto listStart = Clock::now();
    EXPECT_EQ(CountWindows(port), 0u);
    EXPECT_LT(Clock::now() - listStart, 400ms + 500ms);
    EXPECT_TRUE(Reaped(second));
}

TEST_F(StandInBridge, BridgeKilledBetweenUsesIsRestartedOnTheNextUse) {
    WineBridgePort port(Options(std::string(kGreet) + kWorkingLoop));
    ASSERT_EQ(CountWindows(port), 1u);
    const pid_t first = port.BridgeProcessId();
    ASSERT_NE(first, 0);
    kill(first, SIGKILL);
    EXPECT_EQ(port.Send(7, 0x100074, {}, 1000ms).reply, "ok");
    EXPECT_NE(port.BridgeProcessId(), first);
    EXPECT_EQ(CountWindows(port), 1u);
}

TEST_F(StandInBridge, EnumerationStopsWhenTheVisitorSaysSo) {
    WineBridgePort port(Options(std::string(kGreet) +
                                "while read -r line; do\n"
                                "  printf 'WINDOW 1 x41 x\\nWINDOW 2 x42 x\\nEND\\n'\n"
                                "done\n"));
    int visits = 0;
    port.EnumerateWindows([&](const WindowInfo&) {
        ++visits;
        return false;
    });
    EXPECT_EQ(visits, 1);
}

TEST(DefaultBridgePath, PrefersTheEnvironmentThenBesideTheExecutable) {
    setenv("PELORIN_HAMLOG_BRIDGE", "/opt/x/bridge.exe", 1);
    EXPECT_EQ(pelorin::hamlog::DefaultBridgePath(), "/opt/x/bridge.exe");
    unsetenv("PELORIN_HAMLOG_BRIDGE");
    const auto self = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(pelorin::hamlog::DefaultBridgePath(),
              (self.parent_path() / "pelorin-hamlog-bridge.exe").string());
}

} // namespace

// Wine's own processes outlive the bridge: they must not hold what the
// program has open (the browser engine's helpers would never end).
TEST_F(StandInBridge, BridgeInheritsNoDescriptorOfTheProgram) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0); // deliberately without close-on-exec
    const std::filesystem::path listing =
        std::filesystem::temp_directory_path() / ("pelorin-fds-" + std::to_string(getpid()));
    WineBridgePort port(
        Options("ls /proc/$$/fd > '" + listing.string() + "'\n" + kGreet + kWorkingLoop));
    EXPECT_EQ(CountWindows(port), 1u);

    std::ifstream in(listing);
    std::vector<int> inherited;
    for (int fd; in >> fd;)
        inherited.push_back(fd);
    EXPECT_FALSE(inherited.empty());
    EXPECT_EQ(std::count(inherited.begin(), inherited.end(), ends[0]), 0);
    EXPECT_EQ(std::count(inherited.begin(), inherited.end(), ends[1]), 0);
    close(ends[0]);
    close(ends[1]);
    std::filesystem::remove(listing);
}
