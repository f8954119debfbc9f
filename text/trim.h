#pragma once

#include <string_view>

namespace pelorin::text {

// Bytes 0x00..0x20 are blanks for trimming; the ideographic space (two bytes
// in code page 932) is not, so it survives.
constexpr bool IsTrimmedByte(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

std::string_view TrimLeft(std::string_view s);
std::string_view TrimRight(std::string_view s);
std::string_view Trim(std::string_view s);

} // namespace pelorin::text
