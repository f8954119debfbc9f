#pragma once

#include "text/cp932_codec.h"

#include <string>
#include <string_view>

namespace pelorin::hamlog::testing {

// Tests write their texts as UTF-8 and compare in code page 932.
inline std::string Sj(std::string_view utf8) {
    return text::Utf8ToCp932(utf8);
}

} // namespace pelorin::hamlog::testing
