#pragma once

#include "ui/program_state.h"
#include "web/prefill.h"

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QUrl;
class QWebEngineView;

namespace pelorin::browser {
class PostingBrowser;
}

namespace pelorin::ui {

// The main window: the spot fields across the top, the browser below.
// Controls carry their own names (also as objectName) and are public, as the
// Hamlog pick and the browser wiring work on them directly.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Runs FormCreate: hint pause, caption, then LoadSettings from
    // `settingsPath`.
    TForm1(ProgramState& state, QString settingsPath, QWidget* parent = nullptr);
    ~TForm1() override;

    ProgramState& State() { return state_; }
    const QString& SettingsPath() const { return settingsPath_; }

    // The posting page's address, kept in the hidden edt_URL.
    void SetPostingPageAddress(const QString& address);

    // Browser side (main_window_browser.cpp). The service's base address
    // (scheme, host, port) gives the posting page and the search page.
    void SetServiceBase(const QString& base);
    // Dump each page read into this folder; none when empty.
    void SetPageDumpFolder(std::optional<std::filesystem::path> folder);
    browser::PostingBrowser* Browser() const { return browser_; }
    // The seven spot fields as the posting page receives them (UTF-8).
    web::SpotSnapshot TakeSpotSnapshot() const;
    // Opens an address in the user's default web browser; tests replace it.
    std::function<void(const QUrl&)> OpenInDefaultBrowser;

    void LoadSettings();
    // False when the file cannot be written; the old file is then untouched.
    bool SaveSettings();

    // Enter actions: act on key 13 alone and never change `key`. The Hamlog
    // pick calls them directly with the field as sender.
    void combo_CALLKeyPress(QObject* sender, char& key);
    void combo_FreqKeyPress(QObject* sender, char& key);
    void combo_OperationModeKeyPress(QObject* sender, char& key);
    void combo_MODEKeyPress(QObject* sender, char& key);
    void combo_QTHKeyPress(QObject* sender, char& key);
    void combo_CommentsKeyPress(QObject* sender, char& key);
    void edt_PasswordKeyPress(QObject* sender, char& key);

    // Change actions; the lists' ones run on the user's changes only.
    void combo_OperationModeChange(QObject* sender);
    void combo_MODEChange(QObject* sender);
    void combo_FreqChange(QObject* sender);
    void edt_PasswordChange(QObject* sender);

    // Whether `field` holds the input focus of this window; a focus move
    // made by an action shows here at once, also while another window of
    // the program is active.
    bool HoldsFocus(const QWidget* field) const;

    static const QString kPanelHint;

    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QComboBox* combo_CALL = nullptr;
    QComboBox* combo_Freq = nullptr;
    QComboBox* combo_OperationMode = nullptr;
    QComboBox* combo_MODE = nullptr;
    QComboBox* combo_QTH = nullptr;
    QComboBox* combo_Comments = nullptr;
    QLineEdit* edt_Password = nullptr;
    QLineEdit* edt_URL = nullptr;
    QRadioButton* radio_Rmk1 = nullptr;
    QRadioButton* radio_Rmk2 = nullptr;
    QRadioButton* radio_RmkNone = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QWebEngineView* CppWebBrowser1 = nullptr;

    // What the Hamlog button does; the Hamlog code sets it.
    std::function<void()> OnButton4Click;

public slots:
    void Button1Click(); // cluster button
    void Button2Click(); // search
    void Button3Click(); // Clear
    void Button4Click(); // Hamlog
    void Button5Click(); // Stop

signals:
    // The window has closed with its settings written.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void SetUpBrowser();
    void FormCreate();
    // Runs SaveSettings; false (with the message shown) when it failed.
    bool FormClose();
    bool IsCapitalsField(const QObject* watched) const;
    void MoveFocus(QWidget* field);
    void SetButton1Bold(bool bold);

    ProgramState& state_;
    QString settingsPath_;
    bool freqPopupJustClosed_ = false;
    // The frequency text as the user's key press or wheel turn found it.
    std::optional<QString> freqTextBeforeInput_;
    browser::PostingBrowser* browser_ = nullptr;
    QString serviceBase_;
    std::optional<std::filesystem::path> pageDumpFolder_;
};

// "Pelorin v1.24", 65 blanks, the credit line.
QString MainWindowCaption();

} // namespace pelorin::ui
