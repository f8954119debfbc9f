#pragma once

#include "hamlog/hamlog_port.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The line protocol between the program and the Hamlog bridge, a Win32
// process that runs the Win32 transport under Wine. One request line on the
// bridge's stdin gets its answer on stdout; every line ends with "\n".
//
//   bridge, once at start:  PELORIN-HAMLOG-BRIDGE 1
//   LIST                 -> WINDOW <handle> <class> <title>  (one per window)
//                           END
//   SEND <handle> <code> <timeout-ms> <data>
//                        -> RESULT <result> <timed-out 0|1> <reply>
//   QUIT                 -> (the bridge ends)
//   anything else        -> ERROR <what>
//
// Numbers are decimal. A byte field is "-" when absent or "x" followed by
// its bytes as lower-case hex, so an empty text ("x") differs from none.
namespace pelorin::hamlog::bridge {

inline constexpr std::string_view kGreeting = "PELORIN-HAMLOG-BRIDGE 1";

std::string HexField(const std::optional<std::string>& bytes);
std::optional<std::optional<std::string>> ParseHexField(std::string_view field);

struct SendRequest {
    WindowHandle window = 0;
    std::uint32_t code = 0;
    std::chrono::milliseconds timeout{0};
    std::string data;
};

std::string FormatWindowLine(const WindowInfo& window);
std::optional<WindowInfo> ParseWindowLine(std::string_view line);

std::string FormatSendRequest(const SendRequest& request);
std::optional<SendRequest> ParseSendRequest(std::string_view line);

std::string FormatSendResult(const SendResult& result);
std::optional<SendResult> ParseSendResult(std::string_view line);

} // namespace pelorin::hamlog::bridge
