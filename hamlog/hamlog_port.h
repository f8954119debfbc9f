#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pelorin::hamlog {

// An opaque window identity: the HWND value on Windows, the same value as the
// bridge reports it under Wine.
using WindowHandle = std::uint64_t;

// One top-level window; class name and title are code page 932 bytes.
struct WindowInfo {
    WindowHandle handle = 0;
    std::string className;
    std::string title;
};

struct SendResult {
    // The receiver's result of the WM_COPYDATA send; 0 means no answer.
    std::int64_t result = 0;
    // The send was abandoned at its time limit (result is 0 then).
    bool timedOut = false;
    // Bytes of the last WM_COPYDATA that reached our reply window during the
    // send, exactly as sent (cbData bytes), or nothing when none arrived.
    std::optional<std::string> reply;
};

// What the Hamlog query needs of the platform. Transports: Win32 directly, or
// the bridge process under Wine; tests use an in-memory fake.
class HamlogPort {
public:
    virtual ~HamlogPort() = default;

    // Calls `visit` once per top-level window, in enumeration order, until it
    // returns false.
    virtual void EnumerateWindows(const std::function<bool(const WindowInfo&)>& visit) = 0;

    // Sends one WM_COPYDATA request (dwData = code, lpData/cbData = data, null
    // and 0 when data is empty) and waits at most `timeout` for it.
    virtual SendResult Send(WindowHandle window, std::uint32_t code, std::string_view data,
                            std::chrono::milliseconds timeout) = 0;
};

} // namespace pelorin::hamlog
