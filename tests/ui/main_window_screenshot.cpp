// Saves a picture of the main window with a spot typed in:
//   xvfb-run -a main_window_screenshot docs/screenshots/main-window.png
#include "ui/field_colour.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    pelorin::ui::ProgramState state;
    state.shiftAndCtrlHeld = [] { return false; };
    pelorin::ui::TForm1 form(state, QDir::temp().filePath("pelorin-screenshot-none.ini"));
    form.resize(833, 240);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    char enter = 13;
    form.combo_CALL->setEditText("JA1ABC/1");
    form.combo_CALLKeyPress(form.combo_CALL, enter);
    form.combo_Freq->setEditText("7020.5");
    form.combo_FreqKeyPress(form.combo_Freq, enter);
    form.combo_OperationModeKeyPress(form.combo_OperationMode, enter);
    form.combo_MODE->setCurrentIndex(2);
    form.combo_QTH->setEditText(QString::fromUtf8("東京都"));
    form.combo_Comments->setEditText(QString::fromUtf8("CQ 599 ありがとう"));
    QTest::qWait(300);
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
