#include "main_window_fixture.h"
#include "text/cp932_codec.h"

#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>

namespace pelorin::ui::testing {
namespace {

using List = std::vector<std::string>;

TEST_F(MainWindowTest, ManualRoadFromCallsignToClusterButton) {
    TForm1& f = Open();
    state_.HamlogPicked = true;
    Focus(f.combo_CALL);

    Type("ja1abc"); // capitals as typed
    EXPECT_EQ(f.combo_CALL->currentText(), "JA1ABC");
    Enter();
    EXPECT_TRUE(IsConfirmed(f.combo_CALL));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_Freq);
    EXPECT_EQ(f.combo_OperationMode->currentIndex(), 6);
    EXPECT_FALSE(IsConfirmed(f.combo_OperationMode)); // chosen by code: colour kept

    Type("7020.5");
    Enter();
    EXPECT_TRUE(IsConfirmed(f.combo_Freq));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_OperationMode);
    EXPECT_FALSE(state_.HamlogPicked) << "typing a frequency ends the Hamlog pick";

    Enter();
    EXPECT_TRUE(IsConfirmed(f.combo_OperationMode));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_MODE);

    QTest::keyClick(f.combo_MODE, Qt::Key_Down);
    QTest::keyClick(f.combo_MODE, Qt::Key_Down);
    EXPECT_EQ(f.combo_MODE->currentText(), "CW");
    EXPECT_TRUE(IsConfirmed(f.combo_MODE)); // the user's change colours at once
    Enter();
    EXPECT_EQ(QApplication::focusWidget(), f.combo_QTH);

    Type(Utf8("東京")); // two full-width characters: 4 bytes
    Enter();
    EXPECT_TRUE(IsConfirmed(f.combo_QTH));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_Comments);

    Enter(); // an empty comment is accepted and adds nothing
    EXPECT_TRUE(IsConfirmed(f.combo_Comments));
    EXPECT_EQ(f.combo_Comments->count(), 0);
    EXPECT_EQ(QApplication::focusWidget(), f.edt_Password);

    Type("pw");
    Enter();
    EXPECT_TRUE(IsConfirmed(f.edt_Password));
    EXPECT_EQ(QApplication::focusWidget(), f.Button1);
    EXPECT_TRUE(f.Button1->font().bold());

    EXPECT_EQ(Items(f.combo_CALL), List{"JA1ABC"});
    EXPECT_EQ(Items(f.combo_Freq), List{"7020.5"});
    EXPECT_EQ(Items(f.combo_QTH), List{text::Utf8ToCp932("東京")});
    EXPECT_EQ(f.edt_Password->text(), "pw"); // the password is not in capitals
}

TEST_F(MainWindowTest, PastedTextIsInCapitalsToo) {
    TForm1& f = Open();
    QApplication::clipboard()->setText("ja1abc/m");
    Focus(f.combo_CALL);
    QTest::keyClick(f.combo_CALL, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.combo_CALL->currentText(), "JA1ABC/M");
    Enter();
    EXPECT_EQ(f.combo_OperationMode->currentIndex(), 2);
}

TEST_F(MainWindowTest, ShortCallsignStaysThenOneMoreLetterPasses) {
    TForm1& f = Open();
    Focus(f.combo_CALL);
    Type("JA");
    Enter();
    EXPECT_FALSE(IsConfirmed(f.combo_CALL));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_CALL);
    EXPECT_EQ(f.combo_OperationMode->currentIndex(), 0);
    EXPECT_EQ(f.combo_CALL->count(), 0) << "Enter adds nothing by itself";

    Type("1");
    Enter();
    EXPECT_TRUE(IsConfirmed(f.combo_CALL));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_Freq);
    EXPECT_EQ(f.combo_OperationMode->currentIndex(), 6);
    EXPECT_EQ(Items(f.combo_CALL), List{"JA1"});
    EXPECT_EQ(f.combo_CALL->currentText(), "JA1");
}

TEST_F(MainWindowTest, KeysOtherThanEnterRunNoAction) {
    TForm1& f = Open();
    Focus(f.combo_QTH);
    Type("TOKYO");
    QTest::keyClick(f.combo_QTH, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), f.combo_QTH);
    EXPECT_EQ(f.combo_QTH->count(), 0);
    EXPECT_FALSE(IsConfirmed(f.combo_QTH));

    // Called as the Hamlog pick does: any key but 13 is left alone.
    char tab = '\t';
    f.combo_QTHKeyPress(f.combo_QTH, tab);
    EXPECT_EQ(tab, '\t');
    EXPECT_EQ(f.combo_QTH->count(), 0);
    char enter = 13;
    f.combo_QTHKeyPress(f.combo_QTH, enter);
    EXPECT_EQ(enter, 13);
    EXPECT_TRUE(IsConfirmed(f.combo_QTH));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_Comments);
}

TEST_F(MainWindowTest, StyleFollowsTheCallsign) {
    TForm1& f = Open();
    struct Case {
        const char* typed;
        int style;
    } const cases[] = {
        {"JA1ABC/3", 5}, {"ja1abc/jd1", 5}, {"JA1ABC/MM", 9},  {"JA1ABC/M", 2},
        {"JA1ABC/P", 0}, {"JA1ABC", 6},     {"JA1ABC/1/M", 5}, {"JA1ABC/QRP", 1},
    };
    for (const Case& c : cases) {
        f.combo_OperationMode->setCurrentIndex(3);
        f.combo_CALL->clear(); // no completion from the earlier cases
        Focus(f.combo_CALL);
        Type(c.typed);
        Enter();
        EXPECT_EQ(f.combo_OperationMode->currentIndex(), c.style) << c.typed;
    }
    // Written by the program, lower case stays lower case and matches no suffix.
    f.combo_CALL->setEditText("ja1abc/m");
    char enter = 13;
    f.combo_CALLKeyPress(f.combo_CALL, enter);
    EXPECT_EQ(f.combo_OperationMode->currentIndex(), 0);
    EXPECT_FALSE(IsConfirmed(f.combo_OperationMode));
}

TEST_F(MainWindowTest, FrequencyBoundsThroughTheField) {
    TForm1& f = Open();
    struct Case {
        const char* typed;
        bool accepted;
    } const cases[] = {
        {"135.7", true},   {"137.81", false}, {"1907.4", false},  {"3575", true},
        {"7200", true},    {"7200.1", false}, {"7.02", false},    {"7,020", false},
        {"7020khz", true}, {" 1.4e4", true},  {"10500000", true}, {"", false},
    };
    for (const Case& c : cases) {
        f.combo_Freq->setEditText(QString());
        Focus(f.combo_Freq);
        Type(c.typed);
        Enter();
        EXPECT_EQ(IsConfirmed(f.combo_Freq), c.accepted) << c.typed;
        EXPECT_EQ(QApplication::focusWidget(),
                  c.accepted ? static_cast<QWidget*>(f.combo_OperationMode) : f.combo_Freq)
            << c.typed;
    }
    // Full-width digits read as 0.
    f.combo_Freq->setEditText(Utf8("７０２０"));
    Focus(f.combo_Freq);
    Enter();
    EXPECT_FALSE(IsConfirmed(f.combo_Freq));
    // The history holds the trimmed texts, newest first, letters and all.
    const List history = Items(f.combo_Freq);
    ASSERT_GE(history.size(), 3u);
    EXPECT_EQ(history[0], "10500000");
    EXPECT_EQ(history[1], "1.4E4");
    EXPECT_EQ(history[2], "7020KHZ");
}

TEST_F(MainWindowTest, QthNeedsFourBytes) {
    TForm1& f = Open();
    struct Case {
        const char* typed;
        bool accepted;
    } const cases[] = {{"ABC", false}, {"  ABC  ", false}, {"東京", true}, {"ABCD", true}};
    for (const Case& c : cases) {
        f.combo_QTH->setEditText(QString());
        Focus(f.combo_QTH);
        Type(Utf8(c.typed));
        Enter();
        EXPECT_EQ(IsConfirmed(f.combo_QTH), c.accepted) << c.typed;
        EXPECT_EQ(QApplication::focusWidget() == f.combo_Comments, c.accepted) << c.typed;
    }
}

TEST_F(MainWindowTest, PasswordOfOneAndOfTwoLetters) {
    TForm1& f = Open();
    Focus(f.edt_Password);
    Type(" a ");
    Enter();
    EXPECT_FALSE(IsConfirmed(f.edt_Password));
    EXPECT_EQ(QApplication::focusWidget(), f.edt_Password);
    EXPECT_FALSE(f.Button1->font().bold());

    f.edt_Password->clear();
    Type("ab");
    Enter();
    EXPECT_TRUE(IsConfirmed(f.edt_Password));
    EXPECT_EQ(QApplication::focusWidget(), f.Button1);
    EXPECT_TRUE(f.Button1->font().bold());

    // Edited it stays confirmed; emptied it does not, and the button stays bold.
    Focus(f.edt_Password);
    QTest::keyClick(f.edt_Password, Qt::Key_End);
    Type("c");
    EXPECT_TRUE(IsConfirmed(f.edt_Password));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(f.edt_Password, Qt::Key_Backspace);
    EXPECT_FALSE(IsConfirmed(f.edt_Password));
    EXPECT_TRUE(f.Button1->font().bold());
}

TEST_F(MainWindowTest, HistoryGrowsAtTheTopWithoutRepeats) {
    WriteIni("[Log]\r\nCall=JA3CCC\\r\\nJA1AAA\\r\\n\r\n");
    TForm1& f = Open();
    EXPECT_EQ(Items(f.combo_CALL), (List{"JA1AAA", "JA3CCC"})); // restored sorted
    for (const char* call : {"JA2BBB", "JA3CCC", "  JA9ZZZ "}) {
        f.combo_CALL->setEditText(call);
        Focus(f.combo_CALL);
        Enter();
    }
    EXPECT_EQ(Items(f.combo_CALL), (List{"JA9ZZZ", "JA2BBB", "JA1AAA", "JA3CCC"}));
    EXPECT_EQ(f.combo_CALL->currentText(), "  JA9ZZZ ") << "the field keeps what was typed";
}

TEST_F(MainWindowTest, ModeListAndHamlogPick) {
    TForm1& f = Open();
    // The user's change of the mode list ends the pick, in either direction.
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
        state_.HamlogPicked = true;
        Focus(f.combo_MODE);
        QTest::keyClick(f.combo_MODE, key);
        EXPECT_FALSE(state_.HamlogPicked);
    }
    EXPECT_EQ(f.combo_MODE->currentIndex(), 0);
    EXPECT_FALSE(IsConfirmed(f.combo_MODE));

    // Enter with no mode chosen: yellow, focus kept, pick ended.
    state_.HamlogPicked = true;
    Enter();
    EXPECT_FALSE(IsConfirmed(f.combo_MODE));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_MODE);
    EXPECT_FALSE(state_.HamlogPicked);

    // CW chosen by code, as the pick does, then Enter: the pick stays.
    state_.HamlogPicked = true;
    f.combo_MODE->setCurrentIndex(2);
    EXPECT_FALSE(IsConfirmed(f.combo_MODE)); // selections by code run no change action
    Enter();
    EXPECT_TRUE(IsConfirmed(f.combo_MODE));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_QTH);
    EXPECT_TRUE(state_.HamlogPicked);
}

TEST_F(MainWindowTest, OnlyTheUsersFrequencyEditEndsThePick) {
    TForm1& f = Open();
    state_.HamlogPicked = true;
    f.combo_Freq->setEditText("7003.3"); // written by the pick
    char enter = 13;
    f.combo_FreqKeyPress(f.combo_Freq, enter);
    EXPECT_TRUE(IsConfirmed(f.combo_Freq));
    EXPECT_TRUE(state_.HamlogPicked);

    Focus(f.combo_Freq);
    QTest::keyClick(f.combo_Freq, Qt::Key_Backspace);
    EXPECT_FALSE(state_.HamlogPicked);

    // Choosing an entry of the frequency's own list is the user's edit too.
    state_.HamlogPicked = true;
    f.combo_Freq->showPopup();
    QTest::keyClick(f.combo_Freq->view(), Qt::Key_Return);
    EXPECT_FALSE(f.combo_Freq->view()->isVisible());
    EXPECT_EQ(f.combo_Freq->currentText(), "7003.3");
    EXPECT_FALSE(state_.HamlogPicked);

    // Stepping through the list with the arrow keys or the wheel is one too.
    // Each step comes as a later input event, after the loop has run.
    f.combo_Freq->insertItem(0, "14020");
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down}) {
        QCoreApplication::processEvents();
        state_.HamlogPicked = true;
        const QString before = f.combo_Freq->currentText();
        QTest::keyClick(f.combo_Freq, key);
        ASSERT_NE(f.combo_Freq->currentText(), before);
        EXPECT_FALSE(state_.HamlogPicked) << "arrow key";
    }
    QCoreApplication::processEvents();
    state_.HamlogPicked = true;
    QWheelEvent wheel(QPointF(5, 5), f.combo_Freq->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.combo_Freq, &wheel);
    ASSERT_EQ(f.combo_Freq->currentText(), "14020");
    EXPECT_FALSE(state_.HamlogPicked) << "wheel";

    // The pick writing a listed frequency, then the user leaving the field:
    // the list takes up the text, but nothing was edited.
    QCoreApplication::processEvents();
    state_.HamlogPicked = true;
    f.combo_Freq->setEditText("7003.3");
    QTest::keyClick(f.combo_Freq, Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), f.combo_Freq);
    EXPECT_EQ(f.combo_Freq->currentText(), "7003.3");
    EXPECT_TRUE(state_.HamlogPicked);
}

TEST_F(MainWindowTest, OperatingStyleListFollowsTheUser) {
    TForm1& f = Open();
    Focus(f.combo_OperationMode);
    Enter(); // "選択なし"
    EXPECT_FALSE(IsConfirmed(f.combo_OperationMode));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_OperationMode);
    QTest::keyClick(f.combo_OperationMode, Qt::Key_Down);
    EXPECT_TRUE(IsConfirmed(f.combo_OperationMode));
    EXPECT_EQ(QApplication::focusWidget(), f.combo_OperationMode);
    QTest::keyClick(f.combo_OperationMode, Qt::Key_Up);
    EXPECT_FALSE(IsConfirmed(f.combo_OperationMode));
}

TEST_F(MainWindowTest, ClearWithAndWithoutShiftAndCtrl) {
    for (bool both : {false, true}) {
        SCOPED_TRACE(both ? "Shift and Ctrl held" : "no modifiers");
        TForm1& f = Open();
        for (QComboBox* c : {f.combo_CALL, f.combo_Freq, f.combo_QTH, f.combo_Comments}) {
            c->addItem("OLD");
            c->setEditText("TEXT");
            SetConfirmed(c, true);
        }
        f.combo_OperationMode->setCurrentIndex(5);
        f.combo_MODE->setCurrentIndex(2);
        SetConfirmed(f.combo_MODE, true);
        f.edt_Password->setText("pw");
        SetConfirmed(f.edt_Password, true);
        f.radio_Rmk2->setChecked(true);
        char enter = 13;
        f.edt_PasswordKeyPress(f.edt_Password, enter);
        state_.HamlogPicked = true;
        shiftAndCtrl_ = both;

        QTest::mouseClick(f.Button3, Qt::LeftButton);

        EXPECT_FALSE(state_.HamlogPicked);
        for (QComboBox* c : {f.combo_CALL, f.combo_Freq, f.combo_QTH, f.combo_Comments}) {
            EXPECT_EQ(c->currentText(), "") << c->objectName().toStdString();
            EXPECT_EQ(c->count(), both ? 0 : 1) << c->objectName().toStdString();
        }
        EXPECT_EQ(f.combo_OperationMode->currentIndex(), 0);
        EXPECT_EQ(f.combo_MODE->currentIndex(), 0);
        EXPECT_EQ(f.combo_OperationMode->count(), 11);
        EXPECT_EQ(f.combo_MODE->count(), 13);
        for (QWidget* w : SpotFields(f))
            EXPECT_EQ(FieldColour(w), kUnconfirmedColour) << w->objectName().toStdString();
        EXPECT_EQ(f.edt_Password->text(), "pw");
        EXPECT_TRUE(f.radio_Rmk2->isChecked());
        EXPECT_FALSE(f.Button1->font().bold());
        EXPECT_EQ(QApplication::focusWidget(), f.combo_CALL);
        form_.reset();
    }
}

TEST_F(MainWindowTest, ControlsCaptionsAndHints) {
    TForm1& f = Open();
    EXPECT_EQ(f.windowTitle(), "Pelorin v1.24" + QString(65, ' ') + f.windowTitle().mid(13 + 65));
    EXPECT_FALSE(f.windowTitle().mid(13 + 65).trimmed().isEmpty());
    EXPECT_FALSE(f.Panel2->isVisible());
    EXPECT_TRUE(f.edt_URL->text().endsWith("/kumovi/submit.asp"));
    EXPECT_FALSE(f.Button5->isEnabled());
    EXPECT_EQ(f.combo_QTH->geometry(), QRect(316, 27, 123, 20));
    EXPECT_EQ(f.Panel1->height(), 75);
    EXPECT_EQ(f.combo_OperationMode->itemText(6), Utf8("設・常置場所 (固定局)"));
    EXPECT_EQ(f.combo_MODE->itemText(12), "TV Stn");
    for (QComboBox* c : {f.combo_CALL, f.combo_Freq, f.combo_QTH, f.combo_Comments}) {
        EXPECT_NE(c->completer(), nullptr) << "automatic completion stays on";
        EXPECT_EQ(c->insertPolicy(), QComboBox::NoInsert);
    }

    // Controls without a hint of their own show the panel's, for 5 s.
    for (QWidget* w : std::vector<QWidget*>{f.Label1, f.combo_CALL, f.radio_RmkNone, f.Panel1}) {
        EXPECT_EQ(w->toolTip(), TForm1::kPanelHint) << w->objectName().toStdString();
        EXPECT_EQ(w->toolTipDuration(), 5000);
    }
    EXPECT_EQ(f.Button2->toolTip(), Utf8("運用局コールサインでKumoviデータベース検索"));
    EXPECT_TRUE(f.CppWebBrowser1->toolTip().isEmpty());

    // Tab walks the spot fields in entry order and then the buttons.
    Focus(f.combo_CALL);
    const QWidget* expected[] = {f.combo_Freq,     f.combo_OperationMode, f.combo_MODE, f.combo_QTH,
                                 f.combo_Comments, f.edt_Password,        f.Button1};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

} // namespace
} // namespace pelorin::ui::testing
