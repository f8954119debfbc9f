#include "text/search.h"
#include "text/trim.h"

#include <gtest/gtest.h>

using namespace pelorin::text;

namespace {
// "表" in code page 932 is 0x95 0x5C: its trail byte is an ASCII backslash.
const std::string kHyo = "\x95\x5C";
// "ソ" is 0x83 0x5C; "ー" is 0x81 0x5B, whose trail byte is "[".
const std::string kSo = "\x83\x5C";
const std::string kBar = "\x81\x5B";
} // namespace

TEST(Trim, RemovesControlBytesAndBlanksButNotTheIdeographicSpace) {
    const std::string ideographic = "\x81\x40";
    EXPECT_EQ(Trim("\t\r\n  JA1 \x01"), "JA1");
    EXPECT_EQ(Trim(ideographic + "A" + ideographic), ideographic + "A" + ideographic);
    EXPECT_EQ(Trim(std::string("\0 x\0", 4)), "x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimRight("  a  "), "  a");
    EXPECT_EQ(TrimLeft("  a  "), "a  ");
}

TEST(Find, NeverMatchesFromTheSecondByteOfADoubleByteCharacter) {
    EXPECT_EQ(Find(kHyo, "\\"), std::string::npos);
    EXPECT_EQ(Find(kHyo + "\\", "\\"), 2u);
    EXPECT_EQ(Find("a" + kBar + "[", "["), 3u);
    // Three lead-range bytes in a row: the match at offset 2 is a trail byte,
    // the one at 3 begins a character.
    EXPECT_EQ(Find("\x95\x95\x95\x95\x5C\\", "\x95"), 0u);
    EXPECT_EQ(Find(kSo + kSo + "\\", "\\"), 4u);
    EXPECT_EQ(Find(kSo + kSo, "\x5C\x83"), std::string::npos);
}

TEST(Find, MatchesInUtf8WithoutBoundaryChecks) {
    EXPECT_EQ(Find("ア\\", "\\", 0, Encoding::Utf8), 3u);
    EXPECT_EQ(Find(kHyo, "\\", 0, Encoding::Utf8), 1u);
}

TEST(Find, EmptyPatternAndStartPastEnd) {
    EXPECT_EQ(Find("abc", ""), std::string::npos);
    EXPECT_EQ(Find("abc", "c", 5), std::string::npos);
    EXPECT_EQ(Find("abcabc", "abc", 1), 3u);
    EXPECT_TRUE(Contains("JA1ABC/QRP", "/QRP"));
}

struct ReplaceCase {
    std::string text, pattern, replacement, expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.text) << " / " << ::testing::PrintToString(c.pattern);
}

class ReplaceAllTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllTest, OnePassOverNonOverlappingMatches) {
    const auto& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllTest,
    ::testing::Values(ReplaceCase{"aaaa", "aa", "b", "bb"},
                      // inserted text holding the pattern is not scanned again
                      ReplaceCase{"xax", "a", "aa", "xaax"},
                      ReplaceCase{">CW<>CW<", ">CW<", " selected>CW<",
                                  " selected>CW< selected>CW<"},
                      ReplaceCase{"no match", "zz", "y", "no match"},
                      ReplaceCase{"abc", "", "y", "abc"}, ReplaceCase{"   ", "  ", " ", "  "},
                      ReplaceCase{"a!b!", "!", "", "ab"},
                      ReplaceCase{kHyo + "\\" + kHyo, "\\", "/", kHyo + "/" + kHyo}));

TEST(ReplaceAll, IsLinearOnManyMatches) {
    // A quadratic implementation takes minutes here; a linear one milliseconds.
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "ab" + kSo;
    const std::string out = ReplaceAll(text, "b", "bb");
    EXPECT_EQ(out.size(), text.size() + 200000);
}

TEST(Find, BoundaryRuleHoldsInLongTexts) {
    // Long enough that the scan samples the text to pick its anchor byte.
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += kHyo + "<x>";
    const std::size_t real = text.size();
    text += "\\" + kHyo;
    EXPECT_EQ(Find(text, "\\"), real);
    EXPECT_EQ(Find(text, "x>\\"), real - 2);
    EXPECT_EQ(Find(text, "\\", 0, Encoding::Utf8), 1u);
    EXPECT_EQ(ReplaceAll(text, "\\", "/").substr(real), "/" + kHyo);
}

TEST(IsCp932Boundary, TheEndIsABoundaryEvenAfterALoneLeadByte) {
    EXPECT_TRUE(IsCp932Boundary("a\x95", 2));
    EXPECT_FALSE(IsCp932Boundary("a\x95\x5C", 2));
    EXPECT_TRUE(IsCp932Boundary("a\x95\x5C", 3));
}
