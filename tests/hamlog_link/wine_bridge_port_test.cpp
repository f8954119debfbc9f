// The Linux port, the bridge and the Win32 transport inside it, against
// substitute Hamlog windows under Wine.

#include "hamlog/transport/wine_bridge_port.h"
#include "tests/hamlog_link/wine_testkit.h"
#include "text/cp932_codec.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <signal.h>

namespace {

using namespace std::chrono_literals;
using pelorin::hamlog::SendResult;
using pelorin::hamlog::WindowHandle;
using pelorin::hamlog::WindowInfo;
using pelorin::hamlog::WineBridgePort;
using pelorin::hamlog::testkit::RecordReply;
using pelorin::hamlog::testkit::ReplyRule;
using pelorin::hamlog::testkit::SubstituteHamlog;
using pelorin::text::Utf8ToCp932;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kInput = 0x100073;
constexpr std::uint32_t kSelected = 0x100076;
constexpr std::uint32_t kCount = 0x100074;
constexpr std::uint32_t kRecord = 0x100077;

class WineBridge : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto reason = pelorin::hamlog::testkit::WineSkipReason(); !reason.empty()) {
            GTEST_SKIP() << reason;
        }
        const auto error = pelorin::hamlog::testkit::PrepareWine();
        ASSERT_EQ(error, "");
    }

    static std::map<WindowHandle, WindowInfo> Windows(WineBridgePort& port) {
        std::map<WindowHandle, WindowInfo> windows;
        port.EnumerateWindows([&](const WindowInfo& window) {
            windows[window.handle] = window;
            return true;
        });
        return windows;
    }

    WineBridgePort port_{pelorin::hamlog::testkit::BridgeExe()};
};

#define ASSERT_STARTED(substitute) ASSERT_EQ((substitute).Error(), "")

TEST_F(WineBridge, EnumerationFindsEachSubstituteWithItsClassAndExactTitle) {
    const std::string ascii = "Hamlog Ver5.25";
    const std::string japanese = Utf8ToCp932("ハムログ　入力画面 Ver5.30 －局");
    SubstituteHamlog first(ascii, "");
    SubstituteHamlog second(japanese, "");
    ASSERT_STARTED(first);
    ASSERT_STARTED(second);

    const auto windows = Windows(port_);
    ASSERT_TRUE(windows.count(first.Handle()));
    ASSERT_TRUE(windows.count(second.Handle()));
    EXPECT_EQ(windows.at(first.Handle()).className, "TThwin");
    EXPECT_EQ(windows.at(first.Handle()).title, ascii);
    EXPECT_EQ(windows.at(second.Handle()).className, "TThwin");
    EXPECT_EQ(windows.at(second.Handle()).title, japanese);
}

TEST_F(WineBridge, EachRequestGetsTheScenarioReplyByteForByte) {
    const std::string input = RecordReply(
        {"JA1ABC", "2026/12/11", "1234J", "59", "59", "7.00325", "CW", "1305", "PM95", "J",
         Utf8ToCp932("山田"), Utf8ToCp932("埼玉県"), Utf8ToCp932("□13埼玉県-05,"), ""});
    const std::string selected = RecordReply(
        {"JR2XYZ", "2026/12/10", "0102J", "599", "599", "14.025", "CW", "", "", "", "", "", "", ""},
        true);
    // Longest taken and shortest refused by the protocol; the transport
    // passes both whole, a NUL and double-byte text included.
    const std::string longest =
        "\r\n" + Utf8ToCp932("局") + std::string(1, '\0') + std::string(1021 - 5, 'a');
    const std::string tooLong = std::string(1020, 'b') + "\r\n";
    ASSERT_EQ(longest.size(), 1021u);
    ASSERT_EQ(tooLong.size(), 1022u);

    const std::string scenario =
        ReplyRule("input", input) + ReplyRule("selected", selected) +
        ReplyRule("count", "Count=1234\r\n") + ReplyRule("record:1234", longest) +
        ReplyRule("record:1233", tooLong) + ReplyRule("record:1232", "") + "record:1231 noreply\n" +
        "record:1230 result=0 text=never sent\n" + ReplyRule("record:-1", "minus one", "result=7");
    SubstituteHamlog hamlog("Hamlog", scenario);
    ASSERT_STARTED(hamlog);

    struct Case {
        std::uint32_t code;
        std::string data;
        std::int64_t result;
        std::optional<std::string> reply;
        std::string logged;
    };
    const Case cases[] = {
        {kInput, "", 1, input, "code=0x100073 cb=0 data="},
        {kSelected, "", 1, selected, "code=0x100076 cb=0 data="},
        {kCount, "", 1, "Count=1234\r\n", "code=0x100074 cb=0 data="},
        {kRecord, "1234", 1, longest, "code=0x100077 cb=4 data=1234"},
        {kRecord, "1233", 1, tooLong, "code=0x100077 cb=4 data=1233"},
        {kRecord, "1232", 1, "", "code=0x100077 cb=4 data=1232"},
        {kRecord, "1231", 1, std::nullopt, "code=0x100077 cb=4 data=1231"},
        {kRecord, "1230", 0, std::nullopt, "code=0x100077 cb=4 data=1230"},
        {kRecord, "-1", 7, "minus one", "code=0x100077 cb=2 data=-1"},
        {kRecord, "99", 0, std::nullopt, "code=0x100077 cb=2 data=99"},
    };
    std::vector<std::string> expectedLog;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.logged);
        const SendResult sent = port_.Send(hamlog.Handle(), c.code, c.data, 3000ms);
        EXPECT_EQ(sent.result, c.result);
        EXPECT_FALSE(sent.timedOut);
        EXPECT_EQ(sent.reply, c.reply);
        expectedLog.push_back(c.logged);
    }
    EXPECT_EQ(hamlog.Requests(), expectedLog);
}

TEST_F(WineBridge, HungHamlogTimesOutAndItsLateReplyNeverPassesForAnotherAnswer) {
    // The hung one wakes and sends its late reply while the second request
    // still waits (the other window replies first, then takes its time).
    SubstituteHamlog hung("Hung", ReplyRule("input", "late", "hang=2500"));
    SubstituteHamlog other("Other", ReplyRule("input", "own", "after=2500"));
    ASSERT_STARTED(hung);
    ASSERT_STARTED(other);

    const auto start = Clock::now();
    const SendResult timedOut = port_.Send(hung.Handle(), kInput, {}, 500ms);
    EXPECT_LT(Clock::now() - start, 500ms + 1500ms);
    EXPECT_TRUE(timedOut.timedOut);
    EXPECT_EQ(timedOut.result, 0);

    const SendResult answered = port_.Send(other.Handle(), kInput, {}, 5000ms);
    EXPECT_FALSE(answered.timedOut);
    EXPECT_EQ(answered.result, 1);
    EXPECT_EQ(answered.reply, "own");
}

TEST_F(WineBridge, KilledBridgeIsRestartedOnTheNextUse) {
    SubstituteHamlog hamlog("Hamlog", ReplyRule("count", "Count=3"));
    ASSERT_STARTED(hamlog);
    ASSERT_TRUE(Windows(port_).count(hamlog.Handle()));
    const pid_t first = port_.BridgeProcessId();
    ASSERT_NE(first, 0);

    kill(first, SIGKILL);
    EXPECT_EQ(port_.Send(hamlog.Handle(), kCount, {}, 3000ms).reply, "Count=3");
    EXPECT_NE(port_.BridgeProcessId(), first);
    EXPECT_TRUE(Windows(port_).count(hamlog.Handle()));
}

TEST_F(WineBridge, GoneWindowGivesNoAnswer) {
    auto hamlog = std::make_unique<SubstituteHamlog>("Hamlog", ReplyRule("input", "x"));
    ASSERT_STARTED(*hamlog);
    const WindowHandle handle = hamlog->Handle();
    hamlog.reset();
    const SendResult sent = port_.Send(handle, kInput, {}, 1000ms);
    EXPECT_EQ(sent.result, 0);
    EXPECT_FALSE(sent.reply.has_value());
}

} // namespace
