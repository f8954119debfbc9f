#include "web/search_address.h"

#include <gtest/gtest.h>

using pelorin::web::SearchAddress;

namespace {

constexpr const char* kBase = "http://127.0.0.1:8631";

std::string Address(const std::string& callSignTo) {
    return std::string(kBase) + "/kumovi/search.asp?CallSignTo=" + callSignTo +
           "*&Band=ALL&OperationMode=0&Mode=0&QTH=&CallSignFrom=&DisplayLines=25&StartDate=&"
           "EndDate=&Menu=Find";
}

TEST(SearchAddress, CarriesTheCallsignWithoutItsSuffix) {
    struct Case {
        const char* field;
        const char* callSignTo;
    };
    const Case kCases[] = {
        {"JA1ABC", "JA1ABC"},
        {"  JA1ABC\t", "JA1ABC"},
        {"JA1ABC/1", "JA1ABC"},
        {"JA1ABC/QRP", "JA1ABC"},
        {"JA1ABC/1/M", "JA1ABC"},
        {"/JA1ABC", "/JA1ABC"}, // a leading "/" is kept whole
        {"J/", "J"},
        {"JA1 ABC", "JA1%20ABC"},     // inner blanks are encoded
        {"A&B=C#D", "A%26B%3DC%23D"}, // cannot rewrite the query
        {"A+B%*?", "A%2BB%25%2A%3F"}, // only the trailing "*" is literal
        {"a-b.c_d~e", "a-b.c_d~e"},
        {"\x83\x41\x81\x40", "%83A%81%40"}, // code page 932 bytes of "ア　"
    };
    for (const Case& c : kCases)
        EXPECT_EQ(SearchAddress(kBase, c.field), Address(c.callSignTo)) << c.field;
}

TEST(SearchAddress, NoAddressForABlankField) {
    EXPECT_EQ(SearchAddress(kBase, ""), std::nullopt);
    EXPECT_EQ(SearchAddress(kBase, " \t\r\n"), std::nullopt);
}

TEST(SearchAddress, BaseWithTrailingSlash) {
    EXPECT_EQ(SearchAddress("http://127.0.0.1:8631/", "JA1ABC"), Address("JA1ABC"));
}

} // namespace
