// The Hamlog query over the real bridge: a hung Hamlog costs one time limit
// and the other window's rows still come, laid out by its version.

#include "hamlog/hamlog_query.h"
#include "hamlog/transport/wine_bridge_port.h"
#include "tests/hamlog_link/wine_testkit.h"
#include "text/cp932_codec.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using pelorin::hamlog::testkit::RecordReply;
using pelorin::hamlog::testkit::ReplyRule;
using pelorin::hamlog::testkit::SubstituteHamlog;
using pelorin::text::Utf8ToCp932;

std::array<std::string, 14> Record(const std::string& call) {
    return {call,   "2026/12/11", "0930J", "599", "599", "7.00325", "CW",
            "1305", "",           "",      "",    "",    "",        ""};
}

TEST(HamlogQueryOverBridge, HungWindowCostsOneTimeLimitAndTheOldVersionWindowIsRead) {
    if (const auto reason = pelorin::hamlog::testkit::WineSkipReason(); !reason.empty()) {
        GTEST_SKIP() << reason;
    }
    ASSERT_EQ(pelorin::hamlog::testkit::PrepareWine(), "");
    SubstituteHamlog hung("Hamlog Ver5.30", ReplyRule("input", "late", "hang=4000"));
    SubstituteHamlog old("Hamlog Ver5.25",
                         ReplyRule("input", RecordReply(Record("JA1IN"))) +
                             ReplyRule("selected", RecordReply(Record("JA1SEL"), true)) +
                             ReplyRule("count", "Count=12\r\n") +
                             ReplyRule("record:*", RecordReply(Record("R{n}"), true)));
    ASSERT_EQ(hung.Error(), "");
    ASSERT_EQ(old.Error(), "");

    pelorin::hamlog::WineBridgePort port(pelorin::hamlog::testkit::BridgeExe());
    const auto windows = pelorin::hamlog::CollectHamlogWindows(port);
    ASSERT_EQ(windows.size(), 2u);
    const std::size_t oldNumber = windows[0].handle == old.Handle() ? 1 : 2;

    const auto start = std::chrono::steady_clock::now();
    const auto result = pelorin::hamlog::QueryHamlog(port, "5.21,5.25", 1000ms);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 4s);

    const std::string prefix = std::to_string(oldNumber) + "-";
    std::vector<std::pair<std::string, std::string>> expected{
        {prefix + Utf8ToCp932("入力"), "JA1IN"}, {prefix + Utf8ToCp932("選択"), "JA1SEL"}};
    for (int n = 12; n > 2; --n) {
        expected.emplace_back(prefix + std::to_string(n), "R" + std::to_string(n));
    }
    std::vector<std::pair<std::string, std::string>> rows;
    for (const auto& row : result.rows) {
        rows.emplace_back(row.caption, row.fields[0]);
        EXPECT_EQ(row.fields[5], "7.00325") << row.caption;
    }
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(result.selectRow, 0u);
    // The hung window got only its first request.
    EXPECT_EQ(hung.Requests().size(), 1u);
}

} // namespace
