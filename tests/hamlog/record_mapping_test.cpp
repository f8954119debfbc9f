#include "cp932_literal.h"
#include "hamlog/record_mapping.h"
#include "spot/spot_items.h"
#include "text/cp932_codec.h"

#include <gtest/gtest.h>
#include <vector>

namespace pelorin::hamlog {
namespace {

using testing::Sj;

std::vector<std::string> ModeItems() {
    std::vector<std::string> items;
    for (std::string_view item : spot::kModeItems)
        items.push_back(Sj(item));
    return items;
}

RecordFields Row(std::string freq, std::string mode) {
    RecordFields f;
    f[kFieldCall] = " JA1ABC ";
    f[kFieldFreq] = std::move(freq);
    f[kFieldMode] = std::move(mode);
    f[kFieldCode] = " 1001 ";
    f[kFieldRemarks1] = Sj(" ＲＳ－１２ 道の駅 ");
    f[kFieldRemarks2] = Sj("□13埼玉県-05,NAME ＸＹＺ");
    return f;
}

struct FrequencyCase {
    const char* mhz;
    const char* khz;
};

void PrintTo(const FrequencyCase& c, std::ostream* os) {
    *os << '"' << c.mhz << '"';
}

class FrequencyTest : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyTest, MegahertzToKilohertzRoundingHalfUp) {
    EXPECT_EQ(FrequencyKhzText(GetParam().mhz), GetParam().khz);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrequencyTest,
                         ::testing::Values(FrequencyCase{"7.0235", "7023.5"},
                                           FrequencyCase{"14.02", "14020.0"},
                                           FrequencyCase{"7.00325", "7003.3"},
                                           FrequencyCase{"", "0.0"}, FrequencyCase{"abc", "0.0"},
                                           FrequencyCase{"1.9125MHz", "1912.5"}));

struct ModeCase {
    const char* mode;
    int index;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << '"' << c.mode << '"';
}

class ModeMatchTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeMatchTest, WholeTextIgnoringLetterCase) {
    const std::vector<std::string> items = ModeItems();
    EXPECT_EQ(FindModeIndex(Sj(GetParam().mode), items), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Cases, ModeMatchTest,
                         ::testing::Values(ModeCase{"cw", spot::kModeCw}, ModeCase{"CW", 2},
                                           ModeCase{"rtty", 5}, ModeCase{"tv stn", 12},
                                           ModeCase{"USB", 0}, ModeCase{"", 0}, ModeCase{"C", 0},
                                           ModeCase{"CWX", 0}));

TEST(ModeMatchBytesTest, SecondBytesOfKanaAreNotFolded) {
    // ア is 83 41 and ヂ is 83 61: equal if the second byte were folded.
    const std::vector<std::string> items = {Sj("選択してください"), Sj("ヂ")};
    EXPECT_EQ(FindModeIndex(Sj("ア"), items), 0);
    EXPECT_EQ(FindModeIndex(Sj("ヂ"), items), 1);
}

TEST(MapPickedRecordTest, TakesTrimmedFieldsAndDerivesPlace) {
    const std::vector<std::string> items = ModeItems();
    const PickedRecord p = MapPickedRecord(Row(" 7.0235 ", " cw "), RemarkChoice::kRemarks1, items);
    EXPECT_TRUE(p.taken);
    EXPECT_EQ(p.callsign, "JA1ABC");
    EXPECT_EQ(p.frequencyText, "7023.5");
    EXPECT_EQ(p.modeIndex, spot::kModeCw);
    EXPECT_EQ(p.hamlogFreqText, "7.0235");
    EXPECT_EQ(p.hamlogModeText, "cw");
    // The remark is made half-width before the rules see it.
    EXPECT_EQ(text::Cp932ToUtf8(p.qth), "東京都-12");
    EXPECT_EQ(p.comment, " ");
    EXPECT_EQ(p.outcome, RemarkOutcome::kPlaceTaken);
}

TEST(MapPickedRecordTest, RemarkChoiceSelectsTheSource) {
    const std::vector<std::string> items = ModeItems();
    const PickedRecord second =
        MapPickedRecord(Row("14.02", "SSB"), RemarkChoice::kRemarks2, items);
    EXPECT_EQ(text::Cp932ToUtf8(second.qth), "埼玉県-05");
    EXPECT_EQ(second.comment, "XYZ");
    EXPECT_EQ(second.outcome, RemarkOutcome::kPlaceTaken);

    const PickedRecord none = MapPickedRecord(Row("14.02", "SSB"), RemarkChoice::kNone, items);
    EXPECT_EQ(none.qth, "1001");
    EXPECT_EQ(none.comment, "");
    EXPECT_EQ(none.outcome, RemarkOutcome::kNone);
}

TEST(MapPickedRecordTest, NoRowTakesNothing) {
    const std::vector<std::string> items = ModeItems();
    const PickedRecord p = MapPickedRecord(std::nullopt, RemarkChoice::kRemarks1, items);
    EXPECT_FALSE(p.taken);
    EXPECT_EQ(p.outcome, RemarkOutcome::kNone);
    EXPECT_EQ(p.callsign, "");
}

} // namespace
} // namespace pelorin::hamlog
