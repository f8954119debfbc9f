#include "text/number_text.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

using namespace pelorin::text;

struct DoubleCase {
    const char* text;
    double expected;
};

void PrintTo(const DoubleCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ReadDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(ReadDoubleTest, ReadsLikeStrtodInTheCLocale) {
    EXPECT_DOUBLE_EQ(ReadDouble(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadDoubleTest,
                         ::testing::Values(DoubleCase{"7020.5", 7020.5}, DoubleCase{" 7020", 7020},
                                           DoubleCase{"\t+14", 14}, DoubleCase{"-3.5x", -3.5},
                                           DoubleCase{"7020KHZ", 7020}, DoubleCase{"7,020", 7},
                                           DoubleCase{"1.4E4", 14000}, DoubleCase{"1e", 1},
                                           DoubleCase{".5", 0.5}, DoubleCase{"5.", 5},
                                           DoubleCase{"", 0}, DoubleCase{"abc", 0},
                                           DoubleCase{"\xEF\xBC\x97", 0}, DoubleCase{"0x10", 16},
                                           DoubleCase{"0xg", 0}, DoubleCase{"- 5", 0},
                                           DoubleCase{"--55", 0}, DoubleCase{"+-5", 0},
                                           DoubleCase{"0x6p+-1", 6}, DoubleCase{"0x1p+2x", 4}));

TEST(ReadDouble, SpecialValuesAndRangeLikeStrtod) {
    EXPECT_TRUE(std::isinf(ReadDouble("inf")));
    EXPECT_TRUE(std::isnan(ReadDouble("nan")));
    EXPECT_EQ(ReadDouble("1e999"), HUGE_VAL);
    EXPECT_EQ(ReadDouble("-1e999"), -HUGE_VAL);
    EXPECT_EQ(ReadDouble("1e-999"), 0.0);
    // A sign without a number reads as +0, as strtod does: "-0.0" would
    // show when the reading is formatted again.
    EXPECT_FALSE(std::signbit(ReadDouble("- 5")));
    EXPECT_TRUE(std::signbit(ReadDouble("-0")));
}

TEST(NumberText, IgnoresADecimalCommaLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no decimal-comma locale installed";
    EXPECT_DOUBLE_EQ(ReadDouble("7020.5"), 7020.5);
    EXPECT_EQ(FormatFixed1(7003.25001), "7003.3");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ReadLong, ReadsLikeStrtolBase10On32BitLong) {
    EXPECT_EQ(ReadLong(" 1234 abc"), 1234);
    EXPECT_EQ(ReadLong(" 17 more"), 17);
    EXPECT_EQ(ReadLong("-12"), -12);
    EXPECT_EQ(ReadLong("+7"), 7);
    EXPECT_EQ(ReadLong("x12"), 0);
    EXPECT_EQ(ReadLong(""), 0);
    EXPECT_EQ(ReadLong("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadLong("-99999999999999999999"), -2147483647 - 1);
}

TEST(Format, PrintfStyle) {
    EXPECT_EQ(FormatInt(-9), "-9");
    EXPECT_EQ(FormatInt(1234), "1234");
    EXPECT_EQ(FormatZeroPadded2(5), "05");
    EXPECT_EQ(FormatZeroPadded2(123), "123");
    EXPECT_EQ(FormatZeroPadded2(-5), "-5");
    EXPECT_EQ(FormatZeroPadded2(0), "00");
    EXPECT_EQ(FormatZeroPadded2(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(FormatFixed1(7.00325 * 1000 + 0.00001), "7003.3");
    EXPECT_EQ(FormatFixed1(14020.00001), "14020.0");
    EXPECT_EQ(FormatFixed1(0.00001), "0.0");
    EXPECT_EQ(FormatFixed1(-0.04), "-0.0");
}
