#include "settings/history_list.h"
#include "settings/ini_document.h"
#include "settings/settings_file.h"
#include "text/cp932_codec.h"
#include "ui/cp932_text.h"
#include "ui/history_combo.h"
#include "ui/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace pelorin::ui {
namespace {

using settings::IniDocument;

const std::string& LinkSection() {
    static const std::string name = text::Utf8ToCp932("リンク");
    return name;
}

const std::string& NewWindowKey() {
    static const std::string name = text::Utf8ToCp932("新ウィンドウ許可");
    return name;
}

// Log keys and their lists, in the order they are read and written.
struct HistoryKey {
    const char* key;
    QComboBox* TForm1::*combo;
};
constexpr HistoryKey kHistoryKeys[] = {
    {"Call", &TForm1::combo_CALL},
    {"Freq", &TForm1::combo_Freq},
    {"Qth", &TForm1::combo_QTH},
    {"Comments", &TForm1::combo_Comments},
};

void SelectIndex(QComboBox* list, int index) {
    // Outside the list: no item selected, an empty text.
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

} // namespace

void TForm1::LoadSettings() {
    const std::string path = settingsPath_.toStdString();
    // An unreadable file reads like a missing one: every key its default.
    const IniDocument ini = IniDocument::Parse(settings::ReadSettingsFile(path).value_or(""));

    if (!state_.ShiftAndCtrlHeld()) {
        move(x(), ini.ReadInteger("Window", "Top", 25));
        move(ini.ReadInteger("Window", "Left", 25), y());
        resize(width(), ini.ReadInteger("Window", "Height", height()));
        resize(ini.ReadInteger("Window", "Width", width()), height());
    }

    for (const HistoryKey& h : kHistoryKeys) {
        QComboBox* combo = this->*h.combo;
        combo->clear();
        AddSortedItems(combo, settings::DecodeHistory(ini.ReadString("Log", h.key, "")));
    }

    combo_CALL->setEditText(FromCp932(ini.ReadString("Main", "Call", "")));
    combo_Freq->setEditText(FromCp932(ini.ReadString("Main", "Freq", "")));
    SelectIndex(combo_OperationMode,
                ini.ReadInteger("Main", "Style", combo_OperationMode->currentIndex()));
    SelectIndex(combo_MODE, ini.ReadInteger("Main", "Mode", combo_MODE->currentIndex()));
    combo_QTH->setEditText(FromCp932(ini.ReadString("Main", "Qth", "")));
    combo_Comments->setEditText(FromCp932(ini.ReadString("Main", "Comments", "")));
    edt_Password->setText(FromCp932(ini.ReadString("Main", "Pass", "")));

    switch (ini.ReadInteger("Main", "RmksSel", 0)) {
    case 0:
        radio_Rmk1->setChecked(true);
        break;
    case 1:
        radio_Rmk2->setChecked(true);
        break;
    default:
        radio_RmkNone->setChecked(true);
        break;
    }

    auto& widths = state_.ListColumns.widths;
    for (std::size_t i = 0; i < hamlog::kListColumns.size(); ++i)
        widths[i] =
            ini.ReadInteger("ListWidth", std::string(hamlog::kListColumns[i].caption), widths[i]);

    state_.OldVersionList = ini.ReadString("Hamlog", "Old_Version", state_.OldVersionList);
    state_.AllowNewWindow = ini.ReadInteger(LinkSection(), NewWindowKey(), state_.AllowNewWindow);
}

bool TForm1::SaveSettings() {
    const std::string path = settingsPath_.toStdString();
    // Keep what other programs or hands put into the file; one that exists
    // but cannot be read is not overwritten blindly.
    const std::optional<std::string> old = settings::ReadSettingsFile(path);
    if (!old)
        return false;
    IniDocument ini = IniDocument::Parse(*old);

    ini.WriteInteger("Window", "Top", y());
    ini.WriteInteger("Window", "Left", x());
    ini.WriteInteger("Window", "Height", height());
    ini.WriteInteger("Window", "Width", width());

    for (const HistoryKey& h : kHistoryKeys)
        ini.WriteString("Log", h.key, settings::EncodeHistory(HistoryItems(this->*h.combo)));

    ini.WriteString("Main", "Call", ToCp932(combo_CALL->currentText()));
    ini.WriteString("Main", "Freq", ToCp932(combo_Freq->currentText()));
    ini.WriteInteger("Main", "Style", combo_OperationMode->currentIndex());
    ini.WriteInteger("Main", "Mode", combo_MODE->currentIndex());
    ini.WriteString("Main", "Qth", ToCp932(combo_QTH->currentText()));
    ini.WriteString("Main", "Comments", ToCp932(combo_Comments->currentText()));
    ini.WriteString("Main", "Pass", ToCp932(edt_Password->text()));
    ini.WriteInteger("Main", "RmksSel",
                     radio_Rmk1->isChecked()   ? 0
                     : radio_Rmk2->isChecked() ? 1
                                               : 2);

    const auto& widths = state_.ListColumns.widths;
    for (std::size_t i = 0; i < hamlog::kListColumns.size(); ++i)
        ini.WriteInteger("ListWidth", std::string(hamlog::kListColumns[i].caption), widths[i]);

    ini.WriteString("Hamlog", "Old_Version", state_.OldVersionList);
    ini.WriteInteger(LinkSection(), NewWindowKey(), state_.AllowNewWindow);

    return settings::WriteSettingsFileAtomically(path, ini.Serialize());
}

} // namespace pelorin::ui
