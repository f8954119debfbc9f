#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelorin::settings {

// A history list as one settings value: each entry trimmed and followed by
// the four characters \r\n (backslash, r, backslash, n). An empty list is an
// empty value.
std::string EncodeHistory(const std::vector<std::string>& entries);

// The reverse, in the order the list stored them: \r and \n become CR and
// LF, the text is cut at CR LF (a final one gives no empty entry), and each
// entry is trimmed. A CR or LF left alone inside an entry is dropped, as a
// list item cannot show it and the file could not hold it. Repeated entries
// are kept.
std::vector<std::string> DecodeHistory(std::string_view value);

} // namespace pelorin::settings
