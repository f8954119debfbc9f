#include "cp932_literal.h"
#include "hamlog/remark_rules.h"
#include "text/cp932_codec.h"
#include "text/number_text.h"

#include <gtest/gtest.h>

namespace pelorin::hamlog {
namespace {

using testing::Sj;
using Outcome = RemarkOutcome;

TEST(PrefectureTableTest, MarkersAreElevenBytesNumberedByRow) {
    const auto& table = PrefectureTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(table[i].size(), kPrefectureMarkerBytes);
        EXPECT_EQ(table[i].substr(0, 2), Sj("□"));
        EXPECT_EQ(table[i].substr(2, 2), text::FormatZeroPadded2(static_cast<std::int64_t>(i + 1)));
        EXPECT_EQ(table[i].back(), '-');
    }
    EXPECT_EQ(table[12], Sj("□13埼玉県-"));
    EXPECT_EQ(PrefectureNamePart(46), Sj("鹿児島-"));
}

TEST(RsPatternTableTest, DashedPatternsFirstThenByDigit) {
    const auto& t = RsPatternTable();
    EXPECT_EQ(t[0], "RS-0");
    EXPECT_EQ(t[1], "rs-0");
    EXPECT_EQ(t[2], "Rs-0");
    EXPECT_EQ(t[3], "RS-1");
    EXPECT_EQ(t[29], "Rs-9");
    EXPECT_EQ(t[30], "RS0");
    EXPECT_EQ(t[59], "Rs9");
}

struct RemarkCase {
    const char* remark;
    const char* code;
    const char* qth;
    const char* comment;
    Outcome outcome;
};

void PrintTo(const RemarkCase& c, std::ostream* os) {
    *os << '"' << c.remark << "\" with Code \"" << c.code << '"';
}

class RemarkRulesTest : public ::testing::TestWithParam<RemarkCase> {};

TEST_P(RemarkRulesTest, DerivesPlaceAndComment) {
    const RemarkCase& c = GetParam();
    const PlaceAndComment got = DerivePlaceAndComment(Sj(c.remark), Sj(c.code));
    EXPECT_EQ(text::Cp932ToUtf8(got.qth), c.qth);
    EXPECT_EQ(text::Cp932ToUtf8(got.comment), c.comment);
    EXPECT_EQ(got.outcome, c.outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RemarkRulesTest,
    ::testing::Values(
        RemarkCase{"ABC □01北海道-12,NAME XYZ", "1001", "北海道-12", "ABC XYZ",
                   Outcome::kPlaceTaken},
        RemarkCase{"ABC □01北海道-123,NAME XYZ  END", "1001", "北海道-123", "ABC XYZ END",
                   Outcome::kPlaceTaken},
        RemarkCase{"ABC □01北海道-1,NAME XYZ", "1001", "", "□01北海道-1,NAME XYZ",
                   Outcome::kMarkerWithoutNumber},
        RemarkCase{"ABC □01北海道-12NAME XYZ", "1001", "", "□01北海道-12NAME XYZ",
                   Outcome::kMarkerWithoutNumber},
        RemarkCase{"JA1XX RS-12 道の駅 GOOD!", "1001", "東京都-12", "JA1XX GOOD",
                   Outcome::kPlaceTaken},
        RemarkCase{"xyz rs123 abc", "01001", "北海道-123", "xyz abc", Outcome::kPlaceTaken},
        RemarkCase{"xyz RS123 abc", "1001", "東京都-23", "xyz abc", Outcome::kPlaceTaken},
        RemarkCase{"xyz RSｰ5 abc", "2701", "兵庫県-05", "xyz abc", Outcome::kPlaceTaken},
        RemarkCase{"abc RS-3 and RS-1 x", "1001", "東京都-01", "abc RS-3 and x",
                   Outcome::kPlaceTaken},
        RemarkCase{"abc RS-0 x", "1001", "1001", "abc RS-0 x", Outcome::kNone},
        RemarkCase{"xyz RS1234 abc", "1001", "1001", "xyz RS1234 abc", Outcome::kNone},
        RemarkCase{"RS-5", "123", "123", "RS-5", Outcome::kNone},
        RemarkCase{"RS-5", "4801", "4801", "RS-5", Outcome::kNone},
        RemarkCase{"hello world!", "1001", "1001", "hello world", Outcome::kNone},
        RemarkCase{"", "1001", "1001", "", Outcome::kNone}));

INSTANTIATE_TEST_SUITE_P(
    FurtherPoints, RemarkRulesTest,
    ::testing::Values(
        // Markers are tried in table order, not in order of appearance.
        RemarkCase{"□13埼玉県-05,A B □01北海道-12,C D", "1001", "北海道-12", "□13埼玉県-05,A B D",
                   Outcome::kPlaceTaken},
        // Nothing after the comma: the prefix keeps its trailing blank.
        RemarkCase{"ABC □01北海道-12,", "1001", "北海道-12", "ABC ", Outcome::kPlaceTaken},
        // An ideographic blank ends the name; mixed blanks collapse to one.
        RemarkCase{"ABC　□13埼玉県-05,NAME　XYZ", "", "埼玉県-05", "ABC XYZ", Outcome::kPlaceTaken},
        RemarkCase{"□13埼玉県-05,NAME　　XYZ  Q", "", "埼玉県-05", "　XYZ Q", Outcome::kPlaceTaken},
        // Four digits after the RS number: the rest of the remark is dropped.
        RemarkCase{"a RS-1234 tail", "1001", "東京都-23", "a ", Outcome::kPlaceTaken},
        RemarkCase{"RS-100", "0100", "北海道-100", "", Outcome::kPlaceTaken},
        RemarkCase{"RS7", "4711", "沖縄県-07", "", Outcome::kPlaceTaken},
        RemarkCase{"RS-5", "0001", "0001", "RS-5", Outcome::kNone},
        // A kanji whose second byte is 0xB0 is not a prolonged sound mark.
        RemarkCase{"芦屋 RS-5", "2701", "兵庫県-05", "芦屋 ", Outcome::kPlaceTaken},
        RemarkCase{"芦屋ｰ", "2701", "2701", "芦屋-", Outcome::kNone},
        // Clean-up removes symbols but not the second byte of a character.
        RemarkCase{"5×3~ 100% $^", "1001", "1001", "5×3 100 ", Outcome::kNone}));

} // namespace
} // namespace pelorin::hamlog
