#include "text/cp932_codec.h"
#include "web/qt/posting_browser.h"
#include "web/qt/script_literal.h"
#include "web_test_support.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

namespace pelorin::browser {
namespace {

using pelorin::testing::kLightGreen;
using pelorin::testing::kYellow;
using pelorin::testing::RunScript;
using pelorin::testing::Standin;

TEST(SameOrigin, ComparesSchemeHostAndPort) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"http://127.0.0.1:8631/kumovi/submit.asp", "http://127.0.0.1:8631/other?x", true},
        {"http://Example.COM/a", "http://example.com:80/b", true},
        {"http://127.0.0.1:8632/kumovi/submit.asp", "http://127.0.0.1:8631/kumovi/submit.asp",
         false},
        {"https://127.0.0.1:8631/", "http://127.0.0.1:8631/", false},
        {"http://localhost:8631/", "http://127.0.0.1:8631/", false},
        {"about:blank", "about:blank", false},
        {"", "http://127.0.0.1:8631/", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameOrigin(QUrl(c.a), QUrl(c.b)), c.same) << c.a << " " << c.b;
}

// A web view with the adapter, as the main window holds it.
class PostingBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(standin_.Base().isEmpty());
        spot_.callsign = {"JA1ABC", true};
        spot_.frequency = {"7012.5", true};
        spot_.operatingStyle = {"移動運用", false};
        spot_.mode = {"CW", true};
        spot_.location = {"東京都港区", false};
        spot_.comment = {"599 \"QRP\" <5W> & more", true};
        spot_.password = {"secret", true};
        PostingBrowserHooks hooks;
        hooks.postingPageAddress = [this] { return standin_.PostingPage(); };
        hooks.takeSnapshot = [this] {
            ++snapshots_;
            return spot_;
        };
        hooks.dumpPage = [this](std::string_view page) { dumps_.emplace_back(page); };
        hooks.allowNewWindow = [this] {
            ++newWindowRequests_;
            return allowNewWindow_;
        };
        view_.resize(900, 700);
        browser_ = std::make_unique<PostingBrowser>(&view_, &stop_, hooks);
    }

    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "NewBrowserWindow")
                delete w;
        }
    }

    // Loads an address and waits until the adapter is done with the document.
    bool Load(const QString& address, bool* prefilled = nullptr) {
        return testing::HandledAfter(
            browser_.get(), [&] { browser_->Navigate(address); }, prefilled);
    }

    QVariant Js(const QString& script) { return RunScript(view_.page(), script); }
    QStringList Field(const QString& name) {
        return testing::FieldValueAndColour(view_.page(), name);
    }

    Standin standin_;
    QWebEngineView view_;
    QPushButton stop_;
    web::SpotSnapshot spot_;
    std::unique_ptr<PostingBrowser> browser_;
    int snapshots_ = 0;
    std::vector<std::string> dumps_;
    int allowNewWindow_ = 0;
    int newWindowRequests_ = 0;
};

TEST_F(PostingBrowserTest, FillsThePostingPageWithTheSpot) {
    bool prefilled = false;
    ASSERT_TRUE(Load(standin_.PostingPage(), &prefilled));
    EXPECT_TRUE(prefilled);
    EXPECT_FALSE(stop_.isEnabled());

    EXPECT_EQ(Field("CallSignTo"), QStringList({"JA1ABC", kLightGreen}));
    EXPECT_EQ(Field("Frequency"), QStringList({"7012.5", kLightGreen}));
    EXPECT_EQ(Field("QTH"), QStringList({"東京都港区", kYellow}));
    EXPECT_EQ(Field("Comments"), QStringList({"599 \"QRP\" <5W> & more", kLightGreen}));
    EXPECT_EQ(Field("Password"), QStringList({"secret", kLightGreen}));
    EXPECT_EQ(Field("QTHFrom").value(0), ""); // the reporter's own field is left alone
    EXPECT_EQ(Js("document.getElementsByName('OperationMode')[0].selectedOptions[0].text"),
              "移動運用");
    EXPECT_EQ(Js("document.getElementsByName('Mode')[0].selectedOptions[0].text"), "CW");

    // The dump holds the page as read, in the older form, before any value.
    ASSERT_EQ(dumps_.size(), 1u);
    const std::string dumped = text::Cp932ToUtf8(dumps_[0]);
    EXPECT_NE(dumped.find("<input type=text name=QTH size=40 maxlength=80>"), std::string::npos);
    EXPECT_EQ(dumped.find("JA1ABC"), std::string::npos);
    EXPECT_EQ(snapshots_, 1);
}

TEST_F(PostingBrowserTest, TakesTheSpotWhenThePageCompletes) {
    ASSERT_TRUE(Load(standin_.PostingPage()));
    spot_.callsign = {"JA2XYZ", false};
    ASSERT_TRUE(Load(standin_.PostingPage()));
    EXPECT_EQ(Field("CallSignTo"), QStringList({"JA2XYZ", kYellow}));
}

TEST_F(PostingBrowserTest, LeavesPagesOfAnotherOriginUntouched) {
    Standin other;
    ASSERT_FALSE(other.Base().isEmpty());
    bool prefilled = true;
    ASSERT_TRUE(Load(other.PostingPage(), &prefilled));
    EXPECT_FALSE(prefilled);
    for (const char* name : {"CallSignTo", "QTH", "Comments", "Password"})
        EXPECT_EQ(Field(name).value(0), "") << name;
    EXPECT_EQ(Js("document.body.innerHTML.indexOf('background')"), -1);
    EXPECT_EQ(snapshots_, 0);
    // The dump still shows what was loaded: the way to see why nothing was filled.
    ASSERT_EQ(dumps_.size(), 1u);
    EXPECT_NE(dumps_[0].find("name=Password"), std::string::npos);
}

TEST_F(PostingBrowserTest, FailedNavigationShowsNoErrorPage) {
    bool prefilled = true;
    ASSERT_TRUE(Load("http://127.0.0.1:1/kumovi/submit.asp", &prefilled));
    EXPECT_FALSE(prefilled);
    EXPECT_FALSE(stop_.isEnabled());
    EXPECT_EQ(Js("document.body ? document.body.innerText : ''"), "");
}

TEST_F(PostingBrowserTest, StopStateFollowsTheLoad) {
    EXPECT_FALSE(stop_.isEnabled());
    bool enabledWhileLoading = false;
    QObject::connect(view_.page(), &QWebEnginePage::loadStarted, &stop_,
                     [&] { enabledWhileLoading = stop_.isEnabled(); });
    ASSERT_TRUE(Load(standin_.PostingPage()));
    EXPECT_TRUE(enabledWhileLoading);
    EXPECT_FALSE(stop_.isEnabled());
}

TEST_F(PostingBrowserTest, StopEndsTheLoadBeforeItFills) {
    QObject::connect(view_.page(), &QWebEnginePage::loadStarted, browser_.get(),
                     [&] { browser_->Stop(); });
    bool prefilled = true;
    ASSERT_TRUE(Load(standin_.PostingPage(), &prefilled));
    EXPECT_FALSE(prefilled);
    EXPECT_FALSE(stop_.isEnabled());
    EXPECT_EQ(snapshots_, 0);
}

TEST_F(PostingBrowserTest, NewWindowsOnlyWhenAllowed) {
    const auto newWindows = [] {
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            count += w->objectName() == "NewBrowserWindow" && w->isVisible();
        return count;
    };
    ASSERT_TRUE(Load(standin_.PostingPage()));
    const QString openLink =
        "var a = document.createElement('a'); a.href = 'search.asp?CallSignTo=JA1ABC';"
        "a.target = '_blank'; document.body.appendChild(a); a.click();";

    for (const int allow : {0, 1, -1}) {
        allowNewWindow_ = allow;
        const int requestsBefore = newWindowRequests_;
        const int windowsBefore = newWindows();
        Js(openLink);
        QTRY_VERIFY_WITH_TIMEOUT(newWindowRequests_ > requestsBefore, 10000);
        QTest::qWait(50);
        EXPECT_EQ(newWindows() - windowsBefore, allow == 0 ? 0 : 1) << allow;
    }
}

TEST(ScriptStringLiteral, ReachesTheScriptUnchanged) {
    QWebEnginePage page;
    const QString texts[] = {
        "plain",
        "quote \" apostrophe ' backslash \\ slash </script>",
        QString("line\nfeed\r\ttab") + QChar(0x2028) + QChar(0x2029) + QChar(0),
        "東京都　港区 ＪＡ",
    };
    for (const QString& text : texts) {
        const QString literal = ScriptStringLiteral(text);
        EXPECT_FALSE(literal.contains(QChar(0x2028)));
        EXPECT_EQ(RunScript(&page, literal).toString(), text);
    }
}

} // namespace
} // namespace pelorin::browser

int main(int argc, char* argv[]) {
    return pelorin::testing::RunWebEngineTests(argc, argv);
}
