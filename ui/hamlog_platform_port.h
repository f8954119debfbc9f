#pragma once

#include "hamlog/hamlog_port.h"

#include <memory>

namespace pelorin::ui {

// The Hamlog port of this build: Win32 itself on Windows; elsewhere the
// bridge beside the program (or $PELORIN_HAMLOG_BRIDGE), run under Wine.
std::unique_ptr<hamlog::HamlogPort> MakePlatformHamlogPort();

} // namespace pelorin::ui
