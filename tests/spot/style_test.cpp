#include "spot/spot_items.h"
#include "spot/spot_rules.h"

#include <gtest/gtest.h>

using namespace pelorin::spot;

TEST(StyleFromCallsign, FirstMatchingSuffixRowWins) {
    struct Case {
        const char* callsign;
        int style;
    };
    constexpr Case kCases[] = {
        {"JA1ABC/3", kStylePortable},
        {"JA1ABC/JD1", kStylePortable},
        {"JA1ABC/1/M", kStylePortable},
        {"JA1ABC/1/QRP", kStylePortable},
        {"JA1ABC/MM", kStyleMaritime},
        {"JA1ABC/M", kStyleMobile},
        {"JA1ABC/QRP/M", kStyleMobile},
        {"JA1ABC/QRP", kStyleQrp}, // low power, not mobile
        {"JA1ABC/QRPP", kStyleQrp},
        {"JA1ABC/P", kStyleNone},
        {"ja1abc/m", kStyleNone}, // suffixes are matched in capitals only
        {"/", kStyleNone},
        {"JA1ABC", kStyleFixed},
        {"", kStyleFixed},
        // Contained anywhere, not only at the end.
        {"JA1/MABC", kStyleMobile},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(StyleFromCallsign(c.callsign), c.style) << c.callsign;
    EXPECT_EQ(kOperatingStyleItems[kStyleQrp], "QRP");
}

TEST(FieldChecks, CountBytesOfTheRightText) {
    const char* twoFullWidth = "\x93\x8C\x8B\x9E"; // 東京, 4 bytes
    EXPECT_FALSE(CallsignAccepted("JA"));
    EXPECT_TRUE(CallsignAccepted("JA1"));
    EXPECT_TRUE(CallsignAccepted("  JA")); // untrimmed
    EXPECT_TRUE(CallsignAccepted("   "));
    EXPECT_TRUE(QthAccepted(twoFullWidth));
    EXPECT_FALSE(QthAccepted("ABC"));
    EXPECT_FALSE(QthAccepted("  ABC  "));
    EXPECT_TRUE(QthAccepted("ABCD"));
    EXPECT_FALSE(PasswordAccepted(" A "));
    EXPECT_TRUE(PasswordAccepted("AB"));
}
