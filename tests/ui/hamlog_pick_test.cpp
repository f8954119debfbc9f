#include "cp932_literal.h"
#include "fake_hamlog.h"
#include "ui/field_colour.h"
#include "ui/hamlog_button.h"
#include "ui/hamlog_link.h"
#include "ui/main_window.h"
#include "ui/reference_list_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace pelorin::ui {
namespace {

using hamlog::testing::FakeHamlog;
using hamlog::testing::Sj;

// The main window with its reference list, on a settings file of the test.
class HamlogPickTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProgramState state;
    bool shiftAndCtrl = false;
    std::unique_ptr<TForm1> form1;
    TForm2* form2 = nullptr;

    void SetUp() override {
        state.shiftAndCtrlHeld = [this] { return shiftAndCtrl; };
        Start();
    }

    void Start() {
        form1 = std::make_unique<TForm1>(state, dir.filePath("Pelorin.ini"));
        form2 = ConnectHamlog(*form1, [] { return std::make_unique<FakeHamlog>(); }).form2;
        form1->show();
    }

    void Restart() {
        ASSERT_TRUE(form1->SaveSettings());
        form1.reset();
        state = ProgramState{};
        state.shiftAndCtrlHeld = [this] { return shiftAndCtrl; };
        Start();
    }

    // A row like Hamlog's, texts given as UTF-8.
    static hamlog::RecordFields Row(const char* call, const char* freq, const char* mode,
                                    const char* code, const char* remarks1,
                                    const char* remarks2 = "") {
        hamlog::RecordFields f;
        f[hamlog::kFieldCall] = call;
        f[hamlog::kFieldFreq] = freq;
        f[hamlog::kFieldMode] = mode;
        f[hamlog::kFieldCode] = code;
        f[hamlog::kFieldRemarks1] = Sj(remarks1);
        f[hamlog::kFieldRemarks2] = Sj(remarks2);
        return f;
    }

    void ShowWithRow(const hamlog::RecordFields& row) {
        form2->AddRow("1-1", row);
        form2->SelectRow(0);
        form2->show();
    }

    void PressEnterOnList() { QTest::keyClick(form2->ListView1, Qt::Key_Return); }

    static QString Text(const QComboBox* combo) { return combo->currentText(); }
};

TEST_F(HamlogPickTest, PickedRecordFillsTheFieldsAndMarksThePlaceForChecking) {
    ShowWithRow(Row(" JA1ABC ", " 7.00325", "cw", "1305", "JA1XX □13埼玉県-05,NAME 移動運用"));
    PressEnterOnList();

    EXPECT_FALSE(form2->isVisible());
    EXPECT_EQ(Text(form1->combo_CALL), "JA1ABC");
    EXPECT_EQ(Text(form1->combo_Freq), "7003.3");
    EXPECT_EQ(form1->combo_MODE->currentIndex(), 2); // CW
    EXPECT_EQ(Text(form1->combo_QTH), QString::fromUtf8("埼玉県-05"));
    EXPECT_EQ(Text(form1->combo_Comments), QString::fromUtf8("JA1XX 移動運用"));
    EXPECT_TRUE(state.HamlogPicked);
    EXPECT_EQ(state.HamlogFreqText, "7.00325");
    EXPECT_EQ(state.HamlogModeText, "cw");

    // The Enter actions ran; a place from the remark still wants a look.
    EXPECT_TRUE(IsConfirmed(form1->combo_CALL));
    EXPECT_TRUE(IsConfirmed(form1->combo_Freq));
    EXPECT_TRUE(IsConfirmed(form1->combo_MODE));
    EXPECT_EQ(FieldColour(form1->combo_QTH), kUnconfirmedColour);
    EXPECT_EQ(FieldColour(form1->combo_Comments), kUnconfirmedColour);
}

TEST_F(HamlogPickTest, RemarkChoiceDecidesWhatFeedsQthAndComment) {
    struct Case {
        QRadioButton* TForm1::*radio;
        const char* qth;
        const char* comment;
    };
    const Case cases[] = {
        {&TForm1::radio_Rmk1, "東京都-12", "ONE X"},
        {&TForm1::radio_Rmk2, "1001", "TWO"},
        {&TForm1::radio_RmkNone, "1001", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qth);
        (form1.get()->*c.radio)->setChecked(true);
        form2->ClearRows();
        ShowWithRow(Row("JA1ABC", "7.0235", "SSB", "1001", "ONE RS-12 X", "TWO"));
        PressEnterOnList();
        EXPECT_EQ(Text(form1->combo_QTH), QString::fromUtf8(c.qth));
        EXPECT_EQ(Text(form1->combo_Comments), QString::fromUtf8(c.comment));
    }
    // No remark, no comment: the empty comment is left unconfirmed.
    EXPECT_EQ(FieldColour(form1->combo_Comments), kUnconfirmedColour);
}

TEST_F(HamlogPickTest, CommentsThatStillCarryRsOrARoadsideStationWantALook) {
    struct Case {
        const char* remark;
        bool marked;
    };
    const Case cases[] = {
        {"first QSO", true}, // inside a word too
        {"RSGB member", true}, {"道の駅 QSO", true},
        {"Rsx GOOD", false}, // mixed case is not looked for
        {"GOOD", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remark);
        form2->ClearRows();
        ShowWithRow(Row("JA1ABC", "7.0235", "SSB", "1001", c.remark));
        PressEnterOnList();
        EXPECT_EQ(Text(form1->combo_QTH), "1001");
        EXPECT_EQ(IsConfirmed(form1->combo_Comments), !c.marked);
        EXPECT_EQ(IsConfirmed(form1->combo_QTH), !c.marked);
    }
}

TEST_F(HamlogPickTest, EnterWithoutASelectedRowRunsTheEnterActionsOnTheCurrentValues) {
    form1->combo_CALL->setEditText("JA1XYZ");
    form1->combo_Freq->setEditText("14020.0");
    form1->combo_QTH->setEditText("TOKYO");
    form1->combo_Comments->setEditText("CQ");
    form1->edt_Password->setText("secret");
    form2->AddRow("1-1", Row("JA1ABC", "7.0235", "CW", "1001", ""));
    form2->show();
    ASSERT_EQ(form2->SelectedRow(), -1);

    PressEnterOnList();

    EXPECT_FALSE(form2->isVisible());
    EXPECT_FALSE(state.HamlogPicked);
    EXPECT_EQ(Text(form1->combo_CALL), "JA1XYZ");
    for (QWidget* field :
         {static_cast<QWidget*>(form1->combo_CALL), static_cast<QWidget*>(form1->combo_Freq),
          static_cast<QWidget*>(form1->combo_QTH), static_cast<QWidget*>(form1->combo_Comments),
          static_cast<QWidget*>(form1->edt_Password)})
        EXPECT_TRUE(IsConfirmed(field)) << field->objectName().toStdString();
    // Style and mode are still to be chosen.
    EXPECT_FALSE(IsConfirmed(form1->combo_MODE));
    // The password's Enter action made the cluster button bold; its click
    // took that away again.
    EXPECT_FALSE(form1->Button1->font().bold());
}

TEST_F(HamlogPickTest, WithoutAPasswordTheClusterButtonIsLeftToTheUser) {
    form1->Button1->setFont([&] {
        QFont bold = form1->Button1->font();
        bold.setBold(true);
        return bold;
    }());
    ShowWithRow(Row("JA1ABC", "7.0235", "CW", "1001", ""));
    PressEnterOnList();
    EXPECT_FALSE(IsConfirmed(form1->edt_Password));
    EXPECT_TRUE(form1->Button1->font().bold());
}

TEST_F(HamlogPickTest, ShiftAndCtrlKeepTheListOpenForTheNextPick) {
    shiftAndCtrl = true;
    ShowWithRow(Row("JA1ABC", "7.0235", "CW", "1001", ""));
    QTest::mouseDClick(form2->ListView1->viewport(), Qt::LeftButton);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(Text(form1->combo_CALL), "JA1ABC");
}

TEST_F(HamlogPickTest, ColumnWidthsSurviveARestart) {
    constexpr int kRemarks1 = 13;
    form1->Button4Click();
    form2->ListView1->setColumnWidth(kRemarks1, 432);
    QTest::keyClick(form2->ListView1, Qt::Key_Escape);
    Restart();
    EXPECT_EQ(form2->ListView1->columnWidth(kRemarks1), 432);
    // Shift and Ctrl at the button bring the defaults back.
    shiftAndCtrl = true;
    form1->Button4Click();
    EXPECT_EQ(form2->ListView1->columnWidth(kRemarks1),
              hamlog::kListColumns[kRemarks1].defaultWidth);
}

} // namespace
} // namespace pelorin::ui
