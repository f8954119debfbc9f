#include "ui/hamlog_button.h"

#include "ui/reference_list_window.h"

#include <memory>

namespace pelorin::ui {

void ApplyQueryResult(TForm2& form2, const hamlog::HamlogQueryResult& result) {
    if (result.clearList)
        form2.ClearRows();
    for (const auto& row : result.rows)
        form2.AddRow(row.caption, row.fields);
    if (result.selectRow)
        form2.SelectRow(static_cast<int>(*result.selectRow));
}

HamlogButton::HamlogButton(TForm2& form2, hamlog::ListColumnTable& columns, MainWindowState state,
                           HamlogQueryThread::PortFactory makePort, QObject* parent)
    : QObject(parent), form2_(form2), columns_(columns), state_(std::move(state)),
      query_(std::move(makePort)) {}

void HamlogButton::Button4Click() {
    if (state_.shiftAndCtrlHeld && state_.shiftAndCtrlHeld())
        columns_.ResetToDefaults();
    form2_.show();
    form2_.raise();
    form2_.activateWindow();
    // The running query fills the list when it ends; a second would repeat it.
    if (query_.Busy())
        return;

    auto result = std::make_shared<hamlog::HamlogQueryResult>();
    const std::string oldVersions = state_.oldVersionList ? state_.oldVersionList() : std::string();
    query_.Run([result, oldVersions](
                   hamlog::HamlogPort& port) { *result = hamlog::QueryHamlog(port, oldVersions); },
               this,
               [this, result] {
                   ApplyQueryResult(form2_, *result);
                   emit QueryApplied();
               });
}

} // namespace pelorin::ui
