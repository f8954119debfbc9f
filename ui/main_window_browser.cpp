// The main window's side of the embedded browser: the cluster, Stop and
// search buttons, and what the browser needs from the spot fields.
#include "text/trim.h"
#include "ui/cp932_text.h"
#include "ui/field_colour.h"
#include "ui/main_window.h"
#include "web/page_dump.h"
#include "web/qt/cw_advice.h"
#include "web/qt/posting_browser.h"
#include "web/search_address.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFont>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>

namespace pelorin::ui {
namespace {

const char* const kCwAdviceText =
    "ＣＷモードのときは０.１ＫＨｚ単位の記述を推奨します。\n\n"
    "変更が必要なときはKumovi投稿画面で０.１ＫＨｚ単位を追記して下さい。     \n";

web::SpotEntry Entry(const QWidget* field, const QString& text) {
    return {std::string(text::Trim(text.toStdString())), IsConfirmed(field)};
}

QString SelectedItem(const QComboBox* list) {
    return list->currentIndex() < 0 ? QString() : list->itemText(list->currentIndex());
}

} // namespace

void TForm1::SetUpBrowser() {
    browser::PostingBrowserHooks hooks;
    hooks.postingPageAddress = [this] { return edt_URL->text(); };
    hooks.takeSnapshot = [this] { return TakeSpotSnapshot(); };
    hooks.dumpPage = [this](std::string_view page) {
        if (pageDumpFolder_)
            web::DumpPageText(page, *pageDumpFolder_);
    };
    hooks.allowNewWindow = [this] { return state_.AllowNewWindow; };
    browser_ = new browser::PostingBrowser(CppWebBrowser1, Button5, std::move(hooks), this);
    OpenInDefaultBrowser = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    serviceBase_ = QStringLiteral(PELORIN_DEFAULT_SERVICE_URL);
}

void TForm1::SetServiceBase(const QString& base) {
    serviceBase_ = base;
    SetPostingPageAddress(base + "/kumovi/submit.asp");
}

void TForm1::SetPageDumpFolder(std::optional<std::filesystem::path> folder) {
    pageDumpFolder_ = std::move(folder);
}

web::SpotSnapshot TForm1::TakeSpotSnapshot() const {
    web::SpotSnapshot spot;
    spot.callsign = Entry(combo_CALL, combo_CALL->currentText());
    spot.frequency = Entry(combo_Freq, combo_Freq->currentText());
    spot.operatingStyle = Entry(combo_OperationMode, SelectedItem(combo_OperationMode));
    spot.mode = Entry(combo_MODE, SelectedItem(combo_MODE));
    spot.location = Entry(combo_QTH, combo_QTH->currentText());
    spot.comment = Entry(combo_Comments, combo_Comments->currentText());
    spot.password = Entry(edt_Password, edt_Password->text());
    return spot;
}

void TForm1::Button1Click() {
    const std::string freq = ToCp932(combo_Freq->currentText());
    const browser::CwAdviceInput advice{state_.HamlogPicked, state_.HamlogModeText,
                                        state_.HamlogFreqText, combo_MODE->currentIndex(), freq};
    if (browser::NeedsCwAdvice(advice)) {
        SetConfirmed(combo_Freq, false);
        QMessageBox box(QMessageBox::Question, QString::fromUtf8("確認"),
                        QString::fromUtf8(kCwAdviceText), QMessageBox::Ok, this);
        box.setObjectName("CwAdvice");
        box.move(x() + 200, y() + 200);
        box.exec();
    }
    state_.HamlogPicked = false;
    Button1->setEnabled(false);
    SetButton1Bold(false);
    browser_->Navigate(edt_URL->text());
    CppWebBrowser1->setFocus();
    Button1->setEnabled(true);
}

void TForm1::Button5Click() {
    browser_->Stop();
}

void TForm1::Button2Click() {
    const std::optional<std::string> address =
        web::SearchAddress(serviceBase_.toStdString(), ToCp932(combo_CALL->currentText()));
    if (address && OpenInDefaultBrowser)
        OpenInDefaultBrowser(QUrl(QString::fromStdString(*address), QUrl::StrictMode));
}

} // namespace pelorin::ui
