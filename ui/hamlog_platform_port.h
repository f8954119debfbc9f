#pragma once

#include "hamlog/hamlog_port.h"

#include <memory>

namespace pelorin::ui {

// The Hamlog port of this build: Win32 itself on Windows; elsewhere the
// bridge beside the program (or $PELORIN_HAMLOG_BRIDGE), run under Wine.
std::unique_ptr<hamlog::HamlogPort> MakePlatformHamlogPort();

// Marks every descriptor above stderr close-on-exec. Wine's own processes
// (started with the first Wine program) live as long as the wineserver; an
// inherited descriptor, such as the browser engine's link to its helper
// processes, would keep those helpers running after the program has ended.
// Nothing on Windows.
void KeepDescriptorsFromChildProcesses();

} // namespace pelorin::ui
