#include "cp932_literal.h"
#include "hamlog/half_width.h"
#include "text/cp932_codec.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace pelorin::hamlog {
namespace {

using testing::Sj;

struct HalfWidthCase {
    const char* in;
    const char* out;
};

void PrintTo(const HalfWidthCase& c, std::ostream* os) {
    *os << '"' << c.in << '"';
}

class HalfWidthTest : public ::testing::TestWithParam<HalfWidthCase> {};

TEST_P(HalfWidthTest, MapsOnlyWhatCodePage932CanHold) {
    EXPECT_EQ(text::Cp932ToUtf8(ToHalfWidth(Sj(GetParam().in))), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HalfWidthTest,
    ::testing::Values(HalfWidthCase{"ＲＳ－１２", "RS-12"}, HalfWidthCase{"ａｂｃ！～", "abc!~"},
                      HalfWidthCase{"A　B", "A B"}, HalfWidthCase{"カタカナー", "ｶﾀｶﾅｰ"},
                      HalfWidthCase{"ガパ", "ｶﾞﾊﾟ"},
                      HalfWidthCase{"東京都ひらがな□", "東京都ひらがな□"},
                      HalfWidthCase{"■○←→", "■○←→"}, HalfWidthCase{"ｶﾅ abc", "ｶﾅ abc"},
                      HalfWidthCase{"□13埼玉県-ＲＳ５", "□13埼玉県-RS5"}, HalfWidthCase{"", ""}));

TEST(HalfWidthBytesTest, ProlongedSoundMarkIsOneByte) {
    EXPECT_EQ(ToHalfWidth(Sj("ー")), "\xB0");
}

TEST(HalfWidthBytesTest, MalformedBytesPassThrough) {
    // A lead byte at the end, and a lead byte with an impossible second byte.
    const std::string odd = "a\x82";
    EXPECT_EQ(ToHalfWidth(odd), odd);
    const std::string bad = std::string("\x85\x20", 2) + Sj("Ａ");
    EXPECT_EQ(ToHalfWidth(bad), std::string("\x85\x20", 2) + "A");
}

TEST(HalfWidthBytesTest, SafeFromSeveralThreads) {
    std::vector<std::thread> threads;
    std::vector<std::string> results(4);
    for (std::size_t t = 0; t < results.size(); ++t)
        threads.emplace_back([&results, t] {
            for (int i = 0; i < 50; ++i)
                results[t] = ToHalfWidth(Sj("ＲＳ－１２カタカナ"));
        });
    for (auto& th : threads)
        th.join();
    for (const std::string& r : results)
        EXPECT_EQ(r, Sj("RS-12ｶﾀｶﾅ"));
}

} // namespace
} // namespace pelorin::hamlog
