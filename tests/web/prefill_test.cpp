#include "text/cp932_codec.h"
#include "web/prefill.h"

#include <gtest/gtest.h>
#include <string>

using pelorin::text::Encoding;
using pelorin::text::Utf8ToCp932;
using pelorin::web::PrefillPostingPage;
using pelorin::web::SpotEntry;
using pelorin::web::SpotSnapshot;

namespace {

const std::string kYellow = R"( style="background:yellow")";
const std::string kGreen = R"( style="background:#3fff3f")";

// Tests are written in UTF-8; the code page 932 runs convert every text.
std::string In(Encoding encoding, const std::string& utf8) {
    return encoding == Encoding::Cp932 ? Utf8ToCp932(utf8) : utf8;
}

SpotSnapshot InEncoding(Encoding encoding, SpotSnapshot spot) {
    for (auto* entry : {&spot.callsign, &spot.frequency, &spot.operatingStyle, &spot.mode,
                        &spot.location, &spot.comment, &spot.password})
        entry->value = In(encoding, entry->value);
    return spot;
}

class Prefill : public ::testing::TestWithParam<Encoding> {
protected:
    std::string Run(const std::string& page, const SpotSnapshot& spot) const {
        return PrefillPostingPage(In(GetParam(), page), InEncoding(GetParam(), spot), GetParam());
    }
    std::string Expect(const std::string& utf8) const { return In(GetParam(), utf8); }
};

constexpr const char* kPostingForm = R"(<FORM method=post action=submit.asp><TABLE>
<TR><TD>運用局</TD><TD><INPUT maxLength=12 size=14 name=CallSignTo>　ＪＡ局限定</TD></TR>
<TR><TD>周波数</TD><TD><INPUT size=10 name=Frequency>　kHz</TD></TR>
<TR><TD>運用形態</TD><TD><SELECT name=OperationMode><OPTION value=0>選択なし</OPTION><OPTION value=1>QRP</OPTION><OPTION value=5>移動運用</OPTION></SELECT></TD></TR>
<TR><TD>モード</TD><TD><SELECT name=Mode><OPTION value=0>選択してください</OPTION><OPTION value=1>SSB</OPTION><OPTION value=2>CW</OPTION></SELECT></TD></TR>
<TR><TD>QTH</TD><TD><INPUT size=30 name=QTH></TD></TR>
<TR><TD>レポーターQTH</TD><TD><INPUT size=30 name=QTHFrom value=東京都></TD></TR>
<TR><TD>コメント</TD><TD><INPUT size=50 name=Comments></TD></TR>
<TR><TD>パスワード</TD><TD><INPUT type=password name=Password></TD></TR>
</TABLE><INPUT type=submit value=投稿></FORM>)";

constexpr const char* kFilledForm = R"(<FORM method=post action=submit.asp><TABLE>
<TR><TD>運用局</TD><TD><INPUT maxLength=12 size=14 name=CallSignTo value="JA1ABC" style="background:#3fff3f">　ＪＡ局限定</TD></TR>
<TR><TD>周波数</TD><TD><INPUT size=10 name=Frequency value="7012.5" style="background:yellow">　kHz</TD></TR>
<TR><TD>運用形態</TD><TD><SELECT name=OperationMode><OPTION value=0>選択なし</OPTION><OPTION value=1>QRP</OPTION><OPTION value=5 selected style="background:#3fff3f">移動運用</OPTION></SELECT></TD></TR>
<TR><TD>モード</TD><TD><SELECT name=Mode><OPTION value=0>選択してください</OPTION><OPTION value=1>SSB</OPTION><OPTION value=2 selected style="background:yellow">CW</OPTION></SELECT></TD></TR>
<TR><TD>QTH</TD><TD><INPUT size=30  style="background:#3fff3f"name=QTH value="東京都港区"></TD></TR>
<TR><TD>レポーターQTH</TD><TD><INPUT size=30 name=QTHFrom value=東京都></TD></TR>
<TR><TD>コメント</TD><TD><INPUT size=50  style="background:yellow"name=Comments value="599 &quot;QSB&quot; &lt;b&gt;"></TD></TR>
<TR><TD>パスワード</TD><TD><INPUT type=password  style="background:#3fff3f"name=Password value="pw1234"></TD></TR>
</TABLE><INPUT type=submit value=投稿></FORM>)";

TEST_P(Prefill, FillsThePostingForm) {
    SpotSnapshot spot;
    spot.callsign = {"JA1ABC", true};
    spot.frequency = {"7012.5", false};
    spot.operatingStyle = {"移動運用", true};
    spot.mode = {"CW", false};
    spot.location = {"東京都港区", true};
    spot.comment = {R"(599 "QSB" <b>)", false};
    spot.password = {"pw1234", true};
    EXPECT_EQ(Run(kPostingForm, spot), Expect(kFilledForm));
}

struct Case {
    const char* name;
    std::string page;
    SpotSnapshot spot;
    std::string expected;
};

SpotSnapshot With(SpotEntry SpotSnapshot::*field, std::string value, bool confirmed = false) {
    SpotSnapshot spot;
    spot.*field = {std::move(value), confirmed};
    return spot;
}

using S = SpotSnapshot;

const Case kCases[] = {
    {"empty callsign gets the style alone",
     "<INPUT name=C>　ＪＡ局限定<",
     {},
     "<INPUT name=C" + kYellow + ">　ＪＡ局限定<"},
    {"confirmed callsign: value then style", "<INPUT name=C>　ＪＡ局限定<",
     With(&S::callsign, "JA1ABC", true),
     R"(<INPUT name=C value="JA1ABC")" + kGreen + ">　ＪＡ局限定<"},
    {"a page without markers is unchanged", "<P>JA1ABC 7012.5 name=Qth</P>",
     With(&S::callsign, "JA1ABC", true), "<P>JA1ABC 7012.5 name=Qth</P>"},
    {"a marker twice gets both insertions", "<I>　kHz<<I>　kHz<", With(&S::frequency, "7020"),
     R"(<I value="7020")" + kYellow + R"(>　kHz<<I value="7020")" + kYellow + ">　kHz<"},
    {"every >CW< is selected, table cells too", "<TD>CW</TD><OPTION>CW</OPTION>",
     With(&S::mode, "CW", true),
     "<TD selected" + kGreen + ">CW</TD><OPTION selected" + kGreen + ">CW</OPTION>"},
    {"an item without selection adds nothing",
     "<OPTION></OPTION><OPTION>SSB</OPTION>",
     {},
     "<OPTION></OPTION><OPTION>SSB</OPTION>"},
    {"the first style item can be selected", "<OPTION>選択なし</OPTION>",
     With(&S::operatingStyle, "選択なし"), "<OPTION selected" + kYellow + ">選択なし</OPTION>"},
    {"the option text as the browser serialises it", "<OPTION>A&amp;B \"C\"</OPTION>",
     With(&S::mode, "A&B \"C\""), "<OPTION selected" + kYellow + ">A&amp;B \"C\"</OPTION>"},
    {"the reporter's location is left alone", "<I name=QTHFrom><I name=QTH>",
     With(&S::location, "Tokyo", true),
     "<I name=QTHFrom><I " + kGreen + R"(name=QTH value="Tokyo">)"},
    {"the shield text itself comes out unshielded", "<I name=***From>", {}, "<I name=QTHFrom>"},
    {"a quoted name is not a marker", R"(<I name="QTH">)", With(&S::location, "Tokyo"),
     R"(<I name="QTH">)"},
    {"values are trimmed, the ideographic space stays", "<I name=Comments>",
     With(&S::comment, " \t　CQ　 "), "<I " + kYellow + R"(name=Comments value="　CQ　">)"},
    {"markup in a value stays text", "<I name=Comments>", With(&S::comment, "<script>a&b</script>"),
     "<I " + kYellow + R"(name=Comments value="&lt;script&gt;a&amp;b&lt;/script&gt;">)"},
    // Without escaping "=", the password step would insert into the comment.
    {"a marker inside a value is inert", "<I name=Comments><I name=Password>",
     [] {
         S s = With(&S::comment, "see name=Password");
         s.password = {"pw", true};
         return s;
     }(),
     "<I " + kYellow + R"(name=Comments value="see name&#61;Password"><I )" + kGreen +
         R"(name=Password value="pw">)"},
};

TEST_P(Prefill, Cases) {
    for (const Case& c : kCases)
        EXPECT_EQ(Run(c.page, c.spot), Expect(c.expected)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Encodings, Prefill, ::testing::Values(Encoding::Utf8, Encoding::Cp932),
                         [](const auto& param) {
                             return param.param == Encoding::Utf8 ? "Utf8" : "Cp932";
                         });

TEST(PrefillCp932, AMarkerNeverBeginsOnATrailByte) {
    // "ハ" is 0x83 0x6E: its second byte reads as "n".
    const std::string ha = "\x83\x6E";
    SpotSnapshot spot;
    spot.location = {"Tokyo", true};
    const std::string onTrail = ha + "ame=QTH>";
    EXPECT_EQ(PrefillPostingPage(onTrail, spot, Encoding::Cp932), onTrail);
    EXPECT_EQ(PrefillPostingPage(ha + "name=QTH>", spot, Encoding::Cp932),
              ha + kGreen + R"(name=QTH value="Tokyo">)");
}

TEST(PrefillUtf8, KeepsCharactersOutsideTheCodePage) {
    SpotSnapshot spot;
    spot.comment = {"😀 ㈱ 髙", true};
    EXPECT_EQ(PrefillPostingPage("<P>🎉</P><I name=Comments>", spot, Encoding::Utf8),
              "<P>🎉</P><I " + kGreen + R"(name=Comments value="😀 ㈱ 髙">)");
}

} // namespace
