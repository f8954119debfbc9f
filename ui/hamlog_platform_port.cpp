#include "ui/hamlog_platform_port.h"

#ifdef _WIN32
#include "hamlog/transport/win32_hamlog_port.h"
#else
#include "hamlog/transport/wine_bridge_port.h"
#endif

namespace pelorin::ui {

std::unique_ptr<hamlog::HamlogPort> MakePlatformHamlogPort() {
#ifdef _WIN32
    return std::make_unique<hamlog::Win32HamlogPort>();
#else
    return std::make_unique<hamlog::WineBridgePort>(hamlog::DefaultBridgePath());
#endif
}

} // namespace pelorin::ui
