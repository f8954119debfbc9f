// The Hamlog road on the real main window and reference list, the real bridge
// under Wine and substitute Hamlog windows: press the Hamlog button, pick a
// record, and get the spot fields and the pre-filled posting page.
#include "tests/hamlog_link/wine_testkit.h"
#include "text/cp932_codec.h"
#include "ui/field_colour.h"
#include "ui/hamlog_button.h"
#include "ui/hamlog_link.h"
#include "ui/hamlog_platform_port.h"
#include "ui/main_window.h"
#include "ui/reference_list_window.h"
#include "web/qt/posting_browser.h"
#include "web_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <stdlib.h>

namespace pelorin {
namespace {

using hamlog::testkit::RecordReply;
using hamlog::testkit::ReplyRule;
using hamlog::testkit::SubstituteHamlog;
using text::Utf8ToCp932;
using Clock = std::chrono::steady_clock;

using testing::kLightGreen;
using testing::kYellow;

// A record with the given call and remark; texts as UTF-8.
std::array<std::string, 14> Record(const std::string& call, const char* remarks1 = "") {
    return {call,
            "2026/12/11",
            "0930J",
            "599",
            "599",
            "7.00325",
            "CW",
            "1305",
            "PM95",
            "J",
            "YAMA",
            Utf8ToCp932("川越市"),
            Utf8ToCp932(remarks1),
            ""};
}

// A substitute Hamlog that answers everything; `old` lays its selected and
// numbered records out from line 0, as old versions do.
std::string Scenario(const std::string& tag, bool old, const char* inputRemark = "") {
    return ReplyRule("input", RecordReply(Record("JA1" + tag, inputRemark))) +
           ReplyRule("selected", RecordReply(Record("JR1" + tag), old)) +
           ReplyRule("count", "RECNUM12\r\n") +
           ReplyRule("record:*", RecordReply(Record(tag + "{n}"), old));
}

// The captions and calls one window gives: input, selection, records 12..3.
std::vector<std::pair<std::string, std::string>> RowsOf(int number, const std::string& tag) {
    const std::string prefix = std::to_string(number) + "-";
    std::vector<std::pair<std::string, std::string>> rows{
        {prefix + Utf8ToCp932("入力"), "JA1" + tag}, {prefix + Utf8ToCp932("選択"), "JR1" + tag}};
    for (int n = 12; n > 2; --n)
        rows.emplace_back(prefix + std::to_string(n), tag + std::to_string(n));
    return rows;
}

class HamlogPickUnderWineTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const auto reason = hamlog::testkit::WineSkipReason(); !reason.empty())
            GTEST_SKIP() << reason;
        ASSERT_EQ(hamlog::testkit::PrepareWine(), "");
        ASSERT_FALSE(standin_.Base().isEmpty());
        ASSERT_TRUE(dir_.isValid());
        state_.shiftAndCtrlHeld = [] { return false; };
        form1_ = std::make_unique<ui::TForm1>(state_, dir_.filePath("pelorin.ini"));
        form1_->SetServiceBase(standin_.Base());
        // The program's own port, on the bridge of this build.
        setenv("PELORIN_HAMLOG_BRIDGE", hamlog::testkit::BridgeExe().c_str(), 1);
        const ui::HamlogLink link = ui::ConnectHamlog(*form1_, ui::MakePlatformHamlogPort);
        form2_ = link.form2;
        button_ = link.button;
        form1_->show();
    }

    // Presses the Hamlog button and waits for the rows.
    bool Query() {
        QSignalSpy applied(button_, &ui::HamlogButton::QueryApplied);
        QTest::mouseClick(form1_->Button4, Qt::LeftButton);
        return applied.wait(30000);
    }

    std::vector<std::pair<std::string, std::string>> Rows() const {
        std::vector<std::pair<std::string, std::string>> rows;
        for (int i = 0; i < form2_->RowCount(); ++i)
            rows.emplace_back(form2_->RowCaption(i), form2_->RowItems(i)[hamlog::kFieldCall]);
        return rows;
    }

    QStringList Field(const QString& name) {
        return testing::FieldValueAndColour(form1_->CppWebBrowser1->page(), name);
    }

    testing::Standin standin_;
    QTemporaryDir dir_;
    ui::ProgramState state_;
    std::unique_ptr<ui::TForm1> form1_;
    ui::TForm2* form2_ = nullptr;
    ui::HamlogButton* button_ = nullptr;
};

TEST_F(HamlogPickUnderWineTest, PickedRecordFillsTheSpotAndOpensThePrefilledPostingPage) {
    SubstituteHamlog current("Hamlog Ver5.30",
                             Scenario("NEW", false, "QRP □13埼玉県-05,KAWAGOE 移動運用"));
    SubstituteHamlog old("Hamlog Ver5.25", Scenario("OLD", true));
    ASSERT_EQ(current.Error(), "");
    ASSERT_EQ(old.Error(), "");

    ASSERT_TRUE(Query());
    EXPECT_TRUE(form2_->isVisible());
    // Each window's rows in turn, the old one's selection and records read
    // from line 0 and its input from line 1.
    const bool currentFirst = form2_->RowCount() > 0 && form2_->RowItems(0)[0] == "JA1NEW";
    auto expected = RowsOf(1, currentFirst ? "NEW" : "OLD");
    for (auto& row : RowsOf(2, currentFirst ? "OLD" : "NEW"))
        expected.push_back(row);
    EXPECT_EQ(Rows(), expected);
    for (int i = 0; i < form2_->RowCount(); ++i)
        EXPECT_EQ(form2_->RowItems(i)[hamlog::kFieldFreq], "7.00325") << i;

    const int inputRow = currentFirst ? 0 : 12;
    form2_->SelectRow(inputRow);
    form1_->edt_Password->setText("secret");
    QSignalSpy handled(form1_->Browser(), &browser::PostingBrowser::documentHandled);
    QTest::keyClick(form2_->ListView1, Qt::Key_Return);

    EXPECT_FALSE(form2_->isVisible());
    EXPECT_EQ(form1_->combo_CALL->currentText(), "JA1NEW");
    EXPECT_EQ(form1_->combo_Freq->currentText(), "7003.3");
    EXPECT_EQ(form1_->combo_MODE->currentText(), "CW");
    EXPECT_EQ(form1_->combo_QTH->currentText(), QString::fromUtf8("埼玉県-05"));
    EXPECT_EQ(form1_->combo_Comments->currentText(), QString::fromUtf8("QRP 移動運用"));
    EXPECT_EQ(ui::FieldColour(form1_->combo_QTH), ui::kUnconfirmedColour);
    EXPECT_EQ(ui::FieldColour(form1_->combo_Comments), ui::kUnconfirmedColour);
    EXPECT_TRUE(ui::IsConfirmed(form1_->combo_CALL));
    EXPECT_TRUE(ui::IsConfirmed(form1_->combo_Freq));

    ASSERT_TRUE(handled.wait(15000));
    EXPECT_TRUE(handled.first().at(1).toBool());
    EXPECT_EQ(Field("CallSignTo"), QStringList({"JA1NEW", kLightGreen}));
    EXPECT_EQ(Field("Frequency"), QStringList({"7003.3", kLightGreen}));
    EXPECT_EQ(Field("QTH"), QStringList({QString::fromUtf8("埼玉県-05"), kYellow}));
    EXPECT_EQ(Field("Comments"), QStringList({QString::fromUtf8("QRP 移動運用"), kYellow}));
    EXPECT_EQ(Field("Password"), QStringList({"secret", kLightGreen}));
}

TEST_F(HamlogPickUnderWineTest, HungHamlogCostsOneTimeLimitAndTheWindowsStayResponsive) {
    SubstituteHamlog hung("Hamlog Ver5.30", ReplyRule("input", "late", "hang=60000"));
    SubstituteHamlog healthy("Hamlog Ver5.30", Scenario("OK", false));
    ASSERT_EQ(hung.Error(), "");
    ASSERT_EQ(healthy.Error(), "");

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(50);
    const auto start = Clock::now();
    ASSERT_TRUE(Query());
    const auto took = Clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(8));
    // The loop ran all along: at least half the ticks the wait allowed.
    EXPECT_GE(ticks, std::chrono::duration_cast<std::chrono::milliseconds>(took).count() / 100);

    const std::vector<std::pair<std::string, std::string>> rows = Rows();
    ASSERT_EQ(rows.size(), 12u);
    const int number = rows.front().first[0] - '0';
    EXPECT_EQ(rows, RowsOf(number, "OK"));
    EXPECT_EQ(hung.Requests().size(), 1u);
}

} // namespace
} // namespace pelorin

int main(int argc, char* argv[]) {
    return pelorin::testing::RunWebEngineTests(argc, argv);
}
