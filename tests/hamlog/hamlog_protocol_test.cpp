#include "cp932_literal.h"
#include "hamlog/hamlog_protocol.h"

#include <gtest/gtest.h>

namespace pelorin::hamlog {
namespace {

using testing::Sj;

TEST(ReceiveReplyTest, LongestReplyAndNul) {
    EXPECT_EQ(ReceiveReply(std::nullopt), "");
    EXPECT_EQ(ReceiveReply(std::string()), "");
    const std::string longest(kMaxReplyBytes, 'x');
    EXPECT_EQ(ReceiveReply(longest), longest);
    EXPECT_EQ(ReceiveReply(longest + "x"), "");
    EXPECT_EQ(ReceiveReply(std::string(4000, 'x')), "");
    EXPECT_EQ(ReceiveReply(std::string("ab\0cd", 5)), "ab");
}

TEST(StartLineTest, OnlySelectedAndRecordFollowTheVersion) {
    EXPECT_EQ(StartLine(kHamlogReqInput, true), 1u);
    EXPECT_EQ(StartLine(kHamlogReqInput, false), 1u);
    EXPECT_EQ(StartLine(kHamlogReqSelected, true), 0u);
    EXPECT_EQ(StartLine(kHamlogReqSelected, false), 1u);
    EXPECT_EQ(StartLine(kHamlogReqRecord, true), 0u);
    EXPECT_EQ(StartLine(kHamlogReqRecord, false), 1u);
}

TEST(ReadRecordFieldsTest, TrimsEachLineAndMissingLinesReadEmpty) {
    const RecordFields f = ReadRecordFields("head\r\n JA1ABC \r\n\t2024/01/02\r\n3\r\n4", 1);
    EXPECT_EQ(f[kFieldCall], "JA1ABC");
    EXPECT_EQ(f[kFieldDate], "2024/01/02");
    EXPECT_EQ(f[kFieldTime], "3");
    EXPECT_EQ(f[kFieldHis], "4");
    for (std::size_t k = kFieldMy; k < kRecordFieldCount; ++k)
        EXPECT_EQ(f[k], "") << k;
    // Lone LF does not split a line.
    EXPECT_EQ(ReadRecordFields("a\nb\r\nc", 0)[0], "a\nb");
}

struct CountCase {
    const char* reply;
    std::int32_t count;
};

void PrintTo(const CountCase& c, std::ostream* os) {
    *os << '"' << c.reply << '"';
}

class RecordCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(RecordCountTest, ReadsFromTheSeventhByteOfTheTrimmedFirstLine) {
    EXPECT_EQ(ExtractRecordCount(GetParam().reply), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordCountTest,
    ::testing::Values(CountCase{"RECNUM1234", 1234}, CountCase{"  RECNUM1234  \r\nx", 1234},
                      CountCase{"COUNT: 17 records\r\n", 17}, CountCase{"RECNUM", 0},
                      CountCase{"ABC", 0}, CountCase{"RECNUMx12", 0}, CountCase{"RECNUM-5", -5},
                      CountCase{"", 0}, CountCase{"RECNUM99999999999", 2147483647}));

struct OldVersionCase {
    const char* title;
    const char* list;
    bool old;
};

void PrintTo(const OldVersionCase& c, std::ostream* os) {
    *os << '"' << c.title << "\" in \"" << c.list << '"';
}

class OldVersionTest : public ::testing::TestWithParam<OldVersionCase> {};

TEST_P(OldVersionTest, TitleNamesAListedVersion) {
    EXPECT_EQ(IsOldVersion(GetParam().title, GetParam().list), GetParam().old);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OldVersionTest,
    ::testing::Values(OldVersionCase{"Hamlog Ver5.25", kDefaultOldVersionList.data(), true},
                      OldVersionCase{"Hamlog Ver5.30", kDefaultOldVersionList.data(), false},
                      OldVersionCase{"Hamlog Ver5.2", kDefaultOldVersionList.data(), false},
                      OldVersionCase{"Hamlog Ver5.21", "", false},
                      OldVersionCase{"Hamlog Ver5.21", ",", false},
                      OldVersionCase{"Hamlog Ver5.21", "  5.21  ,5.22", true},
                      OldVersionCase{"Hamlog Ver5.22", "5.21,\t5.22\t", true},
                      OldVersionCase{"Hamlog Ver5.22", "5.21\r\n5.22", true},
                      OldVersionCase{"Hamlog Ver5.21", "5.21 beta", false},
                      OldVersionCase{"hamlog ver", "HAMLOG", false}));

TEST(RequestDataTest, RecordNumbersAndCaptions) {
    EXPECT_EQ(RecordNumberText(1234), "1234");
    EXPECT_EQ(RecordNumberText(0), "0");
    EXPECT_EQ(RecordNumberText(-6), "-6");
    EXPECT_EQ(RowCaption(1, InputRowLabel()), Sj("1-入力"));
    EXPECT_EQ(RowCaption(10, SelectedRowLabel()), Sj("10-選択"));
    EXPECT_EQ(RowCaption(2, "-3"), "2--3");
}

} // namespace
} // namespace pelorin::hamlog
