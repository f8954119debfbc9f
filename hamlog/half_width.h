#pragma once

#include <string>
#include <string_view>

namespace pelorin::hamlog {

// Maps full-width ASCII forms, the ideographic space and full-width katakana
// (with the prolonged sound mark) of a code page 932 text to their half-width
// forms; a voiced kana becomes two characters. Everything else, and any
// character whose half-width form code page 932 cannot hold, stays as it was.
std::string ToHalfWidth(std::string_view cp932);

} // namespace pelorin::hamlog
