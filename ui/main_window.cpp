#include "ui/main_window.h"

#include "settings/settings_file.h"
#include "spot/spot_items.h"
#include "spot/spot_rules.h"
#include "text/trim.h"
#include "ui/cp932_text.h"
#include "ui/field_colour.h"
#include "ui/history_combo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <cstdio>
#include <limits>

#ifndef PELORIN_DEFAULT_SERVICE_URL
#define PELORIN_DEFAULT_SERVICE_URL "http://127.0.0.1:8631"
#endif

namespace pelorin::ui {
namespace {

constexpr int kHintMilliseconds = 5000;
const QColor kBtnFace{0xF0, 0xF0, 0xF0};
const QColor k3DLight{0xE3, 0xE3, 0xE3};

QFont JapaneseFont(const QString& family, const QString& fallback) {
    QFont font;
    font.setFamilies({family, fallback});
    font.setPixelSize(12);
    return font;
}

QFont GothicFont() {
    return JapaneseFont(QStringLiteral("ＭＳ Pゴシック"), QStringLiteral("Noto Sans CJK JP"));
}

QFont MinchoFont() {
    return JapaneseFont(QStringLiteral("ＭＳ 明朝"), QStringLiteral("Noto Serif CJK JP"));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QComboBox* MakeHistoryCombo(QWidget* parent, const char* name, int left, int top, int width) {
    auto* combo = Place(new QComboBox(parent), name, left, top, width, 20);
    combo->setEditable(true);
    // Only AddToHistory grows the list; Enter adds nothing by itself.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxCount(std::numeric_limits<int>::max());
    combo->setFont(MinchoFont());
    return combo;
}

QComboBox* MakeFixedList(QWidget* parent, const char* name, int left, int top, int width,
                         const auto& items) {
    auto* combo = Place(new QComboBox(parent), name, left, top, width, 20);
    for (std::string_view item : items)
        combo->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    combo->setCurrentIndex(0);
    combo->setFont(MinchoFont());
    return combo;
}

// Capitals: ASCII a-z only, as the rules match ASCII suffixes.
QString AsciiCapitals(QString text) {
    for (QChar& c : text)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return text;
}

} // namespace

const QString TForm1::kPanelHint =
    QStringLiteral("順番に入力を行い「Ｅｎｔｅｒキー」で次の入力項目へ進めてください。");

QString MainWindowCaption() {
    return QStringLiteral("Pelorin v1.24") + QString(65, u' ') +
           QStringLiteral("DX spots for Kumovi, by the Pelorin contributors");
}

TForm1::TForm1(ProgramState& state, QString settingsPath, QWidget* parent)
    : QWidget(parent), state_(state), settingsPath_(std::move(settingsPath)) {
    setObjectName(QStringLiteral("Form1"));
    BuildControls();
    SetUpBrowser(); // main_window_browser.cpp
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
    setFont(GothicFont());
    QPalette face = palette();
    face.setColor(QPalette::Window, kBtnFace);
    setPalette(face);
    setAutoFillBackground(true);
    move(174, 66);
    resize(833, 939);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QPalette light = palette();
    light.setColor(QPalette::Window, k3DLight);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(75);
    Panel1->setPalette(light);
    Panel1->setAutoFillBackground(true);
    layout->addWidget(Panel1);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(31);
    Panel2->setPalette(light);
    Panel2->setAutoFillBackground(true);
    Label10 = MakeLabel(Panel2, "Label10", QStringLiteral("URL"), 456, 8);
    Label10->hide();
    edt_URL = Place(new QLineEdit(Panel2), "edt_URL", 485, 5, 212, 20);
    edt_URL->setText(QStringLiteral(PELORIN_DEFAULT_SERVICE_URL "/kumovi/submit.asp"));
    edt_URL->hide();
    layout->addWidget(Panel2);
    Panel2->hide();

    CppWebBrowser1 = new QWebEngineView(this);
    CppWebBrowser1->setObjectName(QStringLiteral("CppWebBrowser1"));
    layout->addWidget(CppWebBrowser1, 1);

    QWidget* p = Panel1;
    Label1 = MakeLabel(p, "Label1", QStringLiteral("運用局コールサイン"), 10, 9);
    combo_CALL = MakeHistoryCombo(p, "combo_CALL", 119, 4, 122);
    Label3 = MakeLabel(p, "Label3", QStringLiteral("運用周波数 [ kHz ]"), 10, 31);
    combo_Freq = MakeHistoryCombo(p, "combo_Freq", 119, 27, 123);
    Label4 = MakeLabel(p, "Label4", QStringLiteral("運用スタイル"), 10, 54);
    combo_OperationMode =
        MakeFixedList(p, "combo_OperationMode", 119, 50, 318, spot::kOperatingStyleItems);
    Label5 = MakeLabel(p, "Label5", QStringLiteral("運用モード"), 253, 9);
    combo_MODE = MakeFixedList(p, "combo_MODE", 317, 5, 122, spot::kModeItems);
    Label6 = MakeLabel(p, "Label6", QStringLiteral("運用地"), 254, 31);
    combo_QTH = MakeHistoryCombo(p, "combo_QTH", 316, 27, 123);
    Label7 = MakeLabel(p, "Label7", QStringLiteral("コメント"), 450, 9);
    combo_Comments = MakeHistoryCombo(p, "combo_Comments", 513, 5, 300);
    Label8 = MakeLabel(p, "Label8", QStringLiteral("パスワード"), 449, 31);
    edt_Password = Place(new QLineEdit(p), "edt_Password", 513, 27, 90, 20);
    edt_Password->setFont(MinchoFont());
    Label9 = MakeLabel(p, "Label9", QStringLiteral("Rmks"), 611, 32);
    radio_Rmk1 = Place(new QRadioButton(QStringLiteral("1"), p), "radio_Rmk1", 643, 30, 27, 17);
    radio_Rmk2 = Place(new QRadioButton(QStringLiteral("2"), p), "radio_Rmk2", 673, 30, 27, 17);
    radio_RmkNone =
        Place(new QRadioButton(QStringLiteral("無"), p), "radio_RmkNone", 704, 30, 33, 17);
    radio_Rmk1->setChecked(true);
    Button4 = Place(new QPushButton(QStringLiteral("Hamlog参照"), p), "Button4", 739, 27, 72, 21);
    Button1 = Place(new QPushButton(QStringLiteral("Kumovi"), p), "Button1", 513, 51, 124, 20);
    Button1->setFont(
        JapaneseFont(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP")));
    Button5 = Place(new QPushButton(QStringLiteral("Stop"), p), "Button5", 638, 51, 36, 20);
    Button5->setEnabled(false);
    Button2 = Place(new QPushButton(QStringLiteral("検索確認"), p), "Button2", 675, 51, 63, 20);
    Button3 = Place(new QPushButton(QStringLiteral("クリア"), p), "Button3", 739, 51, 72, 20);

    for (QComboBox* field :
         {combo_CALL, combo_Freq, combo_OperationMode, combo_MODE, combo_QTH, combo_Comments})
        SetConfirmed(field, false);
    SetConfirmed(edt_Password, false);

    // Hints: the buttons have their own, every other control shows the panel's.
    Button1->setToolTip(
        QStringLiteral("各入力項目を反映したKumoviのＷＥＢ画面を表示します。 （ "
                       "レポーターのＣＡＬＬとＱＴＨはクッキーに自動保存されています ）"));
    Button2->setToolTip(QStringLiteral("運用局コールサインでKumoviデータベース検索"));
    Button3->setToolTip(QStringLiteral(
        "パスワードを除くすべてをクリアします。 （ "
        "ＣＴＲＬ＋ＳＨＩＦＴキーを押しながら選択するとドロップダウンリストの記録内容が消去されます"
        " ）"));
    Button4->setToolTip(
        QStringLiteral("Hamlogの入力ウィンドウ/ログ選択/ログ最新１０件の内容を参照 （ "
                       "CTRL+SHIFTキーを押しながら選択すると参照リストがデフォルト幅に戻る ）"));
    Panel1->setToolTip(kPanelHint);
    Panel1->setToolTipDuration(kHintMilliseconds);
    for (QWidget* child : Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->toolTip().isEmpty())
            child->setToolTip(kPanelHint);
        child->setToolTipDuration(kHintMilliseconds);
    }

    QWidget* tabOrder[] = {combo_CALL,   combo_Freq,    combo_OperationMode,
                           combo_MODE,   combo_QTH,     combo_Comments,
                           edt_Password, Button1,       Button5,
                           Button2,      Button3,       radio_Rmk1,
                           radio_Rmk2,   radio_RmkNone, Button4,
                           edt_URL,      CppWebBrowser1};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Key presses reach the focused control first; the filter sees them
    // before the control's own editing and lets every key through.
    for (QWidget* field :
         {static_cast<QWidget*>(combo_CALL), static_cast<QWidget*>(combo_Freq),
          static_cast<QWidget*>(combo_OperationMode), static_cast<QWidget*>(combo_MODE),
          static_cast<QWidget*>(combo_QTH), static_cast<QWidget*>(combo_Comments),
          static_cast<QWidget*>(edt_Password)})
        field->installEventFilter(this);

    // Pasted or dropped text is the user's too; text the program writes is
    // not an edit and stays as it is.
    for (QComboBox* field : {combo_CALL, combo_Freq, combo_QTH, combo_Comments}) {
        QLineEdit* edit = field->lineEdit();
        connect(edit, &QLineEdit::textEdited, this, [edit](const QString& text) {
            const QString capitals = AsciiCapitals(text);
            if (capitals == text)
                return;
            const int cursor = edit->cursorPosition();
            edit->setText(capitals);
            edit->setCursorPosition(cursor);
        });
    }

    // activated comes from the user's choices only, never from setCurrentIndex.
    connect(combo_OperationMode, &QComboBox::activated, this,
            [this] { combo_OperationModeChange(combo_OperationMode); });
    connect(combo_MODE, &QComboBox::activated, this, [this] { combo_MODEChange(combo_MODE); });
    connect(edt_Password, &QLineEdit::textChanged, this,
            [this] { edt_PasswordChange(edt_Password); });
    // The user's own edits of the frequency: typing, and a pick from its list.
    connect(combo_Freq->lineEdit(), &QLineEdit::textEdited, this,
            [this] { combo_FreqChange(combo_Freq); });
    // A pick from its list, or a step through it with the arrow keys or the
    // wheel. Leaving the field also activates the entry equal to the text,
    // which the program may have written: that changes nothing and counts not.
    combo_Freq->view()->installEventFilter(this);
    connect(combo_Freq, &QComboBox::activated, this, [this] {
        if (freqPopupJustClosed_ ||
            (freqTextBeforeInput_ && *freqTextBeforeInput_ != combo_Freq->currentText()))
            combo_FreqChange(combo_Freq);
    });

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
}

void TForm1::FormCreate() {
    // Hints stay 5 s: set on each control above, as Qt keeps it per widget.
    setWindowTitle(MainWindowCaption());
    LoadSettings();
}

void TForm1::SetPostingPageAddress(const QString& address) {
    edt_URL->setText(address);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combo_Freq->view()) {
        // A pick from the drop-down closes it just before it is activated.
        if (event->type() == QEvent::Hide) {
            freqPopupJustClosed_ = true;
            QTimer::singleShot(0, this, [this] { freqPopupJustClosed_ = false; });
        }
        return false;
    }
    if (watched == combo_Freq &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel)) {
        freqTextBeforeInput_ = combo_Freq->currentText();
        QTimer::singleShot(0, this, [this] { freqTextBeforeInput_.reset(); });
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (keyEvent->key() != Qt::Key_Return && keyEvent->key() != Qt::Key_Enter) {
        if (!IsCapitalsField(watched))
            return false;
        // Capitals: a typed a-z arrives as its capital. Text the program
        // writes into the field is left as it is.
        const QString typed = AsciiCapitals(keyEvent->text());
        if (typed == keyEvent->text())
            return false;
        QKeyEvent capital(QEvent::KeyPress, keyEvent->key(), keyEvent->modifiers(), typed,
                          keyEvent->isAutoRepeat(), static_cast<ushort>(keyEvent->count()));
        QCoreApplication::sendEvent(watched, &capital);
        return true;
    }
    // Ctrl+Enter types a line feed, not Enter.
    char key = keyEvent->modifiers().testFlag(Qt::ControlModifier) ? '\n' : '\r';
    if (watched == combo_CALL)
        combo_CALLKeyPress(watched, key);
    else if (watched == combo_Freq)
        combo_FreqKeyPress(watched, key);
    else if (watched == combo_OperationMode)
        combo_OperationModeKeyPress(watched, key);
    else if (watched == combo_MODE)
        combo_MODEKeyPress(watched, key);
    else if (watched == combo_QTH)
        combo_QTHKeyPress(watched, key);
    else if (watched == combo_Comments)
        combo_CommentsKeyPress(watched, key);
    else if (watched == edt_Password)
        edt_PasswordKeyPress(watched, key);
    return false; // never consumed
}

bool TForm1::IsCapitalsField(const QObject* watched) const {
    return watched == combo_CALL || watched == combo_Freq || watched == combo_QTH ||
           watched == combo_Comments;
}

bool TForm1::HoldsFocus(const QWidget* field) const {
    return window()->focusWidget() == field;
}

void TForm1::MoveFocus(QWidget* field) {
    field->setFocus(Qt::OtherFocusReason);
}

void TForm1::SetButton1Bold(bool bold) {
    QFont font = Button1->font();
    font.setBold(bold);
    Button1->setFont(font);
}

void TForm1::combo_CALLKeyPress(QObject*, char& key) {
    if (key != '\r')
        return;
    const std::string call = ToCp932(combo_CALL->currentText());
    if (!spot::CallsignAccepted(call)) {
        SetConfirmed(combo_CALL, false);
        return;
    }
    combo_OperationMode->setCurrentIndex(spot::StyleFromCallsign(call));
    AddToHistory(combo_CALL);
    MoveFocus(combo_Freq);
    SetConfirmed(combo_CALL, true);
}

void TForm1::combo_FreqKeyPress(QObject*, char& key) {
    if (key != '\r')
        return;
    if (spot::InAmateurBand(ToCp932(combo_Freq->currentText()))) {
        SetConfirmed(combo_Freq, true);
        AddToHistory(combo_Freq);
        MoveFocus(combo_OperationMode);
    } else {
        SetConfirmed(combo_Freq, false);
    }
}

void TForm1::combo_OperationModeKeyPress(QObject*, char& key) {
    if (key != '\r')
        return;
    if (combo_OperationMode->currentIndex() > 0) {
        SetConfirmed(combo_OperationMode, true);
        MoveFocus(combo_MODE);
    } else {
        SetConfirmed(combo_OperationMode, false);
    }
}

void TForm1::combo_OperationModeChange(QObject*) {
    SetConfirmed(combo_OperationMode, combo_OperationMode->currentIndex() > 0);
}

void TForm1::combo_MODEKeyPress(QObject*, char& key) {
    if (key != '\r')
        return;
    if (combo_MODE->currentIndex() > 0) {
        SetConfirmed(combo_MODE, true);
        MoveFocus(combo_QTH);
    } else {
        SetConfirmed(combo_MODE, false);
    }
    if (HoldsFocus(combo_MODE))
        state_.HamlogPicked = false;
}

void TForm1::combo_MODEChange(QObject*) {
    SetConfirmed(combo_MODE, combo_MODE->currentIndex() > 0);
    if (HoldsFocus(combo_MODE))
        state_.HamlogPicked = false;
}

void TForm1::combo_FreqChange(QObject*) {
    // The user typed or picked another frequency: it no longer is Hamlog's.
    state_.HamlogPicked = false;
}

void TForm1::combo_QTHKeyPress(QObject*, char& key) {
    if (key != '\r')
        return;
    if (spot::QthAccepted(ToCp932(combo_QTH->currentText()))) {
        AddToHistory(combo_QTH);
        SetConfirmed(combo_QTH, true);
        MoveFocus(combo_Comments);
    } else {
        SetConfirmed(combo_QTH, false);
    }
}

void TForm1::combo_CommentsKeyPress(QObject*, char& key) {
    if (key != '\r')
        return;
    AddToHistory(combo_Comments);
    SetConfirmed(combo_Comments, true);
    MoveFocus(edt_Password);
}

void TForm1::edt_PasswordKeyPress(QObject*, char& key) {
    if (key != '\r')
        return;
    if (spot::PasswordAccepted(ToCp932(edt_Password->text()))) {
        SetConfirmed(edt_Password, true);
        MoveFocus(Button1);
        SetButton1Bold(true);
    } else {
        SetConfirmed(edt_Password, false);
    }
}

void TForm1::edt_PasswordChange(QObject*) {
    // Emptied: unconfirmed. Any other edit leaves the colour as it was.
    if (text::Trim(ToCp932(edt_Password->text())).empty())
        SetConfirmed(edt_Password, false);
}

void TForm1::Button4Click() {
    if (OnButton4Click)
        OnButton4Click();
}

void TForm1::Button3Click() {
    state_.HamlogPicked = false;
    combo_CALL->setEditText(QString());
    combo_Freq->setEditText(QString());
    combo_OperationMode->setCurrentIndex(0);
    combo_MODE->setCurrentIndex(0);
    combo_QTH->setEditText(QString());
    combo_Comments->setEditText(QString());
    for (QWidget* field :
         {static_cast<QWidget*>(combo_CALL), static_cast<QWidget*>(combo_Freq),
          static_cast<QWidget*>(combo_OperationMode), static_cast<QWidget*>(combo_MODE),
          static_cast<QWidget*>(combo_QTH), static_cast<QWidget*>(combo_Comments),
          static_cast<QWidget*>(edt_Password)})
        SetConfirmed(field, false);
    SetButton1Bold(false);
    if (state_.ShiftAndCtrlHeld()) {
        for (QComboBox* history : {combo_CALL, combo_Freq, combo_QTH, combo_Comments})
            history->clear();
    }
    MoveFocus(combo_CALL);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore(); // the next close tries again
        return;
    }
    event->accept();
    emit Closed();
}

bool TForm1::FormClose() {
    if (SaveSettings())
        return true;
    const QString path = QString::fromStdString(settings::FullPath(settingsPath_.toStdString()));
    const QString message = QStringLiteral("%1 に書き込めません").arg(path);
    std::fprintf(stderr, "pelorin: %s\n", message.toUtf8().constData());
    QMessageBox::critical(this, QStringLiteral("Pelorin"), message);
    return false;
}

} // namespace pelorin::ui
