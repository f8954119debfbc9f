#pragma once

#include "ui/cp932_text.h"
#include "ui/field_colour.h"
#include "ui/history_combo.h"
#include "ui/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWebEngineView>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace pelorin::ui::testing {

// A real TForm1, shown and active, with its settings file in a folder of
// its own and the Shift-and-Ctrl answer under the test's control.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("pelorin_ui_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        state_.shiftAndCtrlHeld = [this] { return shiftAndCtrl_; };
    }
    void TearDown() override {
        form_.reset();
        std::filesystem::remove_all(dir_);
    }

    std::string IniPath() const { return (dir_ / "Spot.ini").string(); }
    void WriteIni(const std::string& content) const {
        std::ofstream(IniPath(), std::ios::binary) << content;
    }
    std::string ReadIni() const {
        std::ifstream in(IniPath(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    TForm1& Open() {
        form_ = std::make_unique<TForm1>(state_, QString::fromStdString(IniPath()));
        form_->show();
        form_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form_.get()));
        return *form_;
    }

    // Real key events to whatever holds the focus, as a user would type.
    static void Type(const QString& text) {
        QWidget* target = QApplication::focusWidget();
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(target, c.toLatin1());
                continue;
            }
            // What an input method delivers: a key event that carries only text.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
        }
    }
    static void Enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    static void Focus(QWidget* w) {
        w->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), w);
    }
    static std::vector<std::string> Items(const QComboBox* c) { return HistoryItems(c); }
    static QString Utf8(const char* s) { return QString::fromUtf8(s); }
    static std::vector<QWidget*> SpotFields(const TForm1& f) {
        return {f.combo_CALL, f.combo_Freq,     f.combo_OperationMode, f.combo_MODE,
                f.combo_QTH,  f.combo_Comments, f.edt_Password};
    }

    std::filesystem::path dir_;
    ProgramState state_;
    bool shiftAndCtrl_ = false;
    std::unique_ptr<TForm1> form_;
};

} // namespace pelorin::ui::testing
