#include "web/qt/older_serialisation.h"

#include <gtest/gtest.h>
#include <string>

namespace pelorin::browser {
namespace {

struct Case {
    const char* what;
    std::string engine; // as the engine serialises it
    std::string older;  // as the markers expect it
};

class OlderSerialisationTest : public ::testing::TestWithParam<Case> {};

TEST_P(OlderSerialisationTest, Rewrites) {
    EXPECT_EQ(ToOlderSerialisation(GetParam().engine), GetParam().older) << GetParam().what;
    // Applying it to its own result changes nothing more.
    EXPECT_EQ(ToOlderSerialisation(GetParam().older), GetParam().older);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OlderSerialisationTest,
    ::testing::Values(
        Case{"plain token values lose their quotes",
             R"(<input type="text" name="QTHFrom" size="24" maxlength="80">)",
             R"(<input type=text name=QTHFrom size=24 maxlength=80>)"},
        Case{"all plain characters", R"(<a id="a-b_c.d:9Z">x</a>)", R"(<a id=a-b_c.d:9Z>x</a>)"},
        Case{"values needing quotes keep them",
             R"(<p class="a b" title="" data-x="a/b" lang="日本" style="color:red;">)",
             R"(<p class="a b" title="" data-x="a/b" lang="日本" style="color:red;">)"},
        Case{"an escaped quote keeps the value quoted", R"(<input value="&quot;" name="Comments">)",
             R"(<input value="&quot;" name=Comments>)"},
        Case{"a > inside a quoted value does not end the tag",
             R"(<input value="a>b name=" name="QTH">)", R"(<input value="a>b name=" name=QTH>)"},
        Case{"text that looks like an attribute is text", R"(<td>name="QTH" &gt; "x"</td>)",
             R"(<td>name="QTH" &gt; "x"</td>)"},
        Case{"comments are kept", R"(<!-- <input name="QTH"> --><b id="x">)",
             R"(<!-- <input name="QTH"> --><b id=x>)"},
        Case{"script and style content is kept",
             R"(<script type="text/javascript">if (a<b) s='<input name="QTH">';</script>)"
             R"(<style>p[title="x"]{}</style><i class="k">)",
             R"(<script type="text/javascript">if (a<b) s='<input name="QTH">';</script>)"
             R"(<style>p[title="x"]{}</style><i class=k>)"},
        Case{"options of a list", R"(<option value="5" selected="">移動運用</option>)",
             R"(<option value=5 selected="">移動運用</option>)"},
        Case{"a lone < and an end tag", R"(a < b</td><br>)", R"(a < b</td><br>)"},
        Case{"text ending inside a value is kept", R"(<input name="QT)", R"(<input name="QT)"},
        Case{"the ideographic space after an input", "<input name=\"Frequency\">　kHz</td>",
             "<input name=Frequency>　kHz</td>"}),
    [](const ::testing::TestParamInfo<Case>& p) { return "case" + std::to_string(p.index); });

} // namespace
} // namespace pelorin::browser
