// The whole manual road on the real main window, the real engine and the
// stand-in service: type a spot, open the posting page, check and submit it.
#include "ui/field_colour.h"
#include "ui/main_window.h"
#include "web/qt/posting_browser.h"
#include "web_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace pelorin {
namespace {

using testing::kLightGreen;
using testing::RunScript;
using testing::Standin;

class PostingRoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(standin_.Base().isEmpty());
        ASSERT_TRUE(dir_.isValid());
        state_.shiftAndCtrlHeld = [] { return false; };
        form_ = std::make_unique<ui::TForm1>(state_, dir_.filePath("pelorin.ini"));
        form_->SetServiceBase(standin_.Base());
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    // Types into the focused field with real key events and confirms with Enter.
    void Enter(QWidget* field, const QString& text) {
        ASSERT_TRUE(form_->HoldsFocus(field)) << field->objectName().toStdString();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : field;
        for (const QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClick(target, ch.toLatin1());
            } else {
                // Typed text beyond ASCII: a key event that carries the character.
                QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(ch),
                                    Qt::NoModifier);
            }
        }
        QTest::keyClick(target, Qt::Key_Return);
    }

    // Moves a drop-down list down `steps` rows with the arrow key, then Enter.
    void Pick(QComboBox* list, int index) {
        ASSERT_TRUE(form_->HoldsFocus(list));
        while (list->currentIndex() < index)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index)
            QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
    }

    void TypeSpot(const QString& freq, int style, int mode) {
        form_->combo_CALL->setFocus();
        Enter(form_->combo_CALL, "ja1abc");
        Enter(form_->combo_Freq, freq);
        Pick(form_->combo_OperationMode, style);
        Pick(form_->combo_MODE, mode);
        Enter(form_->combo_QTH, "東京都港区");
        Enter(form_->combo_Comments, "599 \"QRP\" TNX");
        Enter(form_->edt_Password, "secret");
    }

    // Runs `action` and waits until the browser is done with the page it loads.
    bool LoadedBy(const std::function<void()>& action, bool* prefilled = nullptr) {
        return testing::HandledAfter(form_->Browser(), action, prefilled);
    }

    QVariant Js(const QString& script) { return RunScript(form_->CppWebBrowser1->page(), script); }
    QStringList Field(const QString& name) {
        return testing::FieldValueAndColour(form_->CppWebBrowser1->page(), name);
    }

    Standin standin_;
    QTemporaryDir dir_;
    ui::ProgramState state_;
    std::unique_ptr<ui::TForm1> form_;
};

TEST_F(PostingRoadTest, TypedSpotReachesTheServiceAsTyped) {
    TypeSpot("7012.5", 5, 2);
    ASSERT_TRUE(form_->HoldsFocus(form_->Button1));
    bool prefilled = false;
    ASSERT_TRUE(LoadedBy([&] { QTest::keyClick(form_->Button1, Qt::Key_Space); }, &prefilled));
    EXPECT_TRUE(prefilled);

    EXPECT_EQ(Field("CallSignTo"), QStringList({"JA1ABC", kLightGreen}));
    EXPECT_EQ(Field("Frequency"), QStringList({"7012.5", kLightGreen}));
    EXPECT_EQ(Field("QTH"), QStringList({"東京都港区", kLightGreen}));
    EXPECT_EQ(Field("Comments"), QStringList({"599 \"QRP\" TNX", kLightGreen}));
    EXPECT_EQ(Field("Password"), QStringList({"secret", kLightGreen}));
    EXPECT_EQ(Field("QTHFrom").value(0), "");
    EXPECT_EQ(Js("getComputedStyle(document.getElementsByName('Mode')[0]"
                 ".selectedOptions[0]).backgroundColor"),
              kLightGreen);

    // xvfb-run -a env PELORIN_SCREENSHOT=posting-page.png e2e_tests keeps a picture.
    if (const QString shot = qEnvironmentVariable("PELORIN_SCREENSHOT"); !shot.isEmpty()) {
        QTest::qWait(300); // let the rewritten body paint
        EXPECT_TRUE(form_->grab().save(shot));
    }

    ASSERT_TRUE(LoadedBy([&] { Js("document.getElementsByName('Submit')[0].click()"); }));
    const QJsonArray received = QJsonDocument::fromJson(standin_.Submissions()).array();
    ASSERT_EQ(received.size(), 1);
    const QJsonObject fields = received[0].toObject()["fields"].toObject();
    EXPECT_EQ(fields["CallSignTo"].toString(), "JA1ABC");
    EXPECT_EQ(fields["Frequency"].toString(), "7012.5");
    EXPECT_EQ(fields["OperationMode"].toString(), "5");
    EXPECT_EQ(fields["Mode"].toString(), "2");
    EXPECT_EQ(fields["QTH"].toString(), "東京都港区");
    EXPECT_EQ(fields["Comments"].toString(), "599 \"QRP\" TNX");
    EXPECT_EQ(fields["Password"].toString(), "secret");
    EXPECT_EQ(fields["QTHFrom"].toString(), "");
}

TEST_F(PostingRoadTest, LinkedPageOfAnotherOriginIsLeftUntouched) {
    Standin other;
    ASSERT_FALSE(other.Base().isEmpty());
    TypeSpot("7012.5", 5, 2);
    ASSERT_TRUE(LoadedBy([&] { form_->Button1Click(); }));
    ASSERT_EQ(Field("Password").value(0), "secret");

    bool prefilled = true;
    ASSERT_TRUE(LoadedBy([&] { Js(QString("location.href = '%1'").arg(other.PostingPage())); },
                         &prefilled));
    EXPECT_FALSE(prefilled);
    EXPECT_EQ(form_->CppWebBrowser1->url().toString(), other.PostingPage());
    for (const char* name : {"CallSignTo", "Frequency", "QTH", "Comments", "Password"})
        EXPECT_EQ(Field(name).value(0), "") << name;
    EXPECT_EQ(Js("document.body.innerHTML.indexOf('background')"), -1);
}

TEST_F(PostingRoadTest, SearchButtonOpensTheSearchPageForTheCallsign) {
    std::vector<QUrl> opened;
    form_->OpenInDefaultBrowser = [&](const QUrl& url) { opened.push_back(url); };
    QTest::mouseClick(form_->Button2, Qt::LeftButton); // empty field: nothing
    EXPECT_TRUE(opened.empty());

    form_->combo_CALL->setFocus();
    QTest::keyClicks(form_->combo_CALL, "  ja1abc/1 ");
    QTest::mouseClick(form_->Button2, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(QUrl::FullyEncoded),
              standin_.Base() +
                  "/kumovi/search.asp?CallSignTo=JA1ABC*&Band=ALL&OperationMode=0&Mode=0&QTH="
                  "&CallSignFrom=&DisplayLines=25&StartDate=&EndDate=&Menu=Find");
}

struct AdviceCase {
    bool hamlogPicked;
    const char* hamlogMode;
    const char* hamlogFreq;
    int mode;
    const char* freq;
    bool advice;
};

// Answers the advice while the cluster button waits for it.
struct AdviceWatcher {
    explicit AdviceWatcher(QWidget* form) {
        QObject::connect(&timer, &QTimer::timeout, [this, form] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = true;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            offset = box->pos() - form->pos();
            box->button(QMessageBox::Ok)->click();
        });
        timer.start(20);
    }
    QTimer timer;
    bool shown = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QPoint offset;
};

TEST_F(PostingRoadTest, ClusterButtonGivesTheCwAdviceWhereDue) {
    const AdviceCase cases[] = {
        {false, "", "", 2, "7012", true},         {false, "", "", 2, "7012.5", false},
        {false, "", "", 1, "7012", false},        {false, "", "", 2, "", false},
        {true, "CW", "7.012", 1, "7012.5", true}, {true, "CW", "7.0125", 2, "7012", false},
        {true, "cw", "7.012", 2, "7012", false},
    };
    form_->move(120, 80);
    for (const AdviceCase& c : cases) {
        form_->combo_Freq->setEditText(c.freq);
        form_->combo_MODE->setCurrentIndex(c.mode);
        ui::SetConfirmed(form_->combo_Freq, true);
        state_.HamlogPicked = c.hamlogPicked;
        state_.HamlogModeText = c.hamlogMode;
        state_.HamlogFreqText = c.hamlogFreq;
        QFont bold = form_->Button1->font();
        bold.setBold(true);
        form_->Button1->setFont(bold);

        AdviceWatcher watcher(form_.get());
        ASSERT_TRUE(LoadedBy([&] { form_->Button1Click(); }));
        const std::string what = std::string(c.hamlogFreq) + "/" + c.freq;
        EXPECT_EQ(watcher.shown, c.advice) << what;
        EXPECT_EQ(ui::IsConfirmed(form_->combo_Freq), !c.advice) << what;
        EXPECT_FALSE(state_.HamlogPicked);
        EXPECT_FALSE(form_->Button1->font().bold());
        EXPECT_TRUE(form_->Button1->isEnabled());
        if (watcher.shown) {
            EXPECT_EQ(watcher.title, "確認");
            EXPECT_EQ(watcher.text,
                      "ＣＷモードのときは０.１ＫＨｚ単位の記述を推奨します。\n\n"
                      "変更が必要なときはKumovi投稿画面で０.１ＫＨｚ単位を追記して下さい。     \n");
            EXPECT_EQ(watcher.icon, QMessageBox::Question);
            EXPECT_EQ(watcher.buttons, 1);
            EXPECT_EQ(watcher.offset, QPoint(200, 200));
        }
    }
}

TEST_F(PostingRoadTest, PressAfterAHamlogPickUsesTheFieldsNext) {
    form_->combo_Freq->setEditText("7012");
    form_->combo_MODE->setCurrentIndex(2);
    state_.HamlogPicked = true;
    state_.HamlogModeText = "CW";
    state_.HamlogFreqText = "7.0125";
    for (const bool advice : {false, true}) {
        AdviceWatcher watcher(form_.get());
        ASSERT_TRUE(LoadedBy([&] { form_->Button1Click(); }));
        EXPECT_EQ(watcher.shown, advice);
    }
}

TEST_F(PostingRoadTest, PageDumpKeepsTheLatestTwoPagesForTheOwnerOnly) {
    const std::filesystem::path folder = dir_.filePath("dump").toStdString();
    std::filesystem::create_directory(folder);
    form_->SetPageDumpFolder(folder);
    TypeSpot("7012.5", 5, 2);
    ASSERT_TRUE(LoadedBy([&] { form_->Button1Click(); }));
    ASSERT_TRUE(LoadedBy([&] { Js("document.getElementsByName('Submit')[0].click()"); }));

    const auto read = [](const std::filesystem::path& path) {
        QFile file(QString::fromStdString(path.string()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray backup = read(folder / "PeloDbg.bak");
    const QByteArray dump = read(folder / "PeloDbg.txt");
    // The backup is the posting page as read: the older form, no values yet.
    EXPECT_TRUE(backup.contains("<input type=password name=Password size=12 maxlength=16>"));
    EXPECT_FALSE(backup.contains("secret"));
    // The latest is the thank-you page, in code page 932.
    EXPECT_TRUE(dump.contains(QByteArray("\x93\x8A\x8D\x65", 4))); // 投稿
    for (const char* name : {"PeloDbg.txt", "PeloDbg.bak"}) {
        struct stat info {};
        ASSERT_EQ(stat((folder / name).c_str(), &info), 0) << name;
        EXPECT_EQ(info.st_mode & 0777, 0600) << name;
    }
}

} // namespace
} // namespace pelorin

int main(int argc, char* argv[]) {
    return pelorin::testing::RunWebEngineTests(argc, argv);
}
