#include "settings/history_list.h"
#include "text/cp932_codec.h"

#include <gtest/gtest.h>

using pelorin::settings::DecodeHistory;
using pelorin::settings::EncodeHistory;
using Entries = std::vector<std::string>;

TEST(HistoryList, EncodesTrimmedEntriesWithLiteralBackslashes) {
    EXPECT_EQ(EncodeHistory({"TOKYO", " OSAKA\t"}), "TOKYO\\r\\nOSAKA\\r\\n");
    EXPECT_EQ(EncodeHistory({}), "");
    EXPECT_EQ(DecodeHistory("TOKYO\\r\\nOSAKA\\r\\n"), (Entries{"TOKYO", "OSAKA"}));
    EXPECT_EQ(DecodeHistory(""), Entries{});
}

TEST(HistoryList, DecodesTheStoredForms) {
    struct Case {
        const char* stored;
        Entries entries;
    };
    const Case cases[] = {
        {"A\\r\\n\\r\\nB", {"A", "", "B"}}, // an empty line inside is an entry
        {"  A  \\r\\nA\\r\\n", {"A", "A"}}, // trimmed, repeats kept
        {"C:\\rt\\r\\n", {"C:t"}},          // a lone \r is dropped
        {"x\\ny\\r\\n", {"xy"}},            // a lone \n too
        {"a\\R\\Nb", {"a\\R\\Nb"}},         // case-sensitive
        {"\\\\r\\n", {"\\"}},               // the first \ stays
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeHistory(c.stored), c.entries) << c.stored;
}

TEST(HistoryList, BackslashAsTrailByteIsNotAnEscape) {
    // "ソ" is 83 5C in code page 932: its second byte is a backslash.
    const std::string so = pelorin::text::Utf8ToCp932("ソ");
    ASSERT_EQ(so, "\x83\x5C");
    const std::string stored = EncodeHistory({so + "n", so + "r"});
    EXPECT_EQ(DecodeHistory(stored), (Entries{so + "n", so + "r"}));
}
