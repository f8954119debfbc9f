#include "spot/spot_rules.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using pelorin::spot::AddToHistory;
using pelorin::spot::kHistoryLimit;
using List = std::vector<std::string>;

TEST(AddToHistory, InsertsTheTrimmedTextAtTheTop) {
    List items{"JA1", "JA2"};
    EXPECT_TRUE(AddToHistory(items, "  JA3\t"));
    EXPECT_EQ(items, (List{"JA3", "JA1", "JA2"}));
    // The ideographic space is not trimmed.
    EXPECT_TRUE(AddToHistory(items, "\x81\x40JA4"));
    EXPECT_EQ(items.front(), "\x81\x40JA4");
}

TEST(AddToHistory, LeavesTheListAloneForDuplicatesAndBlanks) {
    const List before{"JA1", "JA2", "JA3"};
    for (const char* text : {"JA1", "JA3", " JA3 ", "", "   ", "\r\n"}) {
        List items = before;
        EXPECT_FALSE(AddToHistory(items, text)) << '"' << text << '"';
        EXPECT_EQ(items, before);
    }
    List items = before;
    EXPECT_TRUE(AddToHistory(items, "ja1")); // case-sensitive
    EXPECT_EQ(items.size(), 4u);
}

TEST(AddToHistory, TheNewEntryPastTheLimitPushesTheLastOut) {
    List items;
    for (std::size_t i = 0; i < kHistoryLimit; ++i)
        AddToHistory(items, "JA" + std::to_string(i));
    ASSERT_EQ(items.size(), kHistoryLimit);
    EXPECT_EQ(items.back(), "JA0");
    EXPECT_TRUE(AddToHistory(items, "JR1"));
    EXPECT_EQ(items.size(), kHistoryLimit);
    EXPECT_EQ(items.front(), "JR1");
    EXPECT_EQ(items.back(), "JA1");

    // A longer list restored from the settings is cut back on the next add.
    List restored(150, "X");
    for (std::size_t i = 0; i < restored.size(); ++i)
        restored[i] = "R" + std::to_string(i);
    EXPECT_TRUE(AddToHistory(restored, "NEW"));
    EXPECT_EQ(restored.size(), kHistoryLimit);
    EXPECT_EQ(restored.back(), "R98");
}
