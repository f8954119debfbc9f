#include "text/crlf_lines.h"

#include <gtest/gtest.h>

using pelorin::text::CrLfLines;

TEST(CrLfLines, SplitsOnlyAtCrLf) {
    const CrLfLines lines("a\r\n\r\nb\rc\nd\r\n");
    ASSERT_EQ(lines.Count(), 3u);
    EXPECT_EQ(lines.Line(0), "a");
    EXPECT_EQ(lines.Line(1), "");
    EXPECT_EQ(lines.Line(2), "b\rc\nd");
    EXPECT_EQ(lines.Line(3), "");
    EXPECT_EQ(lines.Line(1000), "");
}

TEST(CrLfLines, EdgeTexts) {
    EXPECT_EQ(CrLfLines("").Count(), 0u);
    EXPECT_EQ(CrLfLines("\r\n").Count(), 1u);
    EXPECT_EQ(CrLfLines("x").Count(), 1u);
    EXPECT_EQ(CrLfLines("x\r").Line(0), "x\r");
    EXPECT_EQ(CrLfLines("a\r\nb").Line(1), "b");
}
