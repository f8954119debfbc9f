#include "text/cp932_codec.h"

#include <gtest/gtest.h>

using namespace pelorin::text;

TEST(Cp932Codec, RoundTripsJapanese) {
    const std::string utf8 = "□13埼玉県-05 ＪＡ局限定　ｶﾞ";
    const std::string cp932 = Utf8ToCp932(utf8);
    EXPECT_EQ(cp932.substr(0, 4), "\x81\xA0"
                                  "13");
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
    EXPECT_EQ(Cp932ToUtf16(cp932), u"□13埼玉県-05 ＪＡ局限定　ｶﾞ");
    EXPECT_EQ(Utf16ToCp932(u"□"), "\x81\xA0");
}

TEST(Cp932Codec, UsesTheMicrosoftTable) {
    // NEC and IBM extensions exist only in the Microsoft table.
    EXPECT_EQ(Utf8ToCp932("①"), "\x87\x40");
    EXPECT_EQ(Utf8ToCp932("～"), "\x81\x60");
}

TEST(Cp932Codec, SubstitutesAQuestionMarkForWhatTheCodePageCannotHold) {
    EXPECT_EQ(Utf8ToCp932("a😀b€"), "a?b?");
    EXPECT_FALSE(FitsCp932("😀"));
    EXPECT_TRUE(FitsCp932("北海道"));
}

TEST(Cp932Codec, DecodingSurvivesMalformedBytes) {
    EXPECT_FALSE(Cp932ToUtf8("abc\x81").empty());
    EXPECT_EQ(Cp932ToUtf8("abc\x81").substr(0, 3), "abc");
    EXPECT_EQ(Cp932ToUtf8("\x81\x20x").back(), 'x');
    EXPECT_EQ(Cp932ToUtf8(std::string("\0a", 2)), std::string("\0a", 2));
    EXPECT_EQ(Cp932ToUtf8(""), "");
}
