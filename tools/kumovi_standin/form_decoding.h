#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelorin::standin {

using FormFields = std::vector<std::pair<std::string, std::string>>;

// Decodes application/x-www-form-urlencoded text as a Shift_JIS page's form
// sends it: "+" is a blank, %XX a byte, and the bytes are code page 932.
// Names and values come back as UTF-8, in the order sent. A malformed
// escape is kept as it stands.
FormFields DecodeForm(std::string_view encoded);

// Percent-decoding alone, bytes in and bytes out.
std::string PercentDecode(std::string_view encoded);

// Escapes & < > " for use in HTML text and attribute values.
std::string HtmlEscape(std::string_view text);

} // namespace pelorin::standin
