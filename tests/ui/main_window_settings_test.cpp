#include "main_window_fixture.h"
#include "text/cp932_codec.h"

#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

namespace pelorin::ui::testing {
namespace {

using text::Utf8ToCp932;
using List = std::vector<std::string>;

TEST_F(MainWindowTest, LoadsEveryKeyAndLeavesAllFieldsYellow) {
    WriteIni("[Window]\r\nTop=40\r\nLeft=50\r\nHeight=700\r\nWidth=900\r\n"
             "[Log]\r\nCall=JA2B\\r\\nJA1A\\r\\n\r\nFreq=\r\n"
             "Qth=OSAKA\\r\\nTOKYO\\r\\n\r\nComments=" +
             Utf8ToCp932("ソ") +
             "n\\r\\n\r\n"
             "[Main]\r\nCall= JA1ABC \r\nFreq=7020\r\nStyle=5\r\nMode=99\r\nQth=\"" +
             Utf8ToCp932("東京都") +
             "\"\r\nComments=CQ\r\nPass=secret\r\nRmksSel=5\r\n"
             "[ListWidth]\r\nNo=$20\r\nQTH=abc\r\nRemarks2=400\r\n"
             "[Hamlog]\r\nOld_Version=5.30\r\n"
             "[" +
             Utf8ToCp932("リンク") + "]\r\n" + Utf8ToCp932("新ウィンドウ許可") + "=1\r\n");
    TForm1& f = Open();

    EXPECT_EQ(f.pos(), QPoint(50, 40));
    EXPECT_EQ(f.size(), QSize(900, 700));
    EXPECT_EQ(Items(f.combo_CALL), (List{"JA1A", "JA2B"}));
    EXPECT_EQ(f.combo_Freq->count(), 0);
    EXPECT_EQ(Items(f.combo_QTH), (List{"OSAKA", "TOKYO"}));
    EXPECT_EQ(Items(f.combo_Comments), List{Utf8ToCp932("ソ") + "n"});
    EXPECT_EQ(f.combo_CALL->currentText(), "JA1ABC");
    EXPECT_EQ(f.combo_Freq->currentText(), "7020");
    EXPECT_EQ(f.combo_OperationMode->currentIndex(), 5);
    EXPECT_EQ(f.combo_MODE->currentIndex(), -1) << "an index outside the list selects nothing";
    EXPECT_EQ(f.combo_MODE->currentText(), "");
    EXPECT_EQ(f.combo_QTH->currentText(), Utf8("東京都"));
    EXPECT_EQ(f.edt_Password->text(), "secret");
    EXPECT_TRUE(f.radio_RmkNone->isChecked());
    EXPECT_EQ(state_.ListColumns.widths[0], 32);
    EXPECT_EQ(state_.ListColumns.widths[12], 260); // not a number: default
    EXPECT_EQ(state_.ListColumns.widths[14], 400);
    EXPECT_EQ(state_.OldVersionList, "5.30");
    EXPECT_EQ(state_.AllowNewWindow, 1);
    for (QWidget* w : SpotFields(f))
        EXPECT_EQ(FieldColour(w), kUnconfirmedColour) << w->objectName().toStdString();
}

TEST_F(MainWindowTest, RmksChoiceFromTheFile) {
    const std::pair<const char*, QRadioButton * TForm1::*> cases[] = {
        {"0", &TForm1::radio_Rmk1},
        {"1", &TForm1::radio_Rmk2},
        {"-1", &TForm1::radio_RmkNone},
        {"2", &TForm1::radio_RmkNone},
        {"x", &TForm1::radio_Rmk1}};
    for (const auto& [stored, radio] : cases) {
        WriteIni(std::string("[Main]\r\nRmksSel=") + stored + "\r\n");
        TForm1& f = Open();
        EXPECT_TRUE((f.*radio)->isChecked()) << stored;
        form_.reset();
    }
}

TEST_F(MainWindowTest, FirstStartUsesDefaultsAndShiftCtrlKeepsDesignPlacement) {
    WriteIni("[Window]\r\nTop=400\r\nLeft=500\r\nHeight=300\r\nWidth=300\r\n");
    shiftAndCtrl_ = true;
    TForm1& held = Open();
    EXPECT_EQ(held.pos(), QPoint(174, 66));
    EXPECT_EQ(held.size(), QSize(833, 939));
    form_.reset();

    std::filesystem::remove(IniPath());
    shiftAndCtrl_ = false;
    TForm1& f = Open();
    EXPECT_EQ(f.pos(), QPoint(25, 25));
    EXPECT_EQ(f.size(), QSize(833, 939));
    EXPECT_EQ(f.combo_OperationMode->currentIndex(), 0);
    EXPECT_EQ(f.combo_MODE->currentIndex(), 0);
    EXPECT_TRUE(f.radio_Rmk1->isChecked());
    EXPECT_EQ(state_.ListColumns.widths, hamlog::ListColumnTable().widths);
    EXPECT_EQ(state_.OldVersionList, "5.21,5.22,5.23,5.24,5.25,5.26,5.27,5.28,5.29");
    EXPECT_EQ(state_.AllowNewWindow, 0);
}

TEST_F(MainWindowTest, SaveWritesTheKeysInOrderAndKeepsForeignLines) {
    WriteIni("; mine\r\n[Other]\r\nKeep=1\r\n\r\n[Main]\r\nCall=OLD\r\nExtra=x\r\n");
    TForm1& f = Open();
    f.move(30, 20);
    f.resize(800, 600);
    f.combo_CALL->setEditText("JA1ABC");
    f.combo_MODE->setCurrentIndex(-1);
    f.combo_Comments->addItem(" CQ ");
    f.combo_Comments->addItem(Utf8("テスト"));
    f.combo_Comments->setEditText(QString());
    f.edt_Password->setText(" pw ");
    f.radio_Rmk2->setChecked(true);
    state_.ListColumns.widths[1] = 99;
    state_.AllowNewWindow = 7;
    ASSERT_TRUE(f.SaveSettings());

    const std::string link = Utf8ToCp932("リンク");
    EXPECT_EQ(ReadIni(),
              "; mine\r\n[Other]\r\nKeep=1\r\n\r\n[Main]\r\nCall=JA1ABC\r\nExtra=x\r\n"
              "Freq=\r\nStyle=0\r\nMode=-1\r\nQth=\r\nComments=\r\nPass= pw \r\nRmksSel=1\r\n"
              "[Window]\r\nTop=20\r\nLeft=30\r\nHeight=600\r\nWidth=800\r\n"
              "[Log]\r\nCall=\r\nFreq=\r\nQth=\r\nComments=CQ\\r\\n" +
                  Utf8ToCp932("テスト") +
                  "\\r\\n\r\n"
                  "[ListWidth]\r\nNo=56\r\nCall=99\r\nDate=63\r\nTime=49\r\nHis=34\r\nMy=34\r\n"
                  "Freq=64\r\nMode=40\r\nCode=52\r\nGL=49\r\nQSL=31\r\nName=100\r\nQTH=260\r\n"
                  "Remarks1=340\r\nRemarks2=340\r\n"
                  "[Hamlog]\r\nOld_Version=5.21,5.22,5.23,5.24,5.25,5.26,5.27,5.28,5.29\r\n"
                  "[" +
                  link + "]\r\n" + Utf8ToCp932("新ウィンドウ許可") + "=7\r\n");
}

TEST_F(MainWindowTest, LongHistorySurvivesARestart) {
    TForm1& f = Open();
    // 100 comments of 120 bytes: far past what a fixed read buffer would hold.
    for (int i = 0; i < 100; ++i) {
        f.combo_Comments->setEditText(QString("C%1 ").arg(i, 3, 10, QChar('0')) +
                                      QString(116, QChar('X')));
        char enter = 13;
        f.combo_CommentsKeyPress(f.combo_Comments, enter);
    }
    const List before = Items(f.combo_Comments);
    ASSERT_EQ(before.size(), 100u);
    ASSERT_TRUE(f.SaveSettings());
    form_.reset();

    TForm1& again = Open();
    List sorted = before;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Items(again.combo_Comments), sorted);
}

TEST_F(MainWindowTest, FailedSaveKeepsTheWindowOpenAndTheNextCloseRetries) {
    WriteIni("[Main]\r\nCall=KEEP\r\n");
    TForm1& f = Open();
    std::filesystem::create_directory(IniPath() + ".tmp"); // the temporary file cannot be made

    QString message;
    QTimer::singleShot(0, [&message] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(message, QString::fromStdString(IniPath()) + Utf8(" に書き込めません"));
    EXPECT_EQ(ReadIni(), "[Main]\r\nCall=KEEP\r\n");

    std::filesystem::remove(IniPath() + ".tmp");
    f.combo_CALL->setEditText("JA1ABC");
    EXPECT_TRUE(f.close());
    EXPECT_NE(ReadIni().find("Call=JA1ABC\r\n"), std::string::npos);
}

} // namespace
} // namespace pelorin::ui::testing
