#include "ui/hamlog_link.h"

#include "ui/hamlog_button.h"
#include "ui/hamlog_pick.h"
#include "ui/main_window.h"
#include "ui/reference_list_window.h"

namespace pelorin::ui {

HamlogLink ConnectHamlog(TForm1& form1, HamlogQueryThread::PortFactory makePort) {
    ProgramState& state = form1.State();
    auto* form2 = new TForm2(state.ListColumns, &form1);
    form2->SetPickHandler([&form1, form2] { ApplyPickedRecord(form1, *form2); });
    auto* button = new HamlogButton(
        *form2, state.ListColumns,
        HamlogButton::MainWindowState{[&state] { return state.ShiftAndCtrlHeld(); },
                                      [&state] { return state.OldVersionList; }},
        std::move(makePort), &form1);
    form1.OnButton4Click = [button] { button->Button4Click(); };
    return {form2, button};
}

} // namespace pelorin::ui
