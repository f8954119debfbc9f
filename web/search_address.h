#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelorin::web {

// The address of the service's search page for the callsign in the field
// (code page 932 bytes): trimmed, cut at a "/" after its first character and
// percent-encoded byte by byte, so the address carries Shift_JIS bytes as the
// service expects. `baseAddress` is scheme, host and port, such as
// "http://127.0.0.1:8631". An empty callsign gives no address.
std::optional<std::string> SearchAddress(std::string_view baseAddress,
                                         std::string_view callsignField);

} // namespace pelorin::web
