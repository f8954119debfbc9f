#pragma once

#include "hamlog/hamlog_protocol.h"
#include "hamlog/list_columns.h"

#include <cstdint>
#include <functional>
#include <string>

namespace pelorin::ui {

// Whether Shift and Ctrl are both held right now, from the keyboard itself.
bool RealShiftAndCtrlHeld();

// The process-wide state the windows share. Texts are code page 932 bytes.
struct ProgramState {
    std::string OldVersionList{hamlog::kDefaultOldVersionList};
    std::string HamlogFreqText;
    std::string HamlogModeText;
    bool HamlogPicked = false;
    std::int32_t AllowNewWindow = 0;
    hamlog::ListColumnTable ListColumns;

    // The settings load, Clear, the Hamlog button and the pick ask this;
    // tests put their own answer in.
    std::function<bool()> shiftAndCtrlHeld = RealShiftAndCtrlHeld;
    bool ShiftAndCtrlHeld() const { return shiftAndCtrlHeld && shiftAndCtrlHeld(); }
};

} // namespace pelorin::ui
