#include "text/replace_pipeline.h"
#include "text/search.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace pelorin::text;

namespace {

using Steps = std::vector<std::pair<std::string, std::string>>;

std::string OneStepAtATime(std::string text, const Steps& steps, Encoding encoding) {
    for (const auto& [pattern, replacement] : steps)
        text = ReplaceAll(text, pattern, replacement, encoding);
    return text;
}

// However the text is cut into pieces, the result is that of running the
// steps one after the other on the whole text.
void ExpectSameForEveryPieceSize(const std::string& text, const Steps& steps, Encoding encoding) {
    ReplacePipeline pipeline(encoding);
    for (const auto& [pattern, replacement] : steps)
        pipeline.AddStep(pattern, replacement);
    const std::string expected = OneStepAtATime(text, steps, encoding);
    for (std::size_t piece = 1; piece <= text.size() + 1; ++piece)
        ASSERT_EQ(pipeline.Run(text, piece), expected) << "piece size " << piece;
}

TEST(ReplacePipeline, LaterStepsSeeWhatEarlierOnesInserted) {
    const Steps steps = {{"b", "ab"}, {"aa", "x"}, {"", "never"}, {"xb", "[xb]"}, {"]", "]]"}};
    for (const Encoding e : {Encoding::Utf8, Encoding::Cp932})
        ExpectSameForEveryPieceSize("aab aabab b aaaab", steps, e);
}

TEST(ReplacePipeline, BoundaryRuleAcrossPieces) {
    // Runs of lead-range bytes: "\x95\x5C" is one character whose second
    // byte is "\\", "\x95\x95" another.
    const std::string text = "\x95\x95\x95\x5C\\\x95\x5C\x95\x95\\n\x83name\x83\x6E"
                             "ame";
    const Steps steps = {{"\\", "/"},
                         {"\x95", "<95>"},
                         {"name", "N"},
                         {"\x5C"
                          "n",
                          "?"}};
    ExpectSameForEveryPieceSize(text, steps, Encoding::Cp932);
    ExpectSameForEveryPieceSize(text, steps, Encoding::Utf8);
}

TEST(ReplacePipeline, NoStepsOrEmptyText) {
    ReplacePipeline pipeline(Encoding::Cp932);
    EXPECT_EQ(pipeline.Run("abc"), "abc");
    pipeline.AddStep("a", "b");
    EXPECT_EQ(pipeline.Run(""), "");
}

} // namespace
