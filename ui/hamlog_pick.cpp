#include "ui/hamlog_pick.h"

#include "hamlog/record_mapping.h"
#include "text/search.h"
#include "text/trim.h"
#include "ui/cp932_text.h"
#include "ui/field_colour.h"
#include "ui/main_window.h"
#include "ui/reference_list_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>
#include <string>
#include <vector>

namespace pelorin::ui {
namespace {

hamlog::RemarkChoice RemarkChoiceOf(const TForm1& form1) {
    if (form1.radio_Rmk1->isChecked())
        return hamlog::RemarkChoice::kRemarks1;
    if (form1.radio_Rmk2->isChecked())
        return hamlog::RemarkChoice::kRemarks2;
    return hamlog::RemarkChoice::kNone;
}

std::vector<std::string> ItemsOf(const QComboBox* combo) {
    std::vector<std::string> items;
    for (int i = 0; i < combo->count(); ++i)
        items.push_back(ToCp932(combo->itemText(i)));
    return items;
}

// A comment that still carries an RS number or a roadside station wants the
// user's eye.
bool CommentNeedsCheck(std::string_view comment) {
    static const std::string roadsideStation = ToCp932(QStringLiteral("道の駅"));
    return text::Contains(comment, "RS") || text::Contains(comment, "rs") ||
           text::Contains(comment, roadsideStation);
}

} // namespace

void ApplyPickedRecord(TForm1& form1, TForm2& form2) {
    ProgramState& state = form1.State();
    const int selected = form2.SelectedRow();
    std::optional<hamlog::RecordFields> row;
    if (selected >= 0)
        row = form2.RowItems(selected);
    const hamlog::PickedRecord picked =
        hamlog::MapPickedRecord(row, RemarkChoiceOf(form1), ItemsOf(form1.combo_MODE));

    if (picked.taken) {
        form1.combo_CALL->setEditText(FromCp932(picked.callsign));
        form1.combo_Freq->setEditText(FromCp932(picked.frequencyText));
        // From code: the mode list's change action does not run.
        form1.combo_MODE->setCurrentIndex(picked.modeIndex);
        state.HamlogPicked = true;
        state.HamlogFreqText = picked.hamlogFreqText;
        state.HamlogModeText = picked.hamlogModeText;
        form1.combo_QTH->setEditText(FromCp932(picked.qth));
        form1.combo_Comments->setEditText(FromCp932(picked.comment));
    }

    // With Shift and Ctrl held the list stays for the next pick.
    if (!state.ShiftAndCtrlHeld())
        form2.hide();

    char key = '\r';
    form1.combo_CALLKeyPress(form1.combo_CALL, key);
    form1.combo_FreqKeyPress(form1.combo_Freq, key);
    form1.combo_OperationModeKeyPress(form1.combo_OperationMode, key);
    form1.combo_MODEKeyPress(form1.combo_MODE, key);
    form1.combo_QTHKeyPress(form1.combo_QTH, key);
    form1.combo_CommentsKeyPress(form1.combo_Comments, key);

    // These override what the Enter actions gave the two fields.
    const std::string comment = ToCp932(form1.combo_Comments->currentText());
    if (comment.empty())
        SetConfirmed(form1.combo_Comments, false);
    if (picked.outcome != hamlog::RemarkOutcome::kNone || CommentNeedsCheck(comment)) {
        SetConfirmed(form1.combo_Comments, false);
        SetConfirmed(form1.combo_QTH, false);
    }

    if (!text::Trim(ToCp932(form1.edt_Password->text())).empty()) {
        form1.edt_PasswordKeyPress(form1.edt_Password, key);
        form1.Button1Click();
    }
}

} // namespace pelorin::ui
