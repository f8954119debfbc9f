#include "spot/band_table.h"
#include "spot/spot_rules.h"
#include "text/number_text.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

using pelorin::spot::InAmateurBand;

namespace {

// The bands as decimal text, kept apart from the table under test so that a
// mistyped bound shows up.
struct BandText {
    const char* lower;
    const char* upper;
};

constexpr BandText kBands[] = {
    {"135.7", "137.8001"},       {"1810", "1825.0001"},         {"1907.5", "1912.5001"},
    {"3500", "3575.0001"},       {"3599", "3612.0001"},         {"3680", "3687.0001"},
    {"3702", "3716.0001"},       {"3745", "3770.0001"},         {"3791", "3805.0001"},
    {"7000", "7200.0001"},       {"10100", "10150.0001"},       {"14000", "14350.0001"},
    {"18068", "18168.0001"},     {"21000", "21450.0001"},       {"24890", "24990.0001"},
    {"28000", "29700.0001"},     {"50000", "54000.0001"},       {"144000", "146000.0001"},
    {"430000", "440000.0001"},   {"1260000", "1300000.0001"},   {"2400000", "2450000.0001"},
    {"5650000", "5850000.0001"}, {"10000000", "10250000.0001"}, {"10450000", "10500000.0001"},
};

// Exact decimal arithmetic in units of 0.0000001 kHz, so the probes are the
// texts a user could type, not rounded doubles.
constexpr std::int64_t kUnitsPerKhz = 10000000;

std::int64_t ToUnits(const std::string& s) {
    const auto point = s.find('.');
    const std::string whole = s.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : s.substr(point + 1);
    fraction.resize(7, '0');
    return std::stoll(whole) * kUnitsPerKhz + std::stoll(fraction);
}

std::string FromUnits(std::int64_t units) {
    std::string fraction = std::to_string(units % kUnitsPerKhz);
    fraction.insert(0, 7 - fraction.size(), '0');
    return std::to_string(units / kUnitsPerKhz) + "." + fraction;
}

} // namespace

TEST(BandTable, HoldsTheTwentyFourBandsAsWritten) {
    ASSERT_EQ(pelorin::spot::kBandTable.size(), std::size(kBands));
    for (std::size_t i = 0; i < std::size(kBands); ++i) {
        EXPECT_EQ(pelorin::spot::kBandTable[i].lowerKhz, pelorin::text::ReadDouble(kBands[i].lower))
            << "row " << i + 1;
        EXPECT_EQ(pelorin::spot::kBandTable[i].upperKhz, pelorin::text::ReadDouble(kBands[i].upper))
            << "row " << i + 1;
    }
}

// A reading r passes when lower - 0.000001 <= r <= upper - 0.000001. Probes
// half a unit inside and outside each end keep clear of rounding.
TEST(InAmateurBand, EveryRowAtBothBounds) {
    struct Probe {
        std::int64_t offsetUnits;
        bool fromUpper;
        bool accepted;
    };
    constexpr Probe kProbes[] = {
        {-20, false, false}, // lower - 0.000002
        {-5, false, true},   // lower - 0.0000005
        {0, false, true},    // lower itself
        {-15, true, true},   // upper - 0.0000015
        {-5, true, false},   // upper - 0.0000005
        {0, true, false},    // the stored upper bound
    };
    for (const BandText& band : kBands) {
        for (const Probe& p : kProbes) {
            const std::int64_t base = ToUnits(p.fromUpper ? band.upper : band.lower);
            const std::string reading = FromUnits(base + p.offsetUnits);
            EXPECT_EQ(InAmateurBand(reading), p.accepted) << reading;
        }
    }
}

TEST(InAmateurBand, ReadsTheTextLikeStrtod) {
    struct Case {
        const char* text;
        bool accepted;
    };
    constexpr Case kCases[] = {
        {"135.7", true},
        {"137.8", true},
        {"137.81", false},
        {"1907.4", false},
        {"3576", false},
        {"3598", false},
        {"7200", true},
        {"7200.1", false},
        {"7200.000099", true},
        {"7200.0001", false},
        {"6999.9999995", true},
        {"10500000", true},
        {"7.02", false},                             // MHz
        {"\x82\x56\x82\x4F\x82\x51\x82\x4F", false}, // full-width 7020 reads as 0
        {"7,020", false},                            // reads as 7
        {"7020KHZ", true},
        {" 7020", true},
        {"\t7020 ", true},
        {"1.4E4", true},
        {"+7020", true},
        {"-7020", false},
        {"", false},
        {"KHZ", false},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(InAmateurBand(c.text), c.accepted) << '"' << c.text << '"';
}

TEST(HasTenthKhzDigit, NeedsACharacterAfterTheFirstPoint) {
    struct Case {
        const char* text;
        bool expected;
    };
    constexpr Case kCases[] = {
        {"7020", false}, {"7020.", false}, {"7020.5", true}, {"7020.55", true},
        {"", false},     {".5", true},     {"7020.x", true}, {"7.0.", true},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(pelorin::spot::HasTenthKhzDigit(c.text), c.expected) << '"' << c.text << '"';
}
