#pragma once

#include "hamlog/hamlog_port.h"

namespace pelorin::hamlog {

// The Hamlog port on Win32 itself: EnumWindows, class name and title, and
// WM_COPYDATA through SendMessageTimeout. Replies come back to a hidden
// message-only window owned by the sending thread, made on its first send;
// any thread may send, each gets its own reply window.
class Win32HamlogPort final : public HamlogPort {
public:
    void EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) override;
    SendResult Send(WindowHandle window, std::uint32_t code, std::string_view data,
                    std::chrono::milliseconds timeout) override;
};

} // namespace pelorin::hamlog
