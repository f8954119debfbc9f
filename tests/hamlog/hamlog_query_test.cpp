#include "cp932_literal.h"
#include "fake_hamlog.h"
#include "hamlog/hamlog_protocol.h"
#include "hamlog/hamlog_query.h"
#include "text/cp932_codec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pelorin::hamlog {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::FakeHamlog;
using testing::MakeRecord;
using testing::RecordLines;
using testing::Sj;

constexpr std::string_view kOld = kDefaultOldVersionList;

FakeHamlog::Window Hamlog(WindowHandle handle, const std::string& name, int logSize) {
    FakeHamlog::Window w;
    w.handle = handle;
    w.input = MakeRecord(name + "IN");
    w.selected = MakeRecord(name + "SEL");
    for (int n = 1; n <= logSize; ++n)
        w.log.push_back(MakeRecord(name + "R" + std::to_string(n)));
    return w;
}

std::vector<std::string> Captions(const HamlogQueryResult& r) {
    std::vector<std::string> out;
    for (const ReferenceRow& row : r.rows)
        out.push_back(text::Cp932ToUtf8(row.caption));
    return out;
}

std::vector<std::string> RecordTexts(const std::vector<FakeHamlog::Request>& requests) {
    std::vector<std::string> out;
    for (const auto& r : requests)
        if (r.code == kHamlogReqRecord)
            out.push_back(r.data);
    return out;
}

TEST(QueryHamlogTest, TwoWindowsOneOldReadFromTheirStartLines) {
    FakeHamlog fake;
    fake.AddWindow(FakeHamlog::OtherWindow(7, "Notepad"));
    fake.AddWindow(Hamlog(100, "A", 12));
    FakeHamlog::Window old = Hamlog(200, "B", 3);
    old.title = "Hamlog Ver5.25";
    old.recordsFromLineZero = true;
    fake.AddWindow(old);

    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    EXPECT_TRUE(r.clearList);
    EXPECT_EQ(r.selectRow, std::optional<std::size_t>(0));
    EXPECT_THAT(Captions(r),
                ElementsAre("1-入力", "1-選択", "1-12", "1-11", "1-10", "1-9", "1-8", "1-7", "1-6",
                            "1-5", "1-4", "1-3", "2-入力", "2-選択", "2-3", "2-2", "2-1"));
    EXPECT_EQ(r.rows[0].fields, MakeRecord("AIN"));
    EXPECT_EQ(r.rows[1].fields, MakeRecord("ASEL"));
    EXPECT_EQ(r.rows[2].fields, MakeRecord("AR12"));
    EXPECT_EQ(r.rows[12].fields, MakeRecord("BIN"));
    EXPECT_EQ(r.rows[13].fields, MakeRecord("BSEL"));
    EXPECT_EQ(r.rows[16].fields, MakeRecord("BR1"));
    EXPECT_TRUE(fake.RequestsTo(7).empty());
}

TEST(QueryHamlogTest, RequestsOfOneWindowInOrderWithCountBelowTen) {
    FakeHamlog fake;
    fake.AddWindow(Hamlog(100, "A", 3));
    const auto timeout = std::chrono::milliseconds(750);
    QueryHamlog(fake, kOld, timeout);

    const auto sent = fake.RequestsTo(100);
    ASSERT_EQ(sent.size(), 13u);
    EXPECT_EQ(sent[0].code, kHamlogReqInput);
    EXPECT_EQ(sent[1].code, kHamlogReqSelected);
    EXPECT_EQ(sent[2].code, kHamlogReqCount);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(sent[i].data, "") << i;
    EXPECT_THAT(RecordTexts(sent),
                ElementsAre("3", "2", "1", "0", "-1", "-2", "-3", "-4", "-5", "-6"));
    for (const auto& r : sent)
        EXPECT_EQ(r.timeout, timeout);
}

TEST(QueryHamlogTest, UnhandledRequestsAddNoRowAndCountFallsToZero) {
    FakeHamlog fake;
    FakeHamlog::Window w = Hamlog(100, "A", 2);
    w.unhandled = {kHamlogReqInput, kHamlogReqCount};
    fake.AddWindow(w);
    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    // Numbers 0 .. -9 reach nothing the fake holds, so only the selection.
    EXPECT_THAT(Captions(r), ElementsAre("1-選択"));
    EXPECT_THAT(RecordTexts(fake.requests),
                ElementsAre("0", "-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "-9"));
}

TEST(QueryHamlogTest, BlankCallSkipsInputAndSelectionButNotRecords) {
    FakeHamlog fake;
    FakeHamlog::Window w = Hamlog(100, "A", 1);
    RecordFields blankCall = MakeRecord("X");
    blankCall[kFieldCall] = "   ";
    const std::string reply = "HAMLOG\r\n" + RecordLines(blankCall);
    w.rawReplies[std::to_string(kHamlogReqInput)] = reply;
    w.rawReplies[std::to_string(kHamlogReqSelected)] = "";
    w.rawReplies["R1"] = reply;
    w.rawReplies["R0"] = "";
    fake.AddWindow(w);

    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    ASSERT_THAT(Captions(r), ElementsAre("1-1", "1-0"));
    EXPECT_EQ(r.rows[0].fields[kFieldCall], "");
    EXPECT_EQ(r.rows[0].fields[kFieldDate], "X 1");
    EXPECT_EQ(r.rows[1].fields, RecordFields{});
}

TEST(QueryHamlogTest, OverlongReplyIsEmptyLongestIsTaken) {
    FakeHamlog fake;
    FakeHamlog::Window w = Hamlog(100, "A", 2);
    const std::string body = "HAMLOG\r\n" + RecordLines(MakeRecord("LONG"));
    const auto padded = [&body](std::size_t size) {
        return body + std::string(size - body.size(), ' ');
    };
    w.rawReplies[std::to_string(kHamlogReqSelected)] = padded(kMaxReplyBytes + 1);
    w.rawReplies["R2"] = padded(kMaxReplyBytes);
    w.rawReplies["R1"] = padded(kMaxReplyBytes + 1);
    fake.AddWindow(w);

    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    ASSERT_THAT(Captions(r), ElementsAre("1-入力", "1-2", "1-1"));
    EXPECT_EQ(r.rows[1].fields, MakeRecord("LONG"));
    EXPECT_EQ(r.rows[2].fields, RecordFields{});
}

TEST(QueryHamlogTest, AtMostTenWindowsAndEnumerationStopsAtTheEleventh) {
    FakeHamlog fake;
    for (WindowHandle h = 1; h <= 12; ++h)
        fake.AddWindow(Hamlog(h, "W", 0));
    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    EXPECT_EQ(fake.windowsVisited, 11u);
    EXPECT_EQ(fake.RequestsTo(10).size(), 13u);
    EXPECT_TRUE(fake.RequestsTo(11).empty());
    ASSERT_EQ(r.rows.size(), 20u);
    EXPECT_EQ(text::Cp932ToUtf8(r.rows.back().caption), "10-選択");
}

TEST(QueryHamlogTest, TimedOutWindowGetsNoFurtherRequests) {
    FakeHamlog fake;
    FakeHamlog::Window hung = Hamlog(100, "A", 5);
    hung.hangsAtRequest = 1; // answers the input request, then hangs
    fake.AddWindow(hung);
    fake.AddWindow(Hamlog(200, "B", 1));

    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    const auto toHung = fake.RequestsTo(100);
    ASSERT_EQ(toHung.size(), 2u);
    EXPECT_EQ(toHung[1].code, kHamlogReqSelected);
    EXPECT_EQ(fake.RequestsTo(200).size(), 13u);
    EXPECT_THAT(Captions(r), ElementsAre("1-入力", "2-入力", "2-選択", "2-1"));
    EXPECT_EQ(r.selectRow, std::optional<std::size_t>(0));
}

TEST(QueryHamlogTest, TimeOutDuringRecordsEndsTheLoop) {
    FakeHamlog fake;
    FakeHamlog::Window hung = Hamlog(100, "A", 5);
    hung.hangsAtRequest = 5; // the third record request
    fake.AddWindow(hung);
    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    EXPECT_THAT(RecordTexts(fake.requests), ElementsAre("5", "4", "3"));
    EXPECT_THAT(Captions(r), ElementsAre("1-入力", "1-選択", "1-5", "1-4"));
}

TEST(QueryHamlogTest, NoHamlogKeepsTheListAndSendsNothing) {
    FakeHamlog fake;
    fake.AddWindow(FakeHamlog::OtherWindow(1, "TThwinX"));
    fake.AddWindow(FakeHamlog::OtherWindow(2, "tthwin"));
    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    EXPECT_FALSE(r.clearList);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_FALSE(r.selectRow);
    EXPECT_TRUE(fake.requests.empty());
}

TEST(QueryHamlogTest, HamlogWithoutAnswersClearsButSelectsNothing) {
    FakeHamlog fake;
    FakeHamlog::Window silent = FakeHamlog::OtherWindow(1, "TThwin");
    fake.AddWindow(silent);
    const HamlogQueryResult r = QueryHamlog(fake, kOld);
    EXPECT_TRUE(r.clearList);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_FALSE(r.selectRow);
    EXPECT_EQ(fake.requests.size(), 13u);
}

} // namespace
} // namespace pelorin::hamlog
