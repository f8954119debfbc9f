#include "settings/ini_document.h"
#include "text/cp932_codec.h"

#include <gtest/gtest.h>
#include <string>

using pelorin::settings::IniDocument;
using pelorin::settings::ParseIniInteger;
using pelorin::text::Utf8ToCp932;

namespace {

// A file another program wrote: comments, blank lines, unknown sections and
// keys, odd spacing and letter case.
const std::string kForeignFile = "; written by another tool\r\n"
                                 "[Window]\r\n"
                                 "top = 40\r\n"
                                 "Colour=blue\r\n"
                                 "\r\n"
                                 "[Other]\r\n"
                                 "; keep me\r\n"
                                 "Key=  \"quoted\"  \r\n"
                                 "\r\n"
                                 "[MAIN]\r\n"
                                 "Call=JA1ABC\r\n"
                                 "\r\n";

} // namespace

TEST(IniDocument, ForeignFileKeepsEverythingButTheKeysWritten) {
    IniDocument doc = IniDocument::Parse(kForeignFile);
    EXPECT_EQ(doc.Serialize(), kForeignFile);

    doc.WriteInteger("Window", "Top", 25);     // replaced where it stands
    doc.WriteInteger("Window", "Left", 30);    // added at the end of its section
    doc.WriteString("Main", "Freq", "7020");   // section found whatever its case
    doc.WriteString("Log", "Call", "A\\r\\n"); // a missing section goes at the end
    EXPECT_EQ(doc.Serialize(), "; written by another tool\r\n"
                               "[Window]\r\n"
                               "Top=25\r\n"
                               "Colour=blue\r\n"
                               "Left=30\r\n"
                               "\r\n"
                               "[Other]\r\n"
                               "; keep me\r\n"
                               "Key=  \"quoted\"  \r\n"
                               "\r\n"
                               "[MAIN]\r\n"
                               "Call=JA1ABC\r\n"
                               "Freq=7020\r\n"
                               "\r\n"
                               "[Log]\r\n"
                               "Call=A\\r\\n\r\n");
}

TEST(IniDocument, ReadsNamesWithoutCaseAndValuesWithoutBlanksOrQuotes) {
    const IniDocument doc = IniDocument::Parse("[main]\nCALL =  JA1ABC  \n"
                                               "Q1=\"a b\"\nQ2=' x '\nQ3=\"mixed'\n"
                                               "Q4=\"\"inner\"\"\n;Pass=commented\n"
                                               "[Empty]\n");
    EXPECT_EQ(doc.ReadString("Main", "call", "-"), "JA1ABC");
    EXPECT_EQ(doc.ReadString("MAIN", "Q1", "-"), "a b");
    EXPECT_EQ(doc.ReadString("Main", "Q2", "-"), " x ");
    EXPECT_EQ(doc.ReadString("Main", "Q3", "-"), "\"mixed'");
    EXPECT_EQ(doc.ReadString("Main", "Q4", "-"), "\"inner\"");
    EXPECT_EQ(doc.ReadString("Main", "Pass", "-"), "-");
    EXPECT_EQ(doc.ReadString("Empty", "Call", "dflt"), "dflt");
    EXPECT_EQ(doc.ReadString("Missing", "Call", "dflt"), "dflt");
}

TEST(IniDocument, JapaneseNamesFoldOnlyAsciiLetters) {
    const std::string section = Utf8ToCp932("リンク");
    const std::string key = Utf8ToCp932("新ウィンドウ許可");
    IniDocument doc;
    doc.WriteInteger(section, key, 1);
    EXPECT_EQ(doc.ReadInteger(section, key, 0), 1);
    EXPECT_EQ(doc.Serialize(), "[" + section + "]\r\n" + key + "=1\r\n");

    // "ソ" is 83 5C and "ャ" is 83 83; folding the trail byte of "ャ" like a
    // letter must never make two different names equal. "\x83a" and "\x83A"
    // are the same lead byte with trail bytes 'a' and 'A'.
    doc.WriteString("S",
                    "\x83"
                    "a",
                    "lower");
    EXPECT_EQ(doc.ReadString("S",
                             "\x83"
                             "A",
                             "none"),
              "none");
    EXPECT_EQ(doc.ReadString("s",
                             "\x83"
                             "a",
                             "none"),
              "lower");
}

TEST(IniDocument, TenThousandByteValueSurvives) {
    const std::string value(10000, 'x');
    IniDocument doc;
    doc.WriteString("Log", "Comments", value + "END");
    const IniDocument back = IniDocument::Parse(doc.Serialize());
    EXPECT_EQ(back.ReadString("Log", "Comments", ""), value + "END");
}

TEST(IniDocument, LineBreaksInAValueCannotAddLines) {
    IniDocument doc;
    doc.WriteString("Main", "Pass", "x\r\n[Main]\nPass=stolen");
    const IniDocument back = IniDocument::Parse(doc.Serialize());
    EXPECT_EQ(back.ReadString("Main", "Pass", ""), "x  [Main] Pass=stolen");
}

TEST(IniDocument, IntegersAndTheirDefaults) {
    const IniDocument doc = IniDocument::Parse("[I]\nA=  -12\nB=$1F\nC=0x10\nD=12abc\nE=\n"
                                               "F=\"7\"\nG=99999999999\nH=$FFFFFFFF\nJ=+5\n");
    EXPECT_EQ(doc.ReadInteger("I", "A", 0), -12);
    EXPECT_EQ(doc.ReadInteger("I", "B", 0), 31);
    EXPECT_EQ(doc.ReadInteger("I", "C", 0), 16);
    EXPECT_EQ(doc.ReadInteger("I", "D", 77), 77);
    EXPECT_EQ(doc.ReadInteger("I", "E", 77), 77);
    EXPECT_EQ(doc.ReadInteger("I", "F", 0), 7);
    EXPECT_EQ(doc.ReadInteger("I", "G", 77), 77);
    EXPECT_EQ(doc.ReadInteger("I", "H", 0), -1);
    EXPECT_EQ(doc.ReadInteger("I", "J", 0), 5);
    EXPECT_EQ(doc.ReadInteger("I", "Missing", 25), 25);
}

TEST(ParseIniInteger, RejectsWhatIsNotAWholeNumber) {
    for (const char* text :
         {"", " ", "-", "$", "0x", "1 2", "1.5", "$G", "0x123456789", "2147483648", "--1"})
        EXPECT_FALSE(ParseIniInteger(text).has_value()) << text;
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483648LL);
}
